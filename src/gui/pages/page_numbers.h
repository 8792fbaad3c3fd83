#pragma once

#include "pages/page.h"

class QLabel;
class QPushButton;

namespace kombora::gui {

class NumberBoard;
class StatisticsBoard;

// Page 2, "Choice of numbers": the number board, random choice, the system description and
// the statistics of the typed numbers; "Form tips" and "Show distribution".
class PageNumbers : public Page {
    Q_OBJECT
  public:
    PageNumbers(AppState& state, const Services& services, QWidget* parent = nullptr);

    // The description of the selected system.
    QLabel* LBeschreibung() const { return lBeschreibung_; }
    // The changing and bank numbers the selected system needs.
    QLabel* PPool() const { return pPool_; }
    QLabel* PBZ() const { return pBZ_; }
    // The changing and bank numbers chosen so far.
    QLabel* PPZ() const { return pPZ_; }
    QLabel* PBZ2() const { return pBZ2_; }

    NumberBoard* Board() const { return board_; }
    StatisticsBoard* Statistics() const { return statistics_; }

    // A system was chosen: shows its description and the numbers it needs (a null
    // `bankNumbers` keeps PBZ as it is), then clears the board.
    void ShowChosenSystem(const QString& description, const QString& changingNumbers,
                          const QString& bankNumbers);

    // Shows exactly the board and statistics cells 1..largestNumber.
    void ShowNumbersUpTo(int largestNumber);

  public slots:
    // A click on board button n.
    void BLotUrClick(int n);
    // The board's clear button.
    void BLoeschenClick();
    // "Choice by random".
    void BZufallClick();
    // "Form tips": forms the rows and, when they could be formed, opens "Lines of numbers".
    void BRBildenClick();
    // "Show distribution": counts the numbers of the rows without forming the grid.
    void BStatBildenClick();

  private:
    // Gives every button its look and the counters their values.
    void ShowChoice();
    // The counts of formed or counted rows in the statistics cells.
    void ShowCounts(const kombora::FormingResult& result);

    QLabel* lBeschreibung_ = nullptr;
    QLabel* pPool_ = nullptr;
    QLabel* pBZ_ = nullptr;
    QLabel* pPZ_ = nullptr;
    QLabel* pBZ2_ = nullptr;
    NumberBoard* board_ = nullptr;
    StatisticsBoard* statistics_ = nullptr;
};

}  // namespace kombora::gui
