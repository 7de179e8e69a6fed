// The zoom dialog "Zoom": a zoom value typed or picked from a list, or the automatic zoom that
// gives each planet its own.
#pragma once

#include <QDialog>

class QComboBox;
class QPushButton;

namespace vireon {

class DisplayPort;
class RadioGroup;

class TfZoom : public QDialog {
    Q_OBJECT

public:
    TfZoom(DisplayPort& port, QWidget* parent);

    // Before showing: "Valeur" or "Autozoom" by AutoZoom, and the current zoom in the box.
    void Prepare();
    // The zoom buttons, arrows and wheel write the new zoom here; the tool button
    // "Autozoom" chooses the radio item.
    void SetZoomText(int zoom);
    void SetAutoZoomItem(bool autoZoom);

    RadioGroup* rgZoom;
    QComboBox* cbZoom;
    QPushButton* bbOK;
    QPushButton* bbCancel;

    void bbOKClick();

private:
    DisplayPort& port_;
};

}  // namespace vireon
