// The page "Own rows": filling the text field, the parse off the user-interface thread, the
// distribution board, saving and the spreadsheet export and import; and "Save..." and "Excel
// export" of the formed rows on the page "Lines of numbers".
#include <QCheckBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

#include "app_state.h"
#include "gui_fixture.h"
#include "io/text_encoding.h"
#include "own/rows_csv.h"
#include "own/workbook_export.h"
#include "own/workbook_import.h"
#include "pages/page_own_rows.h"
#include "pages/page_rows.h"
#include "widgets/choice_group.h"
#include "widgets/number_board.h"
#include "widgets/string_grid.h"

using namespace kombora;
using namespace kombora::gui;
using namespace kombora::gui::testing;

namespace {

// A page of its own with fake services; the context is English, largest number 49.
struct OwnRowsPage {
    GuiFixture fixture;
    AppState* state = nullptr;
    PageOwnRows* page = nullptr;

    OwnRowsPage() {
        AppContext& context = fixture.Initialize();
        context.Language = 1;
        context.LargestNumber = 49;
        state = new AppState(context);
        page = new PageOwnRows(*state, fixture.services());
        page->resize(1200, 700);
    }
    ~OwnRowsPage() {
        delete page;
        delete state;
    }

    FakeServices& fake() { return fixture.fake(); }
    RowStore& rows() { return fixture.context().rows; }
    template <typename T>
    T* find(const QString& name) const {
        return page->findChild<T*>(name);
    }
    void click(const QString& name) {
        QPushButton* button = find<QPushButton>(name);
        QVERIFY2(button, qPrintable(name));
        QVERIFY2(button->isEnabled(), qPrintable(name));
        button->click();
    }
    QString text(const QString& label) const { return find<QLabel>(label)->text(); }
    // Clicks a button that parses and waits for the parse to end.
    bool clickAndWaitForParse(const QString& name) {
        QSignalSpy finished(page, &PageOwnRows::parseFinished);
        click(name);
        if (finished.isEmpty() && !finished.wait(20000)) return false;
        return finished.first().first().toBool();
    }
    QStringList keysShown() {
        QStringList keys;
        for (const auto& m : fixture.fake().messages.shown) keys << m.key;
        return keys;
    }
};

QString TwentyRows() {
    // 20 rows of 6: 7 and 13 in every row, four more numbers that change.
    QString text;
    for (int r = 0; r < 20; ++r) {
        QStringList numbers{QStringLiteral("7"), QStringLiteral("13")};
        for (int i = 0; i < 4; ++i) numbers << QString::number(20 + (r + i * 5) % 29);
        text += numbers.join(QStringLiteral(", ")) + QStringLiteral("\r\n");
    }
    return text;
}

}  // namespace

class TestOwnRowsPage : public QObject {
    Q_OBJECT

  private slots:
    void controlsByName() {
        OwnRowsPage p;
        for (const char* name :
             {"M1", "Gauge2", "PTR2", "PPZ2", "PBZ22", "LDatei", "P30", "RGTrenner", "cbDetail",
              "bsSkinSpeedButton9", "bsSkinSpeedButton15", "bsSkinSpeedButton8", "BMemoClear",
              "BSave", "BExcelExport", "bsSkinSpeedButton21", "PNummerWertEin100"}) {
            QVERIFY2(p.page->findChild<QWidget*>(QString::fromLatin1(name)), name);
        }
    }

    // Paste 20 rows, "Show distribution": the bank numbers are green, the others yellow.
    void pasteAndShowDistribution() {
        OwnRowsPage p;
        p.fake().clipboard.text = TwentyRows();
        p.click(QStringLiteral("bsSkinSpeedButton8"));
        QCOMPARE(p.text(QStringLiteral("LDatei")), QStringLiteral("...inserted from clipboard..."));
        QVERIFY(p.clickAndWaitForParse(QStringLiteral("bsSkinSpeedButton21")));
        QVERIFY(p.fake().messages.shown.isEmpty());
        QCOMPARE(p.text(QStringLiteral("PTR2")), QStringLiteral("20"));
        QCOMPARE(p.text(QStringLiteral("PBZ22")), QStringLiteral("2"));
        QCOMPARE(p.rows().OwnRowCount, 20);
        QCOMPARE(p.rows().OwnBankSet.Members(), (std::vector<int>{7, 13}));
        auto* seven = p.find<CountCell>(QStringLiteral("PNummerWertEin7"));
        QCOMPARE(seven->text(), QStringLiteral("20"));
        QCOMPARE(seven->fill(), QColor(0, 255, 0));
        auto* twenty = p.find<CountCell>(QStringLiteral("PNummerWertEin20"));
        QCOMPARE(twenty->fill(), QColor(255, 255, 0));
        QVERIFY(!p.find<CountCell>(QStringLiteral("PNummerWertEin1"))->fill().isValid());
        // The memo holds the normalised text; the rows stay ready.
        QVERIFY(!p.page->M1()->toPlainText().contains(QStringLiteral("\r")));
        QVERIFY(p.rows().OwnRowsReady);

        // Clearing puts the board and the counts back to 0.
        p.click(QStringLiteral("BMemoClear"));
        QVERIFY(p.page->M1()->toPlainText().isEmpty());
        QCOMPARE(seven->text(), QStringLiteral("0"));
        QVERIFY(!seven->fill().isValid());
        for (const char* name : {"PTR2", "PPZ2", "PBZ22"}) {
            QCOMPARE(p.text(QString::fromLatin1(name)), QStringLiteral("0"));
        }
        QVERIFY(!p.rows().OwnRowsReady);
    }

    void parseMessagesNameLineAndItem() {
        OwnRowsPage p;
        p.page->M1()->setPlainText(QStringLiteral("1,2,3\n4,x,6"));
        QVERIFY(!p.clickAndWaitForParse(QStringLiteral("bsSkinSpeedButton21")));
        QCOMPARE(p.keysShown(), QStringList{QStringLiteral("own_rows.not_a_number")});
        QVERIFY(p.fake().messages.LastText().startsWith(
            QStringLiteral("Item \"x\" in line 2 is not a whole number.")));
        QVERIFY(!p.rows().OwnRowsReady);
        // The row count belongs to the new text already.
        QCOMPARE(p.text(QStringLiteral("PTR2")), QStringLiteral("2"));

        p.fake().messages.Clear();
        p.page->M1()->setPlainText(QStringLiteral("1,2,3\n4,5,50"));
        QVERIFY(!p.clickAndWaitForParse(QStringLiteral("bsSkinSpeedButton21")));
        QCOMPARE(
            p.fake().messages.LastText().section(QLatin1Char('\r'), 0, 0),
            QStringLiteral("Number 50 in line 2 is outside the range of validity from 1 to 49."));
        QCOMPARE(p.page->Gauge2()->value(), 0);

        p.fake().messages.Clear();
        p.page->M1()->clear();
        QVERIFY(!p.clickAndWaitForParse(QStringLiteral("bsSkinSpeedButton21")));
        QCOMPARE(p.keysShown(), QStringList{QStringLiteral("own_rows.empty_text")});
    }

    void bracketQuestionBothWays() {
        OwnRowsPage p;
        p.page->M1()->setPlainText(QStringLiteral("  (1,2,3),(4,5,6),(7,8,9)  \n\n"));
        p.fake().messages.answers.enqueue(MessageAnswer::No);
        QVERIFY(!p.clickAndWaitForParse(QStringLiteral("bsSkinSpeedButton21")));
        QCOMPARE(p.keysShown(), QStringList{QStringLiteral("own_rows.bracket_question")});
        QCOMPARE(p.page->M1()->toPlainText(), QStringLiteral("(1,2,3),(4,5,6),(7,8,9)"));

        p.fake().messages.Clear();
        p.fake().messages.answers.enqueue(MessageAnswer::Yes);
        QVERIFY(p.clickAndWaitForParse(QStringLiteral("bsSkinSpeedButton21")));
        QCOMPARE(p.keysShown(), QStringList{QStringLiteral("own_rows.bracket_question")});
        QCOMPARE(p.page->M1()->toPlainText(), QStringLiteral("1,2,3\n4,5,6\n7,8,9"));
        QCOMPARE(p.text(QStringLiteral("PTR2")), QStringLiteral("3"));
        QCOMPARE(p.text(QStringLiteral("PPZ2")), QStringLiteral("9"));
    }

    // A long parse runs off the user-interface thread; the commands that would disturb it are
    // disabled meanwhile and enabled again at its end.
    void commandsWaitForALongParse() {
        OwnRowsPage p;
        QString text;
        for (int r = 0; r < 100000; ++r) {
            text += QStringLiteral("%1,%2,%3,%4,%5,%6\n")
                        .arg(1 + r % 40)
                        .arg(41)
                        .arg(42)
                        .arg(43)
                        .arg(44)
                        .arg(45);
        }
        p.page->M1()->setPlainText(text);
        QSignalSpy finished(p.page, &PageOwnRows::parseFinished);
        p.click(QStringLiteral("bsSkinSpeedButton21"));
        QVERIFY(p.page->ParseRunning());
        for (const char* name : {"bsSkinSpeedButton9", "bsSkinSpeedButton15", "bsSkinSpeedButton8",
                                 "BMemoClear", "BSave", "BExcelExport", "bsSkinSpeedButton21"}) {
            QVERIFY2(!p.find<QPushButton>(QString::fromLatin1(name))->isEnabled(), name);
        }
        QVERIFY(p.page->M1()->isReadOnly());
        QVERIFY(!p.page->RGTrenner()->isEnabled());
        QVERIFY(finished.wait(60000));
        QVERIFY(finished.first().first().toBool());
        QVERIFY(!p.page->M1()->isReadOnly());
        QVERIFY(p.find<QPushButton>(QStringLiteral("BMemoClear"))->isEnabled());
        QCOMPARE(p.text(QStringLiteral("PTR2")), QStringLiteral("100000"));
        QCOMPARE(p.text(QStringLiteral("PBZ22")), QStringLiteral("5"));
        QCOMPARE(p.page->Gauge2()->value(), p.page->Gauge2()->maximum());
    }

    void openFile() {
        OwnRowsPage p;
        const auto file = p.fixture.dir().Write("rows.txt", std::string("\xFF\xFE"
                                                                        "1\0,\0"
                                                                        "2\0\r\0\n\0"
                                                                        "3\0,\0"
                                                                        "4\0",
                                                                        18));
        const QString name = QString::fromStdString(file.string());

        // Over a text: No keeps everything.
        p.page->M1()->setPlainText(QStringLiteral("5,6\n7,8"));
        p.fake().messages.answers.enqueue(MessageAnswer::No);
        p.click(QStringLiteral("bsSkinSpeedButton9"));
        QCOMPARE(p.page->M1()->toPlainText(), QStringLiteral("5,6\n7,8"));
        QVERIFY(p.fake().fileDialogs.foldersAsked.isEmpty());

        // Yes, then Cancel in the dialog: the text field is empty.
        p.fake().messages.answers.enqueue(MessageAnswer::Yes);
        p.click(QStringLiteral("bsSkinSpeedButton9"));
        QVERIFY(p.page->M1()->toPlainText().isEmpty());
        QCOMPARE(p.text(QStringLiteral("LDatei")), QString());

        // A UTF-16 file.
        p.fake().fileDialogs.openNames.enqueue(name);
        p.click(QStringLiteral("bsSkinSpeedButton9"));
        QCOMPARE(p.page->M1()->toPlainText(), QStringLiteral("1,2\n3,4"));
        QCOMPARE(p.text(QStringLiteral("LDatei")), QStringLiteral("rows.txt"));
        QCOMPARE(p.fake().fileDialogs.foldersAsked.last(),
                 QString::fromStdString(p.fixture.folders().appDataFolder.string()));

        // A file that cannot be read: the text stays.
        p.fake().messages.answers.enqueue(MessageAnswer::Yes);
        p.fake().fileDialogs.openNames.enqueue(name + QStringLiteral(".missing"));
        p.click(QStringLiteral("bsSkinSpeedButton9"));
        QCOMPARE(p.page->M1()->toPlainText(), QStringLiteral("1,2\n3,4"));
        QCOMPARE(p.text(QStringLiteral("LDatei")), QStringLiteral("rows.txt"));
        QCOMPARE(p.fake().messages.shown.last().key, QStringLiteral("general.file_read_failed"));
    }

    void saveFile() {
        OwnRowsPage p;
        p.click(QStringLiteral("BSave"));
        QCOMPARE(p.keysShown(), QStringList{QStringLiteral("own_rows.nothing_to_save")});

        p.page->M1()->setPlainText(QStringLiteral("1,2\n3,4"));
        p.page->LDatei()->setText(QStringLiteral("before"));
        p.click(QStringLiteral("BSave"));  // cancelled
        QCOMPARE(p.text(QStringLiteral("LDatei")), QStringLiteral("before"));

        const auto file = p.fixture.dir().path() / "saved.csv";
        p.fake().fileDialogs.saveNames.enqueue(QString::fromStdString(file.string()));
        p.click(QStringLiteral("BSave"));
        QCOMPARE(p.fixture.dir().Read("saved.csv"), std::string("1,2\r\n3,4"));
        QCOMPARE(p.text(QStringLiteral("LDatei")), QStringLiteral("saved.csv"));
    }

    void excelExportAndImport() {
        OwnRowsPage p;
        const auto documents = p.fixture.dir().path() / "Documents";
        p.fake().desktop.documentsFolder = QString::fromStdString(documents.string());
        p.fake().waits.dateTime = QDateTime(QDate(2026, 5, 4), QTime(18, 30, 12));

        p.click(QStringLiteral("BExcelExport"));
        QCOMPARE(p.keysShown(), QStringList{QStringLiteral("own_rows.no_rows_to_export")});

        p.fake().messages.Clear();
        p.page->M1()->setPlainText(QStringLiteral("6,5,4\n1,2,3"));
        p.fake().desktop.spreadsheetInstalled = false;
        QVERIFY(p.clickAndWaitForParse(QStringLiteral("BExcelExport")));
        QCOMPARE(p.keysShown(), QStringList{QStringLiteral("own_rows.excel_missing")});
        QVERIFY(!std::filesystem::exists(documents));

        p.fake().messages.Clear();
        p.fake().desktop.spreadsheetInstalled = true;
        p.click(QStringLiteral("BExcelExport"));  // the rows are ready: no parse
        p.click(QStringLiteral("BExcelExport"));
        QVERIFY(p.fake().messages.shown.isEmpty());
        QCOMPARE(p.fake().desktop.openedUrls.size(), 2);
        const auto first = documents / "Own rows 2026-05-04 18-30-12.xlsx";
        const auto second = documents / "Own rows 2026-05-04 18-30-12 (2).xlsx";
        QCOMPARE(p.fake().desktop.openedUrls[0].toLocalFile(),
                 QString::fromStdString(first.string()));
        QCOMPARE(p.fake().desktop.openedUrls[1].toLocalFile(),
                 QString::fromStdString(second.string()));
        const SheetRead read = ReadFirstSheet(first);
        QVERIFY(read.ok());
        QCOMPARE(SheetMemoText(read), std::string("4,5,6\n1,2,3"));

        // Imported again: the same rows.
        p.fake().messages.answers.enqueue(MessageAnswer::Yes);
        p.fake().fileDialogs.openNames.enqueue(QString::fromStdString(first.string()));
        p.click(QStringLiteral("bsSkinSpeedButton15"));
        QCOMPARE(p.page->M1()->toPlainText(), QStringLiteral("4,5,6\n1,2,3"));
        QCOMPARE(p.text(QStringLiteral("LDatei")),
                 QStringLiteral("Own rows 2026-05-04 18-30-12.xlsx"));

        // A damaged file: a message naming it, and the text stays.
        const auto damaged = p.fixture.dir().Write("damaged.xlsx", "PK\x03\x04 not a workbook");
        p.fake().messages.answers.enqueue(MessageAnswer::Yes);
        p.fake().fileDialogs.openNames.enqueue(QString::fromStdString(damaged.string()));
        p.click(QStringLiteral("bsSkinSpeedButton15"));
        QCOMPARE(p.fake().messages.shown.last().key, QStringLiteral("own_rows.import_unreadable"));
        QVERIFY(p.fake().messages.LastText().contains(QStringLiteral("damaged.xlsx")));
        QCOMPARE(p.page->M1()->toPlainText(), QStringLiteral("4,5,6\n1,2,3"));
    }

    // "Save..." and "Excel export" of the formed rows in g1.
    void rowsPageSaveAndExport() {
        GuiFixture fixture;
        AppContext& context = fixture.Initialize();
        context.Language = 0;
        AppState state(context);
        PageRows page(state, fixture.services());
        FakeServices& fake = fixture.fake();
        const auto documents = fixture.dir().path() / "Dokumente";
        fake.desktop.documentsFolder = QString::fromStdString(documents.string());
        fake.waits.dateTime = QDateTime(QDate(2026, 5, 4), QTime(9, 8, 7));

        auto* save = page.findChild<QPushButton*>(QStringLiteral("BCSV"));
        auto* excel = page.findChild<QPushButton*>(QStringLiteral("BExcel"));
        QVERIFY(save && excel);
        save->click();
        excel->click();
        QCOMPARE(fake.messages.shown.size(), 2);
        QCOMPARE(fake.messages.shown[0].key, QStringLiteral("own_rows.no_rows_to_save"));
        QCOMPARE(fake.messages.shown[1].key, QStringLiteral("own_rows.no_rows_to_export"));

        context.rows.TipSize = 3;
        StringGrid* g1 = page.g1();
        g1->SetRowCount(3);
        const int rows[2][3] = {{3, 17, 22}, {1, 9, 13}};
        for (int r = 0; r < 2; ++r) {
            g1->SetCell(0, r + 1, QString::number(r + 1));
            for (int c = 0; c < 3; ++c) g1->SetCell(c + 1, r + 1, QString::number(rows[r][c]));
        }
        const auto csv = fixture.dir().path() / "rows.csv";
        fake.fileDialogs.saveNames.enqueue(QString::fromStdString(csv.string()));
        save->click();
        QCOMPARE(fixture.dir().Read("rows.csv"), std::string("3,17,22\r\n1,9,13\r\n"));

        page.cbMit()->setChecked(true);
        excel->click();
        QCOMPARE(fake.messages.shown.size(), 2);
        const auto book = documents / "Tippreihen 2026-05-04 09-08-07.xlsx";
        QCOMPARE(fake.desktop.openedUrls.last().toLocalFile(),
                 QString::fromStdString(book.string()));
        const SheetRead read = ReadFirstSheet(book);
        QVERIFY(read.ok());
        QCOMPARE(read.cells[0][0], std::string("Reihe"));
        QCOMPARE(read.cells[1][1], std::string("3"));
        QCOMPARE(read.cells[2][0], std::string("2"));
    }
};

QTEST_MAIN(TestOwnRowsPage)
#include "test_own_rows_page.moc"
