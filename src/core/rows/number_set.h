#pragma once

#include <array>
#include <bit>
#include <cstdint>
#include <vector>

namespace kombora {

// A set of the numbers 0..255. Adding or testing a number outside that range does nothing
// and tests false.
class NumberSet {
  public:
    constexpr NumberSet() = default;
    NumberSet(std::initializer_list<int> numbers) {
        for (int n : numbers) Add(n);
    }

    void Clear() { words_ = {}; }
    void Add(int n) {
        if (InRange(n)) words_[Word(n)] |= Bit(n);
    }
    void Remove(int n) {
        if (InRange(n)) words_[Word(n)] &= ~Bit(n);
    }
    bool Contains(int n) const { return InRange(n) && (words_[Word(n)] & Bit(n)) != 0; }
    int Count() const {
        int c = 0;
        for (uint64_t w : words_) c += std::popcount(w);
        return c;
    }
    bool Empty() const { return words_ == std::array<uint64_t, 4>{}; }

    NumberSet& operator|=(const NumberSet& o) {
        for (int i = 0; i < 4; ++i) words_[i] |= o.words_[i];
        return *this;
    }
    NumberSet& operator&=(const NumberSet& o) {
        for (int i = 0; i < 4; ++i) words_[i] &= o.words_[i];
        return *this;
    }
    // Difference: removes the members of o.
    NumberSet& operator-=(const NumberSet& o) {
        for (int i = 0; i < 4; ++i) words_[i] &= ~o.words_[i];
        return *this;
    }
    friend NumberSet operator|(NumberSet a, const NumberSet& b) { return a |= b; }
    friend NumberSet operator&(NumberSet a, const NumberSet& b) { return a &= b; }
    friend NumberSet operator-(NumberSet a, const NumberSet& b) { return a -= b; }
    friend bool operator==(const NumberSet&, const NumberSet&) = default;

    // Member count of the intersection, without building it.
    int IntersectionCount(const NumberSet& o) const {
        int c = 0;
        for (int i = 0; i < 4; ++i) c += std::popcount(words_[i] & o.words_[i]);
        return c;
    }

    // Members in ascending order.
    std::vector<int> Members() const;

    // Bits 64*i .. 64*i+63 (number n is bit n % 64 of word n / 64).
    uint64_t WordAt(int i) const { return words_[static_cast<std::size_t>(i)]; }

    // The 32-byte form: number n is bit (n mod 8) of byte (n div 8).
    std::array<uint8_t, 32> Bytes() const;

  private:
    static constexpr bool InRange(int n) { return n >= 0 && n <= 255; }
    static constexpr std::size_t Word(int n) { return static_cast<std::size_t>(n) >> 6; }
    static constexpr uint64_t Bit(int n) { return uint64_t{1} << (n & 63); }

    std::array<uint64_t, 4> words_{};
};

// Lists the members 1..limit in ascending order and stops after `count` of them; entries for
// which no member was found stay 0, so the result always has `count` entries.
std::vector<uint8_t> SetToSortedNumbers(const NumberSet& set, int count, int limit = 100);

// The largest number of bank numbers for a tip-row size: 4 -> 2, 5 -> 3, 6..10 -> 4;
// 0 for any other size.
int MaxBankNumbers(int tipSize);

}  // namespace kombora
