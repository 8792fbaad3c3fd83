#include "pages/page_own_systems.h"

#include <QHBoxLayout>
#include <QVBoxLayout>

namespace kombora::gui {

PageOwnSystems::PageOwnSystems(AppContext& context, const Services& services, QWidget* parent)
    : Page(context, services, parent) {
    setObjectName(QStringLiteral("Tab6"));
    auto* layout = new QVBoxLayout(body());
    layout->addStretch();
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(MakeBackButton(QStringLiteral("BBack6")));
    bottom->addStretch();
    layout->addLayout(bottom);
}

}  // namespace kombora::gui
