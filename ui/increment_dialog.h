// The increment dialog "Incrément": the number of units of the date step, its unit, and the
// delay between animation frames.
#pragma once

#include <QDialog>

class QLineEdit;
class QPushButton;

namespace vireon {

class RadioGroup;

class TfIncrement : public QDialog {
    Q_OBJECT

public:
    explicit TfIncrement(QWidget* parent);

    // Before opening: shows the increment and delay in force, in the unit the status bar counts
    // in (the monthly graph forces the month).
    void Prepare();

    QLineEdit* eIncr;
    RadioGroup* rgIncr;
    RadioGroup* rgDelai;
    QPushButton* bbOK;
    QPushButton* bbCancel;

    void bbOKClick();
};

}  // namespace vireon
