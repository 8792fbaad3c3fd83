#pragma once

// The one reader of an own system's rows file ("ESY" + n + ".csv" in the own-systems folder).
// Forming tip rows, the system test, the own-systems page and every command read the file
// through it, so they all accept and refuse the same files.
//
// The rules, checked against the system's record (RG numbers per row, pool WZ, TR rows):
//  - The file is read only when it is a regular file inside the own-systems folder (a link
//    is followed only as long as it stays inside) and is not larger than what TR rows can
//    hold (OwnRowsFileSizeLimit); a name that is not a plain file name counts as missing.
//  - A UTF-8 byte-order mark at the very start is skipped. Lines end with CR LF, LF or CR.
//  - Empty lines, lines of blanks only and lines "" (two double quotes, blanks around
//    allowed) are skipped.
//  - Every other line is one row: exactly RG items separated by commas; an item is a decimal
//    number of digits only (no sign), blanks (space, tab) around it allowed, from 1 to WZ,
//    and no number twice in a row. An empty item (as a trailing comma makes) is no number.
//  - Exactly TR rows. Reading stops at the first line after the TR-th row that is not
//    skipped: that line is refused, so a long file costs no more than its first TR rows.
//  - The first fault refuses the file with a message naming the file, the line (counted
//    from 1, every line end counts) and the item, quoted safely (QuoteForMessage).
// The rows keep the file's order of numbers within a row.

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string_view>
#include <vector>

#include "catalogue/records.h"
#include "numbers/board_messages.h"

namespace kombora {

struct OwnRowsRead {
    enum class Status {
        Read,     // rows holds TR rows
        Missing,  // no such file, or the record names no plain file
        Refused,  // problem says why
    };
    Status status = Status::Missing;
    std::vector<std::vector<int32_t>> rows;
    std::optional<Notice> problem;

    bool ok() const { return status == Status::Read; }
};

// The largest rows file the reader accepts for a record: TR rows of RG numbers of up to three
// digits, with generous room for blanks, line ends and skipped lines.
std::uintmax_t OwnRowsFileSizeLimit(const TSysteme& shape);

// Applies the rules to the bytes of a rows file. `fileName` names the file in messages.
OwnRowsRead ParseOwnRowsText(std::string_view bytes, const TSysteme& shape,
                             std::string_view fileName);

// Reads the rows file `fn` (UTF-8, a name without folder) of the own-systems folder.
OwnRowsRead ReadOwnRowsFile(const std::filesystem::path& ownSystemsFolder, std::string_view fn,
                            const TSysteme& shape);

}  // namespace kombora
