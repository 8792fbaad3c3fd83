#pragma once

#include <QWidget>

#include "services.h"

class QCalendarWidget;

namespace kombora::gui {

// The calendar: one month, opened on today's date. Closing only hides it.
class TFKal : public QWidget {
    Q_OBJECT
  public:
    TFKal(const Services& services, QWidget* parent = nullptr);
    QCalendarWidget* calendar() const { return calendar_; }

  private:
    QCalendarWidget* calendar_ = nullptr;
};

}  // namespace kombora::gui
