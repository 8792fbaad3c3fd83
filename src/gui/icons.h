#pragma once

#include <QIcon>
#include <QPixmap>

namespace kombora::gui {

enum class IconKind {
    Close,
    NOverK,
    Calendar,
    Calculator,
    Update,
    Help,
    Compute,
    Info,
    Back,
    Forward
};

// The program's own toolbar and button icons, drawn at the screen's resolution.
QIcon MakeIcon(IconKind kind);

// The picture of the start window and the information window.
QPixmap MakeStartPicture(const QSize& size, qreal devicePixelRatio);

}  // namespace kombora::gui
