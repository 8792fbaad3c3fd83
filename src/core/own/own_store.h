#pragma once

// The own-systems store: the index file "ESySummary.esy" (272-byte records back to back) and
// one rows file "ESY" + n + ".csv" per system, both in the own-systems folder.
//
// Every change goes through a temporary file that is flushed and renamed into place. A save
// writes the new rows file first and the index last; a delete writes the index without the
// record first and removes the rows file last. So a failure or a kill at any moment leaves
// a store that loads, with the previous index intact and every record's rows file in place;
// at worst a rows file is left without a record, and no later save writes over it.

#include <cstdint>
#include <filesystem>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "catalogue/records.h"
#include "evaluation/own_system_rows.h"
#include "own/own_rows_test.h"
#include "rows/row_store.h"

namespace kombora {

inline constexpr int32_t kOwnSystemMaxRows = 65535;  // TR is 16 bits wide

// Where the store lives.
struct OwnStoreFiles {
    std::filesystem::path folder;     // the own-systems folder
    std::filesystem::path indexFile;  // folder / "ESySummary.esy"

    std::filesystem::path RowsFile(const TEigSysteme& record) const;
};

// True when no record has `fn` equal to the name (exact, case-sensitive); true for an empty
// list.
bool OwnSystemNameFree(const std::vector<TEigSysteme>& list, const std::string& name);

// "ESY" + n + ".csv" for the first n from 1 for which neither a file (of any kind, a broken
// link included) nor a record of that name exists. A number freed by a delete is used again.
std::string NewOwnSystemFileName(const std::vector<TEigSysteme>& list,
                                 const std::filesystem::path& folder);

// The rows file's content: one line per row, its design numbers ascending, joined by ",",
// each line ended by CR LF.
std::string OwnSystemRowsFileText(std::span<const NumberSet> rowSets);

// The time stamp of a record: local date and time as days since 30 December 1899, the
// fraction being the time of day.
double OwnSystemTimeStampNow();
double OwnSystemTimeStamp(int year, int month, int day, int hour, int minute, int second);

// A record's time stamp split into its parts (seconds rounded).
struct OwnSystemTime {
    int year = 1899, month = 12, day = 30, hour = 0, minute = 0, second = 0;
};
OwnSystemTime SplitOwnSystemTimeStamp(double gesp);

// The own system's rows file is there (a regular file directly in the folder).
bool OwnRowsFilePresent(const OwnStoreFiles& files, const TEigSysteme& record);

// The rows of an own system, read with the program's one rows-file reader. Throws
// RowsFileError for a damaged file or a name that leaves the folder.
std::vector<std::vector<int32_t>> ReadOwnSystemRowsOf(const OwnStoreFiles& files,
                                                      const TEigSysteme& record);

// A design to store: rows of design numbers 1..poolSize.
struct OwnSystemDesign {
    int32_t rowSize = 0;
    int32_t poolSize = 0;
    int32_t guarantee = 0;
    std::vector<NumberSet> rows;
};

struct OwnStoreResult {
    bool ok = false;
    std::optional<MessageProblem> problem;  // why it failed
    int32_t ownIndex = -1;                  // the saved system's place in the list
    std::string fileName;                   // its rows file
};

// Stores a design as a new own system saved at `savedAt`: rows file, then index. On success
// the record is appended to `list`; on failure `list` and the index stay as they were and a
// rows file written for it is removed again.
OwnStoreResult SaveOwnSystem(std::vector<TEigSysteme>& list, const OwnStoreFiles& files,
                             const OwnSystemDesign& design, double savedAt);

// The design of the tested own rows: RG = OwnDesignRowSize, WZ = OwnPoolSize - OwnBankCount,
// GA = OwnGuarantee, the rows from OwnRowSets. A problem when there are more rows than a
// record can count.
struct OwnRowsDesign {
    OwnSystemDesign design;
    std::optional<MessageProblem> problem;
};
OwnRowsDesign DesignOfTestedOwnRows(const RowStore& rows, int32_t ownDesignRowSize,
                                    int32_t ownGuarantee);

// What "Save as system" needs before it can write, checked in this order.
enum class OwnSaveCheck {
    NoRows,       // the text field is empty: message OwnRowsNoRowsToSave
    TestRunning,  // a test is running: message TestBusy, nothing is saved
    NotParsed,    // the rows are to be parsed first (the parser shows its own message)
    NotTested,    // the rows are to be tested first ("Test as a system")
    Unfit,        // the test refused the rows and has said so
    Ready,
};
// `testJustRan`: the save has just run the test itself; it then goes on also when that test
// was stopped, with the guarantee found until the stop.
OwnSaveCheck CheckOwnRowsSave(bool textEmpty, bool testRunning, const RowStore& rows,
                              const OwnTestState& test, bool testJustRan = false);

// Saves the tested own rows as a new own system (DesignOfTestedOwnRows, then SaveOwnSystem).
OwnStoreResult SaveTestedOwnRows(std::vector<TEigSysteme>& list, const OwnStoreFiles& files,
                                 const RowStore& rows, const OwnTestState& test, double savedAt);

// Removes own system `ownIndex`: the index without its record, then its rows file (only a
// file directly in the folder). On failure `list` and the store stay as they were.
OwnStoreResult DeleteOwnSystem(std::vector<TEigSysteme>& list, const OwnStoreFiles& files,
                               int32_t ownIndex);

}  // namespace kombora
