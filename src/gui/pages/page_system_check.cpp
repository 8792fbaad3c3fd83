#include "pages/page_system_check.h"

#include <QEvent>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QResizeEvent>
#include <QScrollBar>
#include <QStyle>
#include <QVBoxLayout>
#include <algorithm>
#include <climits>
#include <memory>
#include <string>
#include <vector>

#include "app/messages.h"
#include "app/navigation.h"
#include "evaluation/draws.h"
#include "evaluation/result_texts.h"
#include "evaluation/system_check.h"
#include "message_box.h"
#include "qt_locale.h"
#include "widgets/grid_setup.h"
#include "widgets/string_grid.h"

namespace kombora::gui {
namespace {

const char* const kBankHeading = "For the treatment of banknotes in the system evaluation";
const char* const kBankText =
    "Bank numbers are not considered in the system evaluation. For example, a system for "
    "lottery, 6 out of 59, with a bank number is only examined for its effects of 2, 3, 4 and 5 "
    "hits. If you want to know what the effect of one correct bank number is, you only have to "
    "think the result one cell down and one to the right for each taken bank number.";

QString Label(LabelId id, int32_t language, const QString& fallback) {
    const auto text = LabelText(id, language);
    return text ? QString::fromStdString(*text) : fallback;
}

void Show(const Services& services, QWidget* parent, int32_t language, MessageId id,
          const std::vector<std::string>& args = {}) {
    QStringList list;
    for (const std::string& arg : args) list << QString::fromStdString(arg);
    const std::string key(LookupMessage(id).key);
    ShowMessage(services, parent, language, key.c_str(), list);
}

}  // namespace

PageSystemTest::PageSystemTest(AppState& state, const Services& services, QWidget* parent)
    : Page(state, services, parent) {
    setObjectName(QStringLiteral("tab5"));
    run_ = new EvaluationRun(this);
    connect(run_, &EvaluationRun::progress, this,
            [this](qint64 done, qint64) { SetGaugePosition(done); });
    connect(run_, &EvaluationRun::hitCountStarted, this, &PageSystemTest::ShowDrawCount);
    connect(run_, &EvaluationRun::hitCountFinished, this, &PageSystemTest::ShowHitCount);
    connect(run_, &EvaluationRun::finished, this, &PageSystemTest::OnFinished);
    connect(run_, &EvaluationRun::failed, this, &PageSystemTest::OnFailed);
    BuildLayout();
    ShowIdleButton();
    connect(&state, &AppState::testRequested, this, &PageSystemTest::BZumSystestClick);
    connect(&state, &AppState::testPageUpdateRequested, this,
            &PageSystemTest::PrepareForSelectedSystem);
    connect(&state, &AppState::languageChanged, this, &PageSystemTest::ShowLanguage);
}

bool PageSystemTest::event(QEvent* event) {
    if (event->type() == QEvent::Resize || event->type() == QEvent::StyleChange) FitColumns();
    return Page::event(event);
}

PageSystemTest::~PageSystemTest() {
    if (run_ != nullptr && run_->IsRunning()) {
        // The window goes away with a test running: end it quietly. The state may be gone
        // already; the context outlives the windows.
        disconnect(run_, nullptr, this, nullptr);
        delete run_;
        run_ = nullptr;
        context().TestRunning = false;
    }
}

void PageSystemTest::BuildLayout() {
    auto* layout = new QVBoxLayout(body());
    layout->setContentsMargins(8, 4, 8, 4);
    layout->setSpacing(4);

    auto* table = new QGroupBox(QStringLiteral("System evaluation"), this);
    table->setObjectName(QStringLiteral("GroupG2"));
    auto* tableLayout = new QHBoxLayout(table);
    tableLayout->setContentsMargins(4, 2, 4, 4);
    g2_ = new StringGrid(table);
    G2Fuellen(g2_, context().Language);
    // The corner above the hit-count labels stays empty.
    g2_->setHorizontalHeaderItem(0, new QTableWidgetItem(QString()));
    UseHitGridDrawing(g2_);
    g2_->setStyleSheet(QStringLiteral("QTableWidget { font-size: 9pt; }"));
    g2_->setSelectionMode(QAbstractItemView::NoSelection);
    g2_->setFocusPolicy(Qt::NoFocus);
    g2_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    g2_->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    g2_->setToolTip(
        QStringLiteral("For each number of hits in the pool: how many of all possible draws "
                       "leave the best row with how many matches, and their share in percent."));
    g2_->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    tableLayout->addStretch();
    tableLayout->addWidget(g2_, 100);
    tableLayout->addStretch();
    layout->addWidget(table);

    auto* controls = new QHBoxLayout;
    controls->setSpacing(8);
    bTesten_ = new QPushButton(this);
    bTesten_->setObjectName(QStringLiteral("BTesten"));
    bTesten_->setMinimumWidth(140);
    connect(bTesten_, &QPushButton::clicked, this, &PageSystemTest::BTestenClick);
    controls->addWidget(bTesten_);
    controls->addSpacing(6);
    controls->addWidget(new QLabel(QStringLiteral("Calculations:"), this));
    lKombiAnz_ = new QLabel(QStringLiteral("0"), this);
    lKombiAnz_->setObjectName(QStringLiteral("LKombiAnz"));
    lKombiAnz_->setProperty("valueLabel", true);
    lKombiAnz_->setMinimumWidth(120);
    lKombiAnz_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    controls->addWidget(lKombiAnz_);
    controls->addSpacing(6);
    gauge1_ = new QProgressBar(this);
    gauge1_->setObjectName(QStringLiteral("Gauge1"));
    gauge1_->setMinimum(0);
    gauge1_->setMaximum(1);
    gauge1_->setValue(0);
    gauge1_->setFormat(QStringLiteral("%p %"));
    controls->addWidget(gauge1_, 1);
    lAbbruch_ = new QLabel(QStringLiteral("Evaluation was aborted"), this);
    lAbbruch_->setObjectName(QStringLiteral("LAbbruch"));
    lAbbruch_->setProperty("mandatory", true);
    // Keep the place of the label so that the row does not jump when it appears.
    QSizePolicy keep = lAbbruch_->sizePolicy();
    keep.setRetainSizeWhenHidden(true);
    lAbbruch_->setSizePolicy(keep);
    lAbbruch_->hide();
    controls->addWidget(lAbbruch_);
    layout->addLayout(controls);

    auto* texts = new QHBoxLayout;
    texts->setSpacing(8);
    auto* description = new QGroupBox(QStringLiteral("System under test"), this);
    auto* descriptionLayout = new QVBoxLayout(description);
    descriptionLayout->setContentsMargins(8, 2, 8, 4);
    lBeschreibung2_ = new QLabel(DesignedDescriptionCaption(), description);
    lBeschreibung2_->setObjectName(QStringLiteral("LBeschreibung2"));
    lBeschreibung2_->setWordWrap(true);
    lBeschreibung2_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    lBeschreibung2_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    lBeschreibung2_->setStyleSheet(QStringLiteral("QLabel { font-size: 9pt; }"));
    descriptionLayout->addWidget(lBeschreibung2_, 1);
    texts->addWidget(description, 2);

    auto* bank = new QGroupBox(QString::fromUtf8(kBankHeading), this);
    bank->setObjectName(QStringLiteral("GroupBank"));
    auto* bankLayout = new QVBoxLayout(bank);
    bankLayout->setContentsMargins(8, 2, 8, 4);
    auto* bankText = new QLabel(QString::fromUtf8(kBankText), bank);
    bankText->setObjectName(QStringLiteral("LBankHinweis"));
    bankText->setStyleSheet(QStringLiteral("QLabel { font-size: 9pt; }"));
    bankText->setWordWrap(true);
    bankText->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    bankLayout->addWidget(bankText, 1);
    texts->addWidget(bank, 3);
    layout->addLayout(texts);
    layout->addStretch(1);

    auto* bottom = new QHBoxLayout;
    bottom->addWidget(MakeBackButton(QStringLiteral("BBack5")));
    bottom->addStretch();
    bottom->addWidget(MakeNextButton(QStringLiteral("bsSkinSpeedButton19")));
    layout->addLayout(bottom);
    FitColumns();
}

void PageSystemTest::FitColumns() {
    // At least the designed widths; wider where a text would not fit.
    static constexpr int kDesigned[kResultGridColumns] = {62, 90, 61, 61, 61, 61,
                                                          44, 44, 44, 44, 44, 44};
    g2_->ensurePolished();
    QFont bold = g2_->font();
    bold.setBold(true);
    const QFontMetrics metrics(bold);
    int total = 0;
    for (int column = 0; column < kResultGridColumns; ++column) {
        int width = kDesigned[column];
        for (int row = 0; row < kResultGridRows; ++row) {
            width = std::max(width, metrics.horizontalAdvance(g2_->Cell(column, row)) + 10);
        }
        if (g2_->columnWidth(column) != width) g2_->SetColWidth(column, width);
        total += width;
    }
    const int rowHeight = std::max(17, metrics.height() + 2);
    for (int row = 0; row < g2_->rowCount(); ++row) g2_->setRowHeight(row, rowHeight);
    g2_->SetDefaultRowHeight(rowHeight);
    const int frame = 2 * g2_->frameWidth();
    const int header = g2_->horizontalHeader()->sizeHint().height();
    const int scrollBar = g2_->horizontalScrollBar()->sizeHint().height();
    g2_->setMaximumWidth(total + frame);
    g2_->setMinimumWidth(std::min(total + frame, 400));
    // Room for the scroll bar that appears when the page is narrower than the table.
    g2_->setFixedHeight(header + rowHeight * g2_->rowCount() + frame +
                        (width() > 0 && width() < total + frame + 40 ? scrollBar : 0));
}

QString PageSystemTest::DesignedDescriptionCaption() const {
    return Label(LabelId::TestDescriptionCaption, context().Language,
                 QStringLiteral("System description"));
}

bool PageSystemTest::ShowsDesignedDescriptionCaption() const {
    const QString text = lBeschreibung2_->text();
    return text.isEmpty() || text == Label(LabelId::TestDescriptionCaption, 0, QString()) ||
           text == Label(LabelId::TestDescriptionCaption, 1, QString());
}

void PageSystemTest::ShowLanguage() {
    if (IsTestRunning()) {
        ShowRunningButton();
    } else {
        ShowIdleButton();
    }
    if (ShowsDesignedDescriptionCaption() && !lBeschreibung2_->text().isEmpty()) {
        lBeschreibung2_->setText(DesignedDescriptionCaption());
    }
}

void PageSystemTest::ShowIdleButton() {
    bTesten_->setText(Label(LabelId::TestButtonStart, context().Language, bTesten_->text()));
    bTesten_->setIcon(style()->standardIcon(QStyle::SP_MediaPlay));
}

void PageSystemTest::ShowRunningButton() {
    bTesten_->setText(Label(LabelId::TestButtonStop, context().Language, bTesten_->text()));
    bTesten_->setIcon(style()->standardIcon(QStyle::SP_MediaStop));
}

void PageSystemTest::SetGaugeMaximum(int64_t maximum) {
    gaugeMaximum_ = std::max<int64_t>(maximum, 0);
    gaugeScale_ = gaugeMaximum_ / INT_MAX + 1;
    gauge1_->setMaximum(std::max(1, static_cast<int>(gaugeMaximum_ / gaugeScale_)));
    SetGaugePosition(0);
}

void PageSystemTest::SetGaugePosition(int64_t position) {
    gaugePosition_ = std::clamp<int64_t>(position, 0, gaugeMaximum_);
    gauge1_->setValue(static_cast<int>(gaugePosition_ / gaugeScale_));
}

void PageSystemTest::ShowDrawCount(int k, qint64 draws) {
    if (k < kMinHitCount || k > kMaxHitCount) return;
    g2_->SetCell(1, CountRowOf(k), FormatCountText(draws));
    FitColumns();
}

void PageSystemTest::ShowHitCount(const EvaluationResult& result, int k) {
    if (k < kMinHitCount || k > kMaxHitCount) return;
    const HitCountRowTexts texts = HitCountTexts(result, k, SystemNumberLocale());
    for (int column = 1; column < kResultGridColumns; ++column) {
        const auto c = static_cast<std::size_t>(column);
        g2_->SetCell(column, CountRowOf(k), QString::fromStdString(texts.counts[c]));
        g2_->SetCell(column, PercentRowOf(k), QString::fromStdString(texts.percents[c]));
    }
    FitColumns();
    emit hitCountShown(k);
}

void PageSystemTest::BeginRun(int64_t calculationCount, int64_t drawTotal) {
    lKombiAnz_->setText(FormatCountText(calculationCount));
    ShowRunningButton();
    context().TestStopRequested = false;
    lAbbruch_->hide();
    SetGaugeMaximum(drawTotal);
    g2_->ClearCells();
    state().SetTestRunning(true);
}

void PageSystemTest::EndRun(bool stopped) {
    context().TestStopRequested = stopped;
    ShowIdleButton();
    lAbbruch_->setVisible(stopped);
    state().SetTestRunning(false);
}

void PageSystemTest::OnFinished(const EvaluationResult& result) {
    // The final tallies, in case a report of a hit count was passed over.
    const ResultGridTexts cells = ResultGridCells(result, SystemNumberLocale());
    for (int row = 1; row < kResultGridRows; ++row) {
        for (int column = 1; column < kResultGridColumns; ++column) {
            g2_->SetCell(
                column, row,
                QString::fromStdString(
                    cells[static_cast<std::size_t>(row)][static_cast<std::size_t>(column)]));
        }
    }
    FitColumns();
    const bool stopped = result.stopped;
    if (!stopped) SetGaugePosition(gaugeMaximum_);
    EndRun(stopped);
    emit testFinished(stopped, result);
}

void PageSystemTest::OnFailed(const QString& what, bool outOfMemory) {
    EndRun(false);
    if (outOfMemory) {
        Show(services(), this, context().Language, MessageId::TestOutOfMemory);
    } else {
        Show(services(), this, context().Language, MessageId::GeneralErrorReport,
             {what.toStdString()});
    }
    emit testFinished(false, EvaluationResult{});
}

bool PageSystemTest::StartEvaluation(int64_t calculationCount, int64_t drawTotal,
                                     EvaluationRun::Job job) {
    if (IsTestRunning()) return false;
    BeginRun(calculationCount, drawTotal);
    run_->Start(std::move(job));
    return true;
}

void PageSystemTest::PrepareForSelectedSystem() {
    const AppContext& ctx = context();
    if (!ctx.catalogue.Contains(ctx.SelectedSystem)) return;
    const auto steps = EvaluationStepCount(ctx.catalogue[ctx.SelectedSystem]);
    lKombiAnz_->setText(steps ? FormatCountText(*steps) : QStringLiteral("—"));
    lBeschreibung2_->setText(state().SelectedDescription());
}

void PageSystemTest::BZumSystestClick() {
    AppContext& ctx = context();
    if (ctx.SelectedSystem < 0 || !ctx.catalogue.Contains(ctx.SelectedSystem)) {
        Show(services(), this, ctx.Language, MessageId::TestNoSystemToTheTest);
        return;
    }
    emit showRequested();
    // A test is already running: the page shows it, and nothing else changes.
    if (IsTestRunning()) return;
    PrepareForSelectedSystem();
    BTestenClick();
}

void PageSystemTest::BTestenClick() {
    AppContext& ctx = context();
    if (IsTestRunning()) {
        ctx.TestStopRequested = true;
        if (ctx.OwnTestFromButton) {
            // The own-rows test started by its own button: the gauge goes back at once.
            ctx.OwnTestFromButton = false;
            SetGaugePosition(0);
        } else {
            lAbbruch_->show();
        }
        run_->RequestStop();
        return;
    }
    // Left over from an own-rows test that ended without its button: no run to stop.
    ctx.OwnTestFromButton = false;

    if (ctx.SelectedSystem < 0 || !ctx.catalogue.Contains(ctx.SelectedSystem)) {
        Show(services(), this, ctx.Language, MessageId::TestNoSystem);
        return;
    }
    if (ShowsDesignedDescriptionCaption()) lBeschreibung2_->setText(state().SelectedDescription());

    const TSysteme& entry = ctx.catalogue[ctx.SelectedSystem];
    const int32_t tipSize = ctx.rows.TipSize > 0 ? ctx.rows.TipSize : entry.RG;
    auto plan = std::make_shared<SystemTestPlan>(PlanSystemTest(ctx, ctx.SelectedSystem, tipSize));

    BeginRun(plan->calculationCount, plan->drawTotal);
    if (plan->problem) {
        // The rows could not be read: the run ends before it evaluates anything.
        EndRun(false);
        Show(services(), this, ctx.Language, plan->problem->id, plan->problem->args);
        emit testFinished(false, EvaluationResult{});
        return;
    }
    run_->Start([plan](std::stop_token stop, const EvaluationCallbacks& callbacks) {
        return RunSystemTest(*plan, EvaluationOptions{}, stop, callbacks);
    });
}

void PageSystemTest::StopTest() {
    if (!IsTestRunning()) return;
    context().TestStopRequested = true;
    run_->StopAndWait();
}

}  // namespace kombora::gui
