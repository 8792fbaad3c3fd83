#include "pages/page.h"

#include <QPushButton>

namespace kombora::gui {

QPushButton* Page::MakeBackButton(const QString& name, const QString& caption) {
    auto* button = new QPushButton(QStringLiteral("◀  ") + caption, this);
    button->setObjectName(name);
    button->setProperty("navigation", true);
    connect(button, &QPushButton::clicked, this, &Page::backRequested);
    return button;
}

QPushButton* Page::MakeNextButton(const QString& name, const QString& caption) {
    auto* button = new QPushButton(caption + QStringLiteral("  ▶"), this);
    button->setObjectName(name);
    button->setProperty("navigation", true);
    connect(button, &QPushButton::clicked, this, &Page::nextRequested);
    return button;
}

}  // namespace kombora::gui
