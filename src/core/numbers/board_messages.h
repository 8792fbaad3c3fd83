#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace kombora {

// A message the board, random choice or forming asks the window to show: a key of the
// message table and the values for its placeholders %1, %2, ... (already formatted).
struct Notice {
    std::string key;
    std::vector<std::string> args;

    friend bool operator==(const Notice&, const Notice&) = default;
};

// Keys of the messages these operations raise.
namespace notice {
inline constexpr const char* kBoardNoSystem = "board.no_system";
inline constexpr const char* kBoardBankComplete = "board.bank_numbers_complete";
inline constexpr const char* kBoardChangingComplete = "board.numbers_complete";
inline constexpr const char* kRandomNoSystem = "random.no_system";
inline constexpr const char* kRandomTooManyNumbers = "random.too_many_numbers";
inline constexpr const char* kFormingNoSystem = "forming.no_system";
inline constexpr const char* kFormingChooseNumbers = "forming.choose_numbers";
inline constexpr const char* kFormingChooseNumbersOneBank = "forming.choose_numbers_one_bank";
inline constexpr const char* kFormingChooseNumbersBanks = "forming.choose_numbers_banks";
inline constexpr const char* kFormingRowsLongerThanTip = "forming.rows_longer_than_tip";
inline constexpr const char* kFormingRowsFileMissing = "forming.rows_file_missing";
inline constexpr const char* kFormingRowsFileShort = "forming.rows_file_short";
inline constexpr const char* kFormingRowsFileFieldCount = "forming.rows_file_field_count";
inline constexpr const char* kFormingRowsFileNotNumber = "forming.rows_file_not_number";
inline constexpr const char* kFormingRowsFileOutOfRange = "forming.rows_file_out_of_range";
inline constexpr const char* kFormingRowsFileRepeated = "forming.rows_file_repeated";
inline constexpr const char* kFormingRowsFileUnreadable = "forming.rows_file_unreadable";
inline constexpr const char* kFormingBuiltinRowsMissing = "forming.builtin_rows_missing";
}  // namespace notice

enum class NoticeKind { Information, Error, Confirmation, Warning };

// The kind of dialog a notice is shown in for a language (some English texts use another
// kind than their German counterparts).
NoticeKind NoticeKindOf(const Notice& notice, int language);

// The text to show for `language` (0 German, 1 English); nullopt for any other language or
// an unknown key.
std::optional<std::string> NoticeText(const Notice& notice, int language);

// Fills %1..%9 of a template with `args`.
std::string FillPlaceholders(std::string_view pattern, const std::vector<std::string>& args);

}  // namespace kombora
