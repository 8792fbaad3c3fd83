#include "pages/page_own_rows.h"

#include <QCheckBox>
#include <QFileInfo>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

#include "evaluation/distribution.h"
#include "help.h"
#include "io/text_encoding.h"
#include "message_box.h"
#include "own/rows_csv.h"
#include "own/workbook_export.h"
#include "own/workbook_import.h"
#include "pages/own_rows_parse_run.h"
#include "pages/workbook_view.h"
#include "widgets/choice_group.h"
#include "widgets/number_board.h"

namespace kombora::gui {

namespace {

constexpr int kGaugeSteps = 1000;  // the bar's resolution; the parse's own steps are scaled

// A framed status panel showing a count.
QLabel* StatusPanel(const QString& name, QWidget* parent) {
    auto* panel = new QLabel(QStringLiteral("0"), parent);
    panel->setObjectName(name);
    panel->setFrameShape(QFrame::Panel);
    panel->setFrameShadow(QFrame::Sunken);
    panel->setAlignment(Qt::AlignCenter);
    panel->setMinimumWidth(64);
    return panel;
}

QPushButton* Command(const QString& name, const QString& caption, QWidget* parent) {
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(name);
    return button;
}

QString FileNameOnly(const QString& path) {
    return QFileInfo(path).fileName();
}

}  // namespace

PageOwnRows::PageOwnRows(AppState& state, const Services& services, QWidget* parent)
    : Page(state, services, parent) {
    setObjectName(QStringLiteral("tab4"));
    parseRun_ = new OwnRowsParseRun(this);

    auto* layout = new QVBoxLayout(body());
    auto* body = new QHBoxLayout;
    layout->addLayout(body, 1);

    // Left: the text, where it came from, and the commands that fill, empty and save it.
    auto* left = new QVBoxLayout;
    body->addLayout(left, 1);
    auto* fill = new QHBoxLayout;
    auto* open =
        Command(QStringLiteral("bsSkinSpeedButton9"), QStringLiteral("Open file..."), this);
    auto* paste =
        Command(QStringLiteral("bsSkinSpeedButton8"), QStringLiteral("Paste clipboard"), this);
    auto* import =
        Command(QStringLiteral("bsSkinSpeedButton15"), QStringLiteral("Excel import"), this);
    auto* clear = Command(QStringLiteral("BMemoClear"), QString(), this);
    clear->setIcon(style()->standardIcon(QStyle::SP_DialogDiscardButton));
    clear->setToolTip(QStringLiteral("Clear the text field"));
    clear->setAccessibleName(QStringLiteral("Clear"));
    for (QPushButton* b : {open, paste, import, clear}) fill->addWidget(b);
    fill->addStretch();
    left->addLayout(fill);

    m1_ = new QPlainTextEdit(this);
    m1_->setObjectName(QStringLiteral("M1"));
    m1_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    m1_->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    m1_->setTabChangesFocus(false);
    left->addWidget(m1_, 1);
    lDatei_ = new QLabel(this);
    lDatei_->setObjectName(QStringLiteral("LDatei"));
    left->addWidget(lDatei_);

    auto* out = new QHBoxLayout;
    auto* save = Command(QStringLiteral("BSave"), QStringLiteral("Save file..."), this);
    auto* exportButton =
        Command(QStringLiteral("BExcelExport"), QStringLiteral("Excel export"), this);
    out->addWidget(save);
    out->addWidget(exportButton);
    out->addStretch();
    left->addLayout(out);

    // Right: how to read the text, the progress, the counts and the distribution.
    auto* right = new QVBoxLayout;
    body->addLayout(right);
    auto* options = new QHBoxLayout;
    rgTrenner_ = new ChoiceGroup(
        QStringLiteral("Delimiter"),
        {QStringLiteral("Comma"), QStringLiteral("Semicolon"), QStringLiteral("Spaces")},
        Qt::Horizontal, this);
    rgTrenner_->setObjectName(QStringLiteral("RGTrenner"));
    rgTrenner_->setItemIndex(0);
    options->addWidget(rgTrenner_);
    cbDetail_ = new QCheckBox(QStringLiteral("Check rows thoroughly"), this);
    cbDetail_->setObjectName(QStringLiteral("cbDetail"));
    cbDetail_->setChecked(true);
    SetHelpContext(cbDetail_, 1080);
    options->addWidget(cbDetail_);
    options->addStretch();
    right->addLayout(options);

    gauge2_ = new QProgressBar(this);
    gauge2_->setObjectName(QStringLiteral("Gauge2"));
    gauge2_->setRange(0, kGaugeSteps);
    gauge2_->setValue(0);
    gauge2_->setTextVisible(false);
    right->addWidget(gauge2_);

    auto* counts = new QGridLayout;
    pTR2_ = StatusPanel(QStringLiteral("PTR2"), this);
    pPZ2_ = StatusPanel(QStringLiteral("PPZ2"), this);
    pBZ22_ = StatusPanel(QStringLiteral("PBZ22"), this);
    counts->addWidget(new QLabel(QStringLiteral("Tip rows"), this), 0, 0);
    counts->addWidget(pTR2_, 0, 1);
    counts->addWidget(new QLabel(QStringLiteral("Pool numbers"), this), 0, 2);
    counts->addWidget(pPZ2_, 0, 3);
    counts->addWidget(new QLabel(QStringLiteral("Bank numbers"), this), 0, 4);
    counts->addWidget(pBZ22_, 0, 5);
    counts->setColumnStretch(6, 1);
    right->addLayout(counts);

    // How often each number occurs in the own rows.
    p30_ = new StatisticsBoard(
        QStringLiteral("P30"), QStringLiteral("Statistics for the numbers to be played"),
        QStringLiteral("PNummerEin"), QStringLiteral("PNummerWertEin"), 32, 18, 2, 10, this);
    right->addWidget(p30_, 0, Qt::AlignLeft);
    auto* distribution =
        Command(QStringLiteral("bsSkinSpeedButton21"), QStringLiteral("Show distribution"), this);
    right->addWidget(distribution, 0, Qt::AlignLeft);
    right->addStretch();

    auto* bottom = new QHBoxLayout;
    bottom->addWidget(MakeBackButton(QStringLiteral("BBack4")));
    bottom->addStretch();
    bottom->addWidget(MakeNextButton(QStringLiteral("BNext4")));
    layout->addLayout(bottom);

    connect(open, &QPushButton::clicked, this, &PageOwnRows::bsSkinSpeedButton9Click);
    connect(paste, &QPushButton::clicked, this, &PageOwnRows::bsSkinSpeedButton8Click);
    connect(import, &QPushButton::clicked, this, &PageOwnRows::bsSkinSpeedButton15Click);
    connect(clear, &QPushButton::clicked, this, &PageOwnRows::BMemoClearClick);
    connect(save, &QPushButton::clicked, this, &PageOwnRows::BSaveClick);
    connect(exportButton, &QPushButton::clicked, this, &PageOwnRows::BExcelExportClick);
    connect(distribution, &QPushButton::clicked, this, &PageOwnRows::bsSkinSpeedButton21Click);
    connect(m1_, &QPlainTextEdit::textChanged, this, &PageOwnRows::M1Change);
    connect(parseRun_, &OwnRowsParseRun::progress, this, [this](qint64 position, qint64 maximum) {
        gauge2_->setValue(maximum > 0 ? static_cast<int>(position * kGaugeSteps / maximum) : 0);
    });
    connect(parseRun_, &OwnRowsParseRun::finished, this, &PageOwnRows::OnParseFinished);
    connect(&state, &AppState::largestNumberChanged, this, &PageOwnRows::ShowNumbersUpTo);

    for (QWidget* w : std::initializer_list<QWidget*>{
             open, paste, import, clear, save, exportButton, distribution, rgTrenner_, cbDetail_}) {
        parseSensitive_.append(w);
    }
    DisableWhileTestRuns({open, paste, import, clear});
}

void PageOwnRows::ShowNumbersUpTo(int largestNumber) {
    p30_->ShowNumbersUpTo(largestNumber);
}

void PageOwnRows::DisableWhileParsing(QWidget* command) {
    parseSensitive_.append(command);
    if (ParseRunning()) command->setEnabled(false);
}

bool PageOwnRows::ParseRunning() const {
    return parseRun_->IsRunning();
}

void PageOwnRows::M1Change() {
    RowStore& rows = context().rows;
    rows.OwnRowsReady = false;
    if (!settingText_) state().AnnounceOwnRowsChanged();
}

void PageOwnRows::SetParsing(bool parsing) {
    for (const auto& w : parseSensitive_) {
        if (w) w->setEnabled(!parsing);
    }
    m1_->setReadOnly(parsing);
}

bool PageOwnRows::ParseThen(std::function<void(bool ready)> then) {
    if (ParseRunning()) return false;
    if (context().rows.OwnRowsReady) {
        if (then) then(true);
        return true;
    }
    const QString text = m1_->toPlainText();
    if (text.isEmpty()) {
        ShowMessage(services(), this, context().Language, MessageId::OwnRowsEmptyText);
        if (then) then(false);
        emit parseFinished(false);
        return true;
    }
    if (then) waiting_.append(std::move(then));
    const ParseOptions options{rgTrenner_->itemIndex(), cbDetail_->isChecked(),
                               context().LargestNumber};
    SetParsing(true);
    gauge2_->setValue(0);
    parseRun_->Start(text.toStdString(), options, [this] {
        return ShowMessage(services(), this, context().Language, MessageId::OwnRowsBracketQuestion);
    });
    return true;
}

void PageOwnRows::OnParseFinished(const ParseResult& result) {
    // The normalised text stays in the memo, also after a failure.
    if (result.textNormalised) {
        const QString text = QString::fromStdString(result.text);
        if (text != m1_->toPlainText()) {
            settingText_ = true;
            m1_->setPlainText(text);
            settingText_ = false;
        }
    }
    RowStore& rows = context().rows;
    ApplyParseResult(rows, result);
    if (result.rowsCounted) pTR2_->setText(QString::number(result.rowCount));
    if (result.ok()) pPZ2_->setText(QString::number(result.poolSize));
    gauge2_->setValue(result.gaugeMaximum > 0 ? static_cast<int>(result.gaugePosition *
                                                                 kGaugeSteps / result.gaugeMaximum)
                                              : (result.ok() ? kGaugeSteps : 0));
    SetParsing(false);
    if (result.message) {
        QStringList args;
        for (const auto& a : result.message->args) args << QString::fromStdString(a);
        ShowMessage(services(), this, context().Language, result.message->id, args);
    }
    if (result.ok()) state().AnnounceOwnRowsChanged();
    const bool ready = rows.OwnRowsReady;
    const auto waiting = std::exchange(waiting_, {});
    for (const auto& then : waiting) then(ready);
    emit parseFinished(ready);
}

bool PageOwnRows::MayOverwrite(MessageId question) {
    if (m1_->toPlainText().isEmpty()) return true;
    return ShowMessage(services(), this, context().Language, question) == MessageAnswer::Yes;
}

void PageOwnRows::BMemoClearClick() {
    m1_->clear();
    context().rows.OwnRowsReady = false;
    lDatei_->clear();
    ResetCountCells(p30_, QStringLiteral("PNummerWertEin"), kBoardSize, QStringLiteral("0"));
    pPZ2_->setText(QStringLiteral("0"));
    pBZ22_->setText(QStringLiteral("0"));
    pTR2_->setText(QStringLiteral("0"));
    state().AnnounceOwnRowsChanged();
}

void PageOwnRows::bsSkinSpeedButton9Click() {
    if (!MayOverwrite(MessageId::OwnRowsOverwriteQuestion)) return;
    const QString before = m1_->toPlainText();
    const QString source = lDatei_->text();
    BMemoClearClick();
    const QString file = services().fileDialogs->OpenFileName(
        this, QString(), QString::fromStdString(PathToUtf8(context().folders.appDataFolder)),
        QStringLiteral("CSV-Dateien (*.csv);;Textdateien (*.txt)"));
    if (file.isEmpty()) return;
    std::string text;
    std::string error;
    if (!LoadMemoText(PathFromUtf8(file.toStdString()), text, &error)) {
        // Nothing of the text is lost when the file cannot be read.
        m1_->setPlainText(before);
        lDatei_->setText(source);
        ShowMessage(services(), this, context().Language, MessageId::GeneralFileReadFailed,
                    {file, QString::fromStdString(error)});
        return;
    }
    m1_->setPlainText(QString::fromStdString(text));
    lDatei_->setText(FileNameOnly(file));
}

void PageOwnRows::bsSkinSpeedButton15Click() {
    if (!MayOverwrite(MessageId::OwnRowsOverwriteQuestion)) return;
    const QString before = m1_->toPlainText();
    const QString source = lDatei_->text();
    BMemoClearClick();
    const QString file = services().fileDialogs->OpenFileName(
        this, QStringLiteral("Excel-Tabelle importieren"),
        QString::fromStdString(PathToUtf8(context().folders.appDataFolder)),
        QStringLiteral("Excel-Tabelle importieren (*.xl* *.ods)"));
    if (file.isEmpty()) return;
    const SheetRead sheet = ReadFirstSheet(PathFromUtf8(file.toStdString()));
    if (!sheet.ok()) {
        m1_->setPlainText(before);
        lDatei_->setText(source);
        ShowMessage(services(), this, context().Language,
                    sheet.failure == SheetRead::Failure::TooLarge
                        ? MessageId::OwnRowsImportTooLarge
                        : MessageId::OwnRowsImportUnreadable,
                    {file});
        return;
    }
    m1_->setPlainText(QString::fromStdString(SheetMemoText(sheet)));
    lDatei_->setText(FileNameOnly(file));
}

void PageOwnRows::bsSkinSpeedButton8Click() {
    if (!MayOverwrite(MessageId::OwnRowsClipboardOverwriteQuestion)) return;
    BMemoClearClick();
    m1_->setPlainText(services().clipboard->Text());
    lDatei_->setText(QString::fromStdString(
        LabelText(LabelId::OwnRowsFromClipboard, context().Language).value_or(std::string())));
}

void PageOwnRows::BSaveClick() {
    if (m1_->toPlainText().isEmpty()) {
        ShowMessage(services(), this, context().Language, MessageId::OwnRowsNothingToSave);
        return;
    }
    const QString file = services().fileDialogs->SaveFileName(
        this, QStringLiteral("Save file"),
        QString::fromStdString(PathToUtf8(context().folders.appDataFolder)),
        QStringLiteral("CSV-Trennzeichen getrennt (*.csv)"));
    if (file.isEmpty()) return;
    std::string error;
    if (!SaveMemoText(m1_->toPlainText().toStdString(), PathFromUtf8(file.toStdString()), &error)) {
        ShowMessage(services(), this, context().Language, MessageId::GeneralFileWriteFailed,
                    {file, QString::fromStdString(error)});
        return;
    }
    lDatei_->setText(FileNameOnly(file));
}

void PageOwnRows::BExcelExportClick() {
    if (m1_->toPlainText().isEmpty()) {
        ShowMessage(services(), this, context().Language, MessageId::OwnRowsNoRowsToExport);
        return;
    }
    ParseThen([this](bool ready) {
        if (ready) ExportOwnRowsToExcel();
    });
}

void PageOwnRows::ExportOwnRowsToExcel() {
    const int32_t language = context().Language;
    const WorkbookSheet sheet =
        OwnRowsWorksheet(context().rows.OwnRows,
                         LabelText(LabelId::OwnRowsOwnSheetName, language).value_or("Sheet1"));
    ExportWorkbook(services(), this, language, sheet,
                   LabelText(LabelId::OwnRowsOwnFileName, language).value_or("Own rows"));
}

void PageOwnRows::bsSkinSpeedButton21Click() {
    ParseThen([this](bool ready) {
        if (ready) Verteilungermitteln(true);
    });
}

void PageOwnRows::Verteilungermitteln(bool anzeigen) {
    RowStore& rows = context().rows;
    kombora::Verteilungermitteln(rows);
    if (anzeigen) {
        for (int n = 1; n <= kBoardSize; ++n) {
            CountCell* cell = p30_->Count(n);
            cell->setText(QString::number(rows.OwnNumberCounts[static_cast<std::size_t>(n)]));
            switch (DistributionMarkOf(rows, n)) {
                case DistributionMark::Bank:
                    cell->SetFill(QColor(0, 255, 0));
                    break;
                case DistributionMark::Present:
                    cell->SetFill(QColor(255, 255, 0));
                    break;
                case DistributionMark::Absent:
                    cell->SetFill(QColor());
                    break;
            }
        }
    }
    pBZ22_->setText(QString::number(rows.OwnBankCount));
}

}  // namespace kombora::gui
