#include "pages/page_own_systems.h"

#include <QHBoxLayout>
#include <QVBoxLayout>

namespace kombora::gui {

PageOwnSystems::PageOwnSystems(AppState& state, const Services& services, QWidget* parent)
    : Page(state, services, parent) {
    setObjectName(QStringLiteral("Tab6"));
    auto* layout = new QVBoxLayout(body());
    layout->addStretch();
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(MakeBackButton(QStringLiteral("BBack6")));
    bottom->addStretch();
    layout->addLayout(bottom);
}

}  // namespace kombora::gui
