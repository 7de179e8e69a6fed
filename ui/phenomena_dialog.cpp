#include "ui/phenomena_dialog.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <algorithm>
#include <utility>

#include "core/conventions.h"
#include "core/date_commands.h"
#include "core/input_parsing.h"
#include "core/settings.h"
#include "core/time_base.h"
#include "satellites/event_texts.h"
#include "satellites/planet_descriptor.h"
#include "ui/dialog_support.h"
#include "ui/list_export.h"
#include "ui/month_list.h"

namespace vireon {
namespace {

// The longitude as the field shows it: as few decimals as it needs, "." whatever the locale.
QString LongitudeText(const std::optional<double>& degrees)
{
    if (!degrees) return {};
    std::string text = FormatFixed(*degrees, 6);
    while (text.back() == '0') text.pop_back();
    if (text.back() == '.') text.pop_back();
    return QString::fromStdString(text);
}

bool SamePhenomenon(const Phenomenon& a, const Phenomenon& b)
{
    return a.JD == b.JD && a.Satellite == b.Satellite && a.Kind == b.Kind;
}

QStringList SatelliteNamesWithPhenomena()
{
    QStringList names;
    for (PlanetId p = FirstPlanet; p <= LastPlanet; ++p) {
        if (!HasPhenomena(p)) continue;
        const PlanetDescriptor& planet = Planet(p);
        for (int k = 1; k <= planet.SatelliteCount; ++k) names << QString::fromUtf8(planet.Satellites[k].Name);
    }
    return names;
}

}  // namespace

TfPhenomenes::TfPhenomenes(PhenomenaSource source, QWidget* parent) : QDialog(parent), source_(std::move(source))
{
    setObjectName("fPhenomenes");
    setWindowTitle("Phénomènes");
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);

    labTitre = MakeMonthTitle(this);
    // The rows keep the search's order: instant, then satellite.
    lvPhenomenes = MakeMonthList("lvPhenomenes", {"Date", "Heure", "Satellite", "Phénomène"}, this);
    const QFontMetrics metrics(lvPhenomenes->font());
    QHeaderView* header = lvPhenomenes->header();
    header->resizeSection(ColDate, ColumnWidth(metrics, {"Date", "00/00/0000"}));
    header->resizeSection(ColHeure, ColumnWidth(metrics, {"Heure", "00:00:00"}));
    header->resizeSection(ColSatellite, ColumnWidth(metrics, SatelliteNamesWithPhenomena() << "Satellite"));
    kindWidth_ = ColumnWidth(metrics, {"Phénomène", "Début de passage de l'ombre"});
    altitudeWidth_ = ColumnWidth(metrics, {"Hauteur", "-90°"});
    listWidth_ = kindWidth_ + lvPhenomenes->verticalScrollBar()->sizeHint().width() + 2 * lvPhenomenes->frameWidth();
    for (int column : {ColDate, ColHeure, ColSatellite}) listWidth_ += header->sectionSize(column);
    lvPhenomenes->setMinimumWidth(listWidth_);

    labTacheRouge = new QLabel("Tache rouge (longitude II) :", this);
    labTacheRouge->setObjectName("labTacheRouge");
    eTacheRouge = new QLineEdit(this);
    eTacheRouge->setObjectName("eTacheRouge");
    eTacheRouge->setMaxLength(16);
    eTacheRouge->setFixedWidth(QFontMetrics(eTacheRouge->font()).horizontalAdvance("000.000") + 16);
    eTacheRouge->installEventFilter(this);
    labTacheRouge->setBuddy(eTacheRouge);

    cbInvisibles = MakeInvisiblesBox(this);
    cbObservables = MakeObservablesBox(this);

    const MonthButtons buttons = MakeMonthButtons(this);
    bbMoisPrec = buttons.Previous;
    bbMoisSuiv = buttons.Next;
    bbExporter = buttons.Export;
    bbAfficher = buttons.Show;
    bbFermer = buttons.Close;

    auto* redSpot = new QHBoxLayout;
    redSpot->addWidget(labTacheRouge);
    redSpot->addWidget(eTacheRouge);
    redSpot->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(labTitre);
    layout->addWidget(lvPhenomenes, 1);
    layout->addWidget(cbInvisibles);
    layout->addWidget(cbObservables);
    layout->addLayout(redSpot);
    layout->addLayout(buttons.Row);
    resize(sizeHint().width(), 480);

    connect(bbMoisPrec, &QPushButton::clicked, this, &TfPhenomenes::bbMoisPrecClick);
    connect(bbMoisSuiv, &QPushButton::clicked, this, &TfPhenomenes::bbMoisSuivClick);
    connect(bbExporter, &QPushButton::clicked, this, &TfPhenomenes::bbExporterClick);
    connect(bbAfficher, &QPushButton::clicked, this, &TfPhenomenes::bbAfficherClick);
    connect(bbFermer, &QPushButton::clicked, this, &QDialog::reject);
    connect(cbInvisibles, &QCheckBox::clicked, this, &TfPhenomenes::cbInvisiblesClick);
    connect(cbObservables, &QCheckBox::clicked, this, &TfPhenomenes::cbObservablesClick);
    connect(lvPhenomenes, &QTreeWidget::itemDoubleClicked, this, &TfPhenomenes::lvPhenomenesDblClick);
    connect(lvPhenomenes, &QTreeWidget::itemSelectionChanged, this, &TfPhenomenes::UpdateButtons);
    connect(eTacheRouge, &QLineEdit::editingFinished, this, &TfPhenomenes::eTacheRougeExit);
}

void TfPhenomenes::Prepare()
{
    chosen_.reset();
    planet_ = Settings.CurrentPlanet;
    // The Red Spot is Jupiter's.
    labTacheRouge->setVisible(planet_ == Jupiter);
    eTacheRouge->setVisible(planet_ == Jupiter);
    eTacheRouge->setText(LongitudeText(Settings.RedSpotLongitude));
    ShowSiteColumn();
    ShowMonth(Settings.Current.Month, Settings.Current.Year);
    SelectFirstFrom(Settings.CurrentJD);
    lvPhenomenes->setFocus();
}

void TfPhenomenes::ShowMonth(int month, int year)
{
    month_ = month;
    year_ = year;
    const MonthSpan span = MonthSpanOf(Settings.TimeScale, month, year);
    satelliteRows_ = source_(planet_, span.FirstJD, span.LastJD);
    ComposeRows();
    labTitre->setText(MonthTitle(planet_, month, year, Settings.TimeScale));
    FillList(-1);
    lvPhenomenes->scrollToTop();
    UpdateButtons();
}

void TfPhenomenes::ShowSiteColumn()
{
    vireon::ShowSiteColumn(lvPhenomenes, {"Date", "Heure", "Satellite", "Phénomène"}, cbObservables, kindWidth_, listWidth_,
                   altitudeWidth_);
}

void TfPhenomenes::ComposeRows()
{
    rows_ = satelliteRows_;
    if (planet_ == Jupiter && Settings.RedSpotLongitude) {
        const MonthSpan span = MonthSpanOf(Settings.TimeScale, month_, year_);
        rows_ = WithRedSpotTransits(std::move(rows_), span.FirstJD, span.LastJD, *Settings.RedSpotLongitude);
    }
    std::vector<Extended> instants;
    for (const Phenomenon& row : rows_) instants.push_back(row.JD);
    sky_ = SiteSkyAt(planet_, instants);
}

void TfPhenomenes::FillList(int selectedRow)
{
    const PlanetDescriptor& planet = Planet(planet_);
    const auto rowOf = [this, &planet](int i) {
        const Phenomenon& row = rows_[static_cast<std::size_t>(i)];
        const CalendarFields at = ReadingFieldsOf(Settings.TimeScale, row.JD, ListedRounding(row.Kind));
        return ListedRow{{QString::fromStdString(FormatDialogDate(at)), QString::fromStdString(FormatDialogTime(at)),
                          QString::fromUtf8(row.Satellite > 0 ? planet.Satellites[row.Satellite].Name : ""),
                          QString::fromUtf8(PhenomenonText(row.Kind))},
                         row.Visible};
    };
    FillMonthList(lvPhenomenes, static_cast<int>(rows_.size()), rowOf, sky_, cbInvisibles->isChecked(),
                  cbObservables->isChecked(), selectedRow);
}

void TfPhenomenes::SelectFirstFrom(Extended jd)
{
    SelectFirstListedFrom(lvPhenomenes, [this](int i) { return rows_[static_cast<std::size_t>(i)].JD; }, jd);
    UpdateButtons();
}

void TfPhenomenes::UpdateButtons()
{
    const int shown = MonthIndex(month_, year_);
    bbMoisPrec->setEnabled(shown > FirstMonthIndex);
    bbMoisSuiv->setEnabled(shown < LastMonthIndex);
    bbAfficher->setEnabled(!lvPhenomenes->selectedItems().isEmpty());
    bbExporter->setEnabled(lvPhenomenes->topLevelItemCount() > 0);
}

void TfPhenomenes::StepMonth(int months)
{
    if (const auto stepped = SteppedMonth(month_, year_, months)) ShowMonth(stepped->first, stepped->second);
}

void TfPhenomenes::bbMoisPrecClick() { StepMonth(-1); }
void TfPhenomenes::bbMoisSuivClick() { StepMonth(+1); }

void TfPhenomenes::bbExporterClick()
{
    const MonthSpan span = MonthSpanOf(Settings.TimeScale, month_, year_);
    const MonthPhenomena month{planet_, span.FirstJD, span.LastJD, &rows_, &sky_, ListedRowIndexes(lvPhenomenes)};
    const PlanetId planet = planet_;
    const auto beyond = [this, planet](Extended from, Extended to) { return source_(planet, from, to); };
    ExportList(this, ChooseExportFile, "Exporter les phénomènes", ExportFileName(planet_, "phenomenes", month_, year_),
               exportFolder_, [&](ExportFormat format) {
                   return format == ExportFormat::Csv ? PhenomenaCsv(month) : PhenomenaIcs(month, beyond);
               });
}

void TfPhenomenes::bbAfficherClick()
{
    const int selected = SelectedRowIndex(lvPhenomenes);
    if (selected < 0) return;
    chosen_ = rows_[static_cast<std::size_t>(selected)];
    accept();
}

void TfPhenomenes::cbInvisiblesClick()
{
    // The month's rows are all at hand: only the list is refilled, and the phenomenon selected
    // stays selected when it is still listed.
    FillList(SelectedRowIndex(lvPhenomenes));
    UpdateButtons();
}

void TfPhenomenes::cbObservablesClick() { cbInvisiblesClick(); }

void TfPhenomenes::eTacheRougeExit()
{
    const QString text = eTacheRouge->text().trimmed();
    if (text == LongitudeText(Settings.RedSpotLongitude)) return;
    std::optional<double> longitude;
    if (!text.isEmpty()) {
        longitude = ParseLongitudeDegrees(text.toStdString());
        if (!longitude) {
            // Refused: the field shows the longitude in force again, the list is unchanged.
            eTacheRouge->setText(LongitudeText(Settings.RedSpotLongitude));
            WarnInvalidInput(this, InvalidLongitudeMessage);
            eTacheRouge->setFocus();
            eTacheRouge->selectAll();
            return;
        }
    }
    Settings.RedSpotLongitude = longitude;
    eTacheRouge->setText(LongitudeText(longitude));
    // The phenomenon selected stays selected, wherever the spot's rows put it.
    std::optional<Phenomenon> kept;
    if (const int selected = SelectedRowIndex(lvPhenomenes); selected >= 0) kept = rows_[static_cast<std::size_t>(selected)];
    ComposeRows();
    int reselect = -1;
    for (std::size_t i = 0; kept && i < rows_.size(); ++i) {
        if (SamePhenomenon(rows_[i], *kept)) reselect = static_cast<int>(i);
    }
    FillList(reselect);
    UpdateButtons();
}

bool TfPhenomenes::eventFilter(QObject* watched, QEvent* event)
{
    // Enter in the field reads it, and must not also press the default button "Afficher".
    if (watched == eTacheRouge && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            eTacheRougeExit();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void TfPhenomenes::lvPhenomenesDblClick(QTreeWidgetItem* item)
{
    if (!item) return;
    lvPhenomenes->setCurrentItem(item);
    bbAfficherClick();
}

}  // namespace vireon
