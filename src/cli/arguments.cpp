#include "arguments.h"

#include <charconv>

#include "io/text_encoding.h"

namespace kombora::cli {

void RefuseEmptyValues(CLI::App& app) {
    const CLI::Validator notEmpty(
        [](std::string& value) {
            return value.empty() ? std::string("an empty value is no value") : std::string();
        },
        "", "NOT_EMPTY");
    for (CLI::Option* option : app.get_options()) {
        if (option->get_type_size_min() > 0) option->check(notEmpty);
    }
    for (CLI::App* command : app.get_subcommands({})) RefuseEmptyValues(*command);
}

int ParseIntArgument(const std::string& text, const std::string& name, int low, int high) {
    const char* first = text.data();
    const char* last = text.data() + text.size();
    const bool negative = first != last && *first == '-';
    const bool digitsOnly =
        text.size() > (negative ? 1u : 0u) &&
        text.find_first_not_of("0123456789", negative ? 1 : 0) == std::string::npos;
    long long value = 0;
    bool ok = digitsOnly && (!negative || low < 0);
    if (ok) {
        const auto [end, error] = std::from_chars(first, last, value);
        ok = error == std::errc() && end == last && value >= low && value <= high;
    }
    if (!ok) {
        throw CLI::ValidationError(name, "must be a whole number from " + std::to_string(low) +
                                             " to " + std::to_string(high) + ", not '" +
                                             QuoteForMessage(text) + "'");
    }
    return static_cast<int>(value);
}

std::vector<int> ParseIntListArgument(const std::string& text, const std::string& name, int low,
                                      int high) {
    std::vector<int> numbers;
    std::size_t start = 0;
    for (;;) {
        const std::size_t comma = text.find(',', start);
        const std::string item =
            text.substr(start, comma == std::string::npos ? std::string::npos : comma - start);
        if (item.empty()) {
            throw CLI::ValidationError(name, "must be a comma-separated list of numbers " +
                                                 std::to_string(low) + ".." + std::to_string(high));
        }
        const int n = ParseIntArgument(item, name, low, high);
        for (const int earlier : numbers) {
            if (earlier == n) {
                throw CLI::ValidationError(name, "holds " + std::to_string(n) + " more than once");
            }
        }
        numbers.push_back(n);
        if (comma == std::string::npos) break;
        start = comma + 1;
    }
    return numbers;
}

}  // namespace kombora::cli
