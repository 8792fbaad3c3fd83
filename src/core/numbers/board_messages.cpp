// The texts of the board's, random choice's and forming's messages, German and English.
#include "numbers/board_messages.h"

#include <array>

namespace kombora {
namespace {

struct Entry {
    const char* key;
    NoticeKind german;
    NoticeKind english;
    const char* de;
    const char* en;
};

#define KOMBORA_PB "\r\r"
#define KOMBORA_ABORT_DE KOMBORA_PB "Ich breche erst einmal ab."
#define KOMBORA_ABORT_EN KOMBORA_PB "I will abort first of all."
#define KOMBORA_MUST_DE KOMBORA_PB "Ich muss abbrechen."
#define KOMBORA_MUST_EN KOMBORA_PB "I have to abort."
#define KOMBORA_DAMAGED_DE "Die Datei mit den Systemreihen \"%1\" ist beschädigt: "
#define KOMBORA_DAMAGED_EN "The file containing the system series \"%1\" is damaged: "
#define KOMBORA_NOT_FORMED_DE " Die Tippreihen können daher nicht gebildet werden." KOMBORA_MUST_DE
#define KOMBORA_NOT_FORMED_EN " Therefore, the series cannot be created." KOMBORA_MUST_EN

constexpr NoticeKind kInfo = NoticeKind::Information;
constexpr NoticeKind kError = NoticeKind::Error;
constexpr NoticeKind kConfirm = NoticeKind::Confirmation;

constexpr std::array kEntries{
    Entry{notice::kBoardNoSystem, kInfo, kInfo,
          "Bitte gehen Sie zurück und wählen Sie zunächst ein System aus.",
          "Please go back and select a system first."},
    Entry{notice::kBoardBankComplete, kError, kError, "Sie haben bereits %1 Bankzahlen gewählt.",
          "You have already selected %1 bank numbers."},
    Entry{notice::kBoardChangingComplete, kError, kError, "Sie haben bereits %1 Zahlen gewählt.",
          "You have already selected %1 numbers."},
    Entry{notice::kRandomNoSystem, kInfo, kConfirm,
          "Bitte gehen Sie zurück und wählen Sie zunächst ein System aus.",
          "Please go back and select a system first."},
    Entry{notice::kRandomTooManyNumbers, kInfo, kInfo,
          "Das gewählte System braucht %1 Zahlen, die größte Zahl ist aber %2. Bitte stellen Sie "
          "eine größere größte Zahl ein oder wählen Sie ein anderes System." KOMBORA_ABORT_DE,
          "The selected system needs %1 numbers, but the largest number is %2. Please set a "
          "larger largest number or choose another system." KOMBORA_ABORT_EN},
    Entry{notice::kFormingNoSystem, kInfo, kInfo,
          "Bitte wählen Sie zunächst ein Spielsystem aus." KOMBORA_ABORT_DE,
          "Please select a system first." KOMBORA_ABORT_EN},
    Entry{notice::kFormingChooseNumbers, kInfo, kInfo,
          "Bitte wählen Sie %1 Tippahlen." KOMBORA_ABORT_DE,
          "Please choose %1 tip numbers." KOMBORA_ABORT_EN},
    Entry{notice::kFormingChooseNumbersOneBank, kInfo, kInfo,
          "Bitte wählen Sie %1 Tippahlen und eine Bankzahl." KOMBORA_ABORT_DE,
          "Please choose %1 tip numbers and one bank number." KOMBORA_ABORT_EN},
    Entry{notice::kFormingChooseNumbersBanks, kInfo, kInfo,
          "Bitte wählen Sie %1 Tippahlen und %2 Bankzahlen." KOMBORA_ABORT_DE,
          "Please choose %1 tip numbers and %2 bank numbers." KOMBORA_ABORT_EN},
    Entry{notice::kFormingRowsLongerThanTip, kInfo, kInfo,
          "Die Reihen des gewählten Systems haben %1 Zahlen, eine Tippreihe aber nur %2. Bitte "
          "filtern Sie mit einer passenden Tippreihengröße." KOMBORA_ABORT_DE,
          "The rows of the selected system have %1 numbers, but a tip row has only %2. Please "
          "filter with a fitting tip-row size." KOMBORA_ABORT_EN},
    Entry{notice::kFormingRowsFileMissing, kInfo, kInfo,
          "Die Datei mit den Systemreihen wurde gelöscht. Die Tippreihen können daher nicht "
          "gebildet werden." KOMBORA_MUST_DE,
          "The file containing the system series has been deleted. Therefore, the series cannot "
          "be created." KOMBORA_MUST_EN},
    Entry{notice::kFormingRowsFileShort, kError, kError,
          KOMBORA_DAMAGED_DE
          "sie endet nach Zeile %2, das System hat aber %3 Reihen." KOMBORA_NOT_FORMED_DE,
          KOMBORA_DAMAGED_EN
          "it ends after line %2, but the system has %3 rows." KOMBORA_NOT_FORMED_EN},
    Entry{notice::kFormingRowsFileFieldCount, kError, kError,
          KOMBORA_DAMAGED_DE "Zeile %2 enthält %3 Zahlen statt %4." KOMBORA_NOT_FORMED_DE,
          KOMBORA_DAMAGED_EN "line %2 holds %3 numbers instead of %4." KOMBORA_NOT_FORMED_EN},
    Entry{notice::kFormingRowsFileNotNumber, kError, kError,
          KOMBORA_DAMAGED_DE "Zeile %2 enthält \"%3\", das ist keine Zahl." KOMBORA_NOT_FORMED_DE,
          KOMBORA_DAMAGED_EN "line %2 holds \"%3\", which is not a number." KOMBORA_NOT_FORMED_EN},
    Entry{notice::kFormingRowsFileOutOfRange, kError, kError,
          KOMBORA_DAMAGED_DE
          "Zeile %2 enthält die Zahl %3, sie liegt nicht zwischen 1 und %4." KOMBORA_NOT_FORMED_DE,
          KOMBORA_DAMAGED_EN
          "line %2 holds the number %3, which lies outside 1 to %4." KOMBORA_NOT_FORMED_EN},
    Entry{notice::kFormingRowsFileRepeated, kError, kError,
          KOMBORA_DAMAGED_DE "Zeile %2 enthält die Zahl %3 mehrfach." KOMBORA_NOT_FORMED_DE,
          KOMBORA_DAMAGED_EN "line %2 holds the number %3 more than once." KOMBORA_NOT_FORMED_EN},
    Entry{notice::kFormingRowsFileUnreadable, kError, kError,
          "Die Datei mit den Systemreihen \"%1\" kann nicht gelesen werden." KOMBORA_NOT_FORMED_DE,
          "The file containing the system series \"%1\" cannot be read." KOMBORA_NOT_FORMED_EN},
    Entry{notice::kFormingBuiltinRowsMissing, kError, kError,
          "Die Reihen dieses Systems sind im Programm nicht vorhanden." KOMBORA_NOT_FORMED_DE,
          "The rows of this system are not available in the program." KOMBORA_NOT_FORMED_EN},
};

const Entry* Find(const std::string& key) {
    for (const Entry& entry : kEntries) {
        if (key == entry.key) return &entry;
    }
    return nullptr;
}

}  // namespace

NoticeKind NoticeKindOf(const Notice& notice, int language) {
    const Entry* entry = Find(notice.key);
    if (entry == nullptr) return NoticeKind::Information;
    return language == 0 ? entry->german : entry->english;
}

std::optional<std::string> NoticeText(const Notice& notice, int language) {
    const Entry* entry = Find(notice.key);
    if (entry == nullptr || (language != 0 && language != 1)) return std::nullopt;
    return FillPlaceholders(language == 0 ? entry->de : entry->en, notice.args);
}

std::string FillPlaceholders(std::string_view pattern, const std::vector<std::string>& args) {
    std::string text;
    text.reserve(pattern.size());
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        const char c = pattern[i];
        if (c == '%' && i + 1 < pattern.size() && pattern[i + 1] >= '1' && pattern[i + 1] <= '9') {
            const auto index = static_cast<std::size_t>(pattern[i + 1] - '1');
            if (index < args.size()) text += args[index];
            ++i;
            continue;
        }
        text += c;
    }
    return text;
}

}  // namespace kombora
