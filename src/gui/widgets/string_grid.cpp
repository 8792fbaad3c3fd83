#include "widgets/string_grid.h"

#include <QHeaderView>
#include <QPainter>
#include <QStyledItemDelegate>

namespace kombora::gui {
namespace {

// Draws the cells outside the fixed column: the fill of the grid's rule, bold centred text.
class CellDelegate final : public QStyledItemDelegate {
  public:
    explicit CellDelegate(StringGrid* grid) : QStyledItemDelegate(grid), grid_(grid) {}

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override {
        if (index.column() == 0) {
            QStyleOptionViewItem fixed(option);
            fixed.state &= ~QStyle::State_Selected;
            painter->fillRect(option.rect, option.palette.button());
            QStyledItemDelegate::paint(painter, fixed, index);
            return;
        }
        const int column = index.column();
        const int row = index.row() + 1;
        const QString text = index.data(Qt::DisplayRole).toString();
        painter->save();
        painter->fillRect(option.rect, grid_->CellFill(column, row));
        QFont font = option.font;
        font.setBold(true);
        painter->setFont(font);
        painter->setPen(Qt::black);
        const QRect textRect = option.rect.adjusted(0, 2, 0, 0);
        painter->setClipRect(option.rect);
        painter->drawText(textRect, Qt::AlignHCenter | Qt::AlignTop, text);
        if (option.state & QStyle::State_HasFocus) {
            painter->setPen(QPen(option.palette.highlight(), 1, Qt::DotLine));
            painter->drawRect(option.rect.adjusted(0, 0, -1, -1));
        }
        painter->restore();
    }

  private:
    StringGrid* grid_;
};

}  // namespace

StringGrid::StringGrid(QWidget* parent) : QTableWidget(parent) {
    setItemDelegate(new CellDelegate(this));
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setSelectionBehavior(QAbstractItemView::SelectItems);
    verticalHeader()->setVisible(false);
    horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    horizontalHeader()->setHighlightSections(false);
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setMinimumSectionSize(8);
    horizontalHeader()->setMinimumSectionSize(8);
    setWordWrap(false);
}

void StringGrid::SetRowCount(int rows) {
    setRowCount(std::max(rows, 1) - 1);
}

void StringGrid::SetColCount(int columns) {
    setColumnCount(std::max(columns, 1));
}

QTableWidgetItem* StringGrid::ItemAt(int column, int row, bool create) {
    if (column < 0 || column >= columnCount() || row < 0 || row > rowCount()) return nullptr;
    if (row == 0) {
        QTableWidgetItem* header = horizontalHeaderItem(column);
        if (header == nullptr && create) {
            header = new QTableWidgetItem;
            setHorizontalHeaderItem(column, header);
        }
        return header;
    }
    QTableWidgetItem* cell = item(row - 1, column);
    if (cell == nullptr && create) {
        cell = new QTableWidgetItem;
        if (column == 0) cell->setTextAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        setItem(row - 1, column, cell);
    }
    return cell;
}

QString StringGrid::Cell(int column, int row) const {
    if (column < 0 || column >= columnCount() || row < 0 || row > rowCount()) return {};
    const QTableWidgetItem* cell = row == 0 ? horizontalHeaderItem(column) : item(row - 1, column);
    return cell != nullptr ? cell->text() : QString();
}

void StringGrid::SetCell(int column, int row, const QString& text) {
    if (QTableWidgetItem* cell = ItemAt(column, row, !text.isEmpty())) cell->setText(text);
}

void StringGrid::SetDefaultColWidth(int width) {
    horizontalHeader()->setDefaultSectionSize(width);
    for (int c = 0; c < columnCount(); ++c) setColumnWidth(c, width);
}

void StringGrid::SetColWidth(int column, int width) {
    setColumnWidth(column, width);
}

void StringGrid::SetDefaultRowHeight(int height) {
    verticalHeader()->setDefaultSectionSize(height);
}

void StringGrid::ClearCells() {
    for (int r = 0; r < rowCount(); ++r) {
        for (int c = 1; c < columnCount(); ++c) {
            if (QTableWidgetItem* cell = item(r, c)) cell->setText(QString());
        }
    }
}

void StringGrid::SetFillRule(FillRule rule) {
    fillRule_ = std::move(rule);
    viewport()->update();
}

QColor StringGrid::CellFill(int column, int row) const {
    QColor fill;
    if (fillRule_) fill = fillRule_(*this, column, row, Cell(column, row));
    return fill.isValid() ? fill : QColor(Qt::white);
}

}  // namespace kombora::gui
