// The three row grids: their fixed set-up and the colours their cells are drawn with.
#include <QImage>
#include <QTest>

#include "app/context.h"
#include "widgets/grid_setup.h"
#include "widgets/string_grid.h"

using namespace kombora;
using namespace kombora::gui;

class TestGrids : public QObject {
    Q_OBJECT

  private:
    // The colour drawn in the middle of a cell's left margin, below its text.
    static QColor DrawnColour(StringGrid& grid, int column, int row) {
        grid.resize(600, 400);
        grid.show();
        QTest::qWait(1);
        const QRect rect = grid.visualRect(grid.model()->index(row - 1, column));
        const QImage image = grid.viewport()->grab().toImage();
        return image.pixelColor(rect.left() + 2, rect.bottom() - 1);
    }

  private slots:
    void g1SetUp() {
        StringGrid g1;
        G1Fuellen(&g1);
        QCOMPARE(g1.objectName(), QStringLiteral("g1"));
        QCOMPARE(g1.ColCount(), 11);
        QCOMPARE(g1.RowCount(), 31);
        QCOMPARE(g1.Cell(0, 0), QStringLiteral("Reihe"));
        QCOMPARE(g1.Cell(1, 0), QStringLiteral("  Z. 1"));
        QCOMPARE(g1.Cell(10, 0), QStringLiteral("  Z. 10"));
        QCOMPARE(g1.columnWidth(5), 40);
        QCOMPARE(g1.rowHeight(3), 16);
    }

    void g2SetUpFollowsTheLanguage_data() {
        QTest::addColumn<int>("language");
        QTest::addColumn<QString>("combinations");
        QTest::newRow("German") << 0 << "Kombinationen";
        QTest::newRow("English") << 1 << "Combinations";
    }
    void g2SetUpFollowsTheLanguage() {
        QFETCH(int, language);
        QFETCH(QString, combinations);
        StringGrid g2;
        G2Fuellen(&g2, language);
        QCOMPARE(g2.ColCount(), 12);
        QCOMPARE(g2.RowCount(), 19);
        QCOMPARE(g2.Cell(1, 0), combinations);
        QCOMPARE(g2.Cell(2, 0), QStringLiteral("1 Richtige"));
        QCOMPARE(g2.Cell(5, 0), QStringLiteral("4 Richtige"));
        QCOMPARE(g2.Cell(6, 0), QStringLiteral(" 5 Ri."));
        QCOMPARE(g2.Cell(11, 0), QStringLiteral(" 10 Ri."));
        QCOMPARE(g2.Cell(0, 1), QStringLiteral("2 Treffer"));
        QCOMPARE(g2.Cell(0, 2), QStringLiteral("      in %"));
        QCOMPARE(g2.Cell(0, 17), QStringLiteral("10 Treffer"));
        QCOMPARE(g2.Cell(0, 18), QStringLiteral("      in %"));
        QCOMPARE(g2.columnWidth(0), 62);
        QCOMPARE(g2.columnWidth(1), 90);
        QCOMPARE(g2.columnWidth(5), 61);
        QCOMPARE(g2.columnWidth(6), 44);
        QCOMPARE(g2.rowHeight(1), 17);
    }

    void g3SetUp() {
        StringGrid g3;
        G3Fuellen(&g3);
        QCOMPARE(g3.RowCount(), 40);
        QCOMPARE(g3.Cell(3, 0), QStringLiteral("Z. 3"));
        QCOMPARE(g3.columnWidth(0), 40);
        QCOMPARE(g3.columnWidth(1), 26);
        QCOMPARE(g3.columnWidth(10), 34);
    }

    // With bank number 7 chosen every cell holding 7 is light green, the others white; the
    // rule reads the bank numbers at each repaint.
    void rowGridTintsBankNumbers() {
        RowStore rows;
        StringGrid g1;
        G1Fuellen(&g1);
        UseRowGridDrawing(&g1, rows);
        g1.SetCell(1, 1, QStringLiteral("3"));
        g1.SetCell(2, 1, QStringLiteral("7"));
        g1.SetCell(1, 2, QStringLiteral("7"));
        QCOMPARE(g1.CellFill(2, 1), QColor(Qt::white));
        rows.BankSet.Add(7);
        const QColor green(179, 255, 179);
        QCOMPARE(g1.CellFill(2, 1), green);
        QCOMPARE(g1.CellFill(1, 2), green);
        QCOMPARE(g1.CellFill(1, 1), QColor(Qt::white));
        QCOMPARE(g1.CellFill(3, 1), QColor(Qt::white));  // empty
        QCOMPARE(DrawnColour(g1, 2, 1), green);
        QCOMPARE(DrawnColour(g1, 1, 1), QColor(Qt::white));
    }

    void hitGridColours_data() {
        QTest::addColumn<int>("row");
        QTest::addColumn<int>("column");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("column1");
        QTest::addColumn<QColor>("fill");
        const QColor green(0, 213, 0);
        const QColor tint(220, 243, 141);
        const QColor white(Qt::white);
        QTest::newRow("full percentage") << 2 << 3 << "100,00"
                                         << "84" << green;
        QTest::newRow("point is not full") << 2 << 3 << "100.00"
                                           << "84" << tint;
        QTest::newRow("count reaches all") << 1 << 3 << "84"
                                           << "84" << green;
        QTest::newRow("count short") << 1 << 3 << "83"
                                     << "84" << white;
        QTest::newRow("empty never green") << 1 << 4 << ""
                                           << "" << white;
        QTest::newRow("empty percentage row") << 4 << 4 << ""
                                              << "" << tint;
    }
    void hitGridColours() {
        QFETCH(int, row);
        QFETCH(int, column);
        QFETCH(QString, text);
        QFETCH(QString, column1);
        QFETCH(QColor, fill);
        StringGrid g2;
        G2Fuellen(&g2, 1);
        UseHitGridDrawing(&g2);
        g2.SetCell(1, row, column1);
        g2.SetCell(column, row, text);
        QCOMPARE(g2.CellFill(column, row), fill);
        QCOMPARE(DrawnColour(g2, column, row), fill);
    }

    void clearCellsKeepsHeadersAndRowNumbers() {
        StringGrid g1;
        G1Fuellen(&g1);
        g1.SetCell(0, 1, QStringLiteral("1"));
        g1.SetCell(4, 1, QStringLiteral("12"));
        g1.ClearCells();
        QCOMPARE(g1.Cell(4, 1), QString());
        QCOMPARE(g1.Cell(0, 1), QStringLiteral("1"));
        QCOMPARE(g1.Cell(4, 0), QStringLiteral("  Z. 4"));
    }
};

QTEST_MAIN(TestGrids)
#include "test_grids.moc"
