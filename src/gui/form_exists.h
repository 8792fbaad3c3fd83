#pragma once

#include <QString>

class QWidget;

namespace kombora::gui {

// The open window of the program whose object name is `name`, searched from the last created
// to the first; nullptr when there is none.
QWidget* FindForm(const QString& name);
inline bool FormExists(const QString& name) {
    return FindForm(name) != nullptr;
}

// Restores a minimised window to normal size, shows it and brings it to the front.
void BringToFront(QWidget* window);

}  // namespace kombora::gui
