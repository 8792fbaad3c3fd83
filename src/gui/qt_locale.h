#pragma once

#include <QLocale>
#include <QString>

#include "app/number_format.h"

namespace kombora::gui {

// The separators of the user's locale (the default QLocale) for the core's number formats.
inline NumberLocale SystemNumberLocale() {
    const QLocale locale;
    NumberLocale result;
    result.groupSeparator = locale.groupSeparator().toStdString();
    result.decimalSeparator = locale.decimalPoint().toStdString();
    return result;
}

inline QString FormatCountText(int64_t value) {
    return QString::fromStdString(FormatCount(value, SystemNumberLocale()));
}

}  // namespace kombora::gui
