#include "numbers/board.h"

#include <algorithm>
#include <chrono>
#include <random>

namespace kombora {

BoardLook LookOf(const RowStore& rows, int n) {
    if (rows.BankSet.Contains(n)) return BoardLook::Bank;
    if (rows.ChangingSet.Contains(n)) return BoardLook::Changing;
    return BoardLook::Normal;
}

namespace {

int CountAbove(const NumberSet& set, int largestNumber) {
    int hidden = 0;
    for (int n = std::max(largestNumber + 1, 1); n <= kBoardSize; ++n) {
        if (set.Contains(n)) ++hidden;
    }
    return hidden;
}

std::string CounterText(int32_t count, int hidden) {
    std::string text = std::to_string(count);
    if (hidden > 0) text += " (" + std::to_string(hidden) + " hidden)";
    return text;
}

}  // namespace

std::vector<int> ChosenAboveLargest(const RowStore& rows, int largestNumber) {
    std::vector<int> above;
    for (int n = std::max(largestNumber + 1, 1); n <= kBoardSize; ++n) {
        if (rows.ChangingSet.Contains(n) || rows.BankSet.Contains(n)) above.push_back(n);
    }
    return above;
}

std::optional<Notice> HiddenChoiceCheck(const RowStore& rows, int largestNumber) {
    const std::vector<int> above = ChosenAboveLargest(rows, largestNumber);
    if (above.empty()) return std::nullopt;
    std::string list;
    for (int n : above) list += (list.empty() ? "" : ", ") + std::to_string(n);
    return Notice{MessageId::BoardNumbersAboveLargest, {list, std::to_string(largestNumber)}};
}

std::string ChangingCounterText(const RowStore& rows, int largestNumber) {
    return CounterText(rows.ChangingCount, CountAbove(rows.ChangingSet, largestNumber));
}

std::string BankCounterText(const RowStore& rows, int largestNumber) {
    return CounterText(rows.BankCount, CountAbove(rows.BankSet, largestNumber));
}

std::optional<Notice> BoardClick(RowStore& rows, int n) {
    if (rows.ChangingNeeded <= 0) return Notice{MessageId::BoardNoSystem, {}};
    if (n < 1 || n > kBoardSize) return std::nullopt;

    if (rows.ChangingSet.Contains(n) || rows.ChangingCount < rows.ChangingNeeded) {
        rows.BankMode = false;
    }
    if (!rows.BankMode) {
        if (rows.ChangingSet.Contains(n)) {
            rows.ChangingSet.Remove(n);
            --rows.ChangingCount;
            return std::nullopt;
        }
        // A bank number clicked while the changing numbers are chosen (possible after a
        // changing number was taken back) is taken back too: a number never belongs to both
        // sets, or its tip rows would come out one number short.
        if (rows.BankSet.Contains(n)) {
            rows.BankSet.Remove(n);
            --rows.BankCount;
            return std::nullopt;
        }
        if (rows.ChangingCount < rows.ChangingNeeded) {
            rows.ChangingSet.Add(n);
            ++rows.ChangingCount;
            return std::nullopt;
        }
        if (rows.BankNeeded < 1) {
            return Notice{MessageId::BoardNumbersComplete, {std::to_string(rows.ChangingCount)}};
        }
        // The changing numbers are complete: this free number starts the bank numbers.
        rows.BankMode = true;
    }
    if (rows.BankSet.Contains(n)) {
        rows.BankSet.Remove(n);
        --rows.BankCount;
        return std::nullopt;
    }
    if (rows.BankCount >= rows.BankNeeded) {
        return Notice{MessageId::BoardBankNumbersComplete, {std::to_string(rows.BankCount)}};
    }
    rows.BankSet.Add(n);
    ++rows.BankCount;
    return std::nullopt;
}

void BoardClear(RowStore& rows) {
    rows.ChangingSet.Clear();
    rows.BankSet.Clear();
    rows.BankMode = false;
    rows.ChangingCount = 0;
    rows.BankCount = 0;
}

namespace {

class SeededRandomSource final : public RandomSource {
  public:
    explicit SeededRandomSource(uint64_t seed) : engine_(seed) {}
    int Draw(int largest) override {
        if (largest < 1) return 1;
        return std::uniform_int_distribution<int>(1, largest)(engine_);
    }

  private:
    std::mt19937_64 engine_;
};

// Draws until it yields a number in 1..largest that `taken` does not hold yet.
int DrawFree(RandomSource& source, int largest, const NumberSet& taken) {
    for (;;) {
        const int n = source.Draw(largest);
        if (n >= 1 && n <= largest && !taken.Contains(n)) return n;
    }
}

}  // namespace

std::unique_ptr<RandomSource> MakeSeededRandomSource(uint64_t seed) {
    return std::make_unique<SeededRandomSource>(seed);
}

uint64_t ClockSeed() {
    const auto wall = std::chrono::system_clock::now().time_since_epoch().count();
    const auto steady = std::chrono::steady_clock::now().time_since_epoch().count();
    return static_cast<uint64_t>(wall) ^ (static_cast<uint64_t>(steady) << 17);
}

int HalfToEven(int largest) {
    const int down = largest / 2;
    if (largest % 2 == 0) return down;
    return down % 2 == 0 ? down : down + 1;
}

std::vector<int> PlanRandomClicks(int changing, int bank, int largest, RandomSource& source) {
    std::vector<int> clicks;
    if (changing < 0 || bank < 0 || changing + bank > largest) return clicks;
    const int total = changing + bank;
    NumberSet taken;
    if (total < HalfToEven(largest)) {
        // Few numbers: draw them one by one.
        while (static_cast<int>(clicks.size()) < total) {
            const int n = DrawFree(source, largest, taken);
            taken.Add(n);
            clicks.push_back(n);
        }
        return clicks;
    }
    // Many numbers: draw the bank numbers and the numbers left out, take the rest in order.
    std::vector<int> bankNumbers;
    NumberSet bankSet;
    for (int i = 0; i < bank; ++i) {
        const int n = DrawFree(source, largest, bankSet);
        bankSet.Add(n);
        bankNumbers.push_back(n);
    }
    NumberSet leftOut;
    if (total < largest) {
        for (int i = 0; i < largest - total; ++i) {
            const int n = DrawFree(source, largest, leftOut | bankSet);
            leftOut.Add(n);
        }
    }
    for (int n = 1; n <= largest; ++n) {
        if (!leftOut.Contains(n) && !bankSet.Contains(n)) clicks.push_back(n);
    }
    clicks.insert(clicks.end(), bankNumbers.rbegin(), bankNumbers.rend());
    return clicks;
}

std::optional<Notice> RandomChoice(RowStore& rows, int largestNumber, RandomSource& source,
                                   std::vector<int>* clicked) {
    const int changing = rows.ChangingNeeded;
    if (changing <= 0) return Notice{MessageId::BoardRandomNoSystem, {}};
    if (auto hidden = HiddenChoiceCheck(rows, largestNumber)) return hidden;
    if (rows.BankNeeded < 0) rows.BankNeeded = 0;
    const int bank = rows.BankNeeded;
    const int largest = std::clamp(largestNumber, 1, kBoardSize);
    // Drawing more different numbers than 1..largest holds could never finish.
    if (changing + bank > largest) {
        return Notice{MessageId::BoardRandomTooManyNumbers,
                      {std::to_string(changing + bank), std::to_string(largest)}};
    }
    const std::vector<int> clicks = PlanRandomClicks(changing, bank, largest, source);
    BoardClear(rows);
    for (int n : clicks) BoardClick(rows, n);
    if (clicked != nullptr) *clicked = clicks;
    return std::nullopt;
}

}  // namespace kombora
