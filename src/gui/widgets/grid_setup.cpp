#include "widgets/grid_setup.h"

#include "app/messages.h"
#include "rows/grid_colours.h"

namespace kombora::gui {
namespace {

QColor ToQColor(Rgb c) {
    return QColor(c.r, c.g, c.b);
}

void SetUp(StringGrid* grid, const char* name, int columns, int rows, int width, int height) {
    grid->setObjectName(QString::fromLatin1(name));
    grid->SetColCount(columns);
    grid->SetRowCount(rows);
    grid->SetDefaultColWidth(width);
    grid->SetDefaultRowHeight(height);
}

}  // namespace

void G1Fuellen(StringGrid* g1) {
    SetUp(g1, "g1", 11, 31, 40, 16);
    g1->SetCell(0, 0, QStringLiteral("Reihe"));
    for (int i = 1; i <= 10; ++i) g1->SetCell(i, 0, QStringLiteral("  Z. ") + QString::number(i));
}

void G2Fuellen(StringGrid* g2, int32_t language) {
    SetUp(g2, "g2", 12, 19, 44, 17);
    g2->SetColWidth(0, 62);
    g2->SetColWidth(1, 90);
    for (int c = 2; c <= 5; ++c) g2->SetColWidth(c, 61);
    const auto combinations = LabelText(LabelId::TestGridCombinations, language);
    g2->SetCell(1, 0, QString::fromStdString(combinations.value_or("Combinations")));
    for (int j = 1; j <= 4; ++j) g2->SetCell(j + 1, 0, QString::number(j) + " Richtige");
    for (int j = 5; j <= 10; ++j) g2->SetCell(j + 1, 0, " " + QString::number(j) + " Ri.");
    for (int i = 2; i <= 10; ++i) {
        g2->SetCell(0, 2 * i - 3, QString::number(i) + " Treffer");
        g2->SetCell(0, 2 * i - 2, QStringLiteral("      in %"));
    }
}

void G3Fuellen(StringGrid* g3) {
    SetUp(g3, "g3", 11, 40, 26, 16);
    g3->SetColWidth(0, 40);
    g3->SetColWidth(10, 34);
    g3->SetCell(0, 0, QStringLiteral("Reihe"));
    for (int i = 1; i <= 10; ++i) g3->SetCell(i, 0, QStringLiteral("Z. ") + QString::number(i));
}

void UseRowGridDrawing(StringGrid* grid, const RowStore& rows) {
    grid->SetFillRule([&rows](const StringGrid&, int, int, const QString& text) {
        return ToQColor(RowGridCellFill(text.toStdString(), rows.BankSet));
    });
}

void UseHitGridDrawing(StringGrid* grid) {
    grid->SetFillRule([](const StringGrid& g, int column, int row, const QString& text) {
        return ToQColor(
            HitGridCellFill(row, column, text.toStdString(), g.Cell(1, row).toStdString()));
    });
}

}  // namespace kombora::gui
