// The apply command: forms the tip rows of a catalogue system for chosen numbers.
#include <iostream>
#include <memory>

#include "cli_command.h"
#include "numbers/board.h"
#include "rows/apply_system.h"

namespace kombora::cli {
namespace {

void SetupApply(CLI::App& app, CliEnvironment& env) {
    auto* cmd = app.add_subcommand(
        "apply", "Form the tip rows of a system for the chosen numbers, one row per line");
    struct Options {
        std::string index;
        std::string numbers;
        std::string bank;
        std::string tip;
    };
    auto options = std::make_shared<Options>();
    cmd->add_option("INDEX", options->index, "Catalogue index of the system")->required();
    cmd->add_option("--numbers", options->numbers,
                    "The changing numbers, comma-separated (1..100), as many as the pool size")
        ->option_text("LIST")
        ->required();
    auto* bankOption = cmd->add_option("--bank", options->bank,
                                       "Bank numbers, comma-separated; they stand in every row")
                           ->option_text("LIST");
    auto* tipOption = cmd->add_option("--tip", options->tip,
                                      "Numbers per tip row (default: the row size plus the "
                                      "bank numbers)")
                          ->option_text("S");
    cmd->callback([&env, options, bankOption, tipOption] {
        AppContext& context = env.Context();
        const Catalogue& catalogue = context.catalogue;
        const int index = ParseIntArgument(options->index, "INDEX", 0, catalogue.size() - 1);
        const std::vector<int> changing =
            ParseIntListArgument(options->numbers, "--numbers", 1, kBoardSize);
        std::vector<int> bank;
        if (bankOption->count() > 0)
            bank = ParseIntListArgument(options->bank, "--bank", 1, kBoardSize);
        for (int n : bank) {
            for (int c : changing) {
                if (c == n) {
                    throw CLI::ValidationError(
                        "--bank", std::to_string(n) + " is already one of the --numbers");
                }
            }
        }
        const TSysteme& entry = catalogue[index];
        const int tip = tipOption->count() > 0
                            ? ParseIntArgument(options->tip, "--tip", 1, kBoardSize)
                            : entry.RG + static_cast<int>(bank.size());

        // Prepare the choice as choosing the system and clicking the numbers would.
        RowStore& rows = context.rows;
        context.SelectedSystem = index;
        rows.TipSize = tip;
        rows.ChangingNeeded = entry.WZ;
        rows.BankNeeded = tip - entry.RG;
        BoardClear(rows);
        for (int n : changing) rows.ChangingSet.Add(n);
        for (int n : bank) rows.BankSet.Add(n);
        rows.ChangingCount = static_cast<int32_t>(changing.size());
        rows.BankCount = static_cast<int32_t>(bank.size());

        // The command line names no lottery: every number of the board may be chosen.
        context.LargestNumber = kBoardSize;
        const FormingResult result = SystemAnwenden(context, true);
        if (!result.ok) {
            if (!result.message) throw CommandFailure("the rows cannot be formed");
            throw CommandFailure(TerminalText(*result.message));
        }
        std::string out;
        for (const auto& row : result.gridRows) {
            for (std::size_t k = 0; k < row.size(); ++k) {
                if (k > 0) out += ',';
                out += std::to_string(row[k]);
            }
            out += '\n';
        }
        std::cout << out;
    });
}

const CommandRegistration applyCommand(SetupApply);

}  // namespace
}  // namespace kombora::cli
