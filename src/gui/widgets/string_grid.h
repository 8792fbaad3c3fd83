#pragma once

#include <QColor>
#include <QTableWidget>
#include <functional>

namespace kombora::gui {

// A grid of texts with one fixed header row and one fixed column, addressed as the program's
// grids are: Cell(column, row), row 0 the header row, column 0 the fixed column. The header
// row is the table's horizontal header; rows 1.. are the table's rows.
//
// Cells outside the header row and column 0 are drawn by the grid itself: filled with the
// colour of its fill rule, the text bold, centred, 2 pixels below the cell's top.
class StringGrid : public QTableWidget {
    Q_OBJECT
  public:
    explicit StringGrid(QWidget* parent = nullptr);

    // Rows and columns, the header row and the fixed column included.
    int RowCount() const { return rowCount() + 1; }
    void SetRowCount(int rows);
    int ColCount() const { return columnCount(); }
    void SetColCount(int columns);

    QString Cell(int column, int row) const;
    void SetCell(int column, int row, const QString& text);

    void SetDefaultColWidth(int width);
    void SetColWidth(int column, int width);
    void SetDefaultRowHeight(int height);

    // Empties every cell outside the header row and the fixed column.
    void ClearCells();

    // The fill colour of a drawn cell; an invalid colour fills white.
    using FillRule =
        std::function<QColor(const StringGrid& grid, int column, int row, const QString& text)>;
    void SetFillRule(FillRule rule);
    QColor CellFill(int column, int row) const;

  private:
    QTableWidgetItem* ItemAt(int column, int row, bool create);

    FillRule fillRule_;
};

}  // namespace kombora::gui
