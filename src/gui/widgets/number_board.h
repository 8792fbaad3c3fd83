#pragma once

#include <QColor>
#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <array>

#include "numbers/board.h"

namespace kombora::gui {

// Layout of the board and the statistics boards, in pixels.
inline constexpr int kBoardButtonWidth = 32;
inline constexpr int kBoardButtonHeight = 26;
inline constexpr int kBoardButtonGap = 2;
inline constexpr int kStatisticsPitch = 18;  // from a number cell's top to its count cell
inline constexpr int kStatisticsHeaderHeight = 20;

// A number button of the board, "lot" + n; its look tells the number's state.
class BoardButton : public QPushButton {
    Q_OBJECT
  public:
    BoardButton(int number, QWidget* parent);
    int number() const { return number_; }
    BoardLook look() const { return look_; }
    void SetLook(BoardLook look);

  private:
    int number_;
    BoardLook look_ = BoardLook::Normal;
};

// The number board PZahlen: its heading GrBox7 and the buttons lot1..lot100 in ten rows of
// ten (Zahlenaufbauen). Clicks are reported by number.
class NumberBoard : public QFrame {
    Q_OBJECT
  public:
    explicit NumberBoard(QWidget* parent = nullptr);

    BoardButton* Button(int n) const;
    // Gives every button the look of its number's state.
    void ShowLooks(const RowStore& rows);
    // Shows exactly the buttons 1..largestNumber.
    void ShowNumbersUpTo(int largestNumber);

  signals:
    void numberClicked(int n);

  private:
    std::array<BoardButton*, kBoardSize + 1> buttons_{};
};

// A dark number cell of a statistics board ("PNummer" + n).
class BlackPanel : public QLabel {
    Q_OBJECT
  public:
    explicit BlackPanel(const QString& caption, QWidget* parent = nullptr);
};

// A count cell of a statistics board ("PNummerWert" + n): bold, centred, its own fill.
class CountCell : public QLabel {
    Q_OBJECT
  public:
    explicit CountCell(QWidget* parent = nullptr);
    // The fill; an invalid colour gives the button face.
    QColor fill() const { return fill_; }
    void SetFill(const QColor& fill);

  private:
    QColor fill_;
};

// A statistics board: for every number 1..100 a number cell with a count cell under it, in
// ten rows of ten below a heading (TabEinzelNummern). `numberPrefix` and `countPrefix` name
// the cells ("PNummer" / "PNummerWert" on the page "Choice of numbers", "PNummerEin" /
// "PNummerWertEin" on the page "Own rows").
class StatisticsBoard : public QFrame {
    Q_OBJECT
  public:
    StatisticsBoard(const QString& objectName, const QString& heading, const QString& numberPrefix,
                    const QString& countPrefix, int cellWidth, int cellHeight, int firstLeft,
                    int extraWidth, QWidget* parent = nullptr);

    QLabel* Heading() const { return heading_; }
    BlackPanel* NumberCell(int n) const;
    CountCell* Count(int n) const;
    // Shows exactly the cells of the numbers 1..largestNumber.
    void ShowNumbersUpTo(int largestNumber);

  private:
    QLabel* heading_ = nullptr;
    std::array<BlackPanel*, kBoardSize + 1> numbers_{};
    std::array<CountCell*, kBoardSize + 1> counts_{};
};

// Sets the caption of the count cells prefix + 1 .. prefix + count below `root` to `text` and
// their fill to the button face (ResetCountCells).
void ResetCountCells(QWidget* root, const QString& prefix, int count, const QString& text);

}  // namespace kombora::gui
