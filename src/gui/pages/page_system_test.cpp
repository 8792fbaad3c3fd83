#include "pages/page_system_test.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

namespace kombora::gui {

PageSystemTest::PageSystemTest(AppContext& context, const Services& services, QWidget* parent)
    : Page(context, services, parent) {
    setObjectName(QStringLiteral("tab5"));
    auto* layout = new QVBoxLayout(this);
    auto* count = new QHBoxLayout;
    count->addWidget(new QLabel(QStringLiteral("Calculations:"), this));
    lKombiAnz_ = new QLabel(QStringLiteral("0"), this);
    lKombiAnz_->setObjectName(QStringLiteral("LKombiAnz"));
    count->addWidget(lKombiAnz_);
    count->addStretch();
    layout->addLayout(count);
    lBeschreibung2_ = new QLabel(this);
    lBeschreibung2_->setObjectName(QStringLiteral("LBeschreibung2"));
    lBeschreibung2_->setWordWrap(true);
    layout->addWidget(lBeschreibung2_);
    layout->addStretch();
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(MakeBackButton(QStringLiteral("BBack5")));
    bottom->addStretch();
    bottom->addWidget(MakeNextButton(QStringLiteral("BNext5")));
    layout->addLayout(bottom);
}

}  // namespace kombora::gui
