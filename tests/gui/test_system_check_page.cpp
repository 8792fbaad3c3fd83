// The "System test" page: the test of the selected system runs off the user-interface thread,
// fills g2 hit count by hit count, and a stop leaves the finished figures, the partial ones and
// the draw counts of the rest.
#include <QElapsedTimer>
#include <QLabel>
#include <QListWidget>
#include <QLocale>
#include <QProgressBar>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTabWidget>
#include <QTest>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <thread>
#include <vector>

#include "app/context.h"
#include "app/number_format.h"
#include "catalogue/binomial.h"
#include "catalogue/builtin_rows.h"
#include "evaluation/draws.h"
#include "main_window.h"
#include "pages/page_numbers.h"
#include "pages/page_system_check.h"
#include "rows/grid_colours.h"
#include "support/temp_dir.h"
#include "testing/fake_services.h"
#include "widgets/string_grid.h"

using namespace kombora;
using namespace kombora::gui;

namespace {

QString Count(int64_t value) {
    return QString::fromStdString(FormatCount(value, NumberLocale::German()));
}

QColor Colour(Rgb c) {
    return QColor(c.r, c.g, c.b);
}

}  // namespace

class TestSystemTestPage : public QObject {
    Q_OBJECT

  private:
    struct Fixture {
        Fixture() {
            InitializeContext(context, MakeAppFolders(dir.path(), dir.path() / "data"));
            context.Language = 1;
            window = std::make_unique<TFMain>(context, fakes.services());
            window->updown1()->setValue(49);
            context.rows.TipSize = 6;
        }
        ~Fixture() {
            // The window writes its settings into the temporary folder when it closes.
            window.reset();
        }

        PageSystemTest* page() const { return window->pageSystemTest(); }
        StringGrid* g2() const { return page()->g2(); }
        QString Cell(int column, int row) const { return g2()->Cell(column, row); }
        void ClickTest() const { QTest::mouseClick(page()->BTesten(), Qt::LeftButton); }
        bool WaitForEnd(int timeout = 20000) const {
            QElapsedTimer clock;
            clock.start();
            while (page()->IsTestRunning() && clock.elapsed() < timeout) {
                QTest::qWait(5);
            }
            return !page()->IsTestRunning();
        }

        int32_t CatalogueIndex(int rg, int wz, int ga, int32_t from = 0) const {
            for (int32_t i = from; i < context.catalogue.size(); ++i) {
                const TSysteme& e = context.catalogue[i];
                if (e.RG == rg && e.WZ == wz && e.GA == ga) return i;
            }
            return -1;
        }

        // Stores rows as own system `fn` and returns its catalogue index.
        int32_t AddOwnSystem(int rg, int wz, int ga, const std::vector<std::vector<int>>& rows,
                             const std::string& fn) {
            std::string text;
            for (const auto& row : rows) {
                for (std::size_t i = 0; i < row.size(); ++i) {
                    text += (i ? "," : "") + std::to_string(row[i]);
                }
                text += "\r\n";
            }
            const auto file = context.folders.ownSystemsFolder / fn;
            std::filesystem::create_directories(file.parent_path());
            std::ofstream(file, std::ios::binary) << text;
            TEigSysteme record;
            record.RG = static_cast<uint8_t>(rg);
            record.WZ = static_cast<uint8_t>(wz);
            record.GA = static_cast<uint8_t>(ga);
            record.TR = static_cast<uint16_t>(rows.size());
            record.fn = fn;
            context.OwnSystemList.push_back(record);
            RebuildCatalogue(context);
            const auto index = context.catalogue.CatalogueIndexOfOwn(
                static_cast<int32_t>(context.OwnSystemList.size()) - 1);
            return index ? *index : -1;
        }

        // An own system whose test takes far longer than any test waits: 8 of 60 numbers.
        int32_t AddLongSystem() {
            std::vector<std::vector<int>> rows;
            for (int start = 1; start + 7 <= 60; start += 8) {
                std::vector<int> row;
                for (int n = start; n < start + 8; ++n) row.push_back(n);
                rows.push_back(row);
            }
            rows.push_back({53, 54, 55, 56, 57, 58, 59, 60});
            window->updown1()->setValue(100);  // every hit count from 2 counts
            context.rows.TipSize = 8;
            return AddOwnSystem(8, 60, 3, rows, "ESY1.csv");
        }

        kombora::testing::TempDir dir;
        AppContext context;
        gui::testing::FakeServices fakes;
        std::unique_ptr<TFMain> window;
    };

  private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany)); }

    // Built-in system 3 of 7 with 7 rows (the lines of the Fano plane): every pair lies in a
    // row, and 7 of the 35 triples are rows.
    void builtinSystemTable() {
        Fixture f;
        const int32_t index = f.CatalogueIndex(3, 7, 2);
        QVERIFY(index >= 0 && index < 519);
        if (BuiltinRowCount(index) != 7) QSKIP("the design data of this system is not built in");
        f.context.SelectedSystem = index;
        QSignalSpy shown(f.page(), &PageSystemTest::hitCountShown);
        f.ClickTest();
        QVERIFY(f.WaitForEnd());

        struct Expected {
            int column;
            int row;
            const char* text;
        };
        const Expected cells[] = {
            {1, 1, "21"},     {2, 1, "---"}, {3, 1, "21"},    {4, 1, ""},      {2, 2, "---"},
            {3, 2, "100,00"}, {1, 3, "35"},  {2, 3, "---"},   {3, 3, "28"},    {4, 3, "7"},
            {5, 3, ""},       {1, 4, ""},    {3, 4, "80,00"}, {4, 4, "20,00"}, {1, 5, ""},
        };
        for (const Expected& e : cells) {
            QCOMPARE(f.Cell(e.column, e.row), QString::fromLatin1(e.text));
        }
        QCOMPARE(shown.count(), 2);
        QCOMPARE(f.page()->LKombiAnz()->text(), QStringLiteral("392"));  // 7 x (21 + 35)
        QCOMPARE(f.page()->GaugeMaximum(), 56);
        QCOMPARE(f.page()->GaugePosition(), 56);
        QVERIFY(f.page()->LAbbruch()->isHidden());
        QCOMPARE(f.page()->BTesten()->text(), QStringLiteral("Start the test"));
        QVERIFY(!f.context.TestRunning);
        QVERIFY(!f.context.TestStopRequested);

        // All combinations reached: green; the percentage rows tinted, the count rows white.
        QCOMPARE(f.g2()->CellFill(3, 1), Colour(kHitGreen));
        QCOMPARE(f.g2()->CellFill(3, 2), Colour(kHitGreen));
        QCOMPARE(f.g2()->CellFill(3, 3), Colour(kWhite));
        QCOMPARE(f.g2()->CellFill(3, 4), Colour(kPercentRowTint));
    }

    // A full system is never enumerated: its table follows from the draw counts.
    void fullSystemThreeOfSeven() {
        Fixture f;
        const int32_t index =
            f.CatalogueIndex(3, 7, 3, f.context.catalogue.BaseSystemCount() > 0 ? 519 : 0);
        QVERIFY(index >= 519);
        QCOMPARE(int(f.context.catalogue[index].TR), 35);
        f.context.SelectedSystem = index;
        f.ClickTest();
        QVERIFY(f.WaitForEnd());

        const QString rows[][5] = {
            {"21", "---", "21", "", ""},
            {"", "---", "100,00", "", ""},
            {"35", "---", "---", "35", ""},
            {"", "---", "---", "100,00", ""},
        };
        for (int row = 1; row <= 4; ++row) {
            for (int column = 1; column <= 5; ++column) {
                QCOMPARE(f.Cell(column, row), rows[row - 1][column - 1]);
            }
        }
        QCOMPARE(f.Cell(1, 5), QString());
        QCOMPARE(f.page()->LKombiAnz()->text(), QStringLiteral("1.960"));  // 35 x (21 + 35)
        QCOMPARE(f.page()->GaugePosition(), f.page()->GaugeMaximum());
        QCOMPARE(f.page()->GaugeMaximum(), 56);
        QCOMPARE(f.g2()->CellFill(4, 3), Colour(kHitGreen));
        QCOMPARE(f.g2()->CellFill(4, 4), Colour(kHitGreen));
    }

    // With largest number 49 and six numbers per tip, a pool of 45 starts at hit count 2 and
    // a pool of 46 at 3: its rows for 2 hits stay empty, and the counts leave them out.
    void firstHitCount_data() {
        QTest::addColumn<int>("wz");
        QTest::addColumn<int>("first");
        QTest::newRow("45 numbers") << 45 << 2;
        QTest::newRow("46 numbers") << 46 << 3;
    }
    void firstHitCount() {
        QFETCH(int, wz);
        QFETCH(int, first);
        Fixture f;
        std::vector<std::vector<int>> rows;
        for (int n = 1; n + 2 <= wz; n += 3) rows.push_back({n, n + 1, n + 2});
        if (wz % 3 != 0) rows.push_back({wz - 2, wz - 1, wz});
        const int32_t index = f.AddOwnSystem(3, wz, 2, rows, "ESY7.csv");
        QVERIFY(index >= 0);
        f.window->state().SetSelectedSystem(index, QStringLiteral("own rows"), QString(),
                                            QString());
        f.window->PC1()->setCurrentIndex(2);
        auto* toTest = f.window->findChild<QPushButton*>(QStringLiteral("BZumSystest"));
        QVERIFY(toTest != nullptr);
        toTest->click();  // "To the test" on the page "Lines of numbers"
        QVERIFY(f.WaitForEnd());

        QCOMPARE(f.window->PC1()->currentWidget(), f.page());
        const int64_t draws = DrawTotal(wz, 3, first);
        QCOMPARE(f.page()->GaugeMaximum(), draws);
        QCOMPARE(f.page()->LKombiAnz()->text(),
                 Count(CalculationCount(int64_t(rows.size()), wz, 3, first)));
        QCOMPARE(f.Cell(1, 1), first == 2 ? Count(Binomial(wz, 2)) : QString());
        QCOMPARE(f.Cell(2, 1).isEmpty(), first > 2);
        QCOMPARE(f.Cell(1, 3), Count(Binomial(wz, 3)));
        QVERIFY(!f.Cell(2, 3).isEmpty());
        QCOMPARE(f.page()->LBeschreibung2()->text(), QStringLiteral("own rows"));
    }

    // "Stop test" ends the run: the hit counts finished keep their figures, later ones show
    // their draw count and "---", the gauge stays, and the test can start again.
    void stopDuringRun() {
        Fixture f;
        const int32_t index = f.AddLongSystem();
        QVERIFY(index >= 0);
        f.context.SelectedSystem = index;
        QSignalSpy shown(f.page(), &PageSystemTest::hitCountShown);
        QSignalSpy running(&f.window->state(), &AppState::testRunningChanged);
        auto* l1 = f.window->findChild<QListWidget*>(QStringLiteral("l1"));
        QVERIFY(l1 != nullptr && l1->isEnabled());

        f.ClickTest();
        QVERIFY(f.context.TestRunning);
        QCOMPARE(f.page()->BTesten()->text(), QStringLiteral("Stop test"));
        QVERIFY(!l1->isEnabled());  // choosing another system waits for the test
        QTRY_VERIFY_WITH_TIMEOUT(shown.count() >= 3, 20000);  // hit counts 2, 3 and 4
        QVERIFY(f.page()->IsTestRunning());

        f.ClickTest();
        QVERIFY(f.page()->LAbbruch()->isVisible() || !f.page()->LAbbruch()->isHidden());
        QVERIFY(f.WaitForEnd(2000));
        QVERIFY(f.context.TestStopRequested);
        QVERIFY(!f.context.TestRunning);
        QVERIFY(!f.page()->LAbbruch()->isHidden());
        QCOMPARE(f.page()->BTesten()->text(), QStringLiteral("Start the test"));
        QVERIFY(l1->isEnabled());
        QCOMPARE(running.count(), 2);
        const int64_t position = f.page()->GaugePosition();
        QVERIFY(position > 0);
        QVERIFY(position < f.page()->GaugeMaximum());

        for (int k = 2; k <= 4; ++k) {
            int64_t counted = 0;
            for (int m = 1; m <= k; ++m) {
                QString text = f.Cell(m + 1, 2 * k - 3);
                if (text != QStringLiteral("---")) counted += text.remove('.').toLongLong();
            }
            QCOMPARE(counted, Binomial(60, k));  // finished: every draw counted
        }
        QCOMPARE(f.Cell(1, 13), Count(Binomial(60, 8)));  // never reached: draw count, "---"
        for (int column = 2; column <= 9; ++column) {
            QCOMPARE(f.Cell(column, 13), QStringLiteral("---"));
            QCOMPARE(f.Cell(column, 14), QStringLiteral("---"));
        }
        QCOMPARE(f.Cell(10, 13), QString());
        QTest::qWait(100);
        QCOMPARE(f.page()->GaugePosition(), position);  // nothing moves after the end

        // Start again: a fresh table and a running test, which closing the window stops.
        f.ClickTest();
        QVERIFY(f.context.TestRunning);
        QVERIFY(f.page()->LAbbruch()->isHidden());
        QCOMPARE(f.Cell(1, 13), QString());
        QVERIFY(!f.context.TestStopRequested);
        f.window->close();
        QVERIFY(!f.context.TestRunning);
        QVERIFY(!f.page()->IsTestRunning());
        QVERIFY(f.context.TestStopRequested);
        QCOMPARE(f.page()->BTesten()->text(), QStringLiteral("Start the test"));
    }

    // A hit count shows its number of draws in column 1 as soon as it is being counted, so a
    // long one shows its total while it runs.
    void drawCountShownWhenAHitCountStarts() {
        Fixture f;
        QVERIFY(f.page()->StartEvaluation(
            1, 1, [](std::stop_token stop, const EvaluationCallbacks& callbacks) {
                callbacks.hitCountStarted(5, 1906884);
                while (!stop.stop_requested())
                    std::this_thread::sleep_for(std::chrono::milliseconds(1));
                EvaluationResult result;
                result.stopped = true;
                return result;
            }));
        QTRY_COMPARE_WITH_TIMEOUT(f.Cell(1, 7), QStringLiteral("1.906.884"), 5000);
        QVERIFY(f.page()->IsTestRunning());
        QCOMPARE(f.Cell(2, 7), QString());
        f.page()->StopTest();
    }

    // An own system whose rows file has gone: the message names the file, the table stays
    // empty, nothing is evaluated and the button is back to "Start the test".
    void missingRowsFile() {
        Fixture f;
        const int32_t index =
            f.AddOwnSystem(3, 9, 2, {{1, 2, 3}, {4, 5, 6}, {7, 8, 9}}, "ESY4.csv");
        QVERIFY(index >= 0);
        f.context.SelectedSystem = index;
        std::filesystem::remove(f.context.folders.ownSystemsFolder / "ESY4.csv");
        QSignalSpy finished(f.page(), &PageSystemTest::testFinished);

        f.ClickTest();
        QCOMPARE(f.fakes.messages.shown.size(), 1);
        QCOMPARE(f.fakes.messages.shown[0].key, QStringLiteral("test.rows_file_not_found"));
        QVERIFY(f.fakes.messages.LastText().contains(QStringLiteral("ESY4.csv")));
        QVERIFY(!f.page()->IsTestRunning());
        QVERIFY(!f.context.TestRunning);
        QCOMPARE(f.page()->BTesten()->text(), QStringLiteral("Start the test"));
        QCOMPARE(f.page()->LKombiAnz()->text(), Count(CalculationCount(3, 9, 3, 2)));
        QCOMPARE(f.page()->GaugeMaximum(), DrawTotal(9, 3, 2));
        QCOMPARE(f.page()->GaugePosition(), 0);
        QVERIFY(f.page()->LAbbruch()->isHidden());
        for (int row = 1; row <= 18; ++row) {
            for (int column = 1; column <= 11; ++column) QCOMPARE(f.Cell(column, row), QString());
        }
        QCOMPARE(finished.count(), 1);
        QCOMPARE(finished[0][0].toBool(), false);
    }

    // Without a selected system both commands only say so.
    void noSystemSelected_data() {
        QTest::addColumn<bool>("toTheTest");
        QTest::addColumn<QString>("key");
        QTest::newRow("To the test") << true << QStringLiteral("test.no_system_to_the_test");
        QTest::newRow("Start the test") << false << QStringLiteral("test.no_system");
    }
    void noSystemSelected() {
        QFETCH(bool, toTheTest);
        QFETCH(QString, key);
        Fixture f;
        f.window->PC1()->setCurrentIndex(2);
        const QString count = f.page()->LKombiAnz()->text();
        if (toTheTest) {
            f.page()->BZumSystestClick();
        } else {
            f.ClickTest();
        }
        QCOMPARE(f.fakes.messages.shown.size(), 1);
        QCOMPARE(f.fakes.messages.shown[0].key, key);
        QCOMPARE(f.window->PC1()->currentIndex(), 2);
        QCOMPARE(f.page()->LKombiAnz()->text(), count);
        QVERIFY(!f.context.TestRunning);
        QCOMPARE(f.page()->BTesten()->text(), QStringLiteral("Start the test"));
    }

    // The button and the description caption follow the language.
    void captionsFollowLanguage_data() {
        QTest::addColumn<int>("language");
        QTest::addColumn<QString>("start");
        QTest::addColumn<QString>("stop");
        QTest::addColumn<QString>("description");
        QTest::newRow("German") << 0 << "Test starten"
                                << "Test stoppen"
                                << "Systembeschreibung";
        QTest::newRow("English") << 1 << "Start the test"
                                 << "Stop test"
                                 << "System description";
    }
    void captionsFollowLanguage() {
        QFETCH(int, language);
        QFETCH(QString, start);
        QFETCH(QString, stop);
        QFETCH(QString, description);
        kombora::testing::TempDir dir;
        AppContext context;
        InitializeContext(context, MakeAppFolders(dir.path(), dir.path() / "data"));
        context.Language = language;
        gui::testing::FakeServices fakes;
        AppState state(context);
        PageSystemTest page(state, fakes.services());
        QCOMPARE(page.BTesten()->text(), start);
        QCOMPARE(page.LBeschreibung2()->text(), description);
        QVERIFY(page.StartEvaluation(1, 1, [](std::stop_token stop, const EvaluationCallbacks&) {
            while (!stop.stop_requested())
                std::this_thread::sleep_for(std::chrono::milliseconds(1));
            EvaluationResult result;
            result.stopped = true;
            return result;
        }));
        QCOMPARE(page.BTesten()->text(), stop);
        QVERIFY(context.TestRunning);
        page.StopTest();
        QCOMPARE(page.BTesten()->text(), start);
        QVERIFY(!context.TestRunning);
        QVERIFY(!page.LAbbruch()->isHidden());
    }

    // "Start the test" fills the description only while it shows the designed caption.
    void descriptionKeptAcrossTests() {
        Fixture f;
        const int32_t index = f.CatalogueIndex(3, 7, 3, 519);
        // The description is announced with the selection, as the selection page does.
        const auto describe = [&](const QString& text) {
            f.window->state().SetSelectedSystem(index, text, QString(), QString());
        };
        QCOMPARE(f.page()->LBeschreibung2()->text(), QStringLiteral("System description"));
        describe(QStringLiteral("first"));
        f.ClickTest();
        QVERIFY(f.WaitForEnd());
        QCOMPARE(f.page()->LBeschreibung2()->text(), QStringLiteral("first"));
        describe(QStringLiteral("second"));
        f.ClickTest();
        QVERIFY(f.WaitForEnd());
        QCOMPARE(f.page()->LBeschreibung2()->text(), QStringLiteral("first"));
        f.page()->BZumSystestClick();
        QVERIFY(f.WaitForEnd());
        QCOMPARE(f.page()->LBeschreibung2()->text(), QStringLiteral("second"));
    }
};

QTEST_MAIN(TestSystemTestPage)
#include "test_system_check_page.moc"
