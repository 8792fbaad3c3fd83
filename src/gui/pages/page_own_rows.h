#pragma once

#include <QList>
#include <QPointer>
#include <functional>

#include "own/own_rows_parser.h"
#include "pages/page.h"

class QCheckBox;
class QLabel;
class QPlainTextEdit;
class QProgressBar;
class QPushButton;

namespace kombora::gui {

class ChoiceGroup;
class OwnRowsParseRun;
class StatisticsBoard;

// Page 4, "Own rows": rows typed, pasted, loaded or imported as text, their check, their
// number distribution, and their way out as a text file or a workbook.
class PageOwnRows : public Page {
    Q_OBJECT
  public:
    PageOwnRows(AppState& state, const Services& services, QWidget* parent = nullptr);

    // The delimiter choice: 0 "Comma", 1 "Semicolon", 2 "Spaces".
    ChoiceGroup* RGTrenner() const { return rgTrenner_; }
    // "Check rows thoroughly".
    QCheckBox* cbDetail() const { return cbDetail_; }
    // The rows as text.
    QPlainTextEdit* M1() const { return m1_; }
    QProgressBar* Gauge2() const { return gauge2_; }
    // Where the text came from.
    QLabel* LDatei() const { return lDatei_; }

    // The statistics board of the own rows (cells "PNummerEin" + n, "PNummerWertEin" + n).
    StatisticsBoard* P30() const { return p30_; }

    // Shows exactly the statistics cells 1..largestNumber.
    void ShowNumbersUpTo(int largestNumber);

    // Parses the memo's text off the user-interface thread (Verarbeitungsstart). While it
    // runs, the commands that would change the text or use the rows are disabled. `then`
    // receives whether the rows are ready; it runs at once, without a parse, when they
    // already are. False when a parse is already running (then `then` is not called).
    bool ParseThen(std::function<void(bool ready)> then = {});
    bool ParseRunning() const;

    // A command of another part of the page that uses the own rows: disabled while a parse
    // runs.
    void DisableWhileParsing(QWidget* command);

  signals:
    // A parse has ended; `ready` tells whether the rows were read.
    void parseFinished(bool ready);

  public slots:
    void bsSkinSpeedButton9Click();   // "Open file..."
    void bsSkinSpeedButton15Click();  // "Excel import"
    void bsSkinSpeedButton8Click();   // "Paste clipboard"
    void BMemoClearClick();
    void BSaveClick();                // "Save file..."
    void BExcelExportClick();         // "Excel export"
    void bsSkinSpeedButton21Click();  // "Show distribution"

  private:
    void M1Change();
    void OnParseFinished(const ParseResult& result);
    void SetParsing(bool parsing);
    // The overwrite question before a fill; false when the memo is to stay.
    bool MayOverwrite(MessageId question);
    // Shows the distribution of the parsed rows on the board and in PBZ22.
    void Verteilungermitteln(bool anzeigen);
    // Writes the parsed rows into a new workbook and opens it.
    void ExportOwnRowsToExcel();

    QPlainTextEdit* m1_ = nullptr;
    ChoiceGroup* rgTrenner_ = nullptr;
    QCheckBox* cbDetail_ = nullptr;
    QProgressBar* gauge2_ = nullptr;
    QLabel* pTR2_ = nullptr;
    QLabel* pPZ2_ = nullptr;
    QLabel* pBZ22_ = nullptr;
    QLabel* lDatei_ = nullptr;
    StatisticsBoard* p30_ = nullptr;
    OwnRowsParseRun* parseRun_ = nullptr;
    QList<QPointer<QWidget>> parseSensitive_;
    QList<std::function<void(bool)>> waiting_;
    bool settingText_ = false;
};

}  // namespace kombora::gui
