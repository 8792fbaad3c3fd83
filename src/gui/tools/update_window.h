#pragma once

#include <QWidget>

#include "app/context.h"
#include "services.h"

namespace kombora::gui {

// The update window: compares the program's version with the one the maker offers.
class TFUpdate : public QWidget {
    Q_OBJECT
  public:
    TFUpdate(AppContext& context, const Services& services, QWidget* parent = nullptr);

  protected:
    AppContext& context_;
    const Services& services_;
};

}  // namespace kombora::gui
