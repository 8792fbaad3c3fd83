#include "pages/page_rows.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QVBoxLayout>

namespace kombora::gui {

PageRows::PageRows(AppContext& context, const Services& services, QWidget* parent)
    : Page(context, services, parent) {
    setObjectName(QStringLiteral("Tab3"));
    auto* layout = new QVBoxLayout(this);
    cbMit_ = new QCheckBox(QStringLiteral("with row number and column headings"), this);
    cbMit_->setObjectName(QStringLiteral("cbMit"));
    layout->addWidget(cbMit_);
    layout->addStretch();
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(MakeBackButton(QStringLiteral("BBack3")));
    bottom->addStretch();
    bottom->addWidget(MakeNextButton(QStringLiteral("BNext3")));
    layout->addLayout(bottom);
}

}  // namespace kombora::gui
