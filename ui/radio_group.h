// A titled group of radio buttons with an item index, as the dialogs use for the increment's
// unit and delay, the zoom mode and the eyepiece field.
#pragma once

#include <QButtonGroup>
#include <QGroupBox>
#include <QStringList>

class QRadioButton;

namespace vireon {

class RadioGroup : public QGroupBox {
    Q_OBJECT

public:
    // The items are laid out in the given number of columns, filled column by column.
    RadioGroup(const QString& objectName, const QString& title, const QStringList& items, int columns,
               QWidget* parent);

    int ItemIndex() const;
    void SetItemIndex(int index);
    int Count() const;
    QRadioButton* Item(int index) const;

signals:
    // The user or the program selected another item.
    void ItemIndexChanged(int index);

private:
    QButtonGroup buttons_;
};

}  // namespace vireon
