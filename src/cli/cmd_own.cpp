// Own rows and own systems from the command line: test-own (the own-rows test of a rows
// text file) and own list / show / save / delete (the own-systems store).
#include <cstdio>
#include <iostream>
#include <memory>
#include <string>

#include "catalogue/binomial.h"
#include "cli_command.h"
#include "own/own_rows_test.h"
#include "own/own_store.h"
#include "own_rows_input.h"
#include "selection/system_choice.h"

namespace kombora::cli {
namespace {

// A message on one line: the paragraph break becomes a blank.
std::string OneLine(const MessageProblem& problem) {
    std::string text = problem.Text(1);
    for (auto at = text.find("\r\r"); at != std::string::npos; at = text.find("\r\r")) {
        text.replace(at, 2, " ");
    }
    for (char& c : text) {
        if (c == '\r') c = ' ';
    }
    return text;
}

OwnStoreFiles StoreFiles(const AppContext& context) {
    return {context.folders.ownSystemsFolder, context.folders.OwnIndexFile()};
}

std::string SavedText(double gesp) {
    const OwnSystemTime t = SplitOwnSystemTimeStamp(gesp);
    char text[32];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d %02d:%02d:%02d", t.year, t.month, t.day,
                  t.hour, t.minute, t.second);
    return text;
}

void PrintComparable(const ComparableList& list) {
    std::cout << "comparable systems: " << list.size() << '\n';
    for (std::size_t i = 0; i < list.size(); ++i) {
        std::cout << "  " << list.indexes[i] << '\t' << list.texts[i] << '\n';
    }
}

struct OwnRowsArgs {
    std::string file;
    std::string delimiter = "comma";
    std::string largest = "49";
};

void AddOwnRowsOptions(CLI::App* cmd, OwnRowsArgs& args) {
    cmd->add_option("FILE", args.file, "Text file of own rows, one row per line")->required();
    cmd->add_option("--delimiter", args.delimiter,
                    "What separates the numbers of a row: comma (default), semicolon or spaces")
        ->option_text("D");
}

// The own-rows test as "Test as a system" runs it, to its end.
struct TestedOwnRows {
    OwnRowsTestPlan plan;
    EvaluationResult result;
    OwnRowsTestOutcome outcome;
};

TestedOwnRows TestOwnRows(AppContext& context, OwnTestState& state, const OwnRowsArgs& args) {
    ReadOwnRowsFile(args.file, args.delimiter, context.LargestNumber, context.rows);
    TestedOwnRows tested;
    tested.plan = PrepareOwnRowsTest(context.rows, context.LargestNumber, state);
    if (tested.plan.problem) throw CommandFailure(args.file + ": " + OneLine(*tested.plan.problem));
    tested.result = RunOwnRowsTest(tested.plan);
    tested.outcome = FinishOwnRowsTest(tested.plan, tested.result, context.catalogue, state);
    return tested;
}

void PrintBankNumbers(const OwnRowsTestPlan& plan) {
    std::cout << "bank numbers:";
    if (plan.bankCount == 0) std::cout << " none";
    for (int n : plan.bankSet.Members()) std::cout << ' ' << n;
    std::cout << '\n';
}

void SetupTestOwn(CLI::App& app, CliEnvironment& env) {
    auto args = std::make_shared<OwnRowsArgs>();
    auto* cmd = app.add_subcommand(
        "test-own",
        "Test own rows as a system: hit table, bank numbers, guarantee, comparable systems");
    AddOwnRowsOptions(cmd, *args);
    cmd->add_option("--largest", args->largest, "The lottery's highest number (default 49)")
        ->option_text("L");
    cmd->callback([args, &env] {
        const int largest = ParseIntArgument(args->largest, "--largest", 32, 100);
        AppContext& context = env.Context();
        context.LargestNumber = largest;
        OwnTestState state;
        const TestedOwnRows tested = TestOwnRows(context, state, *args);
        const OwnRowsTestPlan& plan = tested.plan;
        PrintBankNumbers(plan);
        std::cout << "as a system: " << plan.poolSize << " numbers, " << plan.rowSize
                  << " per row, " << plan.rowCount << " rows\n";
        std::cout << "hit count\tdraws";
        for (int m = 1; m <= plan.rowSize; ++m)
            std::cout << "\t" << m << (m == 1 ? " match" : " matches");
        std::cout << '\n';
        for (int k = plan.firstHitCount; k <= plan.rowSize; ++k) {
            std::cout << k << '\t' << Binomial(plan.poolSize, k);
            for (int m = 1; m <= k; ++m) std::cout << '\t' << tested.result.tally(k, m);
            std::cout << '\n';
        }
        std::cout << "guarantee: " << tested.outcome.guaranteeText << '\n'
                  << "description: " << tested.outcome.description << '\n';
        PrintComparable(state.comparable);
    });
}

// The own system N as `own list` numbers them (from 1); its index in the list.
int32_t OwnSystemNumber(const AppContext& context, const std::string& text) {
    const auto count = static_cast<int>(context.OwnSystemList.size());
    if (count == 0) throw CommandFailure("there are no own systems");
    return ParseIntArgument(text, "N", 1, count) - 1;
}

void SetupOwn(CLI::App& app, CliEnvironment& env) {
    auto* own = app.add_subcommand("own", "The own-systems store: list, show, save, delete");
    own->require_subcommand(1);

    auto* list = own->add_subcommand("list", "List the own systems, numbered from 1");
    list->callback([&env] {
        AppContext& context = env.Context();
        const OwnStoreFiles files = StoreFiles(context);
        if (context.OwnSystemList.empty()) {
            std::cout << "no own systems\n";
            return;
        }
        std::cout << "N\trows file\tRG\tWZ\tGA\tTR\tsaved\tcatalogue index\n";
        for (std::size_t i = 0; i < context.OwnSystemList.size(); ++i) {
            const TEigSysteme& r = context.OwnSystemList[i];
            const auto entry = context.catalogue.CatalogueIndexOfOwn(static_cast<int32_t>(i));
            std::cout << i + 1 << '\t' << r.fn << '\t' << int{r.RG} << '\t' << int{r.WZ} << '\t'
                      << int{r.GA} << '\t' << r.TR << '\t' << SavedText(r.gesp) << '\t'
                      << (entry ? std::to_string(*entry) : "- (rows file missing)") << '\n';
        }
        const int32_t missing = context.catalogue.MissingRowsFiles();
        const auto count = static_cast<int32_t>(context.OwnSystemList.size());
        std::cout << LabelText(OwnSystemsStateLabel(missing, count), 1, {std::to_string(missing)})
                         .value_or("")
                  << '\n';
    });

    auto number = std::make_shared<std::string>();
    auto* show =
        own->add_subcommand("show", "Show own system N: its record, rows and comparable systems");
    show->add_option("N", *number, "Own system number, as own list numbers them")->required();
    show->callback([number, &env] {
        AppContext& context = env.Context();
        const int32_t index = OwnSystemNumber(context, *number);
        const TEigSysteme& r = context.OwnSystemList[static_cast<std::size_t>(index)];
        const OwnStoreFiles files = StoreFiles(context);
        const bool present = OwnRowsFilePresent(files, r);
        std::cout << "own system " << index + 1 << '\n'
                  << "saved: " << SavedText(r.gesp) << '\n'
                  << "rows file: " << r.fn << (present ? "" : " (missing)") << '\n'
                  << "row size: " << int{r.RG} << '\n'
                  << "count of numbers: " << int{r.WZ} << '\n'
                  << "rows: " << r.TR << '\n'
                  << "guarantee: " << int{r.GA} << '\n'
                  << "description: " << OwnSystemDescription(TSysteme{r.RG, r.WZ, r.GA, r.TR})
                  << '\n';
        if (const auto entry = context.catalogue.CatalogueIndexOfOwn(index)) {
            std::cout << "catalogue index: " << *entry << '\n';
        }
        if (auto found = FindComparableSystems(context.catalogue, r.RG, r.WZ, r.GA, r.TR)) {
            PrintComparable(*found);
        }
        if (!present) {
            throw CommandFailure("the rows file " + r.fn +
                                 " is missing: the system can not be applied");
        }
        std::vector<std::vector<int32_t>> rows;
        try {
            rows = ReadOwnSystemRowsOf(files, r);
        } catch (const RowsFileError& e) {
            throw CommandFailure(OneLine(e.problem()));
        }
        std::cout << "system rows:\n";
        for (std::size_t k = 0; k < rows.size(); ++k) {
            std::cout << k + 1;
            for (int32_t n : rows[k]) std::cout << '\t' << n;
            std::cout << '\n';
        }
    });

    auto saveArgs = std::make_shared<OwnRowsArgs>();
    auto* save = own->add_subcommand("save", "Test the own rows in FILE as a system and save them");
    AddOwnRowsOptions(save, *saveArgs);
    save->add_option("--largest", saveArgs->largest, "The lottery's highest number (default 49)")
        ->option_text("L");
    save->callback([saveArgs, &env] {
        const int largest = ParseIntArgument(saveArgs->largest, "--largest", 32, 100);
        AppContext& context = env.Context();
        context.LargestNumber = largest;
        OwnTestState state;
        const TestedOwnRows tested = TestOwnRows(context, state, *saveArgs);
        const OwnStoreResult saved =
            SaveTestedOwnRows(context.OwnSystemList, StoreFiles(context), context.rows, state,
                              OwnSystemTimeStampNow());
        if (!saved.ok) throw CommandFailure(OneLine(*saved.problem));
        RebuildCatalogue(context);
        PrintBankNumbers(tested.plan);
        std::cout << "guarantee: " << tested.outcome.guaranteeText << '\n'
                  << "description: " << tested.outcome.description << '\n'
                  << "saved as own system " << saved.ownIndex + 1 << " in " << saved.fileName;
        if (const auto entry = context.catalogue.CatalogueIndexOfOwn(saved.ownIndex)) {
            std::cout << ", catalogue index " << *entry;
        }
        std::cout << '\n';
    });

    auto deleteNumber = std::make_shared<std::string>();
    auto* remove = own->add_subcommand("delete", "Delete own system N and its rows file");
    remove->add_option("N", *deleteNumber, "Own system number, as own list numbers them")
        ->required();
    remove->callback([deleteNumber, &env] {
        AppContext& context = env.Context();
        const int32_t index = OwnSystemNumber(context, *deleteNumber);
        const OwnStoreResult deleted =
            DeleteOwnSystem(context.OwnSystemList, StoreFiles(context), index);
        if (!deleted.ok) throw CommandFailure(OneLine(*deleted.problem));
        RebuildCatalogue(context);
        std::cout << "deleted own system " << index + 1 << " (" << deleted.fileName << ")\n";
    });
}

const CommandRegistration testOwnCommand(SetupTestOwn);
const CommandRegistration ownCommand(SetupOwn);

}  // namespace
}  // namespace kombora::cli
