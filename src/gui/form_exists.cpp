#include "form_exists.h"

#include <QApplication>
#include <QWidget>

namespace kombora::gui {

QWidget* FindForm(const QString& name) {
    const QWidgetList windows = QApplication::topLevelWidgets();
    for (auto it = windows.crbegin(); it != windows.crend(); ++it) {
        if ((*it)->objectName() == name) return *it;
    }
    return nullptr;
}

void BringToFront(QWidget* window) {
    if (window->isMinimized()) window->showNormal();
    window->show();
    window->raise();
    window->activateWindow();
}

}  // namespace kombora::gui
