#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "app/number_format.h"
#include "evaluation/own_system_rows.h"
#include "rows/number_set.h"

namespace kombora {

// The numbers of one draw of the lottery: `numbers` in ascending order, and an optional extra
// number (a bonus number drawn from the same numbers), 0 when there is none.
struct Draw {
    std::vector<int> numbers;
    int extra = 0;

    NumberSet Set() const;
};

// A draw read from what the user typed, or what is wrong with it.
struct DrawReading {
    std::optional<Draw> draw;
    std::optional<MessageProblem> problem;
};

// Reads the drawn numbers: whole numbers separated by blanks, commas, semicolons or tabs, exactly
// `drawnCount` of them, each from 1 to `largestNumber` and none twice; and the extra number, an
// empty text for none, otherwise one number of the same range that is not among the drawn ones.
// The first fault found is reported: an item that is no number, a number out of range or
// repeated, then too many or too few numbers, then the extra number.
DrawReading ReadDraw(std::string_view numbersText, std::string_view extraText, int drawnCount,
                     int largestNumber);

// How one row fared: the numbers it shares with the draw and whether it holds the extra number.
struct RowMatch {
    int matches = 0;
    bool extra = false;
};

// The match of each row with the draw, in row order.
std::vector<RowMatch> MatchRows(std::span<const std::vector<int32_t>> rows, const Draw& draw);

// One line of the summary: how many rows have `matches` matches, and how many of those also
// hold the extra number.
struct MatchSummaryLine {
    int matches = 0;
    int64_t rows = 0;
    int64_t withExtra = 0;
};

// One line per match count that occurs, from the highest down.
std::vector<MatchSummaryLine> SummarizeMatches(std::span<const RowMatch> matches);

// A summary line as the pages show it: "2 rows with 5 matches (1 of them with the extra
// number)" in English, "2 Reihen mit 5 Richtigen (1 davon mit Zusatzzahl)" in German; row
// counts in the pattern "#," of the locale.
std::string MatchSummaryText(const MatchSummaryLine& line, int32_t language,
                             const NumberLocale& locale);

}  // namespace kombora
