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

// Restores a minimised window to normal size, shows it and brings it to the front. A window
// that was hidden opens centred over the window it belongs to (its parent's window).
void BringToFront(QWidget* window);

// Moves `window` so that it stands centred over `over` (its frame on the same screen), kept
// inside that screen's free area; does nothing when `over` is null.
void CentreOver(QWidget* window, const QWidget* over);

}  // namespace kombora::gui
