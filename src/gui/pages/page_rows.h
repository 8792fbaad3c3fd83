#pragma once

#include "pages/page.h"

class QCheckBox;

namespace kombora::gui {

// Page 3, "Lines of numbers": the formed tip rows, saving and exporting them, "To the test".
class PageRows : public Page {
    Q_OBJECT
  public:
    PageRows(AppContext& context, const Services& services, QWidget* parent = nullptr);

    // "with row number and column headings" for the spreadsheet export.
    QCheckBox* cbMit() const { return cbMit_; }

  private:
    QCheckBox* cbMit_ = nullptr;
};

}  // namespace kombora::gui
