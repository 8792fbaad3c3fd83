#include "pages/page_selection.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QSlider>
#include <QToolButton>
#include <QVBoxLayout>

#include "rows/number_set.h"
#include "widgets/choice_group.h"

namespace kombora::gui {

namespace {

QString X() {
    return QStringLiteral("X");
}

}  // namespace

PageSelection::PageSelection(AppContext& context, const Services& services, QWidget* parent)
    : Page(context, services, parent) {
    setObjectName(QStringLiteral("Tab1"));
    auto* layout = new QVBoxLayout(this);
    BuildFilterGroup();
    auto* group = findChild<QGroupBox*>(QStringLiteral("GrFilter"));
    layout->addWidget(group);

    auto* filterRow = new QHBoxLayout;
    bFilternEx_ = new QPushButton(QStringLiteral("All „no matter“"), this);
    bFilternEx_->setObjectName(QStringLiteral("BFilternEx"));
    bFiltern_ = new QPushButton(QStringLiteral("Filter"), this);
    bFiltern_->setObjectName(QStringLiteral("BFiltern"));
    bFiltern_->setDefault(true);
    filterRow->addWidget(bFilternEx_);
    filterRow->addStretch();
    filterRow->addWidget(bFiltern_);
    layout->addLayout(filterRow);

    l1_ = new QListWidget(this);
    l1_->setObjectName(QStringLiteral("l1"));
    layout->addWidget(l1_, 1);

    auto* bottom = new QHBoxLayout;
    lSysAnz_ = new QLabel(this);
    lSysAnz_->setObjectName(QStringLiteral("LSysAnz"));
    bottom->addWidget(lSysAnz_, 1);
    bottom->addWidget(MakeNextButton(QStringLiteral("BNext1")));
    layout->addLayout(bottom);

    connect(bFilternEx_, &QPushButton::clicked, this, &PageSelection::BFilternExClick);
}

void PageSelection::BuildFilterGroup() {
    auto* group = new QGroupBox(QStringLiteral("Filter"), this);
    group->setObjectName(QStringLiteral("GrFilter"));
    auto* grid = new QGridLayout(group);
    grid->setColumnStretch(1, 1);

    struct Row {
        int parameter;
        const char* caption;
        int minimum, maximum, step, value;
    };
    const Row rows[] = {
        {1, "Size of your number pool", 4, 50, 1, 13}, {2, "Size of a tip row", 4, 10, 1, 6},
        {3, "Profit guarantee", 2, 10, 1, 2},          {4, "Count of rows", 5, 500, 5, 24},
        {5, "Bank numbers (bn)", 0, 4, 1, 2},
    };
    for (const Row& row : rows) {
        const int p = row.parameter;
        const int line = p - 1;
        auto* caption = new QLabel(QString::fromUtf8(row.caption), group);
        if (p == 2) {
            caption->setText(caption->text() +
                             QStringLiteral("  <span class=\"mandatory\" style=\"color:#b03a2e\">"
                                            "Mandatory indication</span>"));
            caption->setTextFormat(Qt::RichText);
        }
        grid->addWidget(caption, line, 0);

        auto* slider = new QSlider(Qt::Horizontal, group);
        slider->setObjectName(QStringLiteral("Slider") + QString::number(p));
        slider->setRange(row.minimum, row.maximum);
        slider->setSingleStep(row.step);
        slider->setPageStep(row.step);
        slider->setValue(row.value);
        slider->setMinimumWidth(220);
        sliders_[p] = slider;
        grid->addWidget(slider, line, 1);

        auto* value = new QLabel(QString::number(row.value), group);
        value->setObjectName(QStringLiteral("LSlider") + QString::number(p));
        value->setMinimumWidth(36);
        value->setAlignment(Qt::AlignCenter);
        value->setProperty("valueLabel", true);
        valueLabels_[p] = value;
        grid->addWidget(value, line, 2);

        if (p != 2) {
            auto* box = new QCheckBox(QStringLiteral("no matter"), group);
            box->setObjectName(QStringLiteral("cb") + QString::number(p));
            noMatter_[p] = box;
            grid->addWidget(box, line, 3);
        }
        if (p == 3 || p == 5) {
            auto* choice =
                new ChoiceGroup(QString(), {QStringLiteral("at most"), QStringLiteral("exact")},
                                Qt::Horizontal, group);
            choice->setObjectName(QStringLiteral("Radio") + QString::number(p));
            choice->setFlat(true);
            choice->setItemIndex(1);
            (p == 3 ? radio3_ : radio5_) = choice;
            grid->addWidget(choice, line, 4);
        }
        if (p >= 3) {
            auto* info = new QToolButton(group);
            info->setObjectName(QStringLiteral("BInfo") + QString::number(p));
            info->setText(QStringLiteral("i"));
            info->setProperty("info", true);
            info->setCursor(Qt::PointingHandCursor);
            (p == 3 ? bInfo3_ : p == 4 ? bInfo4_ : bInfo5_) = info;
            grid->addWidget(info, line, 5);
        }
    }
    lHinweis4_ = new QLabel(QStringLiteral("was determined mathematically, see \"i\""), group);
    lHinweis4_->setObjectName(QStringLiteral("LHinweis4"));
    lHinweis4_->hide();
    grid->addWidget(lHinweis4_, 3, 1);
    bInfo4_->hide();
    noMatter_[4]->setChecked(true);
    valueLabels_[4]->setText(X());

    connect(sliders_[1], &QSlider::valueChanged, this, &PageSelection::Slider1Change);
    connect(sliders_[2], &QSlider::valueChanged, this, &PageSelection::Slider2Change);
    connect(sliders_[3], &QSlider::valueChanged, this, &PageSelection::Slider3Change);
    connect(sliders_[4], &QSlider::valueChanged, this, &PageSelection::Slider4Change);
    connect(sliders_[5], &QSlider::valueChanged, this, &PageSelection::Slider5Change);
    connect(noMatter_[1], &QCheckBox::clicked, this, &PageSelection::cb1Click);
    connect(noMatter_[3], &QCheckBox::clicked, this, &PageSelection::cb3Click);
    connect(noMatter_[4], &QCheckBox::clicked, this, &PageSelection::cb4Click);
    connect(noMatter_[5], &QCheckBox::clicked, this, &PageSelection::cb5Click);
    connect(radio3_, &ChoiceGroup::itemClicked, this, &PageSelection::Radio3Click);
    connect(radio5_, &ChoiceGroup::itemClicked, this, &PageSelection::Radio5Click);
}

QSlider* PageSelection::Slider(int parameter) const {
    return sliders_.at(parameter);
}
QLabel* PageSelection::ValueLabel(int parameter) const {
    return valueLabels_.at(parameter);
}
QCheckBox* PageSelection::NoMatterBox(int parameter) const {
    return noMatter_.at(parameter);
}
ChoiceGroup* PageSelection::Choice(int parameter) const {
    return parameter == 3 ? radio3_ : parameter == 5 ? radio5_ : nullptr;
}

int PageSelection::SliderValue(int parameter) const {
    return Slider(parameter)->value();
}

void PageSelection::SetSliderValue(int parameter, int value) {
    Slider(parameter)->setValue(value);
}

void PageSelection::SetNoMatter(int parameter, bool checked) {
    NoMatterBox(parameter)->setChecked(checked);
    switch (parameter) {
        case 1:
            cb1Click();
            break;
        case 3:
            cb3Click();
            break;
        case 4:
            cb4Click();
            break;
        case 5:
            cb5Click();
            break;
        default:
            break;
    }
}

void PageSelection::SetChoice(int parameter, int index) {
    Choice(parameter)->setItemIndex(index);
}

bool PageSelection::NoMatter(int parameter) const {
    return NoMatterBox(parameter)->isChecked();
}
int PageSelection::ChoiceIndex(int parameter) const {
    return Choice(parameter)->itemIndex();
}

void PageSelection::SetPoolMaximum(int largestNumber) {
    QSlider* pool = Slider(1);
    if (largestNumber > pool->minimum()) pool->setMaximum(largestNumber);
}

void PageSelection::ShowValue(int parameter) {
    const QCheckBox* box = noMatter_.at(parameter);
    ValueLabel(parameter)->setText(
        box && box->isChecked() ? X() : QString::number(Slider(parameter)->value()));
}

void PageSelection::Slider1Change() {
    noMatter_[1]->setChecked(false);
    ShowValue(1);
    UpdateForcedRowCount();
}

void PageSelection::Slider2Change() {
    ShowValue(2);
    const int size = Slider(2)->value();
    const int bankMaximum = MaxBankNumbers(size);
    if (bankMaximum > Slider(5)->minimum()) Slider(5)->setMaximum(bankMaximum);
    if (size > Slider(3)->minimum()) Slider(3)->setMaximum(size);
    bInfo3_->setVisible(Slider(3)->maximum() < 10);
    bInfo5_->setVisible(Slider(5)->maximum() < 4);
    UpdateForcedRowCount();
}

void PageSelection::Slider3Change() {
    noMatter_[3]->setChecked(false);
    ShowValue(3);
    UpdateForcedRowCount();
}

void PageSelection::Slider4Change() {
    noMatter_[4]->setChecked(false);
    ShowValue(4);
}

void PageSelection::Slider5Change() {
    noMatter_[5]->setChecked(false);
    ShowValue(5);
    if (Slider(5)->value() == 0) radio5_->setItemIndex(1);
    UpdateForcedRowCount();
}

void PageSelection::cb1Click() {
    ShowValue(1);
}
void PageSelection::cb4Click() {
    ShowValue(4);
}

void PageSelection::cb3Click() {
    ShowValue(3);
    UpdateForcedRowCount();
}

void PageSelection::cb5Click() {
    ShowValue(5);
    UpdateForcedRowCount();
}

void PageSelection::Radio3Click() {
    noMatter_[3]->setChecked(false);
    ShowValue(3);
    UpdateForcedRowCount();
}

void PageSelection::Radio5Click() {
    noMatter_[5]->setChecked(false);
    ShowValue(5);
    UpdateForcedRowCount();
}

void PageSelection::BFilternExClick() {
    SetNoMatter(1, true);
    SetNoMatter(3, true);
    SetNoMatter(4, true);
    SetNoMatter(5, true);
}

}  // namespace kombora::gui
