#include "pages/page.h"

#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QVBoxLayout>

#include "icons.h"

namespace kombora::gui {

namespace {

// Scrolls a page up and down when the window is lower than the page needs, but asks for the
// page's full width, so that the window widens instead of scrolling sideways.
class PageScrollArea : public QScrollArea {
  public:
    using QScrollArea::QScrollArea;
    QSize minimumSizeHint() const override {
        QSize hint = QScrollArea::minimumSizeHint();
        if (widget() != nullptr) {
            hint.setWidth(widget()->minimumSizeHint().width() + 2 * frameWidth() +
                          verticalScrollBar()->sizeHint().width());
        }
        return hint;
    }
};

}  // namespace

Page::Page(AppState& state, const Services& services, QWidget* parent)
    : QWidget(parent), state_(state), services_(services) {
    connect(&state_, &AppState::testRunningChanged, this, &Page::OnTestRunningChanged);
    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    auto* scroll = new PageScrollArea(this);
    scroll->setObjectName(QStringLiteral("PageScroll"));
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setWidgetResizable(true);
    body_ = new QWidget(scroll);
    body_->setObjectName(QStringLiteral("PageBody"));
    scroll->setWidget(body_);
    // The page's own background shows through.
    scroll->setStyleSheet(
        QStringLiteral("QScrollArea#PageScroll, QWidget#PageBody { background: transparent; }"));
    scroll->viewport()->setAutoFillBackground(false);
    outer->addWidget(scroll);
}

QPushButton* Page::MakeBackButton(const QString& name, const QString& caption) {
    auto* button = new QPushButton(MakeIcon(IconKind::Back), caption, this);
    button->setObjectName(name);
    button->setProperty("navigation", true);
    connect(button, &QPushButton::clicked, this, &Page::backRequested);
    return button;
}

QPushButton* Page::MakeNextButton(const QString& name, const QString& caption) {
    auto* button = new QPushButton(MakeIcon(IconKind::Forward), caption, this);
    // The arrow stands after the caption.
    button->setLayoutDirection(Qt::RightToLeft);
    button->setObjectName(name);
    button->setProperty("navigation", true);
    connect(button, &QPushButton::clicked, this, &Page::nextRequested);
    return button;
}

void Page::DisableWhileTestRuns(std::initializer_list<QWidget*> commands) {
    for (QWidget* command : commands) testCommands_.append(command);
}

void Page::OnTestRunningChanged(bool running) {
    if (running) {
        for (const QPointer<QWidget>& command : testCommands_) {
            if (command && command->isEnabled()) {
                command->setEnabled(false);
                disabledForTest_.append(command);
            }
        }
        return;
    }
    for (const QPointer<QWidget>& command : disabledForTest_) {
        if (command) command->setEnabled(true);
    }
    disabledForTest_.clear();
}

}  // namespace kombora::gui
