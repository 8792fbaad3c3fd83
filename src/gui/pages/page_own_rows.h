#pragma once

#include "pages/page.h"

class QCheckBox;

namespace kombora::gui {

class ChoiceGroup;
class StatisticsBoard;

// Page 4, "Own rows": rows typed, pasted or loaded as text, their check, test and statistics.
class PageOwnRows : public Page {
    Q_OBJECT
  public:
    PageOwnRows(AppState& state, const Services& services, QWidget* parent = nullptr);

    // The delimiter choice: 0 "Comma", 1 "Semicolon", 2 "Spaces".
    ChoiceGroup* RGTrenner() const { return rgTrenner_; }
    // "Check rows thoroughly".
    QCheckBox* cbDetail() const { return cbDetail_; }

    // The statistics board of the own rows (cells "PNummerEin" + n, "PNummerWertEin" + n).
    StatisticsBoard* P30() const { return p30_; }

    // Shows exactly the statistics cells 1..largestNumber.
    void ShowNumbersUpTo(int largestNumber);

  private:
    ChoiceGroup* rgTrenner_ = nullptr;
    QCheckBox* cbDetail_ = nullptr;
    StatisticsBoard* p30_ = nullptr;
};

}  // namespace kombora::gui
