#include "ui/radio_group.h"

#include <QGridLayout>
#include <QRadioButton>

namespace vireon {

RadioGroup::RadioGroup(const QString& objectName, const QString& title, const QStringList& items, int columns,
                       QWidget* parent)
    : QGroupBox(title, parent), buttons_(this)
{
    setObjectName(objectName);
    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(8, 4, 8, 4);
    grid->setVerticalSpacing(2);
    const int rows = (static_cast<int>(items.size()) + columns - 1) / columns;
    for (int i = 0; i < items.size(); ++i) {
        auto* button = new QRadioButton(items[i], this);
        button->setObjectName(objectName + QString::number(i));
        buttons_.addButton(button, i);
        grid->addWidget(button, i % rows, i / rows);
    }
    connect(&buttons_, &QButtonGroup::idToggled, this, [this](int id, bool checked) {
        if (checked) emit ItemIndexChanged(id);
    });
}

int RadioGroup::ItemIndex() const { return buttons_.checkedId(); }

void RadioGroup::SetItemIndex(int index)
{
    if (QAbstractButton* button = buttons_.button(index)) button->setChecked(true);
}

int RadioGroup::Count() const { return static_cast<int>(buttons_.buttons().size()); }

QRadioButton* RadioGroup::Item(int index) const { return qobject_cast<QRadioButton*>(buttons_.button(index)); }

}  // namespace vireon
