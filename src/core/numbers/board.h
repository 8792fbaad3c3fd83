#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "numbers/board_messages.h"
#include "rows/row_store.h"

namespace kombora {

inline constexpr int kBoardSize = 100;  // number buttons lot1..lot100

// How a board button looks: it always tells the number's state.
enum class BoardLook { Normal, Changing, Bank };

BoardLook LookOf(const RowStore& rows, int n);

// The chosen numbers (changing and bank) above `largestNumber`, ascending. Lowering the
// largest number hides them on the board but keeps them chosen, so that raising it again
// gives the user's choice back.
std::vector<int> ChosenAboveLargest(const RowStore& rows, int largestNumber);

// Refuses work that would use the chosen numbers while some of them lie above the largest
// number (they would end up in rows the lottery cannot play): the message names them and the
// largest number. nullopt when every chosen number is in 1..largestNumber.
std::optional<Notice> HiddenChoiceCheck(const RowStore& rows, int largestNumber);

// The texts of the counters PPZ (changing numbers chosen) and PBZ2 (bank numbers chosen):
// the count, followed by how many of them are hidden above the largest number ("8 (2
// hidden)").
std::string ChangingCounterText(const RowStore& rows, int largestNumber = kBoardSize);
std::string BankCounterText(const RowStore& rows, int largestNumber = kBoardSize);

// A click on board button n (BLotUrClick). The changing numbers are chosen first; once they
// are complete, the next free number becomes a bank number. A click on a chosen number takes
// it back. Returns the message to show when the click is refused; the board is then
// unchanged.
std::optional<Notice> BoardClick(RowStore& rows, int n);

// Empties the board's choice (BLoeschenClick): both sets, both counts, bank mode off. The
// window also gives every button the normal look and resets the statistics cells;
// NumberCounts and TipRows stay as they are.
void BoardClear(RowStore& rows);

// Whether button n is shown for a largest number.
inline bool BoardNumberVisible(int n, int largestNumber) {
    return n >= 1 && n <= largestNumber;
}

// The source of random choice: each draw yields a whole number 1..largest, uniformly.
class RandomSource {
  public:
    virtual ~RandomSource() = default;
    virtual int Draw(int largest) = 0;
};

// A pseudo-random source from a seed.
std::unique_ptr<RandomSource> MakeSeededRandomSource(uint64_t seed);

// A seed from the clock, for a fresh source on every random choice.
uint64_t ClockSeed();

// The integer nearest to largest / 2, a half going to the even neighbour (59 -> 30, 45 -> 22).
int HalfToEven(int largest);

// The numbers random choice clicks, in click order: `changing` changing numbers first, then
// `bank` bank numbers, all different and in 1..largest. Needs 0 <= changing + bank <= largest.
std::vector<int> PlanRandomClicks(int changing, int bank, int largest, RandomSource& source);

// Random choice (BZufallClick): draws as many changing and bank numbers as the selected system
// needs from 1..largest, clears the board and clicks them through BoardClick. Returns the
// message to show when it refuses (no system chosen, chosen numbers hidden above the largest
// number, which a new choice would throw away unseen, or more numbers needed than the largest
// number allows); the board is then unchanged. `clicked` receives the click list.
std::optional<Notice> RandomChoice(RowStore& rows, int largestNumber, RandomSource& source,
                                   std::vector<int>* clicked = nullptr);

}  // namespace kombora
