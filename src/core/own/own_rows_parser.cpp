#include "own/own_rows_parser.h"

#include <algorithm>
#include <utility>

namespace kombora {

namespace {

// Counts the steps of the line phases and reports them; remembers a stop request.
class Gauge {
  public:
    Gauge(const ParseCallbacks& callbacks, int64_t maximum)
        : report_(callbacks.progress), maximum_(maximum) {}

    // One line step; false when the caller asked to stop.
    bool Step() {
        if (position_ < maximum_) ++position_;
        if (report_ && !report_(position_, maximum_)) stopped_ = true;
        return !stopped_;
    }
    // A phase that does not run passes over its share of the bar.
    void Skip(int64_t steps) { position_ = std::min(maximum_, position_ + steps); }

    int64_t position() const { return position_; }
    int64_t maximum() const { return maximum_; }
    void Reset() { position_ = 0; }

  private:
    const std::function<bool(int64_t, int64_t)>& report_;
    int64_t maximum_;
    int64_t position_ = 0;
    bool stopped_ = false;
};

// Every run of blanks reduced to one blank (CollapseSpaces); tabs and other characters stay.
std::string CollapsedBlanks(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == ' ' && i > 0 && text[i - 1] == ' ') continue;
        out += text[i];
    }
    return out;
}

bool IsControlOrBlank(char c) {
    return static_cast<unsigned char>(c) <= 32;
}

std::string Trimmed(std::string_view s) {
    std::size_t b = 0;
    std::size_t e = s.size();
    while (b < e && IsControlOrBlank(s[b])) ++b;
    while (e > b && IsControlOrBlank(s[e - 1])) --e;
    return std::string(s.substr(b, e - b));
}

std::string JoinLines(const std::vector<std::string>& lines) {
    std::size_t size = 0;
    for (const auto& l : lines) size += l.size() + 1;
    std::string out;
    out.reserve(size);
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (i > 0) out += '\n';
        out += lines[i];
    }
    return out;
}

void RemoveAll(std::string& s, char c) {
    s.erase(std::remove(s.begin(), s.end(), c), s.end());
}

// The bracket notation, rewritten to one row per line.
std::vector<std::string> ResolveBrackets(const std::vector<std::string>& lines) {
    std::string joined;
    for (const auto& l : lines) joined += l;
    RemoveAll(joined, ' ');
    std::vector<std::string> out;
    std::size_t start = 0;
    while (true) {
        const std::size_t at = joined.find("),(", start);
        if (at == std::string::npos) {
            out.push_back(joined.substr(start));
            break;
        }
        out.push_back(joined.substr(start, at - start));
        start = at + 3;
    }
    for (auto& l : out) {
        RemoveAll(l, '(');
        RemoveAll(l, ')');
    }
    const int32_t first = CountChar(',', out.empty() ? std::string_view{} : out[0]);
    const int32_t second = CountChar(',', out.size() < 2 ? std::string_view{} : out[1]);
    if (first == second && first >= 1) {
        for (auto& l : out) RemoveAll(l, ';');
    }
    return out;
}

std::string_view LineAt(const std::vector<std::string>& lines, std::size_t i) {
    return i < lines.size() ? std::string_view(lines[i]) : std::string_view{};
}

// An item as a whole number: leading blanks, an optional sign, decimal digits and nothing
// else. Values beyond the int range come back clamped, so that they are out of range too.
std::optional<int64_t> ReadWholeNumber(std::string_view item) {
    std::size_t i = 0;
    while (i < item.size() && item[i] == ' ') ++i;
    bool negative = false;
    if (i < item.size() && (item[i] == '+' || item[i] == '-')) {
        negative = item[i] == '-';
        ++i;
    }
    if (i == item.size()) return std::nullopt;
    int64_t value = 0;
    for (; i < item.size(); ++i) {
        const char c = item[i];
        if (c < '0' || c > '9') return std::nullopt;
        if (value < int64_t{1} << 40) value = value * 10 + (c - '0');
    }
    return negative ? -value : value;
}

std::string WithoutLeadingBlanks(std::string_view item) {
    const std::size_t b = item.find_first_not_of(' ');
    return b == std::string_view::npos ? std::string{} : std::string(item.substr(b));
}

ParseResult Fail(ParseResult result, const std::vector<std::string>& lines, const Gauge& gauge,
                 ParseEnd end, std::optional<Notice> message, bool resetGauge) {
    result.end = end;
    result.message = std::move(message);
    result.text = JoinLines(lines);
    result.textNormalised = true;
    result.gaugeMaximum = gauge.maximum();
    result.gaugePosition = resetGauge ? 0 : gauge.position();
    return result;
}

}  // namespace

char DelimiterOfChoice(int32_t itemIndex) {
    switch (itemIndex) {
        case 0:
            return ',';
        case 1:
            return ';';
        case 2:
            return ' ';
        default:
            return '\0';
    }
}

int32_t CountChar(char c, std::string_view text) {
    return static_cast<int32_t>(std::count(text.begin(), text.end(), c));
}

std::vector<std::string> SplitLines(std::string_view text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '\n' && text[i] != '\r') continue;
        lines.emplace_back(text.substr(start, i - start));
        if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
        start = i + 1;
    }
    if (start < text.size()) lines.emplace_back(text.substr(start));
    return lines;
}

ParseResult Verarbeitungsstart(std::string_view text, const ParseOptions& options,
                               const ParseCallbacks& callbacks) {
    ParseResult result;
    if (text.empty()) {
        result.message = Notice{MessageId::OwnRowsEmptyText, {}};
        result.text = std::string(text);
        return result;
    }
    const char delimiter = DelimiterOfChoice(options.delimiterChoice);
    const bool thorough = options.thorough;

    std::vector<std::string> lines = SplitLines(CollapsedBlanks(text));
    const auto n = static_cast<int64_t>(lines.size());
    Gauge gauge(callbacks, std::max<int64_t>(0, (thorough ? 4 : 2) * (n - 1)));
    auto stopped = [&] {
        return Fail(std::move(result), lines, gauge, ParseEnd::Stopped, std::nullopt, false);
    };

    // Leading and trailing blanks and control characters.
    if (thorough) {
        for (auto it = lines.rbegin(); it != lines.rend(); ++it) {
            *it = Trimmed(*it);
            if (!gauge.Step()) return stopped();
        }
    }
    std::erase_if(lines, [](const std::string& l) { return l.empty(); });

    // Rows in brackets, joined by commas.
    bool brackets = false;
    for (const auto& l : lines) {
        if (l.find("),(") != std::string::npos) {
            brackets = true;
            break;
        }
    }
    if (brackets) {
        const MessageAnswer answer =
            callbacks.askBrackets ? callbacks.askBrackets() : MessageAnswer::Cancel;
        if (answer != MessageAnswer::Yes) {
            return Fail(std::move(result), lines, gauge, ParseEnd::Declined, std::nullopt, true);
        }
        lines = ResolveBrackets(lines);
    }

    // Trailing delimiters.
    if (thorough && delimiter != ' ') {
        for (auto it = lines.rbegin(); it != lines.rend(); ++it) {
            while (!it->empty() && it->back() == delimiter) it->pop_back();
            if (!gauge.Step()) return stopped();
        }
    } else if (thorough) {
        gauge.Skip(static_cast<int64_t>(lines.size()));
    }

    // The same count of delimiters in every line.
    const int32_t k = CountChar(delimiter, LineAt(lines, 0));
    if (k == 0) {
        return Fail(std::move(result), lines, gauge, ParseEnd::Message,
                    Notice{MessageId::OwnRowsDelimiter, {}}, true);
    }
    if (CountChar(delimiter, LineAt(lines, 1)) != k) {
        return Fail(std::move(result), lines, gauge, ParseEnd::Message,
                    Notice{MessageId::OwnRowsFirstTwoRows, {}}, true);
    }
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (CountChar(delimiter, lines[i]) != k) {
            return Fail(std::move(result), lines, gauge, ParseEnd::Message,
                        Notice{MessageId::OwnRowsCountInLine,
                               {std::to_string(i + 1), std::to_string(k + 1)}},
                        true);
        }
        if (!gauge.Step()) return stopped();
    }

    result.rowsCounted = true;
    result.rowCount = static_cast<int32_t>(lines.size());
    result.rowSize = k + 1;
    result.rows.assign(lines.size(), std::vector<uint8_t>(static_cast<std::size_t>(k + 1), 0));

    // Every item a number 1..largest, none twice in a row.
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const std::string& line = lines[i];
        const std::string lineNo = std::to_string(i + 1);
        std::vector<uint8_t>& row = result.rows[i];
        NumberSet seen;
        std::size_t start = 0;
        for (std::size_t j = 0; j < row.size(); ++j) {
            std::size_t end = line.find(delimiter, start);
            if (end == std::string::npos) end = line.size();
            const std::string_view item = std::string_view(line).substr(start, end - start);
            start = end + 1;
            const std::optional<int64_t> value = ReadWholeNumber(item);
            if (!value) {
                return Fail(std::move(result), lines, gauge, ParseEnd::Message,
                            Notice{MessageId::OwnRowsNotANumber, {std::string(item), lineNo}},
                            false);
            }
            if (*value < 1 || *value > options.largestNumber || *value > 255) {
                return Fail(std::move(result), lines, gauge, ParseEnd::Message,
                            Notice{MessageId::OwnRowsOutOfRange,
                                   {WithoutLeadingBlanks(item), lineNo,
                                    std::to_string(options.largestNumber)}},
                            true);
            }
            const int number = static_cast<int>(*value);
            if (seen.Contains(number)) {
                return Fail(
                    std::move(result), lines, gauge, ParseEnd::Message,
                    Notice{MessageId::OwnRowsTwiceInRow, {WithoutLeadingBlanks(item), lineNo}},
                    true);
            }
            row[j] = static_cast<uint8_t>(number);
            seen.Add(number);
            result.pool.Add(number);
        }
        std::sort(row.begin(), row.end());
        if (!gauge.Step()) return stopped();
    }

    result.end = ParseEnd::Ok;
    result.poolSize = result.pool.Count();
    result.text = JoinLines(lines);
    result.textNormalised = true;
    result.gaugeMaximum = gauge.maximum();
    result.gaugePosition = gauge.position();
    return result;
}

void ApplyParseResult(RowStore& rows, const ParseResult& result) {
    rows.OwnRowsReady = false;
    if (!result.rowsCounted) return;
    rows.OwnRowCount = result.rowCount;
    rows.OwnRowSize = result.rowSize;
    rows.OwnRows = result.rows;
    rows.OwnPool = result.pool;
    if (!result.ok()) return;
    rows.OwnPoolSize = result.poolSize;
    rows.OwnRowsReady = true;
}

}  // namespace kombora
