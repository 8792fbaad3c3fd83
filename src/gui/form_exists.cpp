#include "form_exists.h"

#include <QApplication>
#include <QScreen>
#include <QWidget>
#include <algorithm>

namespace kombora::gui {

QWidget* FindForm(const QString& name) {
    const QWidgetList windows = QApplication::topLevelWidgets();
    for (auto it = windows.crbegin(); it != windows.crend(); ++it) {
        if ((*it)->objectName() == name) return *it;
    }
    return nullptr;
}

void CentreOver(QWidget* window, const QWidget* over) {
    if (over == nullptr) return;
    over = over->window();
    window->ensurePolished();
    if (!window->testAttribute(Qt::WA_Resized)) window->adjustSize();
    QRect frame(QPoint(0, 0), window->frameGeometry().size());
    frame.moveCenter(over->frameGeometry().center());
    if (const QScreen* screen = over->screen()) {
        const QRect free = screen->availableGeometry();
        frame.moveRight(std::min(frame.right(), free.right()));
        frame.moveBottom(std::min(frame.bottom(), free.bottom()));
        frame.moveLeft(std::max(frame.left(), free.left()));
        frame.moveTop(std::max(frame.top(), free.top()));
    }
    window->move(frame.topLeft());
}

void BringToFront(QWidget* window) {
    if (!window->isVisible() && window->parentWidget() != nullptr) {
        CentreOver(window, window->parentWidget());
    }
    if (window->isMinimized()) window->showNormal();
    window->show();
    window->raise();
    window->activateWindow();
}

}  // namespace kombora::gui
