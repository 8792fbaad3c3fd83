// The page "Choice of numbers" and the page "Lines of numbers": the number board and its
// counters, random choice, clearing, forming the rows into g1 and the statistics board.
#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QTabWidget>
#include <QTest>

#include "app/context.h"
#include "catalogue/builtin_table.h"
#include "main_window.h"
#include "pages/page_numbers.h"
#include "pages/page_rows.h"
#include "selection/system_choice.h"
#include "support/temp_dir.h"
#include "testing/fake_services.h"
#include "widgets/number_board.h"
#include "widgets/string_grid.h"

using namespace kombora;
using namespace kombora::gui;

namespace {

struct Fixture {
    Fixture() {
        InitializeContext(context, MakeAppFolders(dir.path(), dir.path() / "data"));
        context.Language = 1;
        window.show();
        if (!QTest::qWaitForWindowExposed(&window)) qFatal("window not shown");
    }

    template <typename T = QWidget>
    T* Find(const QString& name) {
        T* widget = window.findChild<T*>(name);
        if (widget == nullptr) qFatal("control %s missing", qPrintable(name));
        return widget;
    }
    BoardButton* Lot(int n) { return Find<BoardButton>("lot" + QString::number(n)); }
    CountCell* Count(int n) { return Find<CountCell>("PNummerWert" + QString::number(n)); }
    QString Text(const char* name) { return Find<QLabel>(QString::fromLatin1(name))->text(); }
    void Click(const char* name) {
        QTest::mouseClick(Find<QPushButton>(QString::fromLatin1(name)), Qt::LeftButton);
    }
    void ClickNumbers(std::initializer_list<int> numbers) {
        for (int n : numbers) QTest::mouseClick(Lot(n), Qt::LeftButton);
    }
    QString LastKey() const {
        return fake.messages.shown.isEmpty() ? QString() : fake.messages.shown.last().key;
    }

    int32_t FullSystem(int rg, int wz) const {
        for (int32_t i = 0; i < context.catalogue.BaseSystemCount(); ++i) {
            const TSysteme& e = context.catalogue[i];
            if (e.GA == e.RG && e.RG == rg && e.WZ == wz) return i;
        }
        qFatal("no full system");
    }
    int32_t BuiltinWithPool(int rg, int wz) const {
        for (int32_t i = 0; i < kBuiltinCount; ++i) {
            const TSysteme& e = context.catalogue[i];
            if (e.RG == rg && e.WZ == wz) return i;
        }
        qFatal("no built-in system");
    }

    // Chooses a system for a tip-row size as the selection page does.
    void Choose(int32_t index, int tipSize) {
        context.rows.TipSize = tipSize;
        context.SelectedSystem = index;
        const SystemPreparation p = GewaehltesSystem(context, index);
        QVERIFY(p.ok);
        window.state().SetSelectedSystem(
            index, QString::fromStdString(p.description), QString::fromStdString(p.poolText),
            p.bankText ? QString::fromStdString(*p.bankText) : QString());
    }

    kombora::testing::TempDir dir;
    AppContext context;
    gui::testing::FakeServices fake;
    TFMain window{context, fake.services()};
};

}  // namespace

class TestBoard : public QObject {
    Q_OBJECT

  private slots:
    void boardsAreBuiltByName() {
        Fixture f;
        for (const char* prefix :
             {"lot", "PNummer", "PNummerWert", "PNummerEin", "PNummerWertEin"}) {
            for (int n : {1, 59, 100})
                f.Find<QWidget>(QString::fromLatin1(prefix) + QString::number(n));
        }
        // lot12 is in row 2, column 2.
        QCOMPARE(f.Lot(12)->geometry(), QRect(38, 26 + 20 + 5, 32, 26));
        QCOMPARE(f.Lot(12)->text(), QStringLiteral("12"));
        QCOMPARE(f.Find<QWidget>("PZahlen")->width(), 346);
        QCOMPARE(f.Find<QWidget>("p1")->width(), 318);
        QCOMPARE(f.Find<QWidget>("P30")->width(), 340);
        QCOMPARE(f.Find<QWidget>("p1")->height(), 10 * 37 + 20 - 5);
        QCOMPARE(f.Find<QWidget>("PNummerWert12")->geometry(), QRect(35, 36 + 18 + 20, 30, 18));
        QCOMPARE(f.Find<QWidget>("PNummerWertEin12")->geometry(), QRect(35, 36 + 18 + 20, 32, 18));
        QCOMPARE(f.Count(7)->text(), QStringLiteral("0"));
        QCOMPARE(f.Find<StatisticsBoard>("p1")->Heading()->text(),
                 QStringLiteral("Statistics for the typed numbers"));
        QCOMPARE(f.Find<StatisticsBoard>("P30")->Heading()->text(),
                 QStringLiteral("Statistics for the numbers to be played"));
    }

    void largestNumberShowsExactlyItsCells() {
        Fixture f;
        f.Choose(f.FullSystem(6, 7), 6);
        f.ClickNumbers({45});
        f.window.updown1()->setValue(40);
        for (const char* prefix :
             {"lot", "PNummer", "PNummerWert", "PNummerEin", "PNummerWertEin"}) {
            const QString p = QString::fromLatin1(prefix);
            QVERIFY(!f.Find<QWidget>(p + "40")->isHidden());
            QVERIFY(f.Find<QWidget>(p + "41")->isHidden());
            QVERIFY(f.Find<QWidget>(p + "100")->isHidden());
        }
        QVERIFY(f.context.rows.ChangingSet.Contains(45));
        f.window.updown1()->setValue(59);
        QVERIFY(!f.Lot(59)->isHidden());
        QVERIFY(f.Lot(60)->isHidden());
    }

    // Chosen numbers above a lowered largest number stay chosen but hidden: the counters say
    // how many, and "Form tips" and random choice refuse, naming them, until the largest
    // number is raised again.
    void hiddenChoiceIsCountedAndRefused() {
        Fixture f;
        f.Choose(f.FullSystem(6, 7), 7);
        f.ClickNumbers({45, 3, 8, 14, 22, 31, 40, 1});
        f.window.PC1()->setCurrentIndex(1);
        f.window.updown1()->setValue(35);
        QCOMPARE(f.Text("PPZ"), QStringLiteral("7 (2 hidden)"));
        QCOMPARE(f.Text("PBZ2"), QStringLiteral("1"));
        f.Click("BRBilden");
        QCOMPARE(f.LastKey(), QStringLiteral("board.numbers_above_largest"));
        QVERIFY(f.fake.messages.LastText().contains(QStringLiteral("40, 45")));
        QCOMPARE(f.window.PC1()->currentIndex(), 1);
        QCOMPARE(f.Find<StringGrid>("g1")->Cell(1, 1), QString());
        f.Click("BZufall");
        QCOMPARE(f.fake.messages.shown.size(), 2);
        QCOMPARE(f.LastKey(), QStringLiteral("board.numbers_above_largest"));
        QVERIFY(f.context.rows.ChangingSet.Contains(45));
        f.window.updown1()->setValue(59);
        QCOMPARE(f.Text("PPZ"), QStringLiteral("7"));
        f.Click("BRBilden");
        QCOMPARE(f.fake.messages.shown.size(), 2);
        QCOMPARE(f.window.PC1()->currentIndex(), 2);
    }

    void clickWithoutSystemShowsTheGoBackMessage() {
        Fixture f;
        f.ClickNumbers({5});
        QCOMPARE(f.fake.messages.LastText(),
                 QStringLiteral("Please go back and select a system first."));
        QCOMPARE(f.Lot(5)->look(), BoardLook::Normal);
        QCOMPARE(f.Text("PPZ"), QStringLiteral("0"));
    }

    void clicksShowLooksAndCounters() {
        Fixture f;
        f.Choose(f.FullSystem(6, 7), 8);  // 7 changing numbers, 2 bank numbers
        QCOMPARE(f.Text("PPool"), QStringLiteral("7"));
        QCOMPARE(f.Text("PBZ"), QStringLiteral("2"));
        f.ClickNumbers({3, 8, 14, 22, 31, 40, 45, 1, 2});
        QCOMPARE(f.Lot(3)->look(), BoardLook::Changing);
        QCOMPARE(f.Lot(1)->look(), BoardLook::Bank);
        QCOMPARE(f.Lot(4)->look(), BoardLook::Normal);
        QCOMPARE(f.Text("PPZ"), QStringLiteral("7"));
        QCOMPARE(f.Text("PBZ2"), QStringLiteral("2"));
        f.ClickNumbers({50});
        QCOMPARE(f.LastKey(), QStringLiteral("board.bank_numbers_complete"));
        QCOMPARE(f.fake.messages.LastText(),
                 QStringLiteral("You have already selected 2 bank numbers."));
        QCOMPARE(f.Lot(50)->look(), BoardLook::Normal);
        // Taking back a changing number, then the bank number 1: it goes back to normal.
        f.ClickNumbers({8, 1});
        QCOMPARE(f.Lot(8)->look(), BoardLook::Normal);
        QCOMPARE(f.Lot(1)->look(), BoardLook::Normal);
        QCOMPARE(f.Text("PPZ"), QStringLiteral("6"));
        QCOMPARE(f.Text("PBZ2"), QStringLiteral("1"));
    }

    void randomChoiceFillsTheBoard() {
        Fixture f;
        f.Choose(f.BuiltinWithPool(4, 12), 6);  // 12 changing numbers, 2 bank numbers
        f.Click("BZufall");
        QCOMPARE(f.Text("PPZ"), QStringLiteral("12"));
        QCOMPARE(f.Text("PBZ2"), QStringLiteral("2"));
        int changing = 0;
        int bank = 0;
        for (int n = 1; n <= 100; ++n) {
            changing += f.Lot(n)->look() == BoardLook::Changing;
            bank += f.Lot(n)->look() == BoardLook::Bank;
            if (n > 59) QCOMPARE(f.Lot(n)->look(), BoardLook::Normal);
        }
        QCOMPARE(changing, 12);
        QCOMPARE(bank, 2);
        QVERIFY(f.fake.messages.shown.isEmpty());
        // The same seed draws the same numbers.
        const NumberSet first = f.context.rows.ChangingSet;
        f.Click("BZufall");
        QCOMPARE(f.context.rows.ChangingSet, first);
    }

    void randomChoiceRefusals() {
        Fixture f;
        f.Click("BZufall");
        QCOMPARE(f.LastKey(), QStringLiteral("board.random_no_system"));
        QCOMPARE(f.fake.messages.shown.last().kind, MessageKind::Confirmation);
        f.window.updown1()->setValue(32);
        f.Choose(f.FullSystem(2, 77), 4);  // 77 numbers and 2 bank numbers, more than 32
        f.Click("BZufall");
        QCOMPARE(f.LastKey(), QStringLiteral("board.random_too_many_numbers"));
        QVERIFY(f.fake.messages.LastText().contains(QStringLiteral("79")));
        QCOMPARE(f.Text("PPZ"), QStringLiteral("0"));
    }

    void formTipsFillsTheGridAndTheStatistics() {
        Fixture f;
        f.Choose(f.FullSystem(6, 7), 7);
        f.ClickNumbers({45, 3, 8, 14, 22, 31, 40, 1});
        f.window.PC1()->setCurrentIndex(1);
        f.Click("BRBilden");
        QVERIFY(f.fake.messages.shown.isEmpty());
        QCOMPARE(f.window.PC1()->currentIndex(), 2);
        StringGrid* g1 = f.Find<StringGrid>("g1");
        QCOMPARE(g1->RowCount(), 8);
        QCOMPARE(g1->Cell(0, 1), QStringLiteral("1"));
        const QStringList first{"1", "3", "8", "14", "22", "31", "40"};
        for (int k = 1; k <= 7; ++k) QCOMPARE(g1->Cell(k, 1), first[k - 1]);
        QCOMPARE(g1->Cell(7, 7), QStringLiteral("45"));
        QCOMPARE(g1->Cell(8, 1), QString());
        QCOMPARE(g1->CellFill(1, 3), QColor(179, 255, 179));  // the bank number 1
        QCOMPARE(g1->CellFill(2, 3), QColor(Qt::white));
        QCOMPARE(f.Find<QGroupBox>("GroupG1")->title(), QStringLiteral("7 series of bets"));
        QCOMPARE(f.Count(1)->text(), QStringLiteral("7"));
        QCOMPARE(f.Count(1)->fill(), QColor(0, 255, 0));
        QCOMPARE(f.Count(45)->text(), QStringLiteral("6"));
        QCOMPARE(f.Count(45)->fill(), QColor(255, 255, 0));
        QCOMPARE(f.Count(2)->text(), QStringLiteral("0"));
        QVERIFY(!f.Count(2)->fill().isValid());
        QVERIFY(!f.Text("LKombiAnz").isEmpty());
        QCOMPARE(f.Text("LBeschreibung2"), f.Text("LBeschreibung"));

        // A smaller tip-row size afterwards leaves column 7 empty.
        f.Choose(f.FullSystem(6, 7), 6);
        f.ClickNumbers({45, 3, 8, 14, 22, 31, 40});
        f.Click("BRBilden");
        QCOMPARE(g1->Cell(7, 1), QString());
        QCOMPARE(g1->Cell(6, 7), QStringLiteral("45"));
        QCOMPARE(f.Count(1)->text(), QStringLiteral("0"));
    }

    // Clearing the board and choosing another system put every statistics cell back to "0" on
    // the button face, also the ones forming had coloured.
    void clearingResetsEveryStatisticsCell() {
        Fixture f;
        const QColor face = QApplication::palette().color(QPalette::Button);
        const auto shownFill = [](CountCell* cell) {
            return cell->grab().toImage().pixelColor(3, 3);
        };
        const auto expectAllReset = [&] {
            for (int n = 1; n <= 100; ++n) {
                QCOMPARE(f.Count(n)->text(), QStringLiteral("0"));
                QVERIFY(!f.Count(n)->fill().isValid());
            }
            for (int n : {1, 45, 2}) QCOMPARE(shownFill(f.Count(n)), face);
        };
        f.Choose(f.FullSystem(6, 7), 7);
        f.ClickNumbers({45, 3, 8, 14, 22, 31, 40, 1});
        f.Click("BRBilden");
        QCOMPARE(shownFill(f.Count(45)), QColor(255, 255, 0));
        f.window.PC1()->setCurrentIndex(1);
        f.Click("BLoeschen");
        expectAllReset();

        f.ClickNumbers({45, 3, 8, 14, 22, 31, 40, 1});
        f.Click("BRBilden");
        QCOMPARE(shownFill(f.Count(1)), QColor(0, 255, 0));
        f.Choose(f.FullSystem(5, 6), 6);
        expectAllReset();
    }

    void formTipsEntryCheckChangesNothing() {
        Fixture f;
        f.Choose(f.FullSystem(6, 7), 7);
        f.ClickNumbers({45, 3, 8, 14, 22, 31, 40, 1});
        f.Click("BRBilden");
        StringGrid* g1 = f.Find<StringGrid>("g1");
        f.window.PC1()->setCurrentIndex(1);
        f.context.Language = 0;
        f.Choose(f.FullSystem(6, 7), 8);
        f.ClickNumbers({45, 3, 8, 14, 22, 31, 40, 1});
        f.Click("BRBilden");
        QCOMPARE(f.fake.messages.LastText(),
                 QStringLiteral("Bitte wählen Sie 7 Tippahlen und 2 Bankzahlen.\r\rIch breche "
                                "erst einmal ab."));
        QCOMPARE(f.window.PC1()->currentIndex(), 1);
        QCOMPARE(g1->Cell(1, 1), QStringLiteral("1"));
        QCOMPARE(g1->RowCount(), 8);
    }

    void showDistributionCountsWithoutTheGrid() {
        Fixture f;
        f.Choose(f.FullSystem(6, 7), 6);
        f.ClickNumbers({45, 3, 8, 14, 22, 31, 40});
        f.window.PC1()->setCurrentIndex(1);
        f.Click("BStatBilden");
        QCOMPARE(f.window.PC1()->currentIndex(), 1);
        QCOMPARE(f.Count(45)->text(), QStringLiteral("6"));
        QCOMPARE(f.Find<StringGrid>("g1")->Cell(1, 1), QString());
        QCOMPARE(f.Find<QGroupBox>("GroupG1")->title(), QStringLiteral("Number of series"));
        // Clearing the board resets the statistics.
        f.Click("BLoeschen");
        QCOMPARE(f.Count(45)->text(), QStringLiteral("0"));
        QVERIFY(!f.Count(45)->fill().isValid());
        QCOMPARE(f.Lot(45)->look(), BoardLook::Normal);
        QCOMPARE(f.Text("PPZ"), QStringLiteral("0"));
    }

    void formTipsWithoutSystem() {
        Fixture f;
        f.Click("BRBilden");
        QCOMPARE(f.LastKey(), QStringLiteral("forming.no_system"));
        QCOMPARE(f.fake.messages.shown.last().kind, MessageKind::Information);
        f.Click("bsSkinSpeedButton7");
        QCOMPARE(f.LastKey(), QStringLiteral("forming.no_system_lines_page"));
        QCOMPARE(f.fake.messages.shown.last().kind, MessageKind::Confirmation);
        f.Click("BStatBilden");
        QCOMPARE(f.fake.messages.shown.size(), 3);
    }

    // An own system with rows longer than ten numbers gets the grid columns it needs; a
    // damaged rows file is refused, naming the file and the line, and the grid stays.
    void ownSystemRowsInTheGrid() {
        Fixture f;
        const auto folder = f.context.folders.ownSystemsFolder;
        f.dir.Write(folder / "ESY1.csv", "1,2,3,4,5,6,7,8,9,10,11\r\n2,3,4,5,6,7,8,9,10,11,12\r\n");
        f.dir.Write(folder / "ESY2.csv", "1,2,3\r\n2,3,x\r\n");
        f.context.OwnSystemList = {TEigSysteme{11, 12, 0, 2, 0.0, "ESY1.csv"},
                                   TEigSysteme{3, 4, 2, 2, 0.0, "ESY2.csv"}};
        RebuildCatalogue(f.context);
        const int32_t longRows = *f.context.catalogue.CatalogueIndexOfOwn(0);
        f.Choose(longRows, 11);
        f.ClickNumbers({5, 10, 15, 20, 25, 30, 35, 40, 45, 50, 55, 59});
        f.Click("BRBilden");
        QVERIFY2(f.fake.messages.shown.isEmpty(), qPrintable(f.fake.messages.LastText()));
        StringGrid* g1 = f.Find<StringGrid>("g1");
        QCOMPARE(g1->ColCount(), 12);
        QCOMPARE(g1->Cell(11, 0), QStringLiteral("  Z. 11"));
        QCOMPARE(g1->Cell(11, 1), QStringLiteral("55"));
        QCOMPARE(g1->Cell(11, 2), QStringLiteral("59"));

        f.Choose(*f.context.catalogue.CatalogueIndexOfOwn(1), 3);
        f.ClickNumbers({1, 2, 3, 4});
        f.window.PC1()->setCurrentIndex(1);
        f.Click("BRBilden");
        QCOMPARE(f.LastKey(), QStringLiteral("own_systems.rows_file_not_a_number"));
        QVERIFY(f.fake.messages.LastText().contains(QStringLiteral("ESY2.csv")));
        QVERIFY(f.fake.messages.LastText().contains(QStringLiteral("line 2")));
        QCOMPARE(f.window.PC1()->currentIndex(), 1);
        QCOMPARE(g1->Cell(11, 1), QStringLiteral("55"));
    }

    void formTipsOnTheLinesPageStays() {
        Fixture f;
        f.Choose(f.FullSystem(2, 4), 2);
        f.ClickNumbers({9, 7, 5, 3});
        f.window.PC1()->setCurrentIndex(2);
        f.Click("bsSkinSpeedButton7");
        QCOMPARE(f.window.PC1()->currentIndex(), 2);
        QCOMPARE(f.Find<StringGrid>("g1")->RowCount(), 7);
        // Two numbers a row are not sorted: the combinations in their order.
        QCOMPARE(f.Find<StringGrid>("g1")->Cell(2, 1), QStringLiteral("5"));
    }
};

QTEST_MAIN(TestBoard)
#include "test_board.moc"
