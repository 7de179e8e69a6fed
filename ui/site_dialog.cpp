#include "ui/site_dialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/conventions.h"
#include "core/input_parsing.h"
#include "core/settings.h"
#include "ui/dialog_support.h"
#include "ui/radio_group.h"

namespace vireon {
namespace {

constexpr int MaxNameLength = 64;

// A number as the field shows it: as few decimals as it needs, "." whatever the locale.
QString NumberField(double value) { return QString::fromStdString(FormatShortest(value)); }

QLineEdit* MakeField(const char* objectName, int maxLength, QWidget* parent)
{
    auto* field = new QLineEdit(parent);
    field->setObjectName(objectName);
    field->setMaxLength(maxLength);
    return field;
}

}  // namespace

QString DeltaTText(Extended seconds)
{
    return QString::fromUtf8("ΔT à la date courante : ") + QString::fromStdString(FormatFixed(seconds, 1)) + " s";
}

TfLieu::TfLieu(QWidget* parent) : QDialog(parent)
{
    setObjectName("fLieu");
    setWindowTitle("Lieu et heure");
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);

    rgEchelle = new RadioGroup("rgEchelle", "Échelle de temps",
                               {"Temps terrestre (TT)", "Temps universel (UT)", "Heure locale"}, 1, this);
    cbFuseau = new QComboBox(this);
    cbFuseau->setObjectName("cbFuseau");
    for (const std::string& zone : TimeZoneNames()) cbFuseau->addItem(QString::fromStdString(zone));
    cbFuseau->setMaxVisibleItems(20);
    // Beside its item, in the group's grid.
    static_cast<QGridLayout*>(rgEchelle->layout())->addWidget(cbFuseau, ItemLocal, 1);

    labDeltaT = new QLabel(this);
    labDeltaT->setObjectName("labDeltaT");

    cbLieu = new QCheckBox("Lieu d'observation", this);
    cbLieu->setObjectName("cbLieu");
    eNom = MakeField("eNom", MaxNameLength, this);
    eLatitude = MakeField("eLatitude", 24, this);
    eLongitude = MakeField("eLongitude", 24, this);
    eAltitude = MakeField("eAltitude", 24, this);
    auto* site = new QFormLayout;
    site->setContentsMargins(20, 0, 0, 0);
    site->addRow("Nom :", eNom);
    site->addRow(QString::fromUtf8("Latitude (°, nord +) :"), eLatitude);
    site->addRow(QString::fromUtf8("Longitude (°, est +) :"), eLongitude);
    site->addRow("Altitude (m) :", eAltitude);

    bbOK = MakeDialogButton("bbOK", "OK", this);
    bbOK->setDefault(true);
    bbAnn = MakeDialogButton("bbAnn", "Annuler", this);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(bbOK);
    buttons->addWidget(bbAnn);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(rgEchelle);
    layout->addWidget(labDeltaT);
    layout->addSpacing(6);
    layout->addWidget(cbLieu);
    layout->addLayout(site);
    layout->addStretch();
    layout->addLayout(buttons);

    connect(rgEchelle, &RadioGroup::ItemIndexChanged, this, &TfLieu::rgEchelleClick);
    connect(cbLieu, &QCheckBox::clicked, this, &TfLieu::cbLieuClick);
    connect(bbOK, &QPushButton::clicked, this, &TfLieu::bbOKClick);
    connect(bbAnn, &QPushButton::clicked, this, &QDialog::reject);
}

void TfLieu::Prepare()
{
    const TimeScale& scale = Settings.TimeScale;
    rgEchelle->SetItemIndex(scale.Kind == TimeScaleKind::Universal ? ItemUT
                            : scale.Kind == TimeScaleKind::Local ? ItemLocal
                                                                 : ItemTT);
    const int zone = cbFuseau->findText(QString::fromStdString(scale.Zone));
    cbFuseau->setCurrentIndex(zone >= 0 ? zone : 0);  // the system's zone is first
    labDeltaT->setText(DeltaTText(DeltaTSeconds(UniversalFromTerrestrial(Settings.CurrentJD))));

    cbLieu->setChecked(Settings.Site.has_value());
    const ObservingSite shown = Settings.Site.value_or(ObservingSite{});
    eNom->setText(QString::fromStdString(shown.Name));
    eLatitude->setText(Settings.Site ? NumberField(shown.LatitudeDeg) : QString());
    eLongitude->setText(Settings.Site ? NumberField(shown.LongitudeDeg) : QString());
    eAltitude->setText(Settings.Site ? NumberField(shown.HeightM) : QString());
    rgEchelleClick();
    cbLieuClick();
}

void TfLieu::rgEchelleClick() { cbFuseau->setEnabled(rgEchelle->ItemIndex() == ItemLocal); }

void TfLieu::cbLieuClick()
{
    for (QLineEdit* field : {eNom, eLatitude, eLongitude, eAltitude}) field->setEnabled(cbLieu->isChecked());
}

void TfLieu::bbOKClick()
{
    TimeScale scale;
    switch (rgEchelle->ItemIndex()) {
    case ItemUT: scale.Kind = TimeScaleKind::Universal; break;
    case ItemLocal:
        scale.Kind = TimeScaleKind::Local;
        scale.Zone = cbFuseau->currentText().toStdString();
        break;
    default: break;
    }
    std::optional<ObservingSite> site;
    if (cbLieu->isChecked()) {
        const auto latitude = ParseDecimalWithin(eLatitude->text().toStdString(), MinimumLatitudeDeg, MaximumLatitudeDeg);
        if (!latitude) return WarnInvalidInput(this, InvalidLatitudeMessage);
        const auto longitude = ParseDecimalWithin(eLongitude->text().toStdString(), MinimumLongitudeDeg, MaximumLongitudeDeg);
        if (!longitude) return WarnInvalidInput(this, InvalidLongitudeMessage);
        // An empty height is sea level.
        const std::string heightText = eAltitude->text().trimmed().toStdString();
        const auto height = heightText.empty() ? std::optional<double>(0)
                                               : ParseDecimalWithin(heightText, MinimumHeightM, MaximumHeightM);
        if (!height) return WarnInvalidInput(this, InvalidHeightMessage);
        site = ObservingSite{eNom->text().trimmed().toStdString(), *latitude, *longitude, *height};
    }
    scale_ = scale;
    site_ = site;
    accept();
}

}  // namespace vireon
