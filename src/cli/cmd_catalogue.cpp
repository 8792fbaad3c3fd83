// The catalogue commands: catalogue, count, binomial, summary.
#include <iostream>
#include <limits>
#include <utility>

#include "app/startup.h"
#include "catalogue/binomial.h"
#include "catalogue/builtin_table.h"
#include "cli_command.h"
#include "io/text_encoding.h"

namespace kombora::cli {
namespace {

const char* KindOf(const Catalogue& catalogue, int32_t index) {
    if (catalogue.IsBuiltin(index)) return "builtin";
    if (catalogue.IsOwn(index)) return "own";
    return "full";
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
    auto args = std::make_shared<std::pair<std::string, std::string>>();
    cmd->add_option("N", args->first, "Number of elements")->required();
    cmd->add_option("K", args->second, "Size of the subsets")->required();
    cmd->callback([args] {
        constexpr int kMost = std::numeric_limits<int32_t>::max();
        const int n = ParseIntArgument(args->first, "N", 0, kMost);
        const int k = ParseIntArgument(args->second, "K", 0, kMost);
        const auto value = BinomialChecked(n, k);
        if (!value) {
            throw CommandFailure(std::to_string(n) + " over " + std::to_string(k) +
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
