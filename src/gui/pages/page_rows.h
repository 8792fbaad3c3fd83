#pragma once

#include "pages/page.h"

class QCheckBox;
class QGroupBox;

namespace kombora::gui {

class StringGrid;

// Page 3, "Lines of numbers": the formed tip rows, saving and exporting them, "To the test".
class PageRows : public Page {
    Q_OBJECT
  public:
    PageRows(AppState& state, const Services& services, QWidget* parent = nullptr);

    // "with row number and column headings" for the spreadsheet export.
    QCheckBox* cbMit() const { return cbMit_; }
    // The grid of the formed rows and its group box.
    StringGrid* g1() const { return g1_; }
    QGroupBox* GroupG1() const { return groupG1_; }

  public slots:
    // "Form tips" under "If system was selected": forms the rows and stays on the page.
    void bsSkinSpeedButton7Click();
    // "Save...": the formed rows as a CSV file.
    void BCSVClick();
    // "Excel export": the formed rows as a new workbook, opened in the spreadsheet program.
    void BExcelClick();

  protected:
    void showEvent(QShowEvent* event) override;

  private slots:
    // Formed rows go into the grid with the caption of GroupG1; counted rows change nothing.
    void ShowRows(const kombora::FormingResult& result, bool withGrid);

  private:
    QCheckBox* cbMit_ = nullptr;
    StringGrid* g1_ = nullptr;
    QGroupBox* groupG1_ = nullptr;
};

}  // namespace kombora::gui
