// Build-time tool: turns the design files of data/designs/rows/ into constant data of the
// program (a C++ source with the rows, row counts and methods of the 519 built-in entries and
// the table of best known covering sizes). Stops the build with "file:line: reason" when a
// design file is malformed.
#include <cstdio>
#include <fstream>
#include <iostream>
#include <set>
#include <sstream>
#include <string>
#include <vector>

namespace {

constexpr int kEntries = 519;

struct Entry {
    int rg = 0;
    int rows = 0;
    std::string method;
    std::vector<int> numbers;
};

[[noreturn]] void Fail(const std::string& where, const std::string& why) {
    std::cerr << where << ": " << why << "\n";
    std::exit(1);
}

std::string Escape(const std::string& s) {
    std::string out;
    for (char c : s) {
        if (c == '\\' || c == '"') out += '\\';
        out += c;
    }
    return out;
}

Entry ReadEntry(const std::string& path, int index) {
    Entry e;
    std::ifstream in(path);
    if (!in) {
        std::cerr << "warning: " << path << " is missing; entry " << index << " has no rows\n";
        return e;
    }
    std::string line;
    int lineNo = 0;
    int wz = 0;
    bool header = false;
    while (std::getline(in, line)) {
        ++lineNo;
        const std::string where = path + ":" + std::to_string(lineNo);
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (line.find_first_not_of(" \t") == std::string::npos || line[0] == '#') continue;
        if (line.rfind("entry ", 0) == 0) {
            std::istringstream h(line);
            std::string w0, w1, w2, w3;
            int entry = -1, ga = 0;
            if (!(h >> w0 >> entry >> w1 >> e.rg >> w2 >> wz >> w3 >> ga) || w1 != "RG" ||
                w2 != "WZ" || w3 != "GA") {
                Fail(where, "the entry line reads \"entry N RG r WZ w GA g\"");
            }
            if (entry != index) Fail(where, "the file holds entry " + std::to_string(entry));
            if (e.rg < 1 || e.rg > 64 || wz < e.rg || wz > 64) Fail(where, "RG or WZ out of range");
            header = true;
            continue;
        }
        if (line.rfind("method ", 0) == 0) {
            e.method = line.substr(7);
            continue;
        }
        if (!header) Fail(where, "a row comes before the entry line");
        std::istringstream row(line);
        int d = 0, count = 0, last = 0;
        std::string word;
        while (row >> word) {
            try {
                std::size_t used = 0;
                d = std::stoi(word, &used);
                if (used != word.size()) throw std::invalid_argument(word);
            } catch (const std::exception&) {
                Fail(where, "\"" + word + "\" is not a number");
            }
            if (d < 1 || d > wz)
                Fail(where, "number " + word + " lies outside 1.." + std::to_string(wz));
            if (d <= last) Fail(where, "the numbers of a row must be distinct and ascending");
            last = d;
            e.numbers.push_back(d);
            ++count;
        }
        if (count != e.rg) {
            Fail(where, "the row has " + std::to_string(count) + " numbers instead of " +
                            std::to_string(e.rg));
        }
        ++e.rows;
    }
    if (!header) Fail(path, "the entry line is missing");
    if (e.rows > 65535) Fail(path, "too many rows");
    return e;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 4) {
        std::cerr << "usage: embed_designs OUTPUT.cpp ROWS_DIR BEST_KNOWN.tsv\n";
        return 2;
    }
    std::vector<Entry> entries;
    for (int i = 0; i < kEntries; ++i) {
        char name[32];
        std::snprintf(name, sizeof name, "/%03d.txt", i);
        entries.push_back(ReadEntry(std::string(argv[2]) + name, i));
    }

    std::ostringstream best;
    {
        std::ifstream in(argv[3]);
        if (!in) Fail(argv[3], "cannot be read");
        std::string line;
        int lineNo = 0;
        std::set<std::string> seen;
        while (std::getline(in, line)) {
            ++lineNo;
            if (lineNo == 1 || line.empty()) continue;
            std::istringstream f(line);
            int v = 0, k = 0, t = 0, size = 0;
            if (!(f >> v >> k >> t >> size) || v < 1 || v > 255 || k < 1 || t < 1 || size < 1) {
                Fail(std::string(argv[3]) + ":" + std::to_string(lineNo),
                     "expected v k t best_known");
            }
            best << "    {" << v << ", " << k << ", " << t << ", " << size << "},\n";
        }
    }

    std::ostringstream out;
    out << "// Generated from data/designs by embed_designs; do not edit.\n"
        << "#include <array>\n#include <cstdint>\n\n"
        << "#include \"catalogue/builtin_rows.h\"\n#include \"catalogue/design_data.h\"\n\n"
        << "namespace kombora {\nnamespace {\n\n"
        << "constexpr uint8_t kRowData[] = {\n";
    std::vector<std::size_t> offsets;
    std::size_t offset = 0;
    for (const Entry& e : entries) {
        offsets.push_back(offset);
        for (std::size_t j = 0; j < e.numbers.size(); ++j) {
            out << e.numbers[j] << ((j + 1) % static_cast<std::size_t>(e.rg) == 0 ? ",\n" : ",");
        }
        offset += e.numbers.size();
    }
    out << "0};\n\n"
        << "struct EntryData {\n    uint32_t offset;\n    uint16_t rows;\n    uint8_t "
           "rowSize;\n};\n\n"
        << "constexpr std::array<EntryData, " << kEntries << "> kEntryData{{\n";
    for (int i = 0; i < kEntries; ++i) {
        out << "    {" << offsets[static_cast<std::size_t>(i)] << ", "
            << entries[static_cast<std::size_t>(i)].rows << ", "
            << entries[static_cast<std::size_t>(i)].rg << "},\n";
    }
    out << "}};\n\nconstexpr std::array<const char*, " << kEntries << "> kMethods{{\n";
    for (const Entry& e : entries) out << "    \"" << Escape(e.method) << "\",\n";
    out << "}};\n\n"
        << "struct BestKnown {\n    int v;\n    int k;\n    int t;\n    int size;\n};\n\n"
        << "constexpr BestKnown kBestKnown[] = {\n"
        << best.str() << "    {0, 0, 0, 0},\n};\n\n"
        << "bool Valid(int i) { return i >= 0 && i < " << kEntries << "; }\n\n"
        << "}  // namespace\n\n"
        << "std::span<const uint8_t> BuiltinRows(int index) {\n"
        << "    if (!Valid(index)) return {};\n"
        << "    const EntryData& e = kEntryData[static_cast<std::size_t>(index)];\n"
        << "    return {kRowData + e.offset, static_cast<std::size_t>(e.rows) * e.rowSize};\n}\n\n"
        << "int BuiltinRowCount(int index) {\n"
        << "    return Valid(index) ? kEntryData[static_cast<std::size_t>(index)].rows : 0;\n}\n\n"
        << "uint8_t DesignNumber(int i, int r, int c) {\n"
        << "    if (!Valid(i)) return 0;\n"
        << "    const EntryData& e = kEntryData[static_cast<std::size_t>(i)];\n"
        << "    if (r < 1 || r > e.rows || c < 1 || c > e.rowSize) return 0;\n"
        << "    return kRowData[e.offset + static_cast<std::size_t>(r - 1) * e.rowSize +\n"
        << "                    static_cast<std::size_t>(c - 1)];\n}\n\n"
        << "std::string_view BuiltinDesignMethod(int index) {\n"
        << "    return Valid(index) ? kMethods[static_cast<std::size_t>(index)] : \"\";\n}\n\n"
        << "std::optional<int> BestKnownCoveringSize(int v, int k, int t) {\n"
        << "    for (const BestKnown& b : kBestKnown) {\n"
        << "        if (b.v == v && b.k == k && b.t == t) return b.size;\n"
        << "    }\n    return std::nullopt;\n}\n\n"
        << "}  // namespace kombora\n";

    // Write only when the text changed, through a temporary file.
    const std::string text = out.str();
    {
        std::ifstream old(argv[1], std::ios::binary);
        std::ostringstream was;
        was << old.rdbuf();
        if (old && was.str() == text) return 0;
    }
    const std::string temp = std::string(argv[1]) + ".tmp";
    {
        std::ofstream f(temp, std::ios::binary | std::ios::trunc);
        f << text;
        if (!f.flush()) Fail(temp, "cannot be written");
    }
    if (std::rename(temp.c_str(), argv[1]) != 0) Fail(argv[1], "cannot be replaced");
    return 0;
}
