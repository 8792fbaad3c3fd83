// The system test from the command line: test (a catalogue entry) and test-rows (rows from a
// text file).
#include <chrono>
#include <fstream>
#include <iostream>
#include <iterator>
#include <memory>
#include <string>
#include <vector>

#include "catalogue/binomial.h"
#include "cli_command.h"
#include "evaluation/hit_engine.h"
#include "evaluation/system_check.h"
#include "io/text_encoding.h"
#include "rows_file.h"

namespace kombora::cli {
namespace {

struct EngineOptions {
    std::string threads;
    bool timing = false;
};

void AddEngineOptions(CLI::App* cmd, EngineOptions& options) {
    cmd->add_option("--threads", options.threads, "Worker threads (default: one per core)")
        ->option_text("N");
    cmd->add_flag("--timing", options.timing, "Write the evaluation time to stderr");
}

EvaluationOptions ToEvaluationOptions(const EngineOptions& options) {
    EvaluationOptions result;
    if (!options.threads.empty()) {
        result.threads = ParseIntArgument(options.threads, "--threads", 1, 256);
    }
    return result;
}

// One line per evaluated hit count: k, the number of draws, the counts for 1..k matches.
void PrintResult(const EvaluationResult& result) {
    for (int k = kMinHitCount; k <= kMaxHitCount; ++k) {
        if (result.StateOf(k) == HitCountState::NotEvaluated) continue;
        std::cout << k << '\t' << Binomial(result.wz, k);
        for (int m = 1; m <= k; ++m) std::cout << '\t' << result.tally(k, m);
        std::cout << '\n';
    }
}

template <typename Run>
EvaluationResult Timed(bool timing, Run run) {
    const auto start = std::chrono::steady_clock::now();
    EvaluationResult result = run();
    if (timing) {
        const std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;
        std::cerr << "evaluation seconds: " << took.count() << '\n';
    }
    return result;
}

void SetupTest(CLI::App& app, CliEnvironment& env) {
    struct Args {
        std::string index;
        std::string largest = "49";
        std::string tip;
        EngineOptions engine;
    };
    auto args = std::make_shared<Args>();
    auto* cmd = app.add_subcommand(
        "test", "Test catalogue entry INDEX: per hit count the draws and the counts per match");
    cmd->add_option("INDEX", args->index, "Catalogue index")->required();
    cmd->add_option("--largest", args->largest, "The lottery's highest number (default 49)")
        ->option_text("L");
    cmd->add_option("--tip", args->tip, "Numbers per tip row (default: the system's row size)")
        ->option_text("S");
    AddEngineOptions(cmd, args->engine);
    cmd->callback([args, &env] {
        AppContext& context = env.Context();
        const int index =
            ParseIntArgument(args->index, "INDEX", 0, std::max(context.catalogue.size() - 1, 0));
        if (!context.catalogue.Contains(index)) throw CLI::ValidationError("INDEX", "no entry");
        const TSysteme& entry = context.catalogue[index];
        context.LargestNumber = ParseIntArgument(args->largest, "--largest", 32, 100);
        const int tip =
            args->tip.empty() ? entry.RG : ParseIntArgument(args->tip, "--tip", entry.RG, 10);
        const EvaluationOptions options = ToEvaluationOptions(args->engine);

        const SystemTestPlan plan = PlanSystemTest(context, index, tip);
        if (plan.problem) {
            std::string text = plan.problem->Text(1);
            for (auto at = text.find("\r\r"); at != std::string::npos; at = text.find("\r\r")) {
                text.replace(at, 2, " ");
            }
            throw CommandFailure("entry " + std::to_string(index) + ": " + text);
        }
        PrintResult(Timed(args->engine.timing, [&] { return RunSystemTest(plan, options); }));
    });
}

void SetupTestRows(CLI::App& app, CliEnvironment&) {
    struct Args {
        std::string file;
        std::string wz;
        EngineOptions engine;
    };
    auto args = std::make_shared<Args>();
    auto* cmd = app.add_subcommand(
        "test-rows", "Test the rows in FILE (design numbers 1..N) as a system over a pool of N");
    cmd->add_option("FILE", args->file, "Text file, one row per line")->required();
    cmd->add_option("--wz", args->wz, "Pool size N (2..100)")->required()->option_text("N");
    AddEngineOptions(cmd, args->engine);
    cmd->callback([args] {
        const int wz = ParseIntArgument(args->wz, "--wz", 2, 100);
        const EvaluationOptions options = ToEvaluationOptions(args->engine);
        const auto numbers = ReadRowsFile(args->file, wz, "design number");
        std::vector<NumberSet> rows;
        for (const auto& row : numbers) {
            NumberSet set;
            for (int32_t n : row) set.Add(n);
            rows.push_back(set);
        }
        const auto rowSize = static_cast<int>(numbers.front().size());
        PrintResult(Timed(args->engine.timing,
                          [&] { return EvaluateHits(rows, wz, kMinHitCount, rowSize, options); }));
    });
}

const CommandRegistration testCommand(SetupTest);
const CommandRegistration testRowsCommand(SetupTestRows);

}  // namespace
}  // namespace kombora::cli
