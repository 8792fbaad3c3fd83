// The rows command: the rows of any catalogue entry in design numbers.
#include <algorithm>
#include <iostream>
#include <sstream>
#include <string>
#include <vector>

#include "catalogue/builtin_rows.h"
#include "catalogue/subsets.h"
#include "cli_command.h"
#include "io/text_encoding.h"
#include "own/own_rows_file.h"

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
    std::vector<int> row;
    ForEachSubset(wz, rg, [&](std::span<const int> positions) {
        row.clear();
        for (const int p : positions) row.push_back(p + 1);
        PrintRow(out, row);
    });
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
        } else if (!catalogue.IsOwn(i)) {
            PrintFullSystem(out, e.RG, e.WZ);
        } else {
            const auto own = catalogue.OwnSystemIndex(i);
            if (!own || *own < 0 || *own >= static_cast<int32_t>(context.OwnSystemList.size())) {
                throw CommandFailure("Catalogue entry " + std::to_string(i) +
                                     " has no own system.");
            }
            const TEigSysteme& record = context.OwnSystemList[static_cast<std::size_t>(*own)];
            OwnRowsRead read = ReadOwnRowsFile(context.folders.ownSystemsFolder, record.fn, e);
            if (!read.ok()) {
                const Notice problem = read.problem.value_or(
                    Notice{MessageId::TestRowsFileNotFound, {QuoteForMessage(record.fn)}});
                throw CommandFailure(TerminalText(problem));
            }
            for (auto& row : read.rows) {
                std::sort(row.begin(), row.end());
                PrintRow(out, row);
            }
        }
        std::cout << out.str();
    });
}

const CommandRegistration rowsCommand(SetupRows);

}  // namespace
}  // namespace kombora::cli
