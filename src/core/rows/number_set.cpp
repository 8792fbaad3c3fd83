#include "rows/number_set.h"

namespace kombora {

std::vector<int> NumberSet::Members() const {
    std::vector<int> members;
    for (int n = 0; n <= 255; ++n) {
        if (Contains(n)) members.push_back(n);
    }
    return members;
}

std::array<uint8_t, 32> NumberSet::Bytes() const {
    std::array<uint8_t, 32> bytes{};
    for (std::size_t i = 0; i < 32; ++i) {
        bytes[i] = static_cast<uint8_t>(words_[i / 8] >> (8 * (i % 8)));
    }
    return bytes;
}

std::vector<uint8_t> SetToSortedNumbers(const NumberSet& set, int count, int limit) {
    std::vector<uint8_t> numbers(static_cast<std::size_t>(count < 0 ? 0 : count), 0);
    std::size_t found = 0;
    for (int n = 1; n <= limit && n <= 255 && found < numbers.size(); ++n) {
        if (set.Contains(n)) numbers[found++] = static_cast<uint8_t>(n);
    }
    return numbers;
}

int MaxBankNumbers(int tipSize) {
    switch (tipSize) {
        case 4:
            return 2;
        case 5:
            return 3;
        case 6:
        case 7:
        case 8:
        case 9:
        case 10:
            return 4;
        default:
            return 0;
    }
}

}  // namespace kombora
