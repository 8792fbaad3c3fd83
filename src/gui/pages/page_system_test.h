#pragma once

#include "pages/page.h"

class QLabel;

namespace kombora::gui {

// Page 5, "System test": the evaluation of the selected system against every draw.
class PageSystemTest : public Page {
    Q_OBJECT
  public:
    PageSystemTest(AppContext& context, const Services& services, QWidget* parent = nullptr);

    // "Calculations:" — the number of evaluation steps of the selected system.
    QLabel* LKombiAnz() const { return lKombiAnz_; }
    // The description of the system under test.
    QLabel* LBeschreibung2() const { return lBeschreibung2_; }

  private:
    QLabel* lKombiAnz_ = nullptr;
    QLabel* lBeschreibung2_ = nullptr;
};

}  // namespace kombora::gui
