#include "app/settings.h"

#include <algorithm>

namespace kombora {

const SettingEntry& SettingEntryOf(Setting setting) {
    for (const SettingEntry& entry : kSettings) {
        if (entry.setting == setting) return entry;
    }
    return kSettings.front();  // every Setting has its row; the table tests say so
}

std::array<const SettingEntry*, kSettings.size()> SettingsInWriteOrder() {
    std::array<const SettingEntry*, kSettings.size()> order{};
    for (std::size_t i = 0; i < kSettings.size(); ++i) order[i] = &kSettings[i];
    std::sort(order.begin(), order.end(), [](const SettingEntry* a, const SettingEntry* b) {
        return a->writePosition < b->writePosition;
    });
    return order;
}

int32_t ReadSetting(const IniFile& ini, const SettingEntry& entry) {
    if (entry.type == SettingType::Bool) {
        return ini.ReadBool(entry.section, entry.key, entry.defaultValue != 0) ? 1 : 0;
    }
    return ini.ReadInteger(entry.section, entry.key, entry.defaultValue);
}

void WriteSetting(IniFile& ini, const SettingEntry& entry, int32_t value) {
    if (entry.type == SettingType::Bool) {
        ini.WriteBool(entry.section, entry.key, value != 0);
    } else {
        ini.WriteInteger(entry.section, entry.key, value);
    }
}

}  // namespace kombora
