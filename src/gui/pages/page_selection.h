#pragma once

#include <QString>
#include <array>
#include <optional>
#include <vector>

#include "pages/page.h"
#include "selection/filter_parameters.h"
#include "selection/system_choice.h"

class QCheckBox;
class QGroupBox;
class QLabel;
class QListWidget;
class QPushButton;
class QSlider;
class QToolButton;

namespace kombora::gui {

class ChoiceGroup;

// Page 1, "System selection": the five filter parameters, "Filter", the result list and
// "Next".
//
// The parameters and their coupling live in a FilterParameters object; the page forwards
// every user action to it and then shows its state. Setting a control from code behaves as a
// user action: SetSliderValue runs the slider's change handler when the value changes,
// SetChoice runs the choice's click handler when the item changes, SetNoMatter always runs
// the box's click handler.
class PageSelection : public Page {
    Q_OBJECT
  public:
    PageSelection(AppState& state, const Services& services, QWidget* parent = nullptr);

    // Parameters are numbered as their sliders: 1 pool, 2 tip-row size, 3 guarantee,
    // 4 row count, 5 bank numbers.
    QSlider* Slider(int parameter) const;
    QLabel* ValueLabel(int parameter) const;
    // The "no matter" box of parameter 1, 3, 4 or 5.
    QCheckBox* NoMatterBox(int parameter) const;
    // The "at most"/"exact" choice of parameter 3 or 5.
    ChoiceGroup* Choice(int parameter) const;

    int SliderValue(int parameter) const;
    void SetSliderValue(int parameter, int value);
    void SetNoMatter(int parameter, bool checked);
    void SetChoice(int parameter, int index);
    bool NoMatter(int parameter) const;
    int ChoiceIndex(int parameter) const;

    // The pool-size maximum follows the largest number; the value is clamped into the range.
    void SetPoolMaximum(int largestNumber);

    const FilterParameters& filter() const { return filter_; }
    QListWidget* l1() const { return l1_; }
    QLabel* LSysAnz() const { return lSysAnz_; }
    // The catalogue index of each line of l1.
    const std::vector<int32_t>& ResultIndices() const { return resultIndices_; }

    // Prepares catalogue entry `index` (SelectedSystem must already name it): on success the
    // state announces selectedSystemChanged; when the system cannot be applied, shows the
    // message and returns false.
    bool GewaehltesSystem(int32_t index);

  public slots:
    // The handlers of the filter controls, for callers that run one directly; the controls
    // run them on their own. (The window runs Slider2Change once at creation.)
    void Slider1Change();
    void Slider2Change();
    void Slider3Change();
    void Slider4Change();
    void Slider5Change();
    void cb1Click();
    void cb3Click();
    void cb4Click();
    void cb5Click();
    void Radio3Click();
    void Radio5Click();
    void BFilternExClick();
    void BFilternClick();
    void BInfo3Click();
    void BInfo4Click();
    void BInfo5Click();
    void l1ListBoxClick();
    void l1DblClick();

  private:
    QGroupBox* BuildFilterGroup();
    void ConnectControls();
    // Shows the state of the filter parameters in the controls, without running handlers.
    void ShowFilter();
    void UserMovedSlider(int parameter, int value);
    void ApplyPreparation(const SystemPreparation& preparation);
    void ShowSelectionMessage(const char* key);
    int SelectedLine() const;

    FilterParameters filter_;
    std::vector<int32_t> resultIndices_;
    std::array<QSlider*, 6> sliders_{};
    std::array<QLabel*, 6> valueLabels_{};
    std::array<QCheckBox*, 6> noMatter_{};
    ChoiceGroup* radio3_ = nullptr;
    ChoiceGroup* radio5_ = nullptr;
    QToolButton* bInfo3_ = nullptr;
    QToolButton* bInfo4_ = nullptr;
    QToolButton* bInfo5_ = nullptr;
    QLabel* lHinweis4_ = nullptr;
    QPushButton* bFilternEx_ = nullptr;
    QPushButton* bFiltern_ = nullptr;
    QListWidget* l1_ = nullptr;
    QLabel* lSysAnz_ = nullptr;
};

}  // namespace kombora::gui
