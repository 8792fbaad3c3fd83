#pragma once

#include <array>

#include "pages/page.h"

class QCheckBox;
class QLabel;
class QListWidget;
class QPushButton;
class QSlider;
class QToolButton;

namespace kombora::gui {

class ChoiceGroup;

// Page 1, "System selection": the five filter parameters, the result list and "Next".
//
// Setting a control from code behaves as a user action: SetSliderValue runs the slider's
// change handler when the value changes, SetChoice runs the choice's click handler when the
// item changes, SetNoMatter always runs the box's click handler.
class PageSelection : public Page {
    Q_OBJECT
  public:
    PageSelection(AppContext& context, const Services& services, QWidget* parent = nullptr);

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

  public slots:
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

  protected:
    // The last step of most handlers: decides whether the row count is forced.
    virtual void UpdateForcedRowCount() {}
    void ShowValue(int parameter);

  private:
    void BuildFilterGroup();

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
