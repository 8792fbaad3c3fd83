#pragma once

#include "pages/page.h"

namespace kombora::gui {

// Page 6, "Manage own systems": browsing, applying and deleting the saved own systems.
class PageOwnSystems : public Page {
    Q_OBJECT
  public:
    PageOwnSystems(AppState& state, const Services& services, QWidget* parent = nullptr);
};

}  // namespace kombora::gui
