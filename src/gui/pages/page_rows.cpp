#include "pages/page_rows.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/messages.h"
#include "message_box.h"
#include "pages/forming_view.h"
#include "rows/apply_system.h"
#include "widgets/grid_setup.h"
#include "widgets/string_grid.h"

namespace kombora::gui {

PageRows::PageRows(AppContext& context, const Services& services, QWidget* parent)
    : Page(context, services, parent) {
    setObjectName(QStringLiteral("Tab3"));
    auto* layout = new QVBoxLayout(body());
    auto* body = new QHBoxLayout;

    groupG1_ = new QGroupBox(QString::fromLatin1(kGroupG1InitialCaption), this);
    groupG1_->setObjectName(QStringLiteral("GroupG1"));
    auto* gridLayout = new QVBoxLayout(groupG1_);
    g1_ = new StringGrid(groupG1_);
    G1Fuellen(g1_);
    UseRowGridDrawing(g1_, context.rows);
    g1_->setMinimumWidth(11 * 40 + 24);
    gridLayout->addWidget(g1_);
    body->addWidget(groupG1_, 1);

    auto* side = new QVBoxLayout;
    auto* selected = new QGroupBox(QStringLiteral("If system was selected"), this);
    selected->setObjectName(QStringLiteral("GroupSystem"));
    auto* selectedLayout = new QVBoxLayout(selected);
    auto* form = new QPushButton(QStringLiteral("Form tips"), selected);
    form->setObjectName(QStringLiteral("bsSkinSpeedButton7"));
    connect(form, &QPushButton::clicked, this, &PageRows::bsSkinSpeedButton7Click);
    selectedLayout->addWidget(form);
    side->addWidget(selected);
    cbMit_ = new QCheckBox(QStringLiteral("with row number and column headings"), this);
    cbMit_->setObjectName(QStringLiteral("cbMit"));
    side->addWidget(cbMit_);
    // "To the test": the system-test page connects itself to this button by its name.
    auto* toTest = new QPushButton(QStringLiteral("To the test"), this);
    toTest->setObjectName(QStringLiteral("BZumSystest"));
    side->addWidget(toTest);
    side->addStretch();
    body->addLayout(side);
    layout->addLayout(body, 1);

    auto* bottom = new QHBoxLayout;
    bottom->addWidget(MakeBackButton(QStringLiteral("BBack3")));
    bottom->addStretch();
    bottom->addWidget(MakeNextButton(QStringLiteral("bsSkinSpeedButton13")));
    layout->addLayout(bottom);
}

void PageRows::bsSkinSpeedButton7Click() {
    if (context().SelectedSystem < 0) {
        ShowMessage(services(), this, context().Language, MessageId::FormingNoSystemLinesPage);
        return;
    }
    SystemAnwendenView(this, context(), services(), true);
    UpdateTestPage(this, context());
}

void PageRows::showEvent(QShowEvent* event) {
    Page::showEvent(event);
    // The bank numbers may have changed on the board since the grid was last drawn.
    g1_->viewport()->update();
}

}  // namespace kombora::gui
