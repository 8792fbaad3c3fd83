#include "main_window.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QSlider>
#include <QStyle>
#include <QTabWidget>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>

#include "app/startup.h"
#include "form_exists.h"
#include "help.h"
#include "icons.h"
#include "pages/page_numbers.h"
#include "pages/page_own_rows.h"
#include "pages/page_own_systems.h"
#include "pages/page_rows.h"
#include "pages/page_selection.h"
#include "pages/page_system_check.h"
#include "tools/calculator.h"
#include "tools/calendar_window.h"
#include "tools/info_window.h"
#include "tools/nueberk_window.h"
#include "tools/update_window.h"

namespace kombora::gui {

namespace {

constexpr int kClientWidth = 721;
constexpr int kClientHeight = 760;
// The width of a window manager's frame border, allowed for when the window is placed.
constexpr int kFrameBorder = 8;

struct PageInfo {
    const char* caption;
    int helpContext;
};
constexpr PageInfo kPages[] = {
    {"System selection", 1040}, {"Choice of numbers", 1050}, {"Lines of numbers", 1060},
    {"Own rows", 1070},         {"System test", 1090},       {"Manage own systems", 1100},
};

}  // namespace

TFMain::TFMain(AppContext& context, const Services& services, QWidget* parent)
    : QMainWindow(parent),
      context_(context),
      services_(services),
      // Created first, so that it is deleted first: the pages never use it while they go.
      state_(new AppState(context, this)) {
    setObjectName(QStringLiteral("FMain"));
    setWindowTitle(QString::fromUtf8(kProductName) + QStringLiteral(" ") +
                   QString::fromUtf8(kProgramVersion));
    SetHelpContext(this, 1010);

    BuildMenu();
    BuildToolbar();
    auto* central = new QWidget(this);
    central->setObjectName(QStringLiteral("PMain"));
    auto* layout = new QVBoxLayout(central);
    layout->setContentsMargins(8, 6, 8, 8);
    layout->setSpacing(6);
    layout->addWidget(BuildLargestNumberStrip());
    BuildPages();
    layout->addWidget(pc1_, 1);
    setCentralWidget(central);

    // Start with consistent filter controls and the largest number of the strip.
    pageSelection_->Slider2Change();
    updown1Change();
    pc1_->setCurrentIndex(0);

    // As wide as the widest page needs (the pages scroll up and down, not sideways).
    resize(
        QSize(kClientWidth, kClientHeight + menuBar()->sizeHint().height() +
                                tool1_->sizeHint().height())
            .expandedTo(minimumSizeHint()));
    if (const QScreen* screen = QApplication::primaryScreen()) {
        // The frame and title bar the window manager adds must stay on the screen too (a
        // 1366 x 768 screen with a task bar); the pages scroll where they do not fit.
        const QRect available = screen->availableGeometry();
        const int titleBar = std::max(32, style()->pixelMetric(QStyle::PM_TitleBarHeight));
        const QSize decoration(2 * kFrameBorder, titleBar + 2 * kFrameBorder);
        QRect frame(QPoint(0, 0), size().boundedTo(available.size() - decoration));
        frame.moveCenter(available.center());
        setGeometry(frame);
    }
}

void TFMain::BuildMenu() {
    QMenu* file = menuBar()->addMenu(QStringLiteral("&File"));
    QAction* quit = file->addAction(QStringLiteral("&Beenden"), this, &TFMain::BCloseClick);
    quit->setObjectName(QStringLiteral("MBeenden"));

    QMenu* extras = menuBar()->addMenu(QStringLiteral("&Extras"));
    extras->addAction(QStringLiteral("Calculate &n over k"), this, &TFMain::ShowNueberK)
        ->setObjectName(QStringLiteral("MNueberK"));
    extras->addAction(QStringLiteral("&Calendar"), this, &TFMain::ShowKalender)
        ->setObjectName(QStringLiteral("MKalender"));
    extras->addAction(QStringLiteral("Calculato&r"), this, &TFMain::StartRechner)
        ->setObjectName(QStringLiteral("MRechner"));
    extras->addSeparator();
    extras->addAction(QStringLiteral("&Update check"), this, &TFMain::ShowUpdate)
        ->setObjectName(QStringLiteral("MUpdate1"));

    QMenu* help = menuBar()->addMenu(QStringLiteral("&Help"));
    help->addAction(QStringLiteral("&Content"))->setObjectName(QStringLiteral("MContent"));
    help->addAction(QStringLiteral("Search &in…"), this, &TFMain::ShowHelpSearch)
        ->setObjectName(QStringLiteral("MSearch"));
    help->addSeparator();
    help->addAction(QStringLiteral("&Update check"), this, &TFMain::ShowUpdate)
        ->setObjectName(QStringLiteral("MUpdate2"));
    help->addSeparator();
    help->addAction(QStringLiteral("Programm-&Info"), this, &TFMain::ShowInfo)
        ->setObjectName(QStringLiteral("MInfo"));
}

void TFMain::BuildToolbar() {
    auto* bar = new QToolBar(QStringLiteral("Tools"), this);
    tool1_ = bar;
    bar->setObjectName(QStringLiteral("Tool1"));
    bar->setMovable(false);
    bar->setFloatable(false);
    bar->setIconSize(QSize(28, 28));
    bar->setToolButtonStyle(Qt::ToolButtonIconOnly);
    bar->toggleViewAction()->setVisible(false);
    setContextMenuPolicy(Qt::NoContextMenu);
    addToolBar(Qt::TopToolBarArea, bar);

    struct Button {
        const char* name;
        IconKind icon;
        const char* tip;
        void (TFMain::*slot)();
    };
    const Button buttons[] = {
        {"BClose", IconKind::Close, "Close Kombora", &TFMain::BCloseClick},
        {"bsSkinSpeedButton6", IconKind::NOverK, "Calculate n over k", &TFMain::ShowNueberK},
        {"bsSkinSpeedButton14", IconKind::Calendar, "Calendar", &TFMain::ShowKalender},
        {"bsSkinSpeedButton3", IconKind::Calculator, "Calculator", &TFMain::StartRechner},
        {"BUpdate", IconKind::Update, "Update check", &TFMain::ShowUpdate},
    };
    const auto add = [&](const Button& b) {
        QAction* action = bar->addAction(MakeIcon(b.icon), QString::fromUtf8(b.tip));
        action->setToolTip(QString::fromUtf8(b.tip));
        connect(action, &QAction::triggered, this, b.slot);
        QWidget* widget = bar->widgetForAction(action);
        widget->setObjectName(QString::fromUtf8(b.name));
        widget->setCursor(Qt::PointingHandCursor);
    };
    for (const Button& b : buttons) add(b);
    auto* spacer = new QWidget(bar);
    spacer->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
    bar->addWidget(spacer);
    add({"bsSkinSpeedButton20", IconKind::Help, "Help", &TFMain::ShowHelp});
}

QWidget* TFMain::BuildLargestNumberStrip() {
    auto* strip = new QFrame(this);
    strip->setObjectName(QStringLiteral("PZahlMax"));
    strip->setFrameShape(QFrame::StyledPanel);
    auto* layout = new QVBoxLayout(strip);
    layout->setContentsMargins(10, 8, 10, 8);
    layout->setSpacing(6);

    auto* head = new QHBoxLayout;
    auto* text = new QLabel(
        QStringLiteral("For system and random selection as well as optimization of the tests "
                       "please state the biggest number:"),
        strip);
    text->setWordWrap(true);
    head->addWidget(text, 1);
    auto* mandatory = new QLabel(QStringLiteral("Mandatory indication"), strip);
    mandatory->setObjectName(QStringLiteral("LPflicht"));
    mandatory->setProperty("mandatory", true);
    head->addWidget(mandatory, 0, Qt::AlignRight | Qt::AlignTop);
    layout->addLayout(head);

    auto* controls = new QHBoxLayout;
    controls->setSpacing(6);
    updown1_ = new QScrollBar(Qt::Horizontal, strip);
    updown1_->setObjectName(QStringLiteral("updown1"));
    updown1_->setRange(32, 100);
    updown1_->setSingleStep(1);
    updown1_->setPageStep(1);
    updown1_->setValue(59);
    updown1_->setMinimumWidth(160);
    updown1_->setToolTip(QStringLiteral("The biggest number of your lottery (32 to 100)"));
    controls->addWidget(updown1_, 1);
    pZufMax_ = new QLabel(strip);
    pZufMax_->setObjectName(QStringLiteral("PZufMax"));
    pZufMax_->setAlignment(Qt::AlignCenter);
    pZufMax_->setMinimumWidth(44);
    pZufMax_->setProperty("valueLabel", true);
    controls->addWidget(pZufMax_);
    controls->addSpacing(8);
    for (std::size_t i = 0; i < kQuickNumbers.size(); ++i) {
        const int value = kQuickNumbers[i];
        auto* button = new QPushButton(QString::number(value), strip);
        button->setObjectName(QStringLiteral("BZZ") + QString::number(value));
        button->setProperty("quick", true);
        button->setMinimumWidth(36);
        button->setToolTip(QStringLiteral("The biggest number is %1").arg(value));
        connect(button, &QPushButton::clicked, this, [this, value] { updown1_->setValue(value); });
        quickButtons_[i] = button;
        controls->addWidget(button);
    }
    layout->addLayout(controls);

    auto* title = new QLabel(
        QStringLiteral("The program creates systems for lotteries with 32 up to 100 numbers "
                       "and rows with 4 to 10 numbers, with and without bank numbers."),
        strip);
    title->setObjectName(QStringLiteral("LTitel"));
    title->setWordWrap(true);
    layout->addWidget(title);

    connect(updown1_, &QScrollBar::valueChanged, this, &TFMain::updown1Change);
    return strip;
}

void TFMain::BuildPages() {
    pc1_ = new QTabWidget(this);
    pc1_->setObjectName(QStringLiteral("PC1"));
    pc1_->setDocumentMode(false);
    // Each page connects itself to the state; the window only does the navigation.
    AppState& state = *state_;
    pageSelection_ = new PageSelection(state, services_, pc1_);
    pageNumbers_ = new PageNumbers(state, services_, pc1_);
    pageRows_ = new PageRows(state, services_, pc1_);
    pageOwnRows_ = new PageOwnRows(state, services_, pc1_);
    pageSystemTest_ = new PageSystemTest(state, services_, pc1_);
    pageOwnSystems_ = new PageOwnSystems(state, services_, pc1_);
    Page* const pages[] = {pageSelection_, pageNumbers_,    pageRows_,
                           pageOwnRows_,   pageSystemTest_, pageOwnSystems_};
    for (int i = 0; i < 6; ++i) {
        Page* page = pages[i];
        SetHelpContext(page, kPages[i].helpContext);
        pc1_->addTab(page, QString::fromUtf8(kPages[i].caption));
        connect(page, &Page::backRequested, this, [this, i] { GoBack(i); });
        connect(page, &Page::nextRequested, this, [this, i] { GoNext(i); });
        connect(page, &Page::showRequested, this, [this, page] { pc1_->setCurrentWidget(page); });
    }
}

QPushButton* TFMain::QuickButton(int value) const {
    for (std::size_t i = 0; i < kQuickNumbers.size(); ++i) {
        if (kQuickNumbers[i] == value) return quickButtons_[i];
    }
    return nullptr;
}

void TFMain::updown1Change() {
    const int largest = updown1_->value();
    pZufMax_->setText(QString::number(largest));
    state_->SetLargestNumber(largest);
}

void TFMain::GoBack(int page) {
    if (page > 0) pc1_->setCurrentIndex(page - 1);
}

void TFMain::GoNext(int page) {
    if (page >= 5) return;
    // "Further" on page 2 and "Next" on pages 3 and 5 carry the selected system along.
    if (page == 1 || page == 2 || page == 4) state_->RequestTestPageUpdate();
    pc1_->setCurrentIndex(page + 1);
}

void TFMain::BCloseClick() {
    close();
}

void TFMain::ShowNueberK() {
    QWidget* window = FindForm(QStringLiteral("FNueberK"));
    if (!window) window = new TFNueberK(context_, services_, this);
    BringToFront(window);
}

void TFMain::ShowKalender() {
    QWidget* window = FindForm(QStringLiteral("FKal"));
    if (!window) window = new TFKal(services_, this);
    BringToFront(window);
}

void TFMain::StartRechner() {
    StartCalculator(services_, this, context_.Language);
}

void TFMain::ShowUpdate() {
    QWidget* window = FindForm(QStringLiteral("FUpdate"));
    if (!window) window = new TFUpdate(context_, services_, this);
    BringToFront(window);
}

void TFMain::ShowInfo() {
    QWidget* window = FindForm(QStringLiteral("FInfo"));
    if (!window) window = new TFInfo(services_, this);
    BringToFront(window);
}

void TFMain::ShowHelp() {
    services_.help->ShowTopic(1010);
}

void TFMain::ShowHelpSearch() {
    services_.help->ShowSearch();
}

void TFMain::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    if (!settingsRead_) {
        settingsRead_ = true;
        ReadSettings();
    }
}

void TFMain::closeEvent(QCloseEvent* event) {
    // A running test ends before anything is written.
    pageSystemTest_->StopTest();
    if (!closing_) {
        closing_ = true;
        WriteSettings();
    }
    event->accept();
    emit closed();
}

}  // namespace kombora::gui
