#pragma once

#include <array>
#include <cstdint>
#include <string>

namespace kombora {

// The five parameters of the system search on the first page. Each is a slider with a value
// label; four have a "no matter" box, two an "at most"/"exact" choice.
enum class FilterParam : int {
    Pool = 0,         // Slider1, LSlider1, cb1: size of the number pool, bank numbers included
    TipSize = 1,      // Slider2, LSlider2: size of a tip row, bank numbers included
    Guarantee = 2,    // Slider3, LSlider3, cb3, Radio3
    RowCount = 3,     // Slider4, LSlider4, cb4
    BankNumbers = 4,  // Slider5, LSlider5, cb5, Radio5
};
inline constexpr int kFilterParamCount = 5;

// Items of the two "at most"/"exact" choices; -1 is "nothing selected" (only a settings file
// can bring that about).
inline constexpr int32_t kChoiceNone = -1;
inline constexpr int32_t kChoiceAtMost = 0;
inline constexpr int32_t kChoiceExact = 1;

struct SliderState {
    int32_t minimum = 0;
    int32_t maximum = 0;
    int32_t step = 1;
    int32_t value = 0;
};

// The filter controls and the rules that keep them consistent, without any user interface.
// Every setter behaves as the control on the page does when the user or the program sets it,
// and runs the same change or click handler:
//  - a slider clamps a new value into its range and runs its change handler only when the
//    stored value changes; a new maximum re-clamps the value; a maximum that is not above the
//    minimum is ignored; values set by program are not rounded to the step;
//  - setting a "no matter" box always runs its click handler, also when the state stays;
//  - selecting a choice item runs its click handler only when the item changes.
// The page forwards every user action to one of the setters and then shows the state.
class FilterParameters {
  public:
    // The controls as the window creates them, after the tip-row-size handler ran once:
    // pool 13 (maximum 50), tip-row size 6, guarantee 2 "exact" (maximum 6), row count 24
    // "no matter", bank numbers 2 "exact".
    FilterParameters();

    const SliderState& Slider(FilterParam p) const { return sliders_[Index(p)]; }
    int32_t Value(FilterParam p) const { return Slider(p).value; }
    // The value label: the value, "X" while "no matter" is checked, or the forced row count.
    const std::string& ValueLabel(FilterParam p) const { return labels_[Index(p)]; }
    // The "no matter" box; always false for the tip-row size, which has none.
    bool NoMatter(FilterParam p) const { return noMatter_[Index(p)]; }
    // The "at most"/"exact" item of the guarantee or the bank numbers; kChoiceNone otherwise.
    int32_t Choice(FilterParam p) const;

    bool Info3Visible() const { return info3Visible_; }  // BInfo3
    bool Info4Visible() const { return info4Visible_; }  // BInfo4: the row count is forced
    bool Info5Visible() const { return info5Visible_; }  // BInfo5
    bool Hint4Visible() const { return hint4Visible_; }  // LHinweis4
    // Slider4 and cb4: hidden while the row count is forced.
    bool RowCountControlsVisible() const { return rowCountControlsVisible_; }
    bool RowCountForced() const { return info4Visible_; }

    // Sets a slider's value (clamped), running its change handler when the value changes.
    void SetValue(FilterParam p, int32_t value);
    // Sets a slider's maximum as the control does (see above).
    void SetMaximum(FilterParam p, int32_t maximum);
    // Sets a "no matter" box and runs its click handler; ignored for the tip-row size.
    void SetNoMatter(FilterParam p, bool checked);
    // Selects an item of the guarantee or bank-number choice; values below -1 read as -1,
    // above 1 as 1. Selecting nothing (-1) runs no handler. Ignored for the other parameters.
    void SelectChoice(FilterParam p, int32_t item);
    // "All „no matter“": checks the four boxes in the order pool, guarantee, row count, bank
    // numbers. Does not filter.
    void AllNoMatter();
    // The pool-size slider's maximum follows the lottery's largest number.
    void SetLargestNumber(int32_t largestNumber) { SetMaximum(FilterParam::Pool, largestNumber); }

    // True when a full guarantee with an exact number of bank numbers fixes the row count:
    // bank numbers "exact", neither guarantee nor bank numbers "no matter", and guarantee plus
    // bank numbers at least the tip-row size.
    bool Zwang() const;
    // The row count of the full system the forcing stands for:
    // C(pool - bank numbers, tip-row size - bank numbers).
    int64_t ForcedRowCount() const;

    // The handlers themselves, for a caller that runs one without setting a control (the
    // window runs Slider2Change once at creation; the constructor has done so already).
    void Slider1Change();
    void Slider2Change();
    void Slider3Change();
    void Slider4Change();
    void Slider5Change();
    // The click handlers of the "no matter" boxes and of the two choices.
    void RunClickHandler(FilterParam p);
    void Radio3Click();
    void Radio5Click();

  private:
    static constexpr std::size_t Index(FilterParam p) { return static_cast<std::size_t>(p); }

    void RunChangeHandler(FilterParam p);
    void ShowValueOrX(FilterParam p);
    void UpdateForcedRowCount();
    void ReiheZwingend(bool forced);

    std::array<SliderState, kFilterParamCount> sliders_{};
    std::array<std::string, kFilterParamCount> labels_{};
    std::array<bool, kFilterParamCount> noMatter_{};
    int32_t radio3_ = kChoiceExact;
    int32_t radio5_ = kChoiceExact;
    bool info3Visible_ = false;
    bool info4Visible_ = false;
    bool info5Visible_ = false;
    bool hint4Visible_ = false;
    bool rowCountControlsVisible_ = true;
};

}  // namespace kombora
