#include "selection/filter_parameters.h"

#include <algorithm>

#include "catalogue/binomial.h"
#include "rows/number_set.h"

namespace kombora {
namespace {
constexpr const char* kNoMatterLabel = "X";
}

FilterParameters::FilterParameters() {
    sliders_[Index(FilterParam::Pool)] = {4, 50, 1, 13};
    sliders_[Index(FilterParam::TipSize)] = {4, 10, 1, 6};
    sliders_[Index(FilterParam::Guarantee)] = {2, 10, 1, 2};
    sliders_[Index(FilterParam::RowCount)] = {5, 500, 5, 24};
    sliders_[Index(FilterParam::BankNumbers)] = {0, 4, 1, 2};
    for (int i = 0; i < kFilterParamCount; ++i) {
        labels_[static_cast<std::size_t>(i)] =
            std::to_string(sliders_[static_cast<std::size_t>(i)].value);
    }
    noMatter_[Index(FilterParam::RowCount)] = true;
    // The window runs the tip-row-size handler once so that the controls start consistent.
    Slider2Change();
}

int32_t FilterParameters::Choice(FilterParam p) const {
    if (p == FilterParam::Guarantee) return radio3_;
    if (p == FilterParam::BankNumbers) return radio5_;
    return kChoiceNone;
}

void FilterParameters::SetValue(FilterParam p, int32_t value) {
    SliderState& s = sliders_[Index(p)];
    const int32_t clamped = std::clamp(value, s.minimum, s.maximum);
    if (clamped == s.value) return;
    s.value = clamped;
    RunChangeHandler(p);
}

void FilterParameters::SetMaximum(FilterParam p, int32_t maximum) {
    SliderState& s = sliders_[Index(p)];
    if (maximum == s.maximum || maximum <= s.minimum) return;
    s.maximum = maximum;
    if (s.value > maximum) {
        s.value = maximum;
        RunChangeHandler(p);
    }
}

void FilterParameters::SetNoMatter(FilterParam p, bool checked) {
    if (p == FilterParam::TipSize) return;
    noMatter_[Index(p)] = checked;
    RunClickHandler(p);
}

void FilterParameters::SelectChoice(FilterParam p, int32_t item) {
    item = std::clamp(item, kChoiceNone, kChoiceExact);
    int32_t* choice = nullptr;
    if (p == FilterParam::Guarantee) choice = &radio3_;
    if (p == FilterParam::BankNumbers) choice = &radio5_;
    if (choice == nullptr || *choice == item) return;
    *choice = item;
    // Only selecting an item is a click; clearing the selection runs no handler.
    if (item == kChoiceNone) return;
    if (p == FilterParam::Guarantee) {
        Radio3Click();
    } else {
        Radio5Click();
    }
}

// Unchecking the box runs its click handler as well.
void FilterParameters::Radio3Click() {
    SetNoMatter(FilterParam::Guarantee, false);
    UpdateForcedRowCount();
}

void FilterParameters::Radio5Click() {
    SetNoMatter(FilterParam::BankNumbers, false);
    UpdateForcedRowCount();
}

void FilterParameters::AllNoMatter() {
    SetNoMatter(FilterParam::Pool, true);
    SetNoMatter(FilterParam::Guarantee, true);
    SetNoMatter(FilterParam::RowCount, true);
    SetNoMatter(FilterParam::BankNumbers, true);
}

bool FilterParameters::Zwang() const {
    return radio5_ == kChoiceExact && !noMatter_[Index(FilterParam::BankNumbers)] &&
           !noMatter_[Index(FilterParam::Guarantee)] &&
           Value(FilterParam::Guarantee) + Value(FilterParam::BankNumbers) >=
               Value(FilterParam::TipSize);
}

int64_t FilterParameters::ForcedRowCount() const {
    const int32_t bank = Value(FilterParam::BankNumbers);
    return Binomial(Value(FilterParam::Pool) - bank, Value(FilterParam::TipSize) - bank);
}

void FilterParameters::RunChangeHandler(FilterParam p) {
    switch (p) {
        case FilterParam::Pool:
            Slider1Change();
            break;
        case FilterParam::TipSize:
            Slider2Change();
            break;
        case FilterParam::Guarantee:
            Slider3Change();
            break;
        case FilterParam::RowCount:
            Slider4Change();
            break;
        case FilterParam::BankNumbers:
            Slider5Change();
            break;
    }
}

// cb1Click, cb3Click, cb4Click, cb5Click
void FilterParameters::RunClickHandler(FilterParam p) {
    ShowValueOrX(p);
    if (p == FilterParam::Guarantee || p == FilterParam::BankNumbers) UpdateForcedRowCount();
}

void FilterParameters::ShowValueOrX(FilterParam p) {
    labels_[Index(p)] =
        noMatter_[Index(p)] ? std::string(kNoMatterLabel) : std::to_string(Value(p));
}

void FilterParameters::Slider1Change() {
    labels_[Index(FilterParam::Pool)] = std::to_string(Value(FilterParam::Pool));
    SetNoMatter(FilterParam::Pool, false);
    UpdateForcedRowCount();
}

void FilterParameters::Slider2Change() {
    const int32_t tip = Value(FilterParam::TipSize);
    labels_[Index(FilterParam::TipSize)] = std::to_string(tip);
    SetMaximum(FilterParam::BankNumbers, MaxBankNumbers(tip));
    SetMaximum(FilterParam::Guarantee, tip);
    info3Visible_ = Slider(FilterParam::Guarantee).maximum < 10;
    info5Visible_ = Slider(FilterParam::BankNumbers).maximum < 4;
    UpdateForcedRowCount();
}

void FilterParameters::Slider3Change() {
    labels_[Index(FilterParam::Guarantee)] = std::to_string(Value(FilterParam::Guarantee));
    SetNoMatter(FilterParam::Guarantee, false);
    UpdateForcedRowCount();
}

void FilterParameters::Slider4Change() {
    labels_[Index(FilterParam::RowCount)] = std::to_string(Value(FilterParam::RowCount));
    SetNoMatter(FilterParam::RowCount, false);
}

void FilterParameters::Slider5Change() {
    labels_[Index(FilterParam::BankNumbers)] = std::to_string(Value(FilterParam::BankNumbers));
    SetNoMatter(FilterParam::BankNumbers, false);
    if (Value(FilterParam::BankNumbers) == 0) SelectChoice(FilterParam::BankNumbers, kChoiceExact);
    UpdateForcedRowCount();
}

void FilterParameters::UpdateForcedRowCount() {
    info4Visible_ = Zwang();
    ReiheZwingend(info4Visible_);
}

void FilterParameters::ReiheZwingend(bool forced) {
    hint4Visible_ = forced;
    rowCountControlsVisible_ = !forced;
    const bool rowCountNoMatter = noMatter_[Index(FilterParam::RowCount)];
    if (forced) {
        labels_[Index(FilterParam::RowCount)] = std::to_string(ForcedRowCount());
    } else {
        Slider4Change();
        SetNoMatter(FilterParam::RowCount, rowCountNoMatter);
    }
}

}  // namespace kombora
