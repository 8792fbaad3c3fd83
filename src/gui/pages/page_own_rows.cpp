#include "pages/page_own_rows.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QVBoxLayout>

#include "help.h"
#include "widgets/choice_group.h"
#include "widgets/number_board.h"

namespace kombora::gui {

PageOwnRows::PageOwnRows(AppState& state, const Services& services, QWidget* parent)
    : Page(state, services, parent) {
    setObjectName(QStringLiteral("tab4"));
    auto* layout = new QVBoxLayout(body());
    auto* options = new QHBoxLayout;
    rgTrenner_ = new ChoiceGroup(
        QStringLiteral("Delimiter"),
        {QStringLiteral("Comma"), QStringLiteral("Semicolon"), QStringLiteral("Spaces")},
        Qt::Horizontal, this);
    rgTrenner_->setObjectName(QStringLiteral("RGTrenner"));
    rgTrenner_->setItemIndex(0);
    options->addWidget(rgTrenner_);
    cbDetail_ = new QCheckBox(QStringLiteral("Check rows thoroughly"), this);
    cbDetail_->setObjectName(QStringLiteral("cbDetail"));
    cbDetail_->setChecked(true);
    SetHelpContext(cbDetail_, 1080);
    options->addWidget(cbDetail_);
    options->addStretch();
    layout->addLayout(options);
    // How often each number occurs in the own rows.
    p30_ = new StatisticsBoard(
        QStringLiteral("P30"), QStringLiteral("Statistics for the numbers to be played"),
        QStringLiteral("PNummerEin"), QStringLiteral("PNummerWertEin"), 32, 18, 2, 10, this);
    layout->addWidget(p30_, 0, Qt::AlignRight);
    layout->addStretch();
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(MakeBackButton(QStringLiteral("BBack4")));
    bottom->addStretch();
    bottom->addWidget(MakeNextButton(QStringLiteral("BNext4")));
    layout->addLayout(bottom);

    connect(&state, &AppState::largestNumberChanged, this, &PageOwnRows::ShowNumbersUpTo);
}

void PageOwnRows::ShowNumbersUpTo(int largestNumber) {
    p30_->ShowNumbersUpTo(largestNumber);
}

}  // namespace kombora::gui
