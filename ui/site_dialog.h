// The dialog "Lieu et heure": the clock the dates are read on (TT, UT or the local time of a
// zone), the current Delta T, and the optional observing site.
#pragma once

#include <QDialog>

#include <optional>

#include "core/observing_site.h"
#include "core/time_scale.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace vireon {

class RadioGroup;

class TfLieu : public QDialog {
    Q_OBJECT

public:
    explicit TfLieu(QWidget* parent);

    // Before showing: the settings' scale, zone and site, and Delta T at the current instant.
    void Prepare();

    // What OK accepted (valid once the dialog is accepted).
    const TimeScale& ChosenScale() const { return scale_; }
    const std::optional<ObservingSite>& ChosenSite() const { return site_; }

    RadioGroup* rgEchelle;  // TT, UT, local time
    QComboBox* cbFuseau;    // the zones, the system's first
    QLabel* labDeltaT;
    QCheckBox* cbLieu;
    QLineEdit* eNom;
    QLineEdit* eLatitude;
    QLineEdit* eLongitude;
    QLineEdit* eAltitude;
    QPushButton* bbOK;
    QPushButton* bbAnn;

    // The items of rgEchelle.
    enum ScaleItem { ItemTT, ItemUT, ItemLocal };

    void rgEchelleClick();
    void cbLieuClick();
    // Reads the fields with the dialogs' strict rules; a refused value gets its message, the
    // dialog stays open and nothing changes.
    void bbOKClick();

private:
    TimeScale scale_;
    std::optional<ObservingSite> site_;
};

// "ΔT à la date courante : 69.2 s".
QString DeltaTText(Extended seconds);

}  // namespace vireon
