#include "app/startup.h"

#include "app/settings.h"
#include "io/ini_file.h"

namespace kombora {

int32_t ReadStartLanguage(const std::filesystem::path& settingsFile) {
    const auto ini = IniFile::Load(settingsFile, settingsFile.parent_path());
    if (!ini) return 1;
    // Start-up's default differs from the main window's: English until the file says otherwise.
    const SettingEntry& language = SettingEntryOf(Setting::Language);
    return ini->ReadInteger(language.section, language.key, 1);
}

std::optional<std::string> SystemsInsideLabel(int64_t count, int32_t language,
                                              const NumberLocale& locale) {
    if (language != 0 && language != 1) return std::nullopt;
    return "   " + FormatCount(count, locale) +
           (language == 0 ? " Systeme inside   " : " systems inside   ");
}

}  // namespace kombora
