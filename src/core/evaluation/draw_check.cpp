#include "evaluation/draw_check.h"

#include <algorithm>
#include <charconv>
#include <limits>
#include <map>

#include "app/messages.h"
#include "app/number_format.h"

namespace kombora {
namespace {

bool IsSeparator(char c) {
    return c == ' ' || c == ',' || c == ';' || c == '\t' || c == '\r' || c == '\n';
}

std::vector<std::string_view> Items(std::string_view text) {
    std::vector<std::string_view> items;
    std::size_t at = 0;
    while (at < text.size()) {
        if (IsSeparator(text[at])) {
            ++at;
            continue;
        }
        std::size_t end = at;
        while (end < text.size() && !IsSeparator(text[end])) ++end;
        items.push_back(text.substr(at, end - at));
        at = end;
    }
    return items;
}

// The item as a whole number; nullopt when it is none (a sign, letters, a decimal point).
// Numbers too long for an int read as out of range, never as another number.
std::optional<long long> WholeNumber(std::string_view item) {
    if (item.empty() || item.front() < '0' || item.front() > '9') return std::nullopt;
    long long value = 0;
    const auto [end, error] = std::from_chars(item.data(), item.data() + item.size(), value);
    if (end != item.data() + item.size()) return std::nullopt;
    if (error == std::errc::result_out_of_range) return std::numeric_limits<long long>::max();
    if (error != std::errc()) return std::nullopt;
    return value;
}

DrawReading Problem(MessageId id, std::vector<std::string> args = {}) {
    return DrawReading{std::nullopt, MessageProblem{id, std::move(args)}};
}

}  // namespace

NumberSet Draw::Set() const {
    NumberSet set;
    for (int n : numbers) set.Add(n);
    return set;
}

DrawReading ReadDraw(std::string_view numbersText, std::string_view extraText, int drawnCount,
                     int largestNumber) {
    Draw draw;
    NumberSet seen;
    const std::vector<std::string_view> items = Items(numbersText);
    for (std::string_view item : items) {
        const std::optional<long long> value = WholeNumber(item);
        if (!value) return Problem(MessageId::DrawNotANumber, {std::string(item)});
        if (*value < 1 || *value > largestNumber) {
            return Problem(MessageId::DrawOutOfRange,
                           {std::string(item), std::to_string(largestNumber)});
        }
        const int number = static_cast<int>(*value);
        if (seen.Contains(number)) return Problem(MessageId::DrawTwice, {std::to_string(number)});
        seen.Add(number);
        draw.numbers.push_back(number);
    }
    const auto given = static_cast<int>(items.size());
    if (given > drawnCount) {
        return Problem(MessageId::DrawTooMany, {std::to_string(given), std::to_string(drawnCount)});
    }
    if (given < drawnCount) {
        return Problem(MessageId::DrawTooFew, {std::to_string(given), std::to_string(drawnCount)});
    }
    std::sort(draw.numbers.begin(), draw.numbers.end());

    const std::vector<std::string_view> extras = Items(extraText);
    if (extras.size() > 1) return Problem(MessageId::DrawExtraMoreThanOne);
    if (extras.size() == 1) {
        const std::optional<long long> value = WholeNumber(extras[0]);
        if (!value) return Problem(MessageId::DrawExtraNotANumber, {std::string(extras[0])});
        if (*value < 1 || *value > largestNumber) {
            return Problem(MessageId::DrawExtraOutOfRange,
                           {std::string(extras[0]), std::to_string(largestNumber)});
        }
        draw.extra = static_cast<int>(*value);
        if (seen.Contains(draw.extra)) {
            return Problem(MessageId::DrawExtraAmongNumbers, {std::to_string(draw.extra)});
        }
    }
    return DrawReading{std::move(draw), std::nullopt};
}

std::vector<RowMatch> MatchRows(std::span<const std::vector<int32_t>> rows, const Draw& draw) {
    const NumberSet drawn = draw.Set();
    std::vector<RowMatch> result;
    result.reserve(rows.size());
    for (const auto& row : rows) {
        RowMatch match;
        for (int32_t n : row) {
            if (drawn.Contains(n)) ++match.matches;
            if (draw.extra != 0 && n == draw.extra) match.extra = true;
        }
        result.push_back(match);
    }
    return result;
}

std::vector<MatchSummaryLine> SummarizeMatches(std::span<const RowMatch> matches) {
    std::map<int, MatchSummaryLine, std::greater<>> lines;
    for (const RowMatch& m : matches) {
        MatchSummaryLine& line = lines[m.matches];
        line.matches = m.matches;
        ++line.rows;
        if (m.extra) ++line.withExtra;
    }
    std::vector<MatchSummaryLine> result;
    for (const auto& [matches, line] : lines) result.push_back(line);
    return result;
}

std::string MatchSummaryText(const MatchSummaryLine& line, int32_t language,
                             const NumberLocale& locale) {
    const LabelId id =
        line.rows == 1
            ? (line.matches == 1 ? LabelId::DrawSummaryOneRowOneMatch : LabelId::DrawSummaryOneRow)
            : (line.matches == 1 ? LabelId::DrawSummaryRowsOneMatch : LabelId::DrawSummaryRows);
    std::string text =
        LabelText(id, language, {FormatCount(line.rows, locale), std::to_string(line.matches)})
            .value_or("");
    if (line.withExtra > 0) {
        const LabelId extra =
            line.rows == 1 ? LabelId::DrawSummaryWithExtraOne : LabelId::DrawSummaryWithExtra;
        text += LabelText(extra, language, {FormatCount(line.withExtra, locale)}).value_or("");
    }
    return text;
}

}  // namespace kombora
