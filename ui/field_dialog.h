// The eyepiece field dialog "Champ": the diameter of the field circle in arcminutes.
#pragma once

#include <QDialog>

class QLineEdit;
class QPushButton;

namespace vireon {

class DisplayPort;
class RadioGroup;

class TfChamp : public QDialog {
    Q_OBJECT

public:
    TfChamp(DisplayPort& port, QWidget* parent);

    RadioGroup* rgChamp;
    QLineEdit* eChamp;
    QPushButton* bbOK;
    QPushButton* bbCancel;

    void rgChampClick();
    void bbOKClick();

    // Index of the item "Autre :", whose value is typed in eChamp.
    static constexpr int OtherItem = 10;

private:
    DisplayPort& port_;
};

}  // namespace vireon
