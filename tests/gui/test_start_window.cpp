// The start window: the systems-inside label, the help hookup, "Next" and the fade.
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QWindow>
#include <QtTest>

#include "app/messages.h"
#include "gui_fixture.h"
#include "help.h"
#include "main_window.h"
#include "start_window.h"
#include "startup_sequence.h"

using namespace kombora;
using namespace kombora::gui;
using namespace kombora::gui::testing;

class StartWindowTest : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase() {
        QuietPlatformWarnings();
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    }

    void label_data() {
        QTest::addColumn<QString>("settings");
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("expected");
        QTest::newRow("first run: English") << QString() << "en_US"
                                            << "   2,621 systems inside   ";
        QTest::newRow("Sprache 0: German") << "[Allgemein]\nSprache=0\n"
                                           << "de_DE"
                                           << "   2.621 Systeme inside   ";
        QTest::newRow("Sprache 1, German separators") << "[Allgemein]\nSprache=1\n"
                                                      << "de_DE"
                                                      << "   2.621 systems inside   ";
        QTest::newRow("Sprache missing: English") << "[Filter]\nZP=12\n"
                                                  << "en_US"
                                                  << "   2,621 systems inside   ";
        QTest::newRow("Sprache 2: initial text") << "[Allgemein]\nSprache=2\n"
                                                 << "en_US"
                                                 << "   Kombora   ";
        QTest::newRow("Sprache -1: initial text") << "[Allgemein]\nSprache=-1\n"
                                                  << "en_US"
                                                  << "   Kombora   ";
    }

    void label() {
        QFETCH(QString, settings);
        QFETCH(QString, locale);
        QFETCH(QString, expected);
        QLocale::setDefault(QLocale(locale));
        GuiFixture f;
        if (!settings.isEmpty()) f.WriteSettings(settings.toStdString());
        TFStart start(f.context(), f.services(), nullptr, f.folders());
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
        QCOMPARE(start.LSysAnz()->text(), expected);
        // Creating the start window made the folders.
        QVERIFY(std::filesystem::is_directory(f.folders().ownSystemsFolder));
        QCOMPARE(start.windowTitle(), QStringLiteral("Kombora 1.0.0.2"));
    }

    void nextIsDisabledUntilInitializationIsDone() {
        GuiFixture f;
        TFStart start(f.context(), f.services(), nullptr, f.folders());
        QVERIFY(!start.BWeiter()->isEnabled());
        start.SetInitializationDone(true);
        QVERIFY(start.BWeiter()->isEnabled());
        QCOMPARE(start.BWeiter()->cursor().shape(), Qt::PointingHandCursor);
    }

    // A missing help folder is reported in German, also for English users, and help stays
    // detached; the program goes on.
    void missingHelpFolder_data() {
        QTest::addColumn<int>("language");
        QTest::newRow("English") << 1;
        QTest::newRow("German") << 0;
    }
    void missingHelpFolder() {
        QFETCH(int, language);
        GuiFixture f;
        f.WriteSettings("[Allgemein]\nSprache=" + std::to_string(language) + "\n");
        HelpSystem help(f.services());
        TFStart start(f.context(), f.services(), &help, f.folders());
        QCOMPARE(f.fake().messages.shown.size(), 1);
        const MessageRequest& shown = f.fake().messages.shown.first();
        const QString folder = QString::fromStdString((f.folders().exeFolder / "help").string());
        QCOMPARE(shown.text,
                 QStringLiteral("Hilfe-Datei ") + folder + QStringLiteral(" nicht gefunden."));
        QCOMPARE(shown.style, MessageStyle::Plain);
        QCOMPARE(shown.kind, MessageKind::Error);
        QVERIFY(!help.attached());
        help.ShowTopic(1010);
        QVERIFY(help.window() == nullptr);
    }

    void presentHelpFolderAttachesQuietly() {
        GuiFixture f;
        f.CreateHelpFolder();
        HelpSystem help(f.services());
        TFStart start(f.context(), f.services(), &help, f.folders());
        QVERIFY(f.fake().messages.shown.isEmpty());
        QVERIFY(help.attached());
        help.ShowTopic(1030);
        QVERIFY(help.window() != nullptr);
        QVERIFY(help.window()->isVisible());
        help.window()->hide();
    }

    // An own-systems index that ends in a partial record keeps the whole records and says so.
    void partialOwnIndexIsReported() {
        GuiFixture f;
        f.dir().Write(std::filesystem::path("data") / "OwnSystems" / "ESySummary.esy",
                      std::string(100, '\0'));
        TFStart start(f.context(), f.services(), nullptr, f.folders());
        QCOMPARE(f.fake().messages.shown.size(), 1);
        QCOMPARE(f.fake().messages.shown.first().key, QStringLiteral("startup.own_index_partial"));
        QVERIFY(f.fake().messages.shown.first().text.contains(QStringLiteral("100")));
        QVERIFY(f.context().OwnSystemList.empty());
        QCOMPARE(start.LSysAnz()->text(), QStringLiteral("   2,621 systems inside   "));
    }

    // "Next" hides itself, fades the main window in over 255 steps of 5 ms and destroys the
    // start window; the main window ends fully opaque.
    void nextFadesToTheMainWindow() {
        GuiFixture f;
        f.CreateHelpFolder();
        HelpSystem help(f.services());
        StartupWindows windows = RunStartup(f.context(), f.services(), &help, f.folders());
        std::unique_ptr<TFMain> main(windows.main);
        QVERIFY(windows.start);
        QVERIFY(windows.start->BWeiter()->isEnabled());
        QVERIFY(!main->isVisible());
        QPointer<QPushButton> next = windows.start->BWeiter();

        const int waitsBefore = f.fake().waits.waits;
        QTest::mouseClick(next, Qt::LeftButton);

        QVERIFY(next.isNull() || next->isHidden());
        QCOMPARE(f.fake().waits.waits - waitsBefore, 255);
        QCOMPARE(f.fake().waits.totalWaited, 255 * 5);
        QVERIFY(main->isVisible());
        QCOMPARE(main->windowOpacity(), 1.0);
        FlushDeletes();
        QVERIFY(windows.start.isNull());
    }

    // The captions the window manager gets. Qt's platform windows append the application
    // display name, once one has been set, to every title that does not already end with it.
    void captionsStandAlone() {
        QCoreApplication::setApplicationName(QStringLiteral("kombora-caption-test"));
        GuiFixture f;
        StartupWindows windows = RunStartup(f.context(), f.services(), nullptr, f.folders());
        std::unique_ptr<TFMain> main(windows.main);
        const QString display = QGuiApplication::applicationDisplayName();
        const auto shown = [&](QWidget* window) {
            window->winId();
            const QString title = window->windowHandle()->title();
            if (display == QCoreApplication::applicationName() || title.endsWith(display)) {
                return title;
            }
            return title + QStringLiteral(" \u2014 ") + display;
        };
        QCOMPARE(shown(main.get()), QStringLiteral("Kombora 1.0.0.2"));
        const QList<QPair<QString, QString>> tools = {
            {"FNueberK", "Kombora"}, {"FKal", "Kombora"}, {"FUpdate", "Kombora"}};
        for (const auto& [name, caption] : tools) {
            auto* tool = main->findChild<QWidget*>(name);
            QVERIFY2(tool, qPrintable(name));
            QCOMPARE(shown(tool), caption);
        }
        windows.start->close();
        FlushDeletes();
    }

    // Closing the start window any other way fades as well.
    void closingTheStartWindowFades() {
        GuiFixture f;
        StartupWindows windows = RunStartup(f.context(), f.services(), nullptr, f.folders());
        std::unique_ptr<TFMain> main(windows.main);
        windows.start->close();
        QCOMPARE(main->windowOpacity(), 1.0);
        QVERIFY(main->isVisible());
        FlushDeletes();
        QVERIFY(windows.start.isNull());
    }
};

QTEST_MAIN(StartWindowTest)
#include "test_start_window.moc"
