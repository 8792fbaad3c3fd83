#include "pages/page_numbers.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

namespace kombora::gui {

PageNumbers::PageNumbers(AppContext& context, const Services& services, QWidget* parent)
    : Page(context, services, parent) {
    setObjectName(QStringLiteral("Tab2"));
    auto* layout = new QVBoxLayout(this);
    auto* top = new QHBoxLayout;
    top->addWidget(MakeBackButton(QStringLiteral("BBack2")));
    top->addStretch();
    top->addWidget(MakeNextButton(QStringLiteral("BFurther2"), tr("Further")));
    layout->addLayout(top);

    lBeschreibung_ = new QLabel(this);
    lBeschreibung_->setObjectName(QStringLiteral("LBeschreibung"));
    lBeschreibung_->setWordWrap(true);
    layout->addWidget(lBeschreibung_);
    layout->addStretch();
}

void PageNumbers::ShowNumbersUpTo(int) {}

}  // namespace kombora::gui
