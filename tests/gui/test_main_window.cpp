// The main window: its frame, the largest-number strip, navigation, tool windows and help.
#include <QAction>
#include <QCalendarWidget>
#include <QCheckBox>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QScrollBar>
#include <QSlider>
#include <QTabWidget>
#include <QTableView>
#include <QToolBar>
#include <QToolButton>
#include <QtTest>

#include "form_exists.h"
#include "gui_fixture.h"
#include "help.h"
#include "main_window.h"
#include "message_box.h"
#include "pages/page_numbers.h"
#include "pages/page_system_check.h"
#include "tools/calendar_window.h"

using namespace kombora;
using namespace kombora::gui;
using namespace kombora::gui::testing;

namespace {

// The catalogue index of the first entry with these values; -1 when there is none.
int FindSystem(const Catalogue& catalogue, int rg, int wz, int tr) {
    for (int i = 0; i < catalogue.size(); ++i) {
        const TSysteme& s = catalogue[i];
        if (s.RG == rg && s.WZ == wz && s.TR == tr) return i;
    }
    return -1;
}

QPushButton* Button(QWidget& window, const char* name) {
    return window.findChild<QPushButton*>(QString::fromUtf8(name));
}

}  // namespace

class MainWindowTest : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase() {
        QuietPlatformWarnings();
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    }

    void frame() {
        GuiFixture f;
        TFMain window(f.Initialize(), f.services());
        QCOMPARE(window.windowTitle(), QStringLiteral("Kombora 1.0.0.2"));
        QCOMPARE(HelpContextOf(&window), 1010);
        const QStringList captions = {"System selection", "Choice of numbers",
                                      "Lines of numbers", "Own rows",
                                      "System test",      "Manage own systems"};
        const QStringList names = {"Tab1", "Tab2", "Tab3", "tab4", "tab5", "Tab6"};
        const QList<int> help = {1040, 1050, 1060, 1070, 1090, 1100};
        QTabWidget* pc1 = window.PC1();
        QCOMPARE(pc1->objectName(), QStringLiteral("PC1"));
        QCOMPARE(pc1->count(), 6);
        for (int i = 0; i < 6; ++i) {
            QCOMPARE(pc1->tabText(i), captions[i]);
            QCOMPARE(pc1->widget(i)->objectName(), names[i]);
            QCOMPARE(HelpContextOf(pc1->widget(i)), help[i]);
        }
        QCOMPARE(pc1->currentIndex(), 0);
        // Toolbar buttons, from the left, and help at the right edge.
        window.show();
        auto* bar = window.findChild<QToolBar*>(QStringLiteral("Tool1"));
        QVERIFY(bar);
        int lastX = -1;
        for (const char* name : {"BClose", "bsSkinSpeedButton6", "bsSkinSpeedButton14",
                                 "bsSkinSpeedButton3", "BUpdate", "bsSkinSpeedButton20"}) {
            auto* button = bar->findChild<QToolButton*>(QString::fromUtf8(name));
            QVERIFY2(button, name);
            QVERIFY(button->x() > lastX);
            lastX = button->x();
        }
        // Quick buttons in their order.
        int lastQuick = -1;
        for (int value : {50, 35, 39, 42, 45, 49, 70, 90, 59}) {
            QPushButton* quick = window.QuickButton(value);
            QVERIFY(quick);
            QCOMPARE(quick->text(), QString::number(value));
            QVERIFY(quick->x() > lastQuick);
            lastQuick = quick->x();
        }
        QVERIFY(window.findChild<QLabel*>(QStringLiteral("LTitel")));
        // Menus.
        QStringList menus;
        for (QAction* action : window.menuBar()->actions()) menus << action->text();
        QCOMPARE(menus, QStringList({"&File", "&Extras", "&Help"}));
        window.hide();
    }

    // The window fits a 1366 x 768 screen with a task bar and a title bar: no page holds it
    // bigger, the pages scroll instead.
    void fitsASmallScreen() {
        GuiFixture f;
        TFMain window(f.Initialize(), f.services());
        const QSize room(1366 - 16, 768 - 40 - 32 - 16);
        window.resize(room);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        const QSize minimum = window.minimumSizeHint().expandedTo(window.minimumSize());
        QVERIFY2(minimum.width() <= room.width() && minimum.height() <= room.height(),
                 qPrintable(QStringLiteral("%1 x %2").arg(minimum.width()).arg(minimum.height())));
        for (int i = 0; i < window.PC1()->count(); ++i) {
            window.PC1()->setCurrentIndex(i);
            QApplication::processEvents();
            QVERIFY(window.height() <= room.height());
            QVERIFY(window.PC1()->currentWidget()->isVisible());
        }
        window.hide();
    }

    void largestNumberStartsAt59() {
        GuiFixture f;
        TFMain window(f.Initialize(), f.services());
        QCOMPARE(window.updown1()->minimum(), 32);
        QCOMPARE(window.updown1()->maximum(), 100);
        QCOMPARE(window.updown1()->value(), 59);
        QCOMPARE(f.context().LargestNumber, 59);
        QCOMPARE(window.PZufMax()->text(), QStringLiteral("59"));
        QCOMPARE(window.findChild<QSlider*>(QStringLiteral("Slider1"))->maximum(), 59);
    }

    // Quick button "35": the largest number, its display and the pool maximum follow; a pool
    // above it comes down.
    void quickButton35() {
        GuiFixture f;
        TFMain window(f.Initialize(), f.services());
        auto* pool = window.findChild<QSlider*>(QStringLiteral("Slider1"));
        pool->setValue(50);
        QCOMPARE(pool->value(), 50);
        QTest::mouseClick(window.QuickButton(35), Qt::LeftButton);
        QCOMPARE(window.updown1()->value(), 35);
        QCOMPARE(window.PZufMax()->text(), QStringLiteral("35"));
        QCOMPARE(f.context().LargestNumber, 35);
        QCOMPARE(pool->maximum(), 35);
        QCOMPARE(pool->value(), 35);
        QCOMPARE(window.findChild<QLabel*>(QStringLiteral("LSlider1"))->text(),
                 QStringLiteral("35"));
        // Back up to 90: the pool keeps 35.
        QTest::mouseClick(window.QuickButton(90), Qt::LeftButton);
        QCOMPARE(pool->maximum(), 90);
        QCOMPARE(pool->value(), 35);
    }

    void navigation_data() {
        QTest::addColumn<int>("page");
        QTest::addColumn<QString>("button");
        QTest::addColumn<int>("expected");
        QTest::addColumn<QString>("caption");
        QTest::newRow("Next on page 1") << 0 << "BNext1" << 1 << "Next";
        QTest::newRow("Back on page 2") << 1 << "BBack2" << 0 << "Back";
        QTest::newRow("Further on page 2") << 1 << "bsSkinSpeedButton12" << 2 << "Further";
        QTest::newRow("Back on page 3") << 2 << "BBack3" << 1 << "Back";
        QTest::newRow("Next on page 3") << 2 << "bsSkinSpeedButton13" << 3 << "Next";
        QTest::newRow("Back on page 4") << 3 << "BBack4" << 2 << "Back";
        QTest::newRow("Next on page 4") << 3 << "BNext4" << 4 << "Next";
        QTest::newRow("Back on page 5") << 4 << "BBack5" << 3 << "Back";
        QTest::newRow("Next on page 5") << 4 << "bsSkinSpeedButton19" << 5 << "Next";
        QTest::newRow("Back on page 6") << 5 << "BBack6" << 4 << "Back";
    }

    // Without a chosen system the buttons only change the page. The captions are the bare
    // words; the arrows are icons.
    void navigation() {
        QFETCH(int, page);
        QFETCH(QString, button);
        QFETCH(int, expected);
        QFETCH(QString, caption);
        GuiFixture f;
        TFMain window(f.Initialize(), f.services());
        window.pageSystemTest()->LKombiAnz()->setText(QStringLiteral("unchanged"));
        window.PC1()->setCurrentIndex(page);
        QPushButton* b = Button(window, button.toUtf8().constData());
        QVERIFY(b);
        QCOMPARE(b->text(), caption);
        QVERIFY(!b->icon().isNull());
        b->click();
        QCOMPARE(window.PC1()->currentIndex(), expected);
        QCOMPARE(window.pageSystemTest()->LKombiAnz()->text(), QStringLiteral("unchanged"));
    }

    void selectedSystemIsCarriedToTheTestPage_data() {
        QTest::addColumn<int>("page");
        QTest::addColumn<QString>("button");
        QTest::addColumn<bool>("carries");
        QTest::newRow("Further on page 2") << 1 << "bsSkinSpeedButton12" << true;
        QTest::newRow("Next on page 3") << 2 << "bsSkinSpeedButton13" << true;
        QTest::newRow("Next on page 5") << 4 << "bsSkinSpeedButton19" << true;
        QTest::newRow("Next on page 1") << 0 << "BNext1" << false;
        QTest::newRow("Next on page 4") << 3 << "BNext4" << false;
    }

    // With the built-in system RG 3, WZ 7, TR 7 chosen: 7 × (21 + 35) = 392 steps.
    void selectedSystemIsCarriedToTheTestPage() {
        QFETCH(int, page);
        QFETCH(QString, button);
        QFETCH(bool, carries);
        GuiFixture f;
        AppContext& context = f.Initialize();
        const int index = FindSystem(context.catalogue, 3, 7, 7);
        if (index < 0) QSKIP("the catalogue has no system 3 of 7 in 7 rows");
        TFMain window(context, f.services());
        window.state().SetSelectedSystem(index, QStringLiteral("7 numbers in 7 rows"), QString(),
                                         QString());
        const QString before = window.pageSystemTest()->LBeschreibung2()->text();
        window.PC1()->setCurrentIndex(page);
        Button(window, button.toUtf8().constData())->click();
        QCOMPARE(window.PC1()->currentIndex(), page + 1);
        QCOMPARE(window.pageSystemTest()->LKombiAnz()->text(),
                 carries ? QStringLiteral("392") : QStringLiteral("0"));
        QCOMPARE(window.pageSystemTest()->LBeschreibung2()->text(),
                 carries ? QStringLiteral("7 numbers in 7 rows") : before);
    }

    void stepCountUsesThousandsSeparators() {
        GuiFixture f;
        AppContext& context = f.Initialize();
        TFMain window(context, f.services());
        // The full system 6 of 49 is far beyond the row limit; take the largest full system.
        int index = -1;
        for (int i = 0; i < context.catalogue.size(); ++i) {
            if (context.catalogue.IsFull(i) && context.catalogue[i].TR >= 1000) {
                index = i;
                break;
            }
        }
        QVERIFY(index >= 0);
        context.SelectedSystem = index;
        window.PC1()->setCurrentIndex(1);
        Button(window, "bsSkinSpeedButton12")->click();
        QVERIFY(window.pageSystemTest()->LKombiAnz()->text().contains(QLatin1Char(',')));
    }

    void tabsCanBeClickedDirectly() {
        GuiFixture f;
        TFMain window(f.Initialize(), f.services());
        for (int i : {5, 2, 4, 0, 3, 1}) {
            window.PC1()->setCurrentIndex(i);
            QCOMPARE(window.PC1()->currentIndex(), i);
        }
    }

    // The information window exists once; closed, it is made anew.
    void informationWindow() {
        GuiFixture f;
        TFMain window(f.Initialize(), f.services());
        window.ShowInfo();
        QWidget* first = FindForm(QStringLiteral("FInfo"));
        QVERIFY(first);
        window.ShowInfo();
        QCOMPARE(FindForm(QStringLiteral("FInfo")), first);
        int count = 0;
        for (QWidget* w : QApplication::topLevelWidgets()) {
            if (w->objectName() == QStringLiteral("FInfo")) ++count;
        }
        QCOMPARE(count, 1);
        QPointer<QWidget> closed = first;
        QTest::mouseClick(first->findChild<QPushButton*>(QStringLiteral("bsSkinSpeedButton3")),
                          Qt::LeftButton);
        QVERIFY(!FormExists(QStringLiteral("FInfo")));
        FlushDeletes();
        QVERIFY(closed.isNull());
        window.ShowInfo();
        QVERIFY(FormExists(QStringLiteral("FInfo")));
        // No made-up postal address or telephone: those fields are empty.
        for (const char* name : {"LStrasse", "LPLZOrt", "LTelefon", "LFax"}) {
            auto* line = FindForm(QStringLiteral("FInfo"))->findChild<QLabel*>(name);
            QVERIFY2(line, name);
            QVERIFY2(line->text().isEmpty(), name);
        }
        // The mail address opens a new message with the product name as subject.
        auto* mail = FindForm(QStringLiteral("FInfo"))->findChild<QLabel*>(QStringLiteral("LMail"));
        QTest::mouseClick(mail, Qt::LeftButton);
        QCOMPARE(f.fake().desktop.openedUrls.size(), 1);
        QCOMPARE(f.fake().desktop.openedUrls.first().toString(),
                 QStringLiteral("mailto:info@kombora.example?subject=Kombora"));
        FindForm(QStringLiteral("FInfo"))->close();
        FlushDeletes();
    }

    // The calendar is hidden, not destroyed, by "Close".
    void calendarKeepsItsWindow() {
        GuiFixture f;
        TFMain window(f.Initialize(), f.services());
        window.ShowKalender();
        auto* calendar = qobject_cast<TFKal*>(FindForm(QStringLiteral("FKal")));
        QVERIFY(calendar);
        QVERIFY(calendar->isVisible());
        QCOMPARE(calendar->calendar()->selectedDate(), f.fake().waits.today);
        QCOMPARE(calendar->calendar()->firstDayOfWeek(), Qt::Sunday);
        QTest::mouseClick(calendar->findChild<QPushButton*>(QStringLiteral("bsSkinSpeedButton1")),
                          Qt::LeftButton);
        QVERIFY(!calendar->isVisible());
        window.ShowKalender();
        QCOMPARE(qobject_cast<TFKal*>(FindForm(QStringLiteral("FKal"))), calendar);
        QVERIFY(calendar->isVisible());
        calendar->hide();
    }

    // Every week row of the month, the last one too, is shown whole.
    void calendarShowsEveryWeekWhole() {
        GuiFixture f;
        TFMain window(f.Initialize(), f.services());
        window.show();
        window.ShowKalender();
        auto* calendar = qobject_cast<TFKal*>(FindForm(QStringLiteral("FKal")));
        QVERIFY(calendar);
        QVERIFY(QTest::qWaitForWindowExposed(calendar));
        auto* view = calendar->calendar()->findChild<QTableView*>(
            QStringLiteral("qt_calendar_calendarview"));
        QVERIFY(view);
        const int last = view->model()->rowCount() - 1;
        QCOMPARE(last, 6);  // the weekday header and six weeks
        QVERIFY2(
            view->rowViewportPosition(last) + view->rowHeight(last) <= view->viewport()->height(),
            qPrintable(QStringLiteral("row ends at %1, view is %2 high")
                           .arg(view->rowViewportPosition(last) + view->rowHeight(last))
                           .arg(view->viewport()->height())));
        // The window opened over the main window (centred, as far as the screen allows).
        QVERIFY(window.frameGeometry().contains(calendar->frameGeometry()));
        calendar->hide();
        window.hide();
    }

    void calculator_data() {
        QTest::addColumn<QStringList>("available");
        QTest::addColumn<QString>("started");
        QTest::newRow("none") << QStringList() << QString();
        QTest::newRow("kcalc only") << QStringList({"kcalc"}) << "/usr/bin/kcalc";
        QTest::newRow("first in the list wins")
            << QStringList({"xcalc", "gnome-calculator"}) << "/usr/bin/gnome-calculator";
    }

    void calculator() {
#if defined(Q_OS_WIN) || defined(Q_OS_MACOS)
        QSKIP("the calculator is found differently on this platform");
#endif
        QFETCH(QStringList, available);
        QFETCH(QString, started);
        GuiFixture f;
        TFMain window(f.Initialize(), f.services());
        f.fake().desktop.availablePrograms = available;
        QTest::mouseClick(window.findChild<QToolButton*>(QStringLiteral("bsSkinSpeedButton3")),
                          Qt::LeftButton);
        if (started.isEmpty()) {
            QVERIFY(f.fake().desktop.startedPrograms.isEmpty());
            QCOMPARE(f.fake().messages.shown.size(), 1);
            QCOMPARE(f.fake().messages.shown.first().key,
                     QStringLiteral("tools.calculator_not_found"));
            QCOMPARE(f.fake().messages.shown.first().style, MessageStyle::Styled);
        } else {
            QCOMPARE(f.fake().desktop.startedPrograms, QStringList({started}));
            QVERIFY(f.fake().messages.shown.isEmpty());
        }
    }

    // F1 opens the topic of the focused control or of its nearest parent with one.
    void f1OpensTheTopicOfTheFocusedControl_data() {
        QTest::addColumn<QString>("control");
        QTest::addColumn<int>("page");
        QTest::addColumn<int>("topic");
        QTest::newRow("a filter slider") << "Slider2" << 0 << 1040;
        QTest::newRow("Check rows thoroughly") << "cbDetail" << 3 << 1080;
        QTest::newRow("the largest number") << "updown1" << 0 << 1010;
        QTest::newRow("the system-test page") << "bsSkinSpeedButton19" << 4 << 1090;
    }

    void f1OpensTheTopicOfTheFocusedControl() {
        QFETCH(QString, control);
        QFETCH(int, page);
        QFETCH(int, topic);
        GuiFixture f;
        TFMain window(f.Initialize(), f.services());
        HelpKeyFilter filter(f.fake().help);
        qApp->installEventFilter(&filter);
        window.show();
        window.PC1()->setCurrentIndex(page);
        auto* target = window.findChild<QWidget*>(control);
        QVERIFY(target);
        target->setFocusPolicy(Qt::StrongFocus);
        target->setFocus();
        QApplication::setActiveWindow(&window);
        QTest::keyClick(target, Qt::Key_F1);
        qApp->removeEventFilter(&filter);
        QCOMPARE(f.fake().help.topics, QList<int>({topic}));
        window.hide();
    }

    void helpButtonOpensTheMainTopic() {
        GuiFixture f;
        TFMain window(f.Initialize(), f.services());
        QTest::mouseClick(window.findChild<QToolButton*>(QStringLiteral("bsSkinSpeedButton20")),
                          Qt::LeftButton);
        QCOMPARE(f.fake().help.topics, QList<int>({1010}));
    }

    // Help → "Search in…" opens the help at its search.
    void searchInOpensTheHelpSearch() {
        GuiFixture f;
        TFMain window(f.Initialize(), f.services());
        auto* search = window.findChild<QAction*>(QStringLiteral("MSearch"));
        QVERIFY(search);
        search->trigger();
        QCOMPARE(f.fake().help.searches, 1);
        QVERIFY(f.fake().help.topics.isEmpty());
    }

    // The message convention: German in the plain dialog, English in the styled one, nothing
    // for another language (a question then gets the answer that changes nothing).
    void messageConvention_data() {
        QTest::addColumn<int>("language");
        QTest::addColumn<bool>("shown");
        QTest::addColumn<int>("style");
        QTest::addColumn<QString>("text");
        QTest::newRow("German") << 0 << true << int(MessageStyle::Plain)
                                << "Bitte gehen Sie zurück und wählen Sie zunächst ein System aus.";
        QTest::newRow("English") << 1 << true << int(MessageStyle::Styled)
                                 << "Please go back and select a system first.";
        QTest::newRow("other language") << 2 << false << 0 << QString();
    }

    void messageConvention() {
        QFETCH(int, language);
        QFETCH(bool, shown);
        QFETCH(int, style);
        QFETCH(QString, text);
        FakeServices fake;
        const MessageAnswer answer =
            ShowMessage(fake.services(), nullptr, language, MessageId::BoardNoSystem);
        QCOMPARE(answer, MessageAnswer::Ok);
        QCOMPARE(fake.messages.shown.size(), shown ? 1 : 0);
        if (shown) {
            QCOMPARE(int(fake.messages.shown.first().style), style);
            QCOMPARE(fake.messages.shown.first().text, text);
            QCOMPARE(fake.messages.shown.first().kind, MessageKind::Information);
        }
    }

    void questionsWithoutDialogChangeNothing() {
        FakeServices fake;
        fake.messages.answers.enqueue(MessageAnswer::Yes);
        for (const MessageEntry& entry : AllMessages()) {
            if (entry.buttons == MessageButtons::Ok || entry.germanOnly) continue;
            const MessageAnswer answer = ShowMessage(fake.services(), nullptr, 7, entry.id,
                                                     {QStringLiteral("a"), QStringLiteral("b")});
            QVERIFY(answer == MessageAnswer::No || answer == MessageAnswer::Cancel);
        }
        QVERIFY(fake.messages.shown.isEmpty());
        QCOMPARE(fake.messages.answers.size(), 1);
    }

    // The Close button writes the settings and ends the program.
    void closeWritesTheSettings() {
        GuiFixture f;
        TFMain window(f.Initialize(), f.services());
        window.show();
        QSignalSpy closed(&window, &TFMain::closed);
        QTest::mouseClick(window.findChild<QToolButton*>(QStringLiteral("BClose")), Qt::LeftButton);
        QCOMPARE(closed.count(), 1);
        QVERIFY(f.SettingsExist());
        QVERIFY(!window.isVisible());
    }
};

QTEST_MAIN(MainWindowTest)
#include "test_main_window.moc"
