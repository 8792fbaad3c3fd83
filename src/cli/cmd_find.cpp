// The system search: find, the filter of the first page from the command line.
#include <iostream>
#include <memory>

#include "cli_command.h"
#include "rows/number_set.h"
#include "selection/catalogue_filter.h"
#include "selection/filter_parameters.h"

namespace kombora::cli {
namespace {

struct FindOptions {
    std::string tip;
    std::string pool;
    std::string guarantee;
    std::string guaranteeMode = "exact";
    std::string rows;
    std::string bank;
    std::string bankMode = "exact";
    std::string largest = "49";
};

void RunFind(const FindOptions& o, CliEnvironment& env) {
    const int largest = ParseIntArgument(o.largest, "--largest", 32, 100);
    const int tip = ParseIntArgument(o.tip, "--tip", 4, 10);
    FilterParameters params;
    params.SetLargestNumber(largest);
    params.SetValue(FilterParam::TipSize, tip);
    // Set like the page's controls: the sliders and choices first, then the "no matter"
    // boxes, which moving a slider would uncheck again.
    if (!o.pool.empty()) {
        params.SetValue(FilterParam::Pool, ParseIntArgument(o.pool, "--pool", 4, largest));
    }
    if (!o.guarantee.empty()) {
        params.SetValue(FilterParam::Guarantee,
                        ParseIntArgument(o.guarantee, "--guarantee", 2, tip));
    }
    params.SelectChoice(FilterParam::Guarantee,
                        o.guaranteeMode == "exact" ? kChoiceExact : kChoiceAtMost);
    if (!o.rows.empty()) {
        params.SetValue(FilterParam::RowCount, ParseIntArgument(o.rows, "--rows", 5, 500));
    }
    if (!o.bank.empty()) {
        params.SetValue(FilterParam::BankNumbers,
                        ParseIntArgument(o.bank, "--bank", 0, MaxBankNumbers(tip)));
    }
    params.SelectChoice(FilterParam::BankNumbers,
                        o.bankMode == "exact" ? kChoiceExact : kChoiceAtMost);
    params.SetNoMatter(FilterParam::Pool, o.pool.empty());
    params.SetNoMatter(FilterParam::Guarantee, o.guarantee.empty());
    params.SetNoMatter(FilterParam::RowCount, o.rows.empty());
    params.SetNoMatter(FilterParam::BankNumbers, o.bank.empty());

    AppContext& context = env.Context();
    context.LargestNumber = largest;
    const FilterResult result =
        RunCatalogueFilter(params, context.catalogue, largest, context.rows);
    // A script asking for a 3er guarantee learns why only 2er systems are listed.
    if (result.guaranteeLowered) {
        std::cerr << GuaranteeLoweringText(*result.guaranteeLowered) << '\n';
    }
    for (std::size_t k = 0; k < result.lines.size(); ++k) {
        std::cout << result.indices[k] << '\t' << result.lines[k] << '\n';
    }
    std::cout << FoundCountText(result.lines.size(), 1).value_or("") << '\n';
}

void SetupFind(CLI::App& app, CliEnvironment& env) {
    auto* cmd = app.add_subcommand(
        "find",
        "List the catalogue systems that fit the filter parameters; a parameter left out is "
        "\"no matter\"");
    auto o = std::make_shared<FindOptions>();
    cmd->add_option("--tip", o->tip, "Size of a tip row, bank numbers included (4..10)")
        ->option_text("S")
        ->required();
    cmd->add_option("--pool", o->pool, "Size of the number pool, bank numbers included")
        ->option_text("P");
    cmd->add_option("--guarantee", o->guarantee, "Profit guarantee (2..S)")->option_text("G");
    cmd->add_option("--guarantee-mode", o->guaranteeMode,
                    "at-least: a guarantee of G or more; exact: G (default)")
        ->check(CLI::IsMember({"at-least", "exact"}))
        ->option_text("MODE");
    cmd->add_option("--rows", o->rows, "Count of rows, matched with a tolerance (5..500)")
        ->option_text("R");
    cmd->add_option("--bank", o->bank, "Bank numbers (0 up to 2, 3 or 4 by tip-row size)")
        ->option_text("B");
    cmd->add_option("--bank-mode", o->bankMode, "at-most: B or fewer; exact: B (default)")
        ->check(CLI::IsMember({"at-most", "exact"}))
        ->option_text("MODE");
    cmd->add_option("--largest", o->largest, "The lottery's largest number (32..100, default 49)")
        ->option_text("L");
    cmd->callback([o, &env] { RunFind(*o, env); });
}

const CommandRegistration findCommand(SetupFind);

}  // namespace
}  // namespace kombora::cli
