// The "System selection" page: the filter controls follow their coupling rules, "Filter"
// fills the result list, and clicking a line chooses a system.
#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QSlider>
#include <QTest>
#include <QToolButton>

#include <QTabWidget>

#include "app/context.h"
#include "main_window.h"
#include "pages/page_numbers.h"
#include "pages/page_selection.h"
#include "support/temp_dir.h"
#include "testing/fake_services.h"
#include "widgets/choice_group.h"

using namespace kombora;
using namespace kombora::gui;

class TestSelectionPage : public QObject {
    Q_OBJECT

  private:
    struct Fixture {
        Fixture() {
            context.catalogue.Build({}, dir.path());
            context.LargestNumber = 59;
            page.SetPoolMaximum(59);
        }
        kombora::testing::TempDir dir;
        AppContext context;
        gui::testing::FakeServices fakes;
        AppState state{context};
        PageSelection page{state, fakes.services()};

        template <typename T>
        T* Find(const char* name) {
            T* widget = page.findChild<T*>(QString::fromLatin1(name));
            if (!widget) qFatal("control %s missing", name);
            return widget;
        }
        QString Label(int p) { return page.ValueLabel(p)->text(); }
        bool Shown(const char* name) { return !Find<QWidget>(name)->isHidden(); }
        void ClickFilter() { QTest::mouseClick(Find<QPushButton>("BFiltern"), Qt::LeftButton); }
        QPoint LinePoint(int line) {
            QListWidget* l1 = page.l1();
            return l1->visualItemRect(l1->item(line)).center();
        }
        // The index of the first built-in entry with these parameters.
        int32_t IndexOf(int rg, int wz, int ga) const {
            for (int32_t i = 0; i < context.catalogue.size(); ++i) {
                const TSysteme& e = context.catalogue[i];
                if (e.RG == rg && e.WZ == wz && e.GA == ga) return i;
            }
            return -1;
        }
    };

  private slots:
    void initialControlsMirrorTheParameters() {
        Fixture f;
        QCOMPARE(f.Find<QSlider>("Slider3")->maximum(), 6);
        QCOMPARE(f.Find<QSlider>("Slider1")->maximum(), 59);
        QCOMPARE(f.Find<QSlider>("Slider4")->value(), 24);
        QVERIFY(f.Shown("BInfo3"));
        QVERIFY(!f.Shown("BInfo4"));
        QVERIFY(!f.Shown("BInfo5"));
        QVERIFY(!f.Shown("LHinweis4"));
        QVERIFY(f.Find<QCheckBox>("cb4")->isChecked());
        QCOMPARE(f.Label(4), QStringLiteral("X"));
        QCOMPARE(f.Label(1), QStringLiteral("13"));
        QCOMPARE(f.page.Choice(3)->itemIndex(), 1);
        QCOMPARE(f.page.Choice(5)->itemIndex(), 1);
    }

    // The user's actions reach the coupling: moving a slider unchecks its box, checking a box
    // shows "X".
    void userActionsRunTheHandlers() {
        Fixture f;
        auto* cb1 = f.Find<QCheckBox>("cb1");
        QTest::mouseClick(cb1, Qt::LeftButton, {}, QPoint(5, cb1->height() / 2));
        QVERIFY(cb1->isChecked());
        QCOMPARE(f.Label(1), QStringLiteral("X"));
        auto* slider = f.Find<QSlider>("Slider1");
        slider->setFocus();
        QTest::keyClick(slider, Qt::Key_Right);
        QCOMPARE(f.page.SliderValue(1), 14);
        QVERIFY(!cb1->isChecked());
        QCOMPARE(f.Label(1), QStringLiteral("14"));
    }

    void tipSizeFourLimitsTheOtherSliders() {
        Fixture f;
        f.page.SetSliderValue(5, 4);
        f.page.SetSliderValue(2, 4);
        QCOMPARE(f.Find<QSlider>("Slider5")->maximum(), 2);
        QCOMPARE(f.Find<QSlider>("Slider5")->value(), 2);
        QCOMPARE(f.Find<QSlider>("Slider3")->maximum(), 4);
        QVERIFY(f.Shown("BInfo3"));
        QVERIFY(f.Shown("BInfo5"));
        f.page.SetSliderValue(2, 10);
        QCOMPARE(f.Find<QSlider>("Slider3")->maximum(), 10);
        QVERIFY(!f.Shown("BInfo3"));
        QVERIFY(!f.Shown("BInfo5"));
    }

    // Hiding the "i" buttons (tip-row size 10) leaves every other control where it stood.
    void hiddenInfoButtonsKeepTheirRoom() {
        Fixture f;
        f.page.resize(720, 600);
        f.page.show();
        QVERIFY(QTest::qWaitForWindowExposed(&f.page));
        const char* const names[] = {"Slider1", "Slider3", "LSlider3", "cb3",
                                     "Radio3",  "cb5",     "Radio5"};
        QList<QRect> before;
        for (const char* name : names) before << f.Find<QWidget>(name)->geometry();
        f.page.SetSliderValue(2, 10);
        QVERIFY(!f.Shown("BInfo3"));
        QVERIFY(!f.Shown("BInfo4"));
        QVERIFY(!f.Shown("BInfo5"));
        QApplication::processEvents();
        for (std::size_t i = 0; i < std::size(names); ++i) {
            QCOMPARE(f.Find<QWidget>(names[i])->geometry(), before[static_cast<int>(i)]);
        }
        f.page.hide();
    }

    void forcedRowCountReplacesTheRowCountSlider() {
        Fixture f;
        f.page.SetSliderValue(3, 4);
        QCOMPARE(f.Label(4), QStringLiteral("330"));
        QVERIFY(!f.Shown("Slider4"));
        QVERIFY(!f.Shown("cb4"));
        QVERIFY(f.Shown("LHinweis4"));
        QVERIFY(f.Shown("BInfo4"));
        // The user switches the bank numbers to "at most".
        QTest::mouseClick(f.page.Choice(5)->button(0), Qt::LeftButton);
        QCOMPARE(f.page.ChoiceIndex(5), 0);
        QVERIFY(f.Shown("Slider4"));
        QVERIFY(f.Shown("cb4"));
        QVERIFY(!f.Shown("LHinweis4"));
        QVERIFY(f.Find<QCheckBox>("cb4")->isChecked());
        QCOMPARE(f.Label(4), QStringLiteral("X"));
    }

    // Qt's controls differ from what the coupling needs; the page gives the needed behaviour.
    void controlsBehaveAsTheCouplingNeeds() {
        Fixture f;
        // A box set to the state it has still runs its handler.
        f.page.SetSliderValue(3, 4);  // forced: the label shows 330 while cb4 stays checked
        f.page.SetNoMatter(4, true);
        QCOMPARE(f.Label(4), QStringLiteral("X"));
        // Clicking the choice item that is already selected does nothing.
        f.page.SetSliderValue(3, 3);
        f.page.SetNoMatter(3, true);
        QTest::mouseClick(f.page.Choice(3)->button(1), Qt::LeftButton);
        QVERIFY(f.page.NoMatter(3));
        QCOMPARE(f.Label(3), QStringLiteral("X"));
        // A maximum that is not above the minimum leaves the range as it is.
        f.page.SetSliderValue(2, 6);
        f.page.SetNoMatter(3, false);
        f.page.SetSliderValue(3, 5);
        f.page.SetSliderValue(5, 4);
        f.ClickFilter();  // 6 - 4 = 2 places left for the guarantee
        QCOMPARE(f.page.SliderValue(3), 2);
        QCOMPARE(f.Find<QSlider>("Slider3")->maximum(), 6);
        QCOMPARE(f.Find<QSlider>("Slider3")->minimum(), 2);
        // A value set by the program is not rounded to the step.
        f.page.SetSliderValue(4, 37);
        QCOMPARE(f.Find<QSlider>("Slider4")->value(), 37);
        QCOMPARE(f.Label(4), QStringLiteral("37"));
    }

    void rowCountMovesInStepsOfFive() {
        Fixture f;
        auto* slider = f.Find<QSlider>("Slider4");
        slider->setFocus();
        QTest::keyClick(slider, Qt::Key_Right);  // 24 + 5 = 29 ends on 30
        QCOMPARE(f.page.SliderValue(4), 30);
        QTest::keyClick(slider, Qt::Key_Right);
        QCOMPARE(f.page.SliderValue(4), 35);
        QVERIFY(!f.page.NoMatter(4));
        QCOMPARE(f.Label(4), QStringLiteral("35"));
    }

    void allNoMatterKeepsTheTipSize() {
        Fixture f;
        f.page.SetSliderValue(3, 4);
        QTest::mouseClick(f.Find<QPushButton>("BFilternEx"), Qt::LeftButton);
        for (const int p : {1, 3, 4, 5}) {
            QVERIFY(f.page.NoMatter(p));
            QCOMPARE(f.Label(p), QStringLiteral("X"));
        }
        QCOMPARE(f.Label(2), QStringLiteral("6"));
        QVERIFY(f.Shown("Slider4"));
        QCOMPARE(f.page.l1()->count(), 0);  // it does not filter
    }

    void largestNumberLowersThePool() {
        Fixture f;
        f.page.SetSliderValue(1, 50);
        f.page.SetPoolMaximum(35);
        QCOMPARE(f.Find<QSlider>("Slider1")->maximum(), 35);
        QCOMPARE(f.page.SliderValue(1), 35);
        QCOMPARE(f.Label(1), QStringLiteral("35"));
    }

    void filterWithTheDefaultsListsOneSystem() {
        Fixture f;
        f.ClickFilter();
        const int32_t index = f.IndexOf(4, 11, 2);
        QCOMPARE(f.page.l1()->count(), 1);
        QCOMPARE(f.page.l1()->item(0)->text(),
                 QStringLiteral("11 numbers plus 2 bn in %1 rows with 2er guarantee")
                     .arg(f.context.catalogue[index].TR));
        QCOMPARE(f.page.ResultIndices(), std::vector<int32_t>{index});
        QCOMPARE(f.page.LSysAnz()->text(), QStringLiteral("One system found"));
        QCOMPARE(f.context.rows.TipSize, 6);
        QCOMPARE(f.context.rows.BankNeeded, 2);

        f.context.Language = 0;
        f.page.SetNoMatter(1, true);
        f.ClickFilter();
        QVERIFY(f.page.LSysAnz()->text().endsWith(QStringLiteral(" Systeme gefunden")));
        f.context.Language = 2;  // another language keeps the text
        f.page.SetSliderValue(1, 59);
        f.page.SetSliderValue(3, 6);
        f.ClickFilter();
        QCOMPARE(f.page.l1()->count(), 0);
        QVERIFY(f.page.LSysAnz()->text().endsWith(QStringLiteral(" Systeme gefunden")));
    }

    void singleClickChoosesAndStays() {
        Fixture f;
        f.ClickFilter();
        QSignalSpy prepared(&f.state, &AppState::selectedSystemChanged);
        QSignalSpy next(&f.page, &Page::nextRequested);
        QTest::mouseClick(f.page.l1()->viewport(), Qt::LeftButton, {}, f.LinePoint(0));
        QCOMPARE(f.context.SelectedSystem, f.IndexOf(4, 11, 2));
        QCOMPARE(prepared.count(), 1);
        QCOMPARE(prepared.at(0).at(1).toString(), QStringLiteral("11"));
        QCOMPARE(prepared.at(0).at(2).toString(), QStringLiteral("2"));
        QVERIFY(prepared.at(0).at(0).toString().startsWith(
            QStringLiteral("Selected was a system for 11 numbers plus 2 bank number in ")));
        QCOMPARE(next.count(), 0);
        QCOMPARE(f.context.rows.ChangingNeeded, 11);
    }

    void doubleClickChoosesAndGoesOn() {
        Fixture f;
        f.ClickFilter();
        QSignalSpy prepared(&f.state, &AppState::selectedSystemChanged);
        QSignalSpy next(&f.page, &Page::nextRequested);
        QTest::mouseDClick(f.page.l1()->viewport(), Qt::LeftButton, {}, f.LinePoint(0));
        QCOMPARE(next.count(), 1);
        QVERIFY(prepared.count() >= 1);
        QCOMPARE(f.context.SelectedSystem, f.IndexOf(4, 11, 2));
        QVERIFY(f.fakes.messages.shown.isEmpty());
        // Return on the selected line does the same.
        QTest::keyClick(f.page.l1(), Qt::Key_Return);
        QCOMPARE(next.count(), 2);
    }

    void doubleClickWithoutASystemExplains() {
        Fixture f;
        QSignalSpy next(&f.page, &Page::nextRequested);
        f.page.l1DblClick();
        QCOMPARE(f.fakes.messages.shown.size(), 1);
        QCOMPARE(f.fakes.messages.shown.last().key, QStringLiteral("selection.no_system_listed"));
        f.ClickFilter();
        f.page.l1DblClick();  // listed, but no line selected
        QCOMPARE(f.fakes.messages.shown.last().key, QStringLiteral("selection.select_from_list"));
        // A filter that finds nothing after one that found systems empties the list again.
        QTest::mouseClick(f.page.l1()->viewport(), Qt::LeftButton, {}, f.LinePoint(0));
        f.page.SetSliderValue(1, 59);
        f.ClickFilter();
        QCOMPARE(f.page.LSysAnz()->text(), QStringLiteral("No systems found"));
        f.page.l1DblClick();
        QCOMPARE(f.fakes.messages.shown.last().key, QStringLiteral("selection.no_system_listed"));
        QCOMPARE(next.count(), 0);
    }

    void infoButtonsExplainTheLimits() {
        Fixture f;
        QTest::mouseClick(f.Find<QToolButton>("BInfo3"), Qt::LeftButton);
        QCOMPARE(f.fakes.messages.shown.size(), 1);
        QCOMPARE(f.fakes.messages.shown.last().key, QStringLiteral("selection.info_guarantee"));
        QCOMPARE(f.fakes.messages.shown.last().helpContext, 1040);
        QVERIFY(f.Find<QToolButton>("BInfo5")->toolTip().startsWith(
            QStringLiteral("Die Skala für die Bankzahlen")));
    }

    // A filter run with another tip-row size prepares the chosen system for it.
    void filterWithAnotherTipSizePreparesTheChosenSystemAgain() {
        Fixture f;
        f.ClickFilter();
        QTest::mouseClick(f.page.l1()->viewport(), Qt::LeftButton, {}, f.LinePoint(0));
        QSignalSpy prepared(&f.state, &AppState::selectedSystemChanged);
        f.ClickFilter();
        QCOMPARE(prepared.count(), 0);
        f.page.SetSliderValue(2, 7);
        f.ClickFilter();
        QCOMPARE(prepared.count(), 1);
        QCOMPARE(prepared.at(0).at(2).toString(), QStringLiteral("3"));
        QCOMPARE(f.context.rows.BankNeeded, 3);
    }

    // In the main window: "Filter" with the defaults, a double click, and the "Choice of
    // numbers" page shows the chosen system.
    void doubleClickOpensTheChoiceOfNumbers() {
        kombora::testing::TempDir dir;
        AppContext context;
        InitializeContext(context, MakeAppFolders(dir.path(), dir.path() / "data"));
        gui::testing::FakeServices fakes;
        TFMain window(context, fakes.services());
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        PageSelection* page = window.pageSelection();
        QTest::mouseClick(page->findChild<QPushButton*>(QStringLiteral("BFiltern")),
                          Qt::LeftButton);
        QCOMPARE(page->l1()->count(), 1);
        const QString line = page->l1()->item(0)->text();
        QVERIFY(line.startsWith(QStringLiteral("11 numbers plus 2 bn in ")));
        QVERIFY(line.endsWith(QStringLiteral(" rows with 2er guarantee")));

        const QRect rect = page->l1()->visualItemRect(page->l1()->item(0));
        QTest::mouseClick(page->l1()->viewport(), Qt::LeftButton, {}, rect.center());
        QCOMPARE(window.PC1()->currentIndex(), 0);
        QTest::mouseDClick(page->l1()->viewport(), Qt::LeftButton, {}, rect.center());
        QCOMPARE(window.PC1()->currentIndex(), 1);
        PageNumbers* numbers = window.pageNumbers();
        const TSysteme& chosen = context.catalogue[context.SelectedSystem];
        QCOMPARE(numbers->LBeschreibung()->text(),
                 QStringLiteral("Selected was a system for 11 numbers plus 2 bank number in %1 "
                                "rows with 2er guarantee.")
                     .arg(chosen.TR));
        QCOMPARE(numbers->PPool()->text(), QStringLiteral("11"));
        QCOMPARE(numbers->PBZ()->text(), QStringLiteral("2"));
        QVERIFY(fakes.messages.shown.isEmpty());
    }
};

QTEST_MAIN(TestSelectionPage)
#include "test_selection_page.moc"
