#pragma once

#include "pages/page.h"

class QLabel;

namespace kombora::gui {

// Page 2, "Choice of numbers": the number board, random choice, the system description and
// the statistics of the typed numbers.
class PageNumbers : public Page {
    Q_OBJECT
  public:
    PageNumbers(AppContext& context, const Services& services, QWidget* parent = nullptr);

    // The description of the selected system.
    QLabel* LBeschreibung() const { return lBeschreibung_; }

    // Shows exactly the board and statistics cells 1..largestNumber.
    void ShowNumbersUpTo(int largestNumber);

  private:
    QLabel* lBeschreibung_ = nullptr;
};

}  // namespace kombora::gui
