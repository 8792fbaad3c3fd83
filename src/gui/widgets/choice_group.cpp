#include "widgets/choice_group.h"

#include <QBoxLayout>
#include <QButtonGroup>
#include <QRadioButton>
#include <algorithm>

namespace kombora::gui {

ChoiceGroup::ChoiceGroup(const QString& title, const QStringList& items,
                         Qt::Orientation orientation, QWidget* parent)
    : QGroupBox(title, parent), group_(new QButtonGroup(this)) {
    auto* layout = new QBoxLayout(
        orientation == Qt::Horizontal ? QBoxLayout::LeftToRight : QBoxLayout::TopToBottom, this);
    layout->setContentsMargins(8, 4, 8, 4);
    for (int i = 0; i < items.size(); ++i) {
        auto* radio = new QRadioButton(items[i], this);
        group_->addButton(radio, i);
        layout->addWidget(radio);
    }
    if (orientation == Qt::Horizontal) layout->addStretch();
    connect(group_, &QButtonGroup::idToggled, this, [this](int id, bool checked) {
        if (!checked || updating_ || id == index_) return;
        index_ = id;
        emit itemClicked(id);
    });
}

int ChoiceGroup::count() const {
    return static_cast<int>(group_->buttons().size());
}

QRadioButton* ChoiceGroup::button(int index) const {
    return qobject_cast<QRadioButton*>(group_->button(index));
}

void ChoiceGroup::setItemIndex(int index) {
    Select(std::clamp(index, -1, count() - 1), true);
}

void ChoiceGroup::Select(int index, bool notify) {
    if (index == index_) return;
    updating_ = true;
    if (index < 0) {
        group_->setExclusive(false);
        for (auto* b : group_->buttons()) b->setChecked(false);
        group_->setExclusive(true);
    } else {
        group_->button(index)->setChecked(true);
    }
    updating_ = false;
    index_ = index;
    if (notify && index >= 0) emit itemClicked(index);
}

}  // namespace kombora::gui
