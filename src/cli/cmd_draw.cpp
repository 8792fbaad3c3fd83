// After the draw and before it: check (rows against the drawn numbers) and odds (the real
// chances of a system in a lottery).
#include <iostream>
#include <memory>
#include <string>
#include <vector>

#include "cli_command.h"
#include "evaluation/draw_check.h"
#include "evaluation/real_odds.h"
#include "evaluation/system_check.h"
#include "rows_file.h"

namespace kombora::cli {
namespace {

// The statement of a message without its closing phrase, in English.
std::string Statement(const MessageProblem& problem) {
    std::string text = problem.Text(1);
    const auto cut = text.find("\r\r");
    if (cut != std::string::npos) text.resize(cut);
    return text;
}

void SetupCheck(CLI::App& app, CliEnvironment&) {
    struct Args {
        std::string draw;
        std::string extra;
        std::string file;
        std::string largest = "49";
        std::string drawn = "6";
    };
    auto args = std::make_shared<Args>();
    auto* cmd = app.add_subcommand(
        "check",
        "Check the rows in ROWSFILE against a draw: the matches of every row and a summary");
    cmd->add_option("--draw", args->draw, "The drawn numbers, for example \"3 7 12 25 33 41\"")
        ->required()
        ->option_text("NUMBERS");
    cmd->add_option("--extra", args->extra, "The extra number, if the lottery draws one")
        ->option_text("N");
    cmd->add_option("--largest", args->largest, "The lottery's highest number (default 49)")
        ->option_text("L");
    cmd->add_option("--drawn", args->drawn, "How many numbers the lottery draws (default 6)")
        ->option_text("D");
    cmd->add_option("ROWSFILE", args->file,
                    "Text file, one row per line, numbers separated by blanks")
        ->required();
    cmd->callback([args] {
        const int largest = ParseIntArgument(args->largest, "--largest", 1, 100);
        const int drawn = ParseIntArgument(args->drawn, "--drawn", 1, largest);
        const DrawReading reading = ReadDraw(args->draw, args->extra, drawn, largest);
        if (reading.problem) {
            throw CLI::ValidationError(args->extra.empty() ? "--draw" : "--draw/--extra",
                                       Statement(*reading.problem));
        }
        const auto rows = ReadRowsFile(args->file, largest, "number");
        const std::vector<RowMatch> matches = MatchRows(rows, *reading.draw);
        for (std::size_t r = 0; r < rows.size(); ++r) {
            for (std::size_t i = 0; i < rows[r].size(); ++i) {
                std::cout << (i > 0 ? " " : "") << rows[r][i];
            }
            std::cout << '\t' << matches[r].matches << (matches[r].extra ? "+1" : "") << '\n';
        }
        std::cout << '\n';
        for (const MatchSummaryLine& line : SummarizeMatches(matches)) {
            std::cout << line.matches << '\t' << line.rows << '\n';
        }
    });
}

void PrintOdds(const RealOdds& odds) {
    for (const OddsLine& line : odds.lines) {
        std::cout << line.matches << '\t' << DecimalText(line.bestRowProbability) << '\t'
                  << DecimalText(line.expectedRows) << '\n';
    }
}

void SetupOdds(CLI::App& app, CliEnvironment& env) {
    struct Args {
        std::string index;
        std::string rowsFile;
        std::string pool;
        std::string largest = "49";
        std::string drawn;
    };
    auto args = std::make_shared<Args>();
    auto* cmd = app.add_subcommand(
        "odds",
        "Real odds of entry INDEX or of a rows file in a D out of L lottery: per match count, "
        "P(best row) and expected rows");
    auto* index = cmd->add_option("INDEX", args->index, "Catalogue index");
    auto* rows = cmd->add_option("--rows", args->rowsFile,
                                 "Text file of rows in design numbers 1..N, one row per line")
                     ->option_text("ROWSFILE");
    auto* pool = cmd->add_option("--pool", args->pool, "Pool size N of the rows file (2..100)")
                     ->option_text("N");
    index->excludes(rows);
    rows->needs(pool);
    pool->needs(rows);
    cmd->add_option("--largest", args->largest, "The lottery's highest number (default 49)")
        ->option_text("L");
    cmd->add_option("--drawn", args->drawn,
                    "How many numbers the lottery draws, 1..10 (default: the row size)")
        ->option_text("D");
    cmd->callback([args, &env] {
        if (args->index.empty() && args->rowsFile.empty()) {
            throw CLI::ValidationError("odds",
                                       "give a catalogue INDEX or --rows ROWSFILE --pool N");
        }
        const int largest = ParseIntArgument(args->largest, "--largest", 1, 100);
        std::vector<NumberSet> rowSets;
        int wz = 0;
        int rowSize = 0;
        bool fullSystem = false;
        int64_t rowCount = 0;
        if (!args->rowsFile.empty()) {
            wz = ParseIntArgument(args->pool, "--pool", 2, 100);
            const auto numbers = ReadRowsFile(args->rowsFile, wz, "design number");
            for (const auto& row : numbers) {
                NumberSet set;
                for (int32_t n : row) set.Add(n);
                rowSets.push_back(set);
            }
            rowSize = static_cast<int>(numbers.front().size());
            rowCount = static_cast<int64_t>(rowSets.size());
        } else {
            AppContext& context = env.Context();
            const int i = ParseIntArgument(args->index, "INDEX", 0,
                                           std::max(context.catalogue.size() - 1, 0));
            if (!context.catalogue.Contains(i)) throw CLI::ValidationError("INDEX", "no entry");
            const TSysteme& entry = context.catalogue[i];
            const SystemTestPlan plan = PlanSystemTest(context, i, entry.RG);
            if (plan.problem) {
                throw CommandFailure("entry " + std::to_string(i) + ": " +
                                     Statement(*plan.problem));
            }
            wz = entry.WZ;
            rowSize = entry.RG;
            fullSystem = plan.fullSystem;
            rowSets = plan.rowSets;
            rowCount = entry.TR;
        }
        if (largest < wz) {
            throw CLI::ValidationError("--largest", "a lottery of " + std::to_string(largest) +
                                                        " numbers cannot hold a pool of " +
                                                        std::to_string(wz));
        }
        const int drawn = args->drawn.empty()
                              ? std::min(rowSize, largest)
                              : ParseIntArgument(args->drawn, "--drawn", 1, std::min(10, largest));
        const HitRange range = OddsHitRange(wz, drawn, largest);
        const std::optional<BestMatchCounts> counts =
            fullSystem ? FullSystemBestMatchCounts(wz, rowSize, range)
                       : CollectBestMatchCounts(rowSets, wz, rowSize, range);
        if (!counts) throw CommandFailure("the evaluation was stopped");
        PrintOdds(ComputeRealOdds(*counts, rowCount, 0, largest, drawn));
    });
}

const CommandRegistration checkCommand(SetupCheck);
const CommandRegistration oddsCommand(SetupOdds);

}  // namespace
}  // namespace kombora::cli
