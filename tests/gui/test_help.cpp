// The help window: the pages by context number, the full-text search of the help collection
// the build makes, and where the window opens.
#include <QDialog>
#include <QHelpEngine>
#include <QHelpSearchEngine>
#include <QHelpSearchQueryWidget>
#include <QHelpSearchResultWidget>
#include <QLineEdit>
#include <QPushButton>
#include <QTextBrowser>
#include <QTimer>
#include <QtTest>
#include <filesystem>

#include "gui_fixture.h"
#include "help.h"
#include "message_box.h"
#include "real_services.h"

using namespace kombora;
using namespace kombora::gui;
using namespace kombora::gui::testing;

namespace {

QTextBrowser* Browser(const HelpSystem& help) {
    return help.window()->findChild<QTextBrowser*>(QStringLiteral("HelpBrowser"));
}

}  // namespace

class HelpTest : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase() { QuietPlatformWarnings(); }

    // The built collection holds every page; a context number opens its page from it.
    void contextNumbersOpenTheirPages() {
        FakeServices fake;
        HelpSystem help(fake.services());
        QVERIFY(help.Attach(KOMBORA_BUILT_HELP_DIR, nullptr));
        QVERIFY(help.engine() != nullptr);
        help.ShowTopic(1050);
        QVERIFY(help.window()->isVisible());
        QCOMPARE(Browser(help)->source().scheme(), QStringLiteral("qthelp"));
        QVERIFY(Browser(help)->source().path().endsWith(QStringLiteral("/1050.html")));
        QVERIFY(Browser(help)->toPlainText().contains(QStringLiteral("Choice of numbers")));
        help.ShowTopic(1090);
        QVERIFY(Browser(help)->toPlainText().contains(QStringLiteral("System test")));
        QVERIFY(fake.messages.shown.isEmpty());
        help.window()->hide();
    }

    // "Search in…" finds the pages that hold a word and shows the one picked.
    void searchFindsThePagesThatHoldAWord() {
        FakeServices fake;
        HelpSystem help(fake.services());
        QVERIFY(help.Attach(KOMBORA_BUILT_HELP_DIR, nullptr));
        help.ShowSearch();
        QVERIFY(help.window()->isVisible());
        QTRY_VERIFY_WITH_TIMEOUT(help.searchReady(), 20000);
        QHelpSearchEngine* search = help.engine()->searchEngine();
        QSignalSpy finished(search, &QHelpSearchEngine::searchingFinished);
        auto* input = search->queryWidget()->findChild<QLineEdit*>();
        QVERIFY(input);
        input->setText(QStringLiteral("clipboard"));
        QTest::keyClick(input, Qt::Key_Return);
        QTRY_VERIFY_WITH_TIMEOUT(finished.count() >= 1, 20000);
        QCOMPARE(search->searchResultCount(), 1);
        const QUrl page = search->searchResults(0, 1).first().url();
        QVERIFY(page.path().endsWith(QStringLiteral("/1070.html")));
        emit search->resultWidget()->requestShowLink(page);
        QVERIFY(Browser(help)->toPlainText().contains(QStringLiteral("Own rows")));
        help.window()->hide();
    }

    // A folder of plain pages without the collection still shows them.
    void plainPagesWithoutTheCollection() {
        GuiFixture f;
        f.CreateHelpFolder();
        HelpSystem help(f.services());
        QVERIFY(help.Attach(f.folders().exeFolder / kHelpFolderName, nullptr));
        QVERIFY(help.engine() == nullptr);
        help.ShowTopic(1040);
        QCOMPARE(Browser(help)->source().scheme(), QStringLiteral("file"));
        help.ShowSearch();
        QVERIFY(help.window()->isVisible());
        help.window()->hide();
    }

    // Help opened from a message box's Help button comes up in front of it, usable (modal over
    // the dialog) and centred over it; afterwards, opened from the main window, it is an
    // ordinary window centred over that.
    void helpFromAMessageBoxOpensInFront() {
        GuiFixture f;
        f.CreateHelpFolder();
        HelpSystem help(f.services());
        QVERIFY(help.Attach(f.folders().exeFolder / kHelpFolderName, nullptr));
        QWidget owner;
        owner.setGeometry(50, 0, 700, 600);
        owner.show();
        help.SetOwnerWindow(&owner);

        QDialog box(&owner);
        box.setGeometry(250, 240, 200, 120);
        bool helpWasModal = false;
        QPoint helpCentre;
        QTimer::singleShot(0, &box, [&] {
            help.ShowTopic(1040);
            helpWasModal =
                help.window()->isModal() && QApplication::activeModalWidget() == help.window();
            helpCentre = help.window()->frameGeometry().center();
            help.window()->hide();
            box.reject();
        });
        box.exec();
        QVERIFY(helpWasModal);
        QVERIFY2((helpCentre - box.frameGeometry().center()).manhattanLength() <= 2,
                 qPrintable(QStringLiteral("help at %1,%2, dialog at %3,%4")
                                .arg(helpCentre.x())
                                .arg(helpCentre.y())
                                .arg(box.frameGeometry().center().x())
                                .arg(box.frameGeometry().center().y())));

        help.ShowTopic(1050);
        QVERIFY(!help.window()->isModal());
        QVERIFY(help.window()->isVisible());
        QVERIFY((help.window()->frameGeometry().center() - owner.frameGeometry().center())
                    .manhattanLength() <= 2);
        help.window()->hide();
    }
};

QTEST_MAIN(HelpTest)
#include "test_help.moc"
