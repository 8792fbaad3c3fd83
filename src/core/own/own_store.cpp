#include "own/own_store.h"

#include <chrono>
#include <cmath>
#include <ctime>
#include <system_error>

#include "catalogue/own_index.h"
#include "io/atomic_file.h"
#include "io/text_encoding.h"
#include "own/own_rows_file.h"

namespace kombora {
namespace {

OwnStoreResult Failed(MessageId id, std::string reason) {
    OwnStoreResult result;
    result.problem = MessageProblem{id, {std::move(reason)}};
    return result;
}

bool NameTaken(const std::filesystem::path& file) {
    std::error_code ec;
    const auto status = std::filesystem::symlink_status(file, ec);
    // A name that cannot be looked at counts as taken: nothing is ever written over it.
    if (ec) return ec != std::errc::no_such_file_or_directory;
    return status.type() != std::filesystem::file_type::not_found;
}

constexpr std::chrono::sys_days kDayZero{std::chrono::year{1899} / 12 / 30};

}  // namespace

std::filesystem::path OwnStoreFiles::RowsFile(const TEigSysteme& record) const {
    return folder / PathFromUtf8(record.fn);
}

bool OwnSystemNameFree(const std::vector<TEigSysteme>& list, const std::string& name) {
    for (const TEigSysteme& record : list) {
        if (record.fn == name) return false;
    }
    return true;
}

std::string NewOwnSystemFileName(const std::vector<TEigSysteme>& list,
                                 const std::filesystem::path& folder) {
    for (int64_t n = 1;; ++n) {
        std::string name = "ESY" + std::to_string(n) + ".csv";
        if (!NameTaken(folder / PathFromUtf8(name)) && OwnSystemNameFree(list, name)) return name;
    }
}

std::string OwnSystemRowsFileText(std::span<const NumberSet> rowSets) {
    std::string text;
    for (const NumberSet& row : rowSets) {
        bool first = true;
        for (int n : row.Members()) {
            if (!first) text += ',';
            text += std::to_string(n);
            first = false;
        }
        text += "\r\n";
    }
    return text;
}

double OwnSystemTimeStamp(int year, int month, int day, int hour, int minute, int second) {
    const std::chrono::sys_days date{std::chrono::year{year} / month / day};
    return static_cast<double>((date - kDayZero).count()) +
           (hour * 3600.0 + minute * 60.0 + second) / 86400.0;
}

double OwnSystemTimeStampNow() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
#ifdef _WIN32
    localtime_s(&local, &now);
#else
    localtime_r(&now, &local);
#endif
    return OwnSystemTimeStamp(local.tm_year + 1900, local.tm_mon + 1, local.tm_mday, local.tm_hour,
                              local.tm_min, local.tm_sec);
}

OwnSystemTime SplitOwnSystemTimeStamp(double gesp) {
    OwnSystemTime time;
    if (!std::isfinite(gesp) || std::fabs(gesp) > 3.0e6) return time;  // beyond year 9999
    double whole = std::floor(gesp);
    auto seconds = static_cast<int64_t>(std::llround((gesp - whole) * 86400.0));
    if (seconds >= 86400) {
        whole += 1;
        seconds -= 86400;
    }
    const std::chrono::year_month_day date{kDayZero +
                                           std::chrono::days{static_cast<int64_t>(whole)}};
    time.year = static_cast<int>(date.year());
    time.month = static_cast<int>(static_cast<unsigned>(date.month()));
    time.day = static_cast<int>(static_cast<unsigned>(date.day()));
    time.hour = static_cast<int>(seconds / 3600);
    time.minute = static_cast<int>(seconds / 60 % 60);
    time.second = static_cast<int>(seconds % 60);
    return time;
}

bool OwnRowsFilePresent(const OwnStoreFiles& files, const TEigSysteme& record) {
    if (!IsPlainFileName(record.fn)) return false;
    std::error_code ec;
    return std::filesystem::is_regular_file(files.RowsFile(record), ec);
}

std::vector<std::vector<int32_t>> ReadOwnSystemRowsOf(const OwnStoreFiles& files,
                                                      const TEigSysteme& record) {
    const TSysteme shape{record.RG, record.WZ, record.GA, record.TR};
    OwnRowsRead read = ReadOwnRowsFile(files.folder, record.fn, shape);
    if (read.ok()) return std::move(read.rows);
    if (read.problem) {
        throw RowsFileError(MessageProblem{read.problem->id, read.problem->args});
    }
    throw RowsFileError(MessageProblem{MessageId::TestRowsFileNotFound, {record.fn}});
}

OwnStoreResult SaveOwnSystem(std::vector<TEigSysteme>& list, const OwnStoreFiles& files,
                             const OwnSystemDesign& design, double savedAt) {
    if (design.rows.size() > static_cast<std::size_t>(kOwnSystemMaxRows)) {
        OwnStoreResult result;
        result.problem =
            MessageProblem{MessageId::OwnSystemsTooManyRows, {std::to_string(design.rows.size())}};
        return result;
    }
    if (design.rowSize < 0 || design.rowSize > 255 || design.poolSize < 0 ||
        design.poolSize > 255 || design.guarantee < 0 || design.guarantee > 255) {
        return Failed(MessageId::OwnSystemsSaveFailed, "the rows do not fit an own system");
    }
    std::error_code ec;
    std::filesystem::create_directories(files.folder, ec);

    TEigSysteme record;
    record.RG = static_cast<uint8_t>(design.rowSize);
    record.WZ = static_cast<uint8_t>(design.poolSize);
    record.GA = static_cast<uint8_t>(design.guarantee);
    record.TR = static_cast<uint16_t>(design.rows.size());
    record.gesp = savedAt;
    record.fn = NewOwnSystemFileName(list, files.folder);

    std::string error;
    const std::filesystem::path rowsFile = files.RowsFile(record);
    if (!WriteFileAtomically(rowsFile, OwnSystemRowsFileText(design.rows), &error)) {
        return Failed(MessageId::OwnSystemsSaveFailed, error);
    }
    std::vector<TEigSysteme> updated = list;
    updated.push_back(record);
    if (!SaveOwnSystemIndex(files.indexFile, updated, &error)) {
        // The index is as it was; the new rows file belongs to no record.
        std::filesystem::remove(rowsFile, ec);
        return Failed(MessageId::OwnSystemsSaveFailed, error);
    }
    list = std::move(updated);
    OwnStoreResult result;
    result.ok = true;
    result.ownIndex = static_cast<int32_t>(list.size()) - 1;
    result.fileName = record.fn;
    return result;
}

OwnRowsDesign DesignOfTestedOwnRows(const RowStore& rows, int32_t ownDesignRowSize,
                                    int32_t ownGuarantee) {
    OwnRowsDesign result;
    if (rows.OwnRowCount > kOwnSystemMaxRows) {
        result.problem =
            MessageProblem{MessageId::OwnSystemsTooManyRows, {std::to_string(rows.OwnRowCount)}};
        return result;
    }
    result.design.rowSize = ownDesignRowSize;
    result.design.poolSize = rows.OwnPoolSize - rows.OwnBankCount;
    result.design.guarantee = ownGuarantee;
    result.design.rows = rows.OwnRowSets;
    result.design.rows.resize(static_cast<std::size_t>(std::max(rows.OwnRowCount, 0)));
    return result;
}

OwnSaveCheck CheckOwnRowsSave(bool textEmpty, bool testRunning, const RowStore& rows,
                              const OwnTestState& test, bool testJustRan) {
    if (textEmpty) return OwnSaveCheck::NoRows;
    if (testRunning) return OwnSaveCheck::TestRunning;
    if (!rows.OwnRowsReady) return OwnSaveCheck::NotParsed;
    if (!testJustRan && !test.OwnRowsTested) return OwnSaveCheck::NotTested;
    if (test.OwnRowsUnfit) return OwnSaveCheck::Unfit;
    return OwnSaveCheck::Ready;
}

OwnStoreResult SaveTestedOwnRows(std::vector<TEigSysteme>& list, const OwnStoreFiles& files,
                                 const RowStore& rows, const OwnTestState& test, double savedAt) {
    const OwnRowsDesign design =
        DesignOfTestedOwnRows(rows, test.OwnDesignRowSize, test.OwnGuarantee);
    if (design.problem) {
        OwnStoreResult result;
        result.problem = design.problem;
        return result;
    }
    return SaveOwnSystem(list, files, design.design, savedAt);
}

OwnStoreResult DeleteOwnSystem(std::vector<TEigSysteme>& list, const OwnStoreFiles& files,
                               int32_t ownIndex) {
    if (ownIndex < 0 || static_cast<std::size_t>(ownIndex) >= list.size()) {
        return Failed(MessageId::OwnSystemsDeleteFailed, "there is no such own system");
    }
    const TEigSysteme record = list[static_cast<std::size_t>(ownIndex)];
    std::vector<TEigSysteme> updated = list;
    updated.erase(updated.begin() + ownIndex);
    std::string error;
    if (!SaveOwnSystemIndex(files.indexFile, updated, &error)) {
        return Failed(MessageId::OwnSystemsDeleteFailed, error);
    }
    list = std::move(updated);
    // Another record naming the same file keeps it.
    if (OwnRowsFilePresent(files, record) && OwnSystemNameFree(list, record.fn)) {
        std::error_code ec;
        std::filesystem::remove(files.RowsFile(record), ec);
    }
    OwnStoreResult result;
    result.ok = true;
    result.ownIndex = ownIndex;
    result.fileName = record.fn;
    return result;
}

}  // namespace kombora
