#include "pages/page_selection.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QMouseEvent>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSlider>
#include <QToolButton>
#include <QVBoxLayout>
#include <functional>

#include "message_box.h"
#include "selection/catalogue_filter.h"
#include "widgets/choice_group.h"

namespace kombora::gui {
namespace {

FilterParam Param(int parameter) {
    return static_cast<FilterParam>(parameter - 1);
}

QString FromUtf8(const std::string& text) {
    return QString::fromUtf8(text.data(), text.size());
}

// The hints of the two "i" buttons are German in both languages.
const char* const kGuaranteeInfoHint =
    "Die Skala für die Profit guarantee ist durch die Größe der Tippreihe beschränkt worden.";
const char* const kBankInfoHint =
    "Die Skala für die Bankzahlen ist durch die Größe der Tippreihe oder die gewünschte Profit "
    "guarantee beschränkt worden.";

// The result list: a double click anywhere on it, and Return on a line, reach the page once
// the list has handled the event itself (so that a double click on a line selects it first).
class ResultList : public QListWidget {
  public:
    using QListWidget::QListWidget;
    std::function<void()> onDoubleClick;

  protected:
    void mouseDoubleClickEvent(QMouseEvent* event) override {
        QListWidget::mouseDoubleClickEvent(event);
        if (onDoubleClick) onDoubleClick();
    }
    void keyPressEvent(QKeyEvent* event) override {
        if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) && onDoubleClick) {
            onDoubleClick();
            return;
        }
        QListWidget::keyPressEvent(event);
    }
};

}  // namespace

PageSelection::PageSelection(AppState& state, const Services& services, QWidget* parent)
    : Page(state, services, parent) {
    setObjectName(QStringLiteral("Tab1"));
    auto* layout = new QVBoxLayout(body());
    layout->addWidget(BuildFilterGroup());

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

    auto* list = new ResultList(this);
    list->onDoubleClick = [this] { l1DblClick(); };
    l1_ = list;
    l1_->setObjectName(QStringLiteral("l1"));
    l1_->setSelectionMode(QAbstractItemView::SingleSelection);
    l1_->setAlternatingRowColors(true);
    l1_->setToolTip(
        QStringLiteral("Click a system to choose it, double-click to go on to the "
                       "choice of numbers"));
    layout->addWidget(l1_, 1);

    auto* bottom = new QHBoxLayout;
    lSysAnz_ = new QLabel(this);
    lSysAnz_->setObjectName(QStringLiteral("LSysAnz"));
    bottom->addWidget(lSysAnz_, 1);
    bottom->addWidget(MakeNextButton(QStringLiteral("BNext1")));
    layout->addLayout(bottom);

    ConnectControls();
    ShowFilter();

    DisableWhileTestRuns({l1_});
    connect(&state, &AppState::largestNumberChanged, this, &PageSelection::SetPoolMaximum);
}

QGroupBox* PageSelection::BuildFilterGroup() {
    auto* group = new QGroupBox(QStringLiteral("Filter"), this);
    group->setObjectName(QStringLiteral("GrFilter"));
    auto* grid = new QGridLayout(group);
    grid->setColumnStretch(1, 1);

    const char* const captions[] = {"Size of your number pool", "Size of a tip row",
                                    "Profit guarantee", "Count of rows", "Bank numbers (bn)"};
    for (int p = 1; p <= 5; ++p) {
        const int line = p - 1;
        auto* caption = new QLabel(QString::fromUtf8(captions[line]), group);
        if (p == 2) {
            caption->setText(caption->text() +
                             QStringLiteral("  <span class=\"mandatory\" style=\"color:#b03a2e\">"
                                            "Mandatory indication</span>"));
            caption->setTextFormat(Qt::RichText);
        }
        grid->addWidget(caption, line, 0);

        const SliderState& state = filter_.Slider(Param(p));
        auto* slider = new QSlider(Qt::Horizontal, group);
        slider->setObjectName(QStringLiteral("Slider") + QString::number(p));
        slider->setRange(state.minimum, state.maximum);
        slider->setSingleStep(state.step);
        slider->setPageStep(state.step);
        slider->setValue(state.value);
        slider->setMinimumWidth(220);
        sliders_[p] = slider;
        grid->addWidget(slider, line, 1);

        auto* value = new QLabel(group);
        value->setObjectName(QStringLiteral("LSlider") + QString::number(p));
        value->setMinimumWidth(48);
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
            (p == 3 ? radio3_ : radio5_) = choice;
            grid->addWidget(choice, line, 4);
        }
        if (p >= 3) {
            auto* info = new QToolButton(group);
            info->setObjectName(QStringLiteral("BInfo") + QString::number(p));
            info->setText(QStringLiteral("i"));
            info->setProperty("info", true);
            info->setCursor(Qt::PointingHandCursor);
            // A hidden "i" keeps its room, so the controls beside it do not move sideways.
            QSizePolicy policy = info->sizePolicy();
            policy.setRetainSizeWhenHidden(true);
            info->setSizePolicy(policy);
            (p == 3 ? bInfo3_ : p == 4 ? bInfo4_ : bInfo5_) = info;
            grid->addWidget(info, line, 5);
        }
    }
    bInfo3_->setToolTip(QString::fromUtf8(kGuaranteeInfoHint));
    bInfo5_->setToolTip(QString::fromUtf8(kBankInfoHint));
    lHinweis4_ = new QLabel(QStringLiteral("was determined mathematically, see \"i\""), group);
    lHinweis4_->setObjectName(QStringLiteral("LHinweis4"));
    // Shown beside the forced row count, where the "no matter" box stands otherwise.
    grid->addWidget(lHinweis4_, 3, 3, 1, 2);
    return group;
}

void PageSelection::ConnectControls() {
    for (int p = 1; p <= 5; ++p) {
        QSlider* slider = sliders_[p];
        // The row count moves in steps of five: a user's movement ends on a multiple of the
        // step. Values set by the program are taken as they are.
        const int step = slider->singleStep();
        if (step > 1) {
            connect(slider, &QSlider::actionTriggered, this, [slider, step](int) {
                const int min = slider->minimum();
                const int snapped =
                    min + ((slider->sliderPosition() - min + step / 2) / step) * step;
                slider->setSliderPosition(std::min(snapped, slider->maximum()));
            });
        }
        connect(slider, &QSlider::valueChanged, this,
                [this, p](int value) { UserMovedSlider(p, value); });
        if (QCheckBox* box = noMatter_[p]) {
            connect(box, &QCheckBox::clicked, this, [this, p](bool checked) {
                filter_.SetNoMatter(Param(p), checked);
                ShowFilter();
            });
        }
    }
    for (const int p : {3, 5}) {
        connect(Choice(p), &ChoiceGroup::itemClicked, this, [this, p](int index) {
            filter_.SelectChoice(Param(p), index);
            ShowFilter();
        });
    }
    connect(bInfo3_, &QToolButton::clicked, this, &PageSelection::BInfo3Click);
    connect(bInfo4_, &QToolButton::clicked, this, &PageSelection::BInfo4Click);
    connect(bInfo5_, &QToolButton::clicked, this, &PageSelection::BInfo5Click);
    connect(bFilternEx_, &QPushButton::clicked, this, &PageSelection::BFilternExClick);
    connect(bFiltern_, &QPushButton::clicked, this, &PageSelection::BFilternClick);
    connect(l1_, &QListWidget::itemClicked, this, &PageSelection::l1ListBoxClick);
}

void PageSelection::ShowFilter() {
    for (int p = 1; p <= 5; ++p) {
        const SliderState& state = filter_.Slider(Param(p));
        {
            const QSignalBlocker block(sliders_[p]);
            sliders_[p]->setRange(state.minimum, state.maximum);
            sliders_[p]->setValue(state.value);
        }
        valueLabels_[p]->setText(FromUtf8(filter_.ValueLabel(Param(p))));
        if (QCheckBox* box = noMatter_[p]) {
            const QSignalBlocker block(box);
            box->setChecked(filter_.NoMatter(Param(p)));
        }
    }
    for (const int p : {3, 5}) {
        const QSignalBlocker block(Choice(p));
        Choice(p)->setItemIndex(filter_.Choice(Param(p)));
    }
    bInfo3_->setVisible(filter_.Info3Visible());
    bInfo4_->setVisible(filter_.Info4Visible());
    bInfo5_->setVisible(filter_.Info5Visible());
    lHinweis4_->setVisible(filter_.Hint4Visible());
    sliders_[4]->setVisible(filter_.RowCountControlsVisible());
    noMatter_[4]->setVisible(filter_.RowCountControlsVisible());
}

void PageSelection::UserMovedSlider(int parameter, int value) {
    filter_.SetValue(Param(parameter), value);
    ShowFilter();
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
    return filter_.Value(Param(parameter));
}

void PageSelection::SetSliderValue(int parameter, int value) {
    filter_.SetValue(Param(parameter), value);
    ShowFilter();
}

void PageSelection::SetNoMatter(int parameter, bool checked) {
    filter_.SetNoMatter(Param(parameter), checked);
    ShowFilter();
}

void PageSelection::SetChoice(int parameter, int index) {
    filter_.SelectChoice(Param(parameter), index);
    ShowFilter();
}

bool PageSelection::NoMatter(int parameter) const {
    return filter_.NoMatter(Param(parameter));
}
int PageSelection::ChoiceIndex(int parameter) const {
    return filter_.Choice(Param(parameter));
}

void PageSelection::SetPoolMaximum(int largestNumber) {
    filter_.SetLargestNumber(largestNumber);
    ShowFilter();
}

void PageSelection::Slider1Change() {
    filter_.Slider1Change();
    ShowFilter();
}
void PageSelection::Slider2Change() {
    filter_.Slider2Change();
    ShowFilter();
}
void PageSelection::Slider3Change() {
    filter_.Slider3Change();
    ShowFilter();
}
void PageSelection::Slider4Change() {
    filter_.Slider4Change();
    ShowFilter();
}
void PageSelection::Slider5Change() {
    filter_.Slider5Change();
    ShowFilter();
}
void PageSelection::cb1Click() {
    SetNoMatter(1, NoMatter(1));
}
void PageSelection::cb3Click() {
    SetNoMatter(3, NoMatter(3));
}
void PageSelection::cb4Click() {
    SetNoMatter(4, NoMatter(4));
}
void PageSelection::cb5Click() {
    SetNoMatter(5, NoMatter(5));
}
void PageSelection::Radio3Click() {
    filter_.Radio3Click();
    ShowFilter();
}
void PageSelection::Radio5Click() {
    filter_.Radio5Click();
    ShowFilter();
}

void PageSelection::BFilternExClick() {
    filter_.AllNoMatter();
    ShowFilter();
}

void PageSelection::BInfo3Click() {
    ShowSelectionMessage("selection.info_guarantee");
}
void PageSelection::BInfo4Click() {
    ShowSelectionMessage("selection.info_row_count");
}
void PageSelection::BInfo5Click() {
    ShowSelectionMessage("selection.info_bank_numbers");
}

void PageSelection::ShowSelectionMessage(const char* key) {
    ShowMessage(services(), this, context().Language, key);
}

void PageSelection::BFilternClick() {
    AppContext& ctx = context();
    const int32_t previousTipSize = ctx.rows.TipSize;
    const FilterResult result =
        RunCatalogueFilter(filter_, ctx.catalogue, ctx.LargestNumber, ctx.rows);
    ShowFilter();

    l1_->clear();
    resultIndices_ = result.indices;
    QStringList lines;
    lines.reserve(static_cast<qsizetype>(result.lines.size()));
    for (const std::string& line : result.lines) lines.append(FromUtf8(line));
    l1_->addItems(lines);
    if (const auto text = FoundCountText(result.lines.size(), ctx.Language)) {
        lSysAnz_->setText(FromUtf8(*text));
    }

    if (const auto preparation = KeepSelectionAfterFilter(ctx, previousTipSize)) {
        if (preparation->ok) {
            ApplyPreparation(*preparation);
        } else {
            ShowSelectionMessage("selection.system_incomplete");
        }
    }
}

bool PageSelection::GewaehltesSystem(int32_t index) {
    const SystemPreparation preparation = kombora::GewaehltesSystem(context(), index);
    if (!preparation.ok) {
        if (context().catalogue.Contains(index)) {
            ShowSelectionMessage("selection.system_incomplete");
        }
        return false;
    }
    ApplyPreparation(preparation);
    return true;
}

void PageSelection::ApplyPreparation(const SystemPreparation& preparation) {
    QString description = FromUtf8(preparation.description);
    description.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    state().SetSelectedSystem(context().SelectedSystem, description, FromUtf8(preparation.poolText),
                              preparation.bankText ? FromUtf8(*preparation.bankText) : QString());
}

int PageSelection::SelectedLine() const {
    const QList<QListWidgetItem*> selected = l1_->selectedItems();
    if (selected.isEmpty()) return -1;
    return l1_->row(selected.first());
}

void PageSelection::l1ListBoxClick() {
    const int line = SelectedLine();
    if (line >= 0 && line < static_cast<int>(resultIndices_.size())) {
        context().SelectedSystem = resultIndices_[static_cast<std::size_t>(line)];
    }
    if (context().catalogue.Contains(context().SelectedSystem)) {
        GewaehltesSystem(context().SelectedSystem);
    }
}

void PageSelection::l1DblClick() {
    if (resultIndices_.empty()) {
        ShowSelectionMessage("selection.no_system_listed");
        return;
    }
    const int line = SelectedLine();
    if (line < 0) {
        ShowSelectionMessage("selection.select_from_list");
        return;
    }
    if (line < static_cast<int>(resultIndices_.size())) {
        context().SelectedSystem = resultIndices_[static_cast<std::size_t>(line)];
    }
    GewaehltesSystem(context().SelectedSystem);
    emit nextRequested();
}

}  // namespace kombora::gui
