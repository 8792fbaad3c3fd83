#include "pages/page.h"

#include <QPushButton>
#include "icons.h"

namespace kombora::gui {

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

}  // namespace kombora::gui
