// The rows command: the rows of any catalogue entry in design numbers.
#include <algorithm>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>
#include <vector>

#include "io/text_encoding.h"
#include "catalogue/builtin_rows.h"
#include "catalogue/own_index.h"
#include "cli_command.h"

namespace kombora::cli {
namespace {

void PrintRow(std::ostream& out, const std::vector<int>& row) {
    for (std::size_t c = 0; c < row.size(); ++c) {
        if (c > 0) out << ' ';
        out << row[c];
    }
    out << '\n';
}

// All RG-combinations of 1..WZ in lexicographic order.
void PrintFullSystem(std::ostream& out, int rg, int wz) {
    std::vector<int> row(static_cast<std::size_t>(rg));
    for (int c = 0; c < rg; ++c) row[static_cast<std::size_t>(c)] = c + 1;
    while (true) {
        PrintRow(out, row);
        int c = rg - 1;
        while (c >= 0 && row[static_cast<std::size_t>(c)] == wz - rg + c + 1) --c;
        if (c < 0) return;
        ++row[static_cast<std::size_t>(c)];
        for (int j = c + 1; j < rg; ++j) {
            row[static_cast<std::size_t>(j)] = row[static_cast<std::size_t>(j - 1)] + 1;
        }
    }
}

// The rows file of an own system: one row per line, design numbers separated by commas.
// Empty lines and lines of just two double quotes are skipped.
std::vector<std::vector<int>> ReadOwnRows(const std::filesystem::path& path, const TSysteme& e) {
    const std::string name = PathToUtf8(path);
    std::ifstream in(path, std::ios::binary);
    if (!in) throw CommandFailure("The rows file " + name + " cannot be opened.");
    std::vector<std::vector<int>> rows;
    std::string line;
    int lineNo = 0;
    auto fail = [&](const std::string& why) {
        return CommandFailure("The rows file " + name + ", line " + std::to_string(lineNo) + ": " +
                              why);
    };
    while (std::getline(in, line)) {
        ++lineNo;
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (line.empty() || line == "\"\"") continue;
        std::vector<int> row;
        std::stringstream fields(line);
        std::string field;
        while (std::getline(fields, field, ',')) {
            std::size_t used = 0;
            int d = 0;
            try {
                d = std::stoi(field, &used);
            } catch (const std::exception&) {
                used = 0;
            }
            if (used == 0 || used != field.size()) {
                throw fail("\"" + field + "\" is not a design number.");
            }
            if (d < 1 || d > e.WZ) {
                throw fail("the design number " + field + " lies outside 1.." +
                           std::to_string(int{e.WZ}) + ".");
            }
            for (int x : row) {
                if (x == d) throw fail("the design number " + field + " appears twice.");
            }
            row.push_back(d);
        }
        if (!line.empty() && line.back() == ',') throw fail("the line ends with a comma.");
        if (static_cast<int>(row.size()) != e.RG) {
            throw fail("the row has " + std::to_string(row.size()) + " numbers instead of " +
                       std::to_string(int{e.RG}) + ".");
        }
        if (static_cast<int>(rows.size()) == e.TR) {
            throw fail("the file has more than the system's " + std::to_string(e.TR) + " rows.");
        }
        std::sort(row.begin(), row.end());
        rows.push_back(std::move(row));
    }
    if (static_cast<int>(rows.size()) != e.TR) {
        throw CommandFailure("The rows file " + name + " has " + std::to_string(rows.size()) +
                             " rows instead of the system's " + std::to_string(e.TR) + ".");
    }
    return rows;
}

void SetupRows(CLI::App& app, CliEnvironment& env) {
    auto* cmd = app.add_subcommand("rows", "Print the rows of a catalogue entry in design numbers");
    auto index = std::make_shared<std::string>();
    cmd->add_option("INDEX", *index, "Catalogue index")->required();
    cmd->callback([&env, index] {
        AppContext& context = env.Context();
        const Catalogue& catalogue = context.catalogue;
        const int i = ParseIntArgument(*index, "INDEX", 0, catalogue.size() - 1);
        const TSysteme& e = catalogue[i];
        std::ostringstream out;
        if (catalogue.IsBuiltin(i)) {
            for (int r = 1; r <= e.TR; ++r) {
                std::vector<int> row;
                for (int c = 1; c <= e.RG; ++c) row.push_back(DesignNumber(i, r, c));
                std::sort(row.begin(), row.end());
                PrintRow(out, row);
            }
        } else if (catalogue.IsFull(i)) {
            PrintFullSystem(out, e.RG, e.WZ);
        } else {
            const auto own = catalogue.OwnSystemIndex(i);
            if (!own || *own < 0 || *own >= static_cast<int32_t>(context.OwnSystemList.size())) {
                throw CommandFailure("Catalogue entry " + std::to_string(i) +
                                     " has no own system.");
            }
            const TEigSysteme& record = context.OwnSystemList[static_cast<std::size_t>(*own)];
            if (!IsPlainFileName(record.fn)) {
                throw CommandFailure("The rows file name \"" + record.fn +
                                     "\" of catalogue entry " + std::to_string(i) +
                                     " is not a plain file name.");
            }
            const auto path = context.folders.ownSystemsFolder / PathFromUtf8(record.fn);
            for (const auto& row : ReadOwnRows(path, e)) PrintRow(out, row);
        }
        std::cout << out.str();
    });
}

const CommandRegistration rowsCommand(SetupRows);

}  // namespace
}  // namespace kombora::cli
