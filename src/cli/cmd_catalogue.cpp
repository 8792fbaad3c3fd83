// The catalogue commands: catalogue, count, binomial, summary.
#include <iostream>

#include "app/startup.h"
#include "io/text_encoding.h"
#include "catalogue/binomial.h"
#include "catalogue/builtin_table.h"
#include "cli_command.h"

namespace kombora::cli {
namespace {

const char* KindOf(const Catalogue& catalogue, int32_t index) {
    if (catalogue.IsBuiltin(index)) return "builtin";
    if (catalogue.IsFull(index)) return "full";
    return "own";
}

void SetupCatalogue(CLI::App& app, CliEnvironment& env) {
    auto* cmd = app.add_subcommand("catalogue", "List every catalogue entry, tab-separated");
    cmd->callback([&env] {
        const Catalogue& catalogue = env.Context().catalogue;
        std::cout << "index\tRG\tWZ\tGA\tTR\tkind\n";
        for (int32_t i = 0; i < catalogue.size(); ++i) {
            const TSysteme& e = catalogue[i];
            std::cout << i << '\t' << int{e.RG} << '\t' << int{e.WZ} << '\t' << int{e.GA} << '\t'
                      << e.TR << '\t' << KindOf(catalogue, i) << '\n';
        }
    });
}

void SetupCount(CLI::App& app, CliEnvironment& env) {
    auto* cmd = app.add_subcommand("count", "Print the systems-inside count of the start window");
    cmd->callback([&env] { std::cout << SystemsInsideCount(env.Context().catalogue) << '\n'; });
}

void SetupBinomial(CLI::App& app, CliEnvironment&) {
    auto* cmd = app.add_subcommand("binomial", "Print the binomial coefficient N over K");
    auto n = std::make_shared<int>(0);
    auto k = std::make_shared<int>(0);
    cmd->add_option("N", *n, "Number of elements")->required();
    cmd->add_option("K", *k, "Size of the subsets")->required();
    cmd->callback([n, k] {
        const auto value = BinomialChecked(*n, *k);
        if (!value) {
            throw CommandFailure(std::to_string(*n) + " over " + std::to_string(*k) +
                                 " exceeds the 64-bit range");
        }
        std::cout << *value << '\n';
    });
}

void SetupSummary(CLI::App& app, CliEnvironment& env) {
    auto* cmd = app.add_subcommand("summary", "Summarise the catalogue and the folders in use");
    cmd->callback([&env] {
        AppContext& context = env.Context();
        const Catalogue& catalogue = context.catalogue;
        std::cout << kProductName << ' ' << kProgramVersion << '\n'
                  << "application data: " << PathToUtf8(context.folders.appDataFolder) << '\n'
                  << "catalogue entries: " << catalogue.size() << " (built-in " << kBuiltinCount
                  << ", full " << catalogue.BaseSystemCount() - kBuiltinCount << ", own "
                  << catalogue.size() - catalogue.BaseSystemCount() << ")\n"
                  << "own systems without rows file: " << catalogue.MissingRowsFiles() << '\n'
                  << "systems inside: " << SystemsInsideCount(catalogue) << '\n';
    });
}

const CommandRegistration catalogueCommand(SetupCatalogue);
const CommandRegistration countCommand(SetupCount);
const CommandRegistration binomialCommand(SetupBinomial);
const CommandRegistration summaryCommand(SetupSummary);

}  // namespace
}  // namespace kombora::cli
