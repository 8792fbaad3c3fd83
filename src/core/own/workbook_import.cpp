#include "own/workbook_import.h"

#include <freexl.h>
#include <zip.h>
#include <pugixml.hpp>

#include <algorithm>
#include <atomic>
#include <charconv>
#include <chrono>
#include <cmath>
#include <cstring>
#include <fstream>
#include <memory>
#include <optional>
#include <system_error>

#include "io/atomic_file.h"
#include "io/text_encoding.h"

namespace kombora {

namespace {

// A part of a workbook larger than this is not unpacked.
constexpr zip_uint64_t kMaxPartBytes = 256u * 1024u * 1024u;
// Rows and columns of the largest worksheet the spreadsheets know.
constexpr int64_t kMaxRows = 1'048'576;
constexpr int64_t kMaxColumns = 16'384;

using Failure = SheetRead::Failure;

// Thrown inside the readers; turned into the result's failure.
struct ReadFailure {
    Failure failure;
};

[[noreturn]] void Unreadable() {
    throw ReadFailure{Failure::Unreadable};
}
[[noreturn]] void TooLarge() {
    throw ReadFailure{Failure::TooLarge};
}

// The cells with a value, collected sparsely, then laid out from A1.
class CellCollector {
  public:
    void Put(int64_t row, int64_t column, std::string text) {
        if (row < 0 || column < 0) Unreadable();
        if (row >= kMaxRows || column >= kMaxColumns) TooLarge();
        if (text.empty()) return;
        Reach(row, column);
        lastRow_ = std::max(lastRow_, row);
        lastColumn_ = std::max(lastColumn_, column);
        cells_.push_back({row, column, std::move(text)});
    }

    // Refuses a sheet whose cells up to this one would be too many.
    void Reach(int64_t row, int64_t column) const {
        if ((std::max(lastRow_, row) + 1) * (std::max(lastColumn_, column) + 1) > kMaxSheetCells) {
            TooLarge();
        }
    }

    std::vector<std::vector<std::string>> Layout() {
        std::vector<std::vector<std::string>> out;
        if (cells_.empty()) return out;
        if ((lastRow_ + 1) * (lastColumn_ + 1) > kMaxSheetCells) TooLarge();
        out.assign(static_cast<std::size_t>(lastRow_ + 1),
                   std::vector<std::string>(static_cast<std::size_t>(lastColumn_ + 1)));
        for (auto& c : cells_) {
            out[static_cast<std::size_t>(c.row)][static_cast<std::size_t>(c.column)] =
                std::move(c.text);
        }
        return out;
    }

  private:
    struct Cell {
        int64_t row;
        int64_t column;
        std::string text;
    };
    std::vector<Cell> cells_;
    int64_t lastRow_ = -1;
    int64_t lastColumn_ = -1;
};

// A cell's text as the memo takes it.
std::string CellText(std::string text) {
    std::size_t start = 0;
    while (text.compare(start, 2, "\xC2\xA0") == 0) start += 2;
    text.erase(0, start);
    for (char& c : text) {
        if (c == '\r' || c == '\n') c = ' ';
    }
    return text;
}

std::string_view LocalName(const char* name) {
    std::string_view n(name);
    const std::size_t colon = n.rfind(':');
    return colon == std::string_view::npos ? n : n.substr(colon + 1);
}

pugi::xml_node Child(pugi::xml_node node, std::string_view local) {
    for (pugi::xml_node c = node.first_child(); c; c = c.next_sibling()) {
        if (c.type() == pugi::node_element && LocalName(c.name()) == local) return c;
    }
    return {};
}

pugi::xml_attribute Attribute(pugi::xml_node node, std::string_view local) {
    for (pugi::xml_attribute a = node.first_attribute(); a; a = a.next_attribute()) {
        if (LocalName(a.name()) == local) return a;
    }
    return {};
}

// ---- zip packages

struct ZipCloser {
    void operator()(zip_t* z) const { zip_discard(z); }
};
using ZipArchive = std::unique_ptr<zip_t, ZipCloser>;

ZipArchive OpenZip(std::string_view bytes) {
    zip_error_t error;
    zip_error_init(&error);
    zip_source_t* source = zip_source_buffer_create(bytes.data(), bytes.size(), 0, &error);
    if (!source) {
        zip_error_fini(&error);
        Unreadable();
    }
    zip_t* archive = zip_open_from_source(source, ZIP_RDONLY, &error);
    zip_error_fini(&error);
    if (!archive) {
        zip_source_free(source);
        Unreadable();
    }
    return ZipArchive(archive);
}

bool HasPart(zip_t* zip, const std::string& name) {
    return zip_name_locate(zip, name.c_str(), 0) >= 0;
}

// The unpacked part; nullopt when the package has no such part.
std::optional<std::string> ReadPart(zip_t* zip, const std::string& name) {
    const zip_int64_t index = zip_name_locate(zip, name.c_str(), 0);
    if (index < 0) return std::nullopt;
    zip_file_t* file = zip_fopen_index(zip, static_cast<zip_uint64_t>(index), 0);
    if (!file) Unreadable();
    std::string data;
    char buffer[65536];
    while (true) {
        const zip_int64_t n = zip_fread(file, buffer, sizeof buffer);
        if (n < 0) {
            zip_fclose(file);
            Unreadable();
        }
        if (n == 0) break;
        if (data.size() + static_cast<std::size_t>(n) > kMaxPartBytes) {
            zip_fclose(file);
            TooLarge();
        }
        data.append(buffer, static_cast<std::size_t>(n));
    }
    zip_fclose(file);
    return data;
}

void LoadXml(pugi::xml_document& doc, const std::string& data) {
    const unsigned options = pugi::parse_default | pugi::parse_ws_pcdata_single;
    if (!doc.load_buffer(data.data(), data.size(), options)) Unreadable();
}

// ---- .xlsx

std::string FolderOf(const std::string& part) {
    const std::size_t slash = part.rfind('/');
    return slash == std::string::npos ? std::string{} : part.substr(0, slash + 1);
}

// A relationship target as a part name: absolute ("/xl/...") or relative to the source's
// folder, with "./" and "../" resolved.
std::string ResolveTarget(const std::string& sourcePart, const std::string& target) {
    std::string path =
        !target.empty() && target[0] == '/' ? target.substr(1) : FolderOf(sourcePart) + target;
    std::vector<std::string> parts;
    std::size_t start = 0;
    while (start <= path.size()) {
        std::size_t end = path.find('/', start);
        if (end == std::string::npos) end = path.size();
        const std::string piece = path.substr(start, end - start);
        if (piece == "..") {
            if (!parts.empty()) parts.pop_back();
        } else if (!piece.empty() && piece != ".") {
            parts.push_back(piece);
        }
        start = end + 1;
    }
    std::string out;
    for (std::size_t i = 0; i < parts.size(); ++i) {
        if (i > 0) out += '/';
        out += parts[i];
    }
    return out;
}

struct Relationship {
    std::string id;
    std::string type;
    std::string target;  // resolved part name
};

std::vector<Relationship> ReadRelationships(zip_t* zip, const std::string& sourcePart) {
    const std::string folder = FolderOf(sourcePart);
    const std::string file = sourcePart.substr(folder.size());
    const std::optional<std::string> data = ReadPart(zip, folder + "_rels/" + file + ".rels");
    std::vector<Relationship> out;
    if (!data) return out;
    pugi::xml_document doc;
    LoadXml(doc, *data);
    const pugi::xml_node root = Child(doc, "Relationships");
    for (pugi::xml_node r = root.first_child(); r; r = r.next_sibling()) {
        if (LocalName(r.name()) != "Relationship") continue;
        if (std::string_view(r.attribute("TargetMode").value()) == "External") continue;
        out.push_back({r.attribute("Id").value(), r.attribute("Type").value(),
                       ResolveTarget(sourcePart, r.attribute("Target").value())});
    }
    return out;
}

bool EndsWith(std::string_view s, std::string_view tail) {
    return s.size() >= tail.size() && s.substr(s.size() - tail.size()) == tail;
}

std::string WorkbookPart(zip_t* zip) {
    for (const auto& r : ReadRelationships(zip, "")) {
        if (EndsWith(r.type, "/officeDocument") && HasPart(zip, r.target)) return r.target;
    }
    if (HasPart(zip, "xl/workbook.xml")) return "xl/workbook.xml";
    Unreadable();
}

// The text of a shared string or inline string: its <t> pieces, phonetic runs left out.
void AppendStringItem(pugi::xml_node item, std::string& out) {
    for (pugi::xml_node c = item.first_child(); c; c = c.next_sibling()) {
        if (c.type() != pugi::node_element) continue;
        const std::string_view name = LocalName(c.name());
        if (name == "t") {
            out += c.child_value();
        } else if (name == "r") {
            AppendStringItem(c, out);
        }
    }
}

std::vector<std::string> ReadSharedStrings(zip_t* zip, const std::string& part) {
    std::vector<std::string> strings;
    const std::optional<std::string> data = ReadPart(zip, part);
    if (!data) return strings;
    pugi::xml_document doc;
    LoadXml(doc, *data);
    const pugi::xml_node sst = Child(doc, "sst");
    for (pugi::xml_node si = sst.first_child(); si; si = si.next_sibling()) {
        if (si.type() != pugi::node_element || LocalName(si.name()) != "si") continue;
        std::string text;
        AppendStringItem(si, text);
        strings.push_back(std::move(text));
    }
    return strings;
}

// "B12" as the row 11 and column 1 (from 0); false when it is no cell address.
bool ParseCellReference(std::string_view ref, int64_t& row, int64_t& column) {
    std::size_t i = 0;
    int64_t c = 0;
    while (i < ref.size() && ref[i] >= 'A' && ref[i] <= 'Z' && i < 3) {
        c = c * 26 + (ref[i] - 'A' + 1);
        ++i;
    }
    if (i == 0) return false;
    int64_t r = 0;
    const std::size_t digits = i;
    while (i < ref.size() && ref[i] >= '0' && ref[i] <= '9' && i - digits < 8) {
        r = r * 10 + (ref[i] - '0');
        ++i;
    }
    if (i == digits || i != ref.size() || r < 1) return false;
    row = r - 1;
    column = c - 1;
    return true;
}

std::string NumberValueText(std::string_view v) {
    double value = 0;
    const auto [end, ec] = std::from_chars(v.data(), v.data() + v.size(), value);
    if (ec != std::errc{} || end != v.data() + v.size()) return std::string(v);
    return NumberText(value);
}

std::string XlsxCellText(pugi::xml_node c, const std::vector<std::string>& shared) {
    const std::string_view type = c.attribute("t").value();
    if (type == "inlineStr") {
        std::string text;
        AppendStringItem(Child(c, "is"), text);
        return text;
    }
    const pugi::xml_node v = Child(c, "v");
    const std::string_view value = v.child_value();
    if (type == "s") {
        std::size_t index = 0;
        const auto [end, ec] = std::from_chars(value.data(), value.data() + value.size(), index);
        if (ec != std::errc{} || end != value.data() + value.size() || index >= shared.size()) {
            Unreadable();
        }
        return shared[index];
    }
    if (type == "b") return value == "1" ? "TRUE" : value.empty() ? "" : "FALSE";
    if (type == "str" || type == "e" || type == "d") return std::string(value);
    if (value.empty()) return {};
    return NumberValueText(value);
}

void ReadXlsx(std::string_view bytes, CellCollector& cells) {
    ZipArchive zip = OpenZip(bytes);
    const std::string workbookPart = WorkbookPart(zip.get());
    const std::optional<std::string> workbookXml = ReadPart(zip.get(), workbookPart);
    if (!workbookXml) Unreadable();
    pugi::xml_document workbook;
    LoadXml(workbook, *workbookXml);
    const std::vector<Relationship> rels = ReadRelationships(zip.get(), workbookPart);

    // The first sheet of the workbook that is a worksheet (chart sheets have no cells).
    std::string sheetPart;
    const pugi::xml_node sheets = Child(Child(workbook, "workbook"), "sheets");
    for (pugi::xml_node s = sheets.first_child(); s && sheetPart.empty(); s = s.next_sibling()) {
        if (s.type() != pugi::node_element || LocalName(s.name()) != "sheet") continue;
        const std::string_view id = Attribute(s, "id").value();
        for (const auto& r : rels) {
            if (r.id == id && EndsWith(r.type, "/worksheet")) sheetPart = r.target;
        }
    }
    if (sheetPart.empty()) Unreadable();
    std::string sharedPart;
    for (const auto& r : rels) {
        if (EndsWith(r.type, "/sharedStrings")) sharedPart = r.target;
    }
    const std::vector<std::string> shared =
        sharedPart.empty() ? std::vector<std::string>{} : ReadSharedStrings(zip.get(), sharedPart);

    const std::optional<std::string> sheetXml = ReadPart(zip.get(), sheetPart);
    if (!sheetXml) Unreadable();
    pugi::xml_document sheet;
    LoadXml(sheet, *sheetXml);
    const pugi::xml_node data = Child(Child(sheet, "worksheet"), "sheetData");
    int64_t row = -1;
    for (pugi::xml_node r = data.first_child(); r; r = r.next_sibling()) {
        if (r.type() != pugi::node_element || LocalName(r.name()) != "row") continue;
        const pugi::xml_attribute rowNumber = r.attribute("r");
        row = rowNumber ? rowNumber.as_llong() - 1 : row + 1;
        if (row < 0 || row >= kMaxRows) Unreadable();
        int64_t column = -1;
        for (pugi::xml_node c = r.first_child(); c; c = c.next_sibling()) {
            if (c.type() != pugi::node_element || LocalName(c.name()) != "c") continue;
            const pugi::xml_attribute ref = c.attribute("r");
            int64_t cellRow = row;
            if (ref) {
                if (!ParseCellReference(ref.value(), cellRow, column) || cellRow != row) {
                    Unreadable();
                }
            } else {
                ++column;
            }
            cells.Put(row, column, CellText(XlsxCellText(c, shared)));
        }
    }
}

// ---- .ods

void AppendOdsText(pugi::xml_node node, std::string& out) {
    for (pugi::xml_node c = node.first_child(); c; c = c.next_sibling()) {
        if (c.type() == pugi::node_pcdata || c.type() == pugi::node_cdata) {
            out += c.value();
            continue;
        }
        if (c.type() != pugi::node_element) continue;
        const std::string_view name = LocalName(c.name());
        if (name == "s") {
            const int count = std::clamp(Attribute(c, "c").as_int(1), 1, 1000);
            out.append(static_cast<std::size_t>(count), ' ');
        } else if (name == "tab") {
            out += '\t';
        } else if (name == "line-break") {
            out += ' ';
        } else if (name != "annotation" && name != "note") {
            AppendOdsText(c, out);
        }
    }
}

std::string OdsCellText(pugi::xml_node cell) {
    std::string_view type = Attribute(cell, "value-type").value();
    if (type == "float" || type == "percentage" || type == "currency") {
        return NumberValueText(Attribute(cell, "value").value());
    }
    if (type == "date") return Attribute(cell, "date-value").value();
    if (type == "time") return Attribute(cell, "time-value").value();
    if (type == "boolean") {
        return std::string_view(Attribute(cell, "boolean-value").value()) == "true" ? "TRUE"
                                                                                    : "FALSE";
    }
    std::string text;
    bool first = true;
    for (pugi::xml_node p = cell.first_child(); p; p = p.next_sibling()) {
        if (p.type() != pugi::node_element) continue;
        const std::string_view name = LocalName(p.name());
        if (name != "p" && name != "h") continue;
        if (!first) text += ' ';
        first = false;
        AppendOdsText(p, text);
    }
    return text;
}

int64_t Repeat(pugi::xml_node node, const char* local) {
    const pugi::xml_attribute a = Attribute(node, local);
    if (!a) return 1;
    const long long n = a.as_llong(1);
    if (n < 1) Unreadable();
    return n;
}

void ReadOdsRows(pugi::xml_node parent, int64_t& row, CellCollector& cells) {
    for (pugi::xml_node r = parent.first_child(); r; r = r.next_sibling()) {
        if (r.type() != pugi::node_element) continue;
        const std::string_view name = LocalName(r.name());
        if (name == "table-row-group" || name == "table-header-rows" || name == "table-rows") {
            ReadOdsRows(r, row, cells);
            continue;
        }
        if (name != "table-row") continue;
        const int64_t rowRepeat = Repeat(r, "number-rows-repeated");
        // The cells of one row: column, repeat count and text of each cell with a value.
        struct Run {
            int64_t column;
            int64_t repeat;
            std::string text;
        };
        std::vector<Run> runs;
        int64_t column = 0;
        for (pugi::xml_node c = r.first_child(); c; c = c.next_sibling()) {
            if (c.type() != pugi::node_element) continue;
            const std::string_view cellName = LocalName(c.name());
            if (cellName != "table-cell" && cellName != "covered-table-cell") continue;
            const int64_t repeat = Repeat(c, "number-columns-repeated");
            std::string text = CellText(OdsCellText(c));
            if (!text.empty()) {
                if (column + repeat > kMaxColumns) TooLarge();
                runs.push_back({column, repeat, std::move(text)});
            }
            column = std::min(column + repeat, kMaxColumns + 1);
        }
        if (!runs.empty()) {
            if (row + rowRepeat > kMaxRows) TooLarge();
            cells.Reach(row + rowRepeat - 1, runs.back().column + runs.back().repeat - 1);
            for (int64_t k = 0; k < rowRepeat; ++k) {
                for (const Run& run : runs) {
                    for (int64_t j = 0; j < run.repeat; ++j) {
                        cells.Put(row + k, run.column + j, run.text);
                    }
                }
            }
        }
        row = std::min(row + rowRepeat, kMaxRows + 1);
    }
}

void ReadOds(std::string_view bytes, CellCollector& cells) {
    ZipArchive zip = OpenZip(bytes);
    const std::optional<std::string> content = ReadPart(zip.get(), "content.xml");
    if (!content) Unreadable();
    pugi::xml_document doc;
    LoadXml(doc, *content);
    const pugi::xml_node spreadsheet =
        Child(Child(Child(doc, "document-content"), "body"), "spreadsheet");
    const pugi::xml_node table = Child(spreadsheet, "table");
    if (!table) Unreadable();
    int64_t row = 0;
    ReadOdsRows(table, row, cells);
}

// ---- .xls

struct XlsCloser {
    void operator()(const void* handle) const { freexl_close(handle); }
};

void ReadXls(const std::filesystem::path& file, CellCollector& cells) {
    const std::string name = PathToUtf8(file);
    const void* raw = nullptr;
    const int opened = freexl_open(name.c_str(), &raw);
    std::unique_ptr<const void, XlsCloser> handle(raw);
    if (opened != FREEXL_OK || !raw) Unreadable();
    unsigned int password = 0;
    if (freexl_get_info(raw, FREEXL_BIFF_PASSWORD, &password) != FREEXL_OK ||
        password == FREEXL_BIFF_OBFUSCATED) {
        Unreadable();
    }
    if (freexl_select_active_worksheet(raw, 0) != FREEXL_OK) Unreadable();
    unsigned int rows = 0;
    unsigned short columns = 0;
    if (freexl_worksheet_dimensions(raw, &rows, &columns) != FREEXL_OK) Unreadable();
    if (static_cast<int64_t>(rows) * columns > kMaxSheetCells) TooLarge();
    for (unsigned int r = 0; r < rows; ++r) {
        for (unsigned short c = 0; c < columns; ++c) {
            FreeXL_CellValue value;
            std::memset(&value, 0, sizeof value);
            if (freexl_get_cell_value(raw, r, c, &value) != FREEXL_OK) Unreadable();
            std::string text;
            switch (value.type) {
                case FREEXL_CELL_INT:
                    text = std::to_string(value.value.int_value);
                    break;
                case FREEXL_CELL_DOUBLE:
                    text = NumberText(value.value.double_value);
                    break;
                case FREEXL_CELL_TEXT:
                case FREEXL_CELL_SST_TEXT:
                case FREEXL_CELL_DATE:
                case FREEXL_CELL_DATETIME:
                case FREEXL_CELL_TIME:
                    if (value.value.text_value) text = value.value.text_value;
                    break;
                default:
                    break;
            }
            cells.Put(r, c, CellText(AnsiToUtf8(text)));
        }
    }
}

std::filesystem::path ScratchFile() {
    static std::atomic<unsigned> counter{0};
    const auto stamp = std::chrono::steady_clock::now().time_since_epoch().count();
    return std::filesystem::temp_directory_path() /
           ("kombora-sheet-" + std::to_string(stamp) + "-" + std::to_string(counter++) + ".xls");
}

SheetRead Finish(SheetFormat format, CellCollector& cells) {
    SheetRead result;
    result.format = format;
    result.cells = cells.Layout();
    result.failure = Failure::None;
    return result;
}

SheetRead Read(std::string_view bytes, const std::filesystem::path* file) {
    SheetRead result;
    try {
        result.format = DetectSheetFormat(bytes);
        CellCollector cells;
        switch (result.format) {
            case SheetFormat::Xlsx:
                ReadXlsx(bytes, cells);
                return Finish(result.format, cells);
            case SheetFormat::Ods:
                ReadOds(bytes, cells);
                return Finish(result.format, cells);
            case SheetFormat::Xls:
                if (file) {
                    ReadXls(*file, cells);
                } else {
                    const std::filesystem::path scratch = ScratchFile();
                    struct Remove {
                        const std::filesystem::path& p;
                        ~Remove() {
                            std::error_code ignored;
                            std::filesystem::remove(p, ignored);
                        }
                    } remove{scratch};
                    if (!WriteFileAtomically(scratch, bytes)) Unreadable();
                    ReadXls(scratch, cells);
                }
                return Finish(result.format, cells);
            case SheetFormat::Unknown:
                break;
        }
        result.failure = Failure::Unreadable;
    } catch (const ReadFailure& f) {
        result.failure = f.failure;
        result.cells.clear();
    } catch (const std::bad_alloc&) {
        result.failure = Failure::TooLarge;
        result.cells.clear();
    } catch (const std::exception&) {
        result.failure = Failure::Unreadable;
        result.cells.clear();
    }
    return result;
}

}  // namespace

SheetFormat DetectSheetFormat(std::string_view bytes) {
    if (bytes.substr(0, 8) == std::string_view("\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1", 8)) {
        return SheetFormat::Xls;
    }
    if (bytes.substr(0, 4) != std::string_view("PK\x03\x04", 4)) return SheetFormat::Unknown;
    try {
        ZipArchive zip = OpenZip(bytes);
        if (HasPart(zip.get(), "xl/workbook.xml") || HasPart(zip.get(), "[Content_Types].xml")) {
            return SheetFormat::Xlsx;
        }
        if (HasPart(zip.get(), "content.xml")) return SheetFormat::Ods;
    } catch (const ReadFailure&) {
    }
    return SheetFormat::Unknown;
}

SheetRead ReadFirstSheet(const std::filesystem::path& file) {
    std::string bytes;
    if (!ReadWholeFile(file, bytes)) return SheetRead{};
    return Read(bytes, &file);
}

SheetRead ReadFirstSheetFromBytes(std::string_view bytes) {
    return Read(bytes, nullptr);
}

std::string SheetMemoText(const SheetRead& sheet) {
    std::string out;
    for (std::size_t r = 0; r < sheet.cells.size(); ++r) {
        if (r > 0) out += '\n';
        const auto& row = sheet.cells[r];
        for (std::size_t c = 0; c < row.size(); ++c) {
            if (c > 0) out += ',';
            out += row[c];
        }
    }
    return out;
}

std::string NumberText(double value) {
    if (std::isfinite(value) && value == std::floor(value) && std::fabs(value) < 1e15) {
        return std::to_string(static_cast<long long>(value) + 0);
    }
    char buffer[64];
    const auto [end, ec] = std::to_chars(buffer, buffer + sizeof buffer, value);
    if (ec != std::errc{}) return {};
    return std::string(buffer, end);
}

}  // namespace kombora
