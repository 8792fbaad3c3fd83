#pragma once

#include <QGroupBox>
#include <QStringList>

class QButtonGroup;
class QRadioButton;

namespace kombora::gui {

// A framed group of exclusive choices ("at most" / "exact", "Comma" / "Semicolon" / "Spaces").
// itemIndex() is -1 while nothing is selected. Selecting a different item, by the user or by
// setItemIndex, emits itemClicked once; selecting the item already selected does nothing.
class ChoiceGroup : public QGroupBox {
    Q_OBJECT
  public:
    ChoiceGroup(const QString& title, const QStringList& items, Qt::Orientation orientation,
                QWidget* parent = nullptr);

    int itemIndex() const { return index_; }
    int count() const;
    // Selects `index`, clamped to -1..count()-1 (-1 selects nothing).
    void setItemIndex(int index);
    QRadioButton* button(int index) const;

  signals:
    void itemClicked(int index);

  private:
    void Select(int index, bool notify);

    QButtonGroup* group_;
    int index_ = -1;
    bool updating_ = false;
};

}  // namespace kombora::gui
