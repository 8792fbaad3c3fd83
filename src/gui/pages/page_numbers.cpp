#include "pages/page_numbers.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/messages.h"
#include "message_box.h"
#include "numbers/board.h"
#include "pages/forming_view.h"
#include "rows/apply_system.h"
#include "widgets/number_board.h"

namespace kombora::gui {
namespace {

// The clear button's picture: a light sheet crossed out.
QIcon ClearIcon() {
    QPixmap pixmap(32, 32);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(0x5d, 0x6d, 0x7e), 2));
    p.setBrush(QColor(0xf4, 0xf6, 0xf7));
    p.drawRoundedRect(QRectF(6, 4, 20, 24), 3, 3);
    p.setPen(QPen(QColor(0xc0, 0x39, 0x2b), 3, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(11, 11), QPointF(21, 21));
    p.drawLine(QPointF(21, 11), QPointF(11, 21));
    return QIcon(pixmap);
}

QLabel* ValueLabel(const char* name, QWidget* parent) {
    auto* label = new QLabel(QStringLiteral("0"), parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setProperty("valueLabel", true);
    label->setAlignment(Qt::AlignCenter);
    label->setMinimumWidth(36);
    return label;
}

}  // namespace

PageNumbers::PageNumbers(AppState& state, const Services& services, QWidget* parent)
    : Page(state, services, parent) {
    setObjectName(QStringLiteral("Tab2"));
    auto* layout = new QVBoxLayout(body());
    auto* top = new QHBoxLayout;
    top->addWidget(MakeBackButton(QStringLiteral("BBack2")));
    top->addStretch();
    top->addWidget(MakeNextButton(QStringLiteral("bsSkinSpeedButton12"), tr("Further")));
    layout->addLayout(top);

    lBeschreibung_ = new QLabel(this);
    lBeschreibung_->setObjectName(QStringLiteral("LBeschreibung"));
    lBeschreibung_->setWordWrap(true);
    lBeschreibung_->setMinimumHeight(36);
    lBeschreibung_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    layout->addWidget(lBeschreibung_);

    auto* boards = new QHBoxLayout;
    boards->setSpacing(10);
    auto* left = new QVBoxLayout;
    board_ = new NumberBoard(this);
    connect(board_, &NumberBoard::numberClicked, this, &PageNumbers::BLotUrClick);
    left->addWidget(board_);

    // What the system needs and what is chosen.
    auto* counts = new QGridLayout;
    counts->addWidget(new QLabel(QStringLiteral("needed"), this), 0, 1, Qt::AlignCenter);
    counts->addWidget(new QLabel(QStringLiteral("chosen"), this), 0, 2, Qt::AlignCenter);
    counts->addWidget(new QLabel(QStringLiteral("Changing numbers"), this), 1, 0);
    pPool_ = ValueLabel("PPool", this);
    pPZ_ = ValueLabel("PPZ", this);
    counts->addWidget(pPool_, 1, 1);
    counts->addWidget(pPZ_, 1, 2);
    counts->addWidget(new QLabel(QStringLiteral("bank numbers"), this), 2, 0);
    pBZ_ = ValueLabel("PBZ", this);
    pBZ2_ = ValueLabel("PBZ2", this);
    counts->addWidget(pBZ_, 2, 1);
    counts->addWidget(pBZ2_, 2, 2);
    counts->setColumnStretch(3, 1);
    left->addLayout(counts);

    auto* random = new QGroupBox(QStringLiteral("Alternative Zufallswahl"), this);
    random->setObjectName(QStringLiteral("GrBoxZufall"));
    auto* randomLayout = new QHBoxLayout(random);
    auto* bZufall = new QPushButton(QStringLiteral("Choice by random"), random);
    bZufall->setObjectName(QStringLiteral("BZufall"));
    connect(bZufall, &QPushButton::clicked, this, &PageNumbers::BZufallClick);
    auto* bLoeschen = new QPushButton(random);
    bLoeschen->setObjectName(QStringLiteral("BLoeschen"));
    bLoeschen->setIcon(ClearIcon());
    bLoeschen->setIconSize(QSize(22, 22));
    bLoeschen->setToolTip(QStringLiteral("Clear the board"));
    connect(bLoeschen, &QPushButton::clicked, this, &PageNumbers::BLoeschenClick);
    randomLayout->addWidget(bZufall, 1);
    randomLayout->addWidget(bLoeschen);
    left->addWidget(random);
    left->addStretch();
    boards->addLayout(left);

    auto* right = new QVBoxLayout;
    statistics_ = new StatisticsBoard(
        QStringLiteral("p1"), QStringLiteral("Statistics for the typed numbers"),
        QStringLiteral("PNummer"), QStringLiteral("PNummerWert"), 30, 18, 4, 8, this);
    right->addWidget(statistics_);
    auto* actions = new QHBoxLayout;
    auto* bStat = new QPushButton(QStringLiteral("Show distribution"), this);
    bStat->setObjectName(QStringLiteral("BStatBilden"));
    connect(bStat, &QPushButton::clicked, this, &PageNumbers::BStatBildenClick);
    auto* bForm = new QPushButton(QStringLiteral("Form tips"), this);
    bForm->setObjectName(QStringLiteral("BRBilden"));
    bForm->setDefault(true);
    connect(bForm, &QPushButton::clicked, this, &PageNumbers::BRBildenClick);
    actions->addWidget(bStat);
    actions->addWidget(bForm);
    right->addLayout(actions);
    right->addStretch();
    boards->addLayout(right);
    boards->addStretch();
    layout->addLayout(boards);
    layout->addStretch();

    DisableWhileTestRuns({bStat, bForm});
    connect(&state, &AppState::selectedSystemChanged, this, &PageNumbers::ShowChosenSystem);
    connect(&state, &AppState::largestNumberChanged, this, &PageNumbers::ShowNumbersUpTo);
    connect(&state, &AppState::rowsFormed, this,
            [this](const FormingResult& result, bool) { ShowCounts(result); });
}

void PageNumbers::ShowChosenSystem(const QString& description, const QString& changingNumbers,
                                   const QString& bankNumbers) {
    lBeschreibung_->setText(description);
    pPool_->setText(changingNumbers);
    if (!bankNumbers.isNull()) pBZ_->setText(bankNumbers);
    BLoeschenClick();
}

void PageNumbers::ShowChoice() {
    board_->ShowLooks(context().rows);
    const int largest = context().LargestNumber;
    pPZ_->setText(QString::fromStdString(ChangingCounterText(context().rows, largest)));
    pBZ2_->setText(QString::fromStdString(BankCounterText(context().rows, largest)));
}

void PageNumbers::BLotUrClick(int n) {
    if (const auto refused = BoardClick(context().rows, n)) {
        ShowNotice(services(), this, context().Language, *refused);
        return;
    }
    ShowChoice();
}

void PageNumbers::BLoeschenClick() {
    BoardClear(context().rows);
    board_->ShowNumbersUpTo(context().LargestNumber);
    ShowChoice();
    ResetCountCells(this, QStringLiteral("PNummerWert"), kBoardSize, QStringLiteral("0"));
}

void PageNumbers::BZufallClick() {
    RowStore& rows = context().rows;
    if (rows.ChangingNeeded <= 0) {
        ShowNotice(services(), this, context().Language,
                   Notice{MessageId::BoardRandomNoSystem, {}});
        return;
    }
    // A fresh generator for every choice, seeded from the clock.
    const auto source = MakeSeededRandomSource(services().randomSeed->Seed());
    if (const auto refused = RandomChoice(rows, context().LargestNumber, *source)) {
        ShowNotice(services(), this, context().Language, *refused);
        return;
    }
    // Random choice clears the board before it clicks the drawn numbers.
    board_->ShowNumbersUpTo(context().LargestNumber);
    ResetCountCells(this, QStringLiteral("PNummerWert"), kBoardSize, QStringLiteral("0"));
    ShowChoice();
}

void PageNumbers::BRBildenClick() {
    if (context().SelectedSystem < 0) {
        ShowMessage(services(), this, context().Language, MessageId::FormingNoSystem);
        return;
    }
    const bool formed = FormRows(state(), services(), this, true);
    state().RequestTestPageUpdate();
    if (formed) emit nextRequested();
}

void PageNumbers::BStatBildenClick() {
    if (context().SelectedSystem < 0) {
        ShowMessage(services(), this, context().Language, MessageId::FormingNoSystem);
        return;
    }
    FormRows(state(), services(), this, false);
}

void PageNumbers::ShowCounts(const FormingResult& result) {
    for (int n = 1; n <= kBoardSize; ++n) {
        const int32_t count = context().rows.NumberCounts[static_cast<std::size_t>(n)];
        CountCell* cell = statistics_->Count(n);
        cell->setText(QString::number(count));
        cell->SetFill(CountCellFill(count, result.rowCount));
    }
}

void PageNumbers::ShowNumbersUpTo(int largestNumber) {
    board_->ShowNumbersUpTo(largestNumber);
    statistics_->ShowNumbersUpTo(largestNumber);
    // The counters tell how many chosen numbers the new largest number hides.
    ShowChoice();
}

}  // namespace kombora::gui
