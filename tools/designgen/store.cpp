#include "store.h"

#include <algorithm>
#include <cstdio>
#include <sstream>

#include "io/atomic_file.h"

namespace designgen {

std::filesystem::path DesignPath(const std::filesystem::path& dataDir, int entry) {
    char name[32];
    std::snprintf(name, sizeof name, "%03d.txt", entry);
    return dataDir / "rows" / name;
}

namespace {

std::vector<int> PointsOf(Mask m) {
    std::vector<int> p;
    while (m) {
        p.push_back(std::countr_zero(m) + 1);
        m &= m - 1;
    }
    return p;
}

// Parses one row line into a mask; error text without position.
std::optional<Mask> ParseRow(const std::string& line, int v, int k, std::string& error) {
    std::string text = line;
    std::replace(text.begin(), text.end(), ',', ' ');
    std::istringstream in(text);
    std::string word;
    Mask m = 0;
    int count = 0;
    while (in >> word) {
        int d = 0;
        for (char ch : word) {
            if (ch < '0' || ch > '9' || d > 1000) {
                error = "\"" + word + "\" is not a number";
                return std::nullopt;
            }
            d = d * 10 + (ch - '0');
        }
        if (d < 1 || d > v) {
            error = "number " + word + " lies outside 1.." + std::to_string(v);
            return std::nullopt;
        }
        if (m & (Mask{1} << (d - 1))) {
            error = "number " + word + " appears twice";
            return std::nullopt;
        }
        m |= Mask{1} << (d - 1);
        ++count;
    }
    if (count != k) {
        error = "the row has " + std::to_string(count) + " numbers instead of " + std::to_string(k);
        return std::nullopt;
    }
    return m;
}

}  // namespace

std::optional<std::vector<Mask>> ParseBlocks(const std::string& text, int v, int k,
                                             std::string* error) {
    std::istringstream in(text);
    std::string line;
    std::vector<Mask> rows;
    int lineNo = 0;
    while (std::getline(in, line)) {
        ++lineNo;
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (line.find_first_not_of(" \t") == std::string::npos || line[0] == '#') continue;
        std::string why;
        auto row = ParseRow(line, v, k, why);
        if (!row) {
            if (error) *error = "line " + std::to_string(lineNo) + ": " + why;
            return std::nullopt;
        }
        rows.push_back(*row);
    }
    return rows;
}

std::optional<DesignFile> ReadDesign(const std::filesystem::path& path, std::string* error) {
    std::string data;
    std::string why;
    if (!kombora::ReadWholeFile(path, data, &why)) {
        if (error) *error = path.string() + ": cannot be read";
        return std::nullopt;
    }
    DesignFile d;
    std::istringstream in(data);
    std::string line;
    int lineNo = 0;
    auto fail = [&](const std::string& text) {
        if (error) *error = path.string() + ":" + std::to_string(lineNo) + ": " + text;
        return std::nullopt;
    };
    while (std::getline(in, line)) {
        ++lineNo;
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (line.find_first_not_of(" \t") == std::string::npos || line[0] == '#') continue;
        if (line.rfind("entry ", 0) == 0) {
            std::istringstream h(line);
            std::string w1, w2, w3, w4;
            if (!(h >> w1 >> d.entry >> w2 >> d.rg >> w3 >> d.wz >> w4 >> d.ga) || w2 != "RG" ||
                w3 != "WZ" || w4 != "GA") {
                return fail("the entry line reads \"entry N RG r WZ w GA g\"");
            }
            continue;
        }
        if (line.rfind("method ", 0) == 0) {
            d.method = line.substr(7);
            continue;
        }
        if (d.entry < 0) return fail("a row comes before the entry line");
        auto row = ParseRow(line, d.wz, d.rg, why);
        if (!row) return fail(why);
        d.rows.push_back(*row);
    }
    if (d.entry < 0) return fail("the entry line is missing");
    return d;
}

std::string FormatRow(Mask row) {
    std::string s;
    for (int p : PointsOf(row)) {
        if (!s.empty()) s += ' ';
        s += std::to_string(p);
    }
    return s;
}

std::vector<Mask> Canonical(std::vector<Mask> rows) {
    std::sort(rows.begin(), rows.end(), [](Mask a, Mask b) { return PointsOf(a) < PointsOf(b); });
    return rows;
}

std::string FormatDesign(const DesignFile& design) {
    std::string s = "# Kombora built-in design " + std::to_string(design.entry) + ": " +
                    std::to_string(design.rows.size()) + " rows\n";
    s += "entry " + std::to_string(design.entry) + " RG " + std::to_string(design.rg) + " WZ " +
         std::to_string(design.wz) + " GA " + std::to_string(design.ga) + "\n";
    s += "method " + design.method + "\n";
    for (Mask r : design.rows) s += FormatRow(r) + "\n";
    return s;
}

bool WriteDesign(const std::filesystem::path& dataDir, const DesignFile& design,
                 std::string* error) {
    std::error_code ec;
    std::filesystem::create_directories(dataDir / "rows", ec);
    return kombora::WriteFileAtomically(DesignPath(dataDir, design.entry), FormatDesign(design),
                                        error);
}

}  // namespace designgen
