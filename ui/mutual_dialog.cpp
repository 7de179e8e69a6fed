#include "ui/mutual_dialog.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>
#include <utility>

#include "core/conventions.h"
#include "core/date_commands.h"
#include "core/settings.h"
#include "core/time_base.h"
#include "display/mutual_pictures.h"
#include "satellites/event_texts.h"
#include "satellites/planet_descriptor.h"
#include "ui/dialog_support.h"
#include "ui/list_export.h"
#include "ui/month_list.h"
#include "ui/qt_display_port.h"
#include "ui/view_widgets.h"

namespace vireon {
namespace {

// The pictures' sizes in pixels, and the light curve's samples.
constexpr int CurveWidth = 440, PictureHeight = 180, DiscsWidth = 180;
constexpr int CurveSamples = 241;

ImageBox* MakePicture(const char* objectName, int width, QWidget* parent)
{
    auto* box = new ImageBox(objectName, parent);
    box->setFixedSize(width, PictureHeight);
    return box;
}

}  // namespace

TfMutuels::TfMutuels(MutualSource source, QWidget* parent) : QDialog(parent), source_(std::move(source))
{
    setObjectName("fMutuels");
    setWindowTitle("Phénomènes mutuels");
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);

    labTitre = MakeMonthTitle(this);
    // The rows keep the search's order: by maximum.
    lvMutuels = MakeMonthList("lvMutuels", {"Date", "Début", "Maximum", "Fin", "Phénomène", "Chute"}, this);
    const QFontMetrics metrics(lvMutuels->font());
    QHeaderView* header = lvMutuels->header();
    header->resizeSection(ColDate, ColumnWidth(metrics, {"Date", "00/00/0000"}));
    for (int column : {ColDebut, ColMaximum, ColFin}) {
        header->resizeSection(column, ColumnWidth(metrics, {"Maximum", "00:00:00"}));
    }
    header->resizeSection(ColPhenomene, ColumnWidth(metrics, {"Ganymède occulte Callisto (partielle)",
                                                               "Hypérion éclipse Encelade (pénombre)"}));
    // The last column stretches, never below the header's default width.
    const int dropWidth = std::max(ColumnWidth(metrics, {"Chute", "0.00 mag"}), header->defaultSectionSize());
    int listWidth = dropWidth + lvMutuels->verticalScrollBar()->sizeHint().width() + 2 * lvMutuels->frameWidth();
    for (int column = ColDate; column < ColChute; ++column) listWidth += header->sectionSize(column);
    lvMutuels->setMinimumWidth(listWidth);
    listWidth_ = listWidth;
    dropWidth_ = dropWidth;
    altitudeWidth_ = ColumnWidth(metrics, {"Hauteur", "-90°"});

    cbInvisibles = MakeInvisiblesBox(this);
    cbObservables = MakeObservablesBox(this);

    pbCourbe = MakePicture("pbCourbe", CurveWidth, this);
    pbDisques = MakePicture("pbDisques", DiscsWidth, this);
    curveCanvas_ = std::make_unique<QPainterCanvas>(CurveWidth, PictureHeight, font());
    discsCanvas_ = std::make_unique<QPainterCanvas>(DiscsWidth, PictureHeight, font());
    pbCourbe->SetCanvas(curveCanvas_.get());
    pbDisques->SetCanvas(discsCanvas_.get());

    const MonthButtons buttons = MakeMonthButtons(this);
    bbMoisPrec = buttons.Previous;
    bbMoisSuiv = buttons.Next;
    bbExporter = buttons.Export;
    bbAfficher = buttons.Show;
    bbFermer = buttons.Close;

    auto* pictures = new QHBoxLayout;
    pictures->addWidget(pbCourbe);
    pictures->addWidget(pbDisques);
    pictures->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(labTitre);
    layout->addWidget(lvMutuels, 1);
    layout->addWidget(cbInvisibles);
    layout->addWidget(cbObservables);
    layout->addLayout(pictures);
    layout->addLayout(buttons.Row);
    resize(std::max(sizeHint().width(), listWidth + altitudeWidth_ + 24), 600);

    connect(bbMoisPrec, &QPushButton::clicked, this, &TfMutuels::bbMoisPrecClick);
    connect(bbMoisSuiv, &QPushButton::clicked, this, &TfMutuels::bbMoisSuivClick);
    connect(bbExporter, &QPushButton::clicked, this, &TfMutuels::bbExporterClick);
    connect(bbAfficher, &QPushButton::clicked, this, &TfMutuels::bbAfficherClick);
    connect(bbFermer, &QPushButton::clicked, this, &QDialog::reject);
    connect(cbInvisibles, &QCheckBox::clicked, this, &TfMutuels::cbInvisiblesClick);
    connect(cbObservables, &QCheckBox::clicked, this, &TfMutuels::cbObservablesClick);
    connect(lvMutuels, &QTreeWidget::itemDoubleClicked, this, &TfMutuels::lvMutuelsDblClick);
    connect(lvMutuels, &QTreeWidget::itemSelectionChanged, this, &TfMutuels::lvMutuelsChange);
}

TfMutuels::~TfMutuels() = default;

QString TfMutuels::EventText(PlanetId planet, const MutualEvent& e)
{
    return QString::fromStdString(MutualEventText(planet, e));
}

QString TfMutuels::DropText(const MutualEvent& e) { return QString::fromStdString(MagnitudeDropText(e)); }

TfMutuels::EventInstants TfMutuels::FormatInstants(const MutualEvent& e)
{
    const auto time = [](Extended jd) {
        return QString::fromStdString(FormatDialogTime(ReadingFieldsOf(Settings.TimeScale, jd)));
    };
    return {QString::fromStdString(FormatDialogDate(ReadingFieldsOf(Settings.TimeScale, e.MaximumJD))), time(e.StartJD),
            time(e.MaximumJD), time(e.EndJD)};
}

QStringList TfMutuels::Columns(const MutualEvent& e) const
{
    const EventInstants at = FormatInstants(e);
    return {at.Date, at.Start, at.Maximum, at.End, EventText(planet_, e), DropText(e)};
}

void TfMutuels::Prepare()
{
    chosen_.reset();
    planet_ = Settings.CurrentPlanet;
    ShowSiteColumn();
    ShowMonth(Settings.Current.Month, Settings.Current.Year);
    SelectFirstFrom(Settings.CurrentJD);
    lvMutuels->setFocus();
}

void TfMutuels::ShowMonth(int month, int year)
{
    month_ = month;
    year_ = year;
    const MonthSpan span = MonthSpanOf(Settings.TimeScale, month, year);
    rows_ = source_(planet_, span.FirstJD, span.LastJD);
    std::vector<Extended> maxima;
    for (const MutualEvent& row : rows_) maxima.push_back(row.MaximumJD);
    sky_ = SiteSkyAt(planet_, maxima);
    labTitre->setText(MonthTitle(planet_, month, year, Settings.TimeScale));
    FillList(-1);
    lvMutuels->scrollToTop();
    UpdateButtons();
    DrawPictures();
}

void TfMutuels::ShowSiteColumn()
{
    vireon::ShowSiteColumn(lvMutuels, {"Date", "Début", "Maximum", "Fin", "Phénomène", "Chute"}, cbObservables,
                           dropWidth_, listWidth_, altitudeWidth_);
}

void TfMutuels::FillList(int selectedRow)
{
    const auto rowOf = [this](int i) {
        const MutualEvent& row = rows_[static_cast<std::size_t>(i)];
        return ListedRow{Columns(row), row.Visible};
    };
    FillMonthList(lvMutuels, static_cast<int>(rows_.size()), rowOf, sky_, cbInvisibles->isChecked(),
                  cbObservables->isChecked(), selectedRow);
}

void TfMutuels::SelectFirstFrom(Extended jd)
{
    SelectFirstListedFrom(lvMutuels, [this](int i) { return rows_[static_cast<std::size_t>(i)].MaximumJD; }, jd);
    lvMutuelsChange();
}

int TfMutuels::SelectedRow() const { return SelectedRowIndex(lvMutuels); }

void TfMutuels::UpdateButtons()
{
    const int shown = MonthIndex(month_, year_);
    bbMoisPrec->setEnabled(shown > FirstMonthIndex);
    bbMoisSuiv->setEnabled(shown < LastMonthIndex);
    bbAfficher->setEnabled(SelectedRow() >= 0);
    bbExporter->setEnabled(lvMutuels->topLevelItemCount() > 0);
}

void TfMutuels::DrawPictures()
{
    const int row = SelectedRow();
    if (row < 0) {
        // Nothing selected: both pictures blank.
        for (Canvas* canvas : {static_cast<Canvas*>(curveCanvas_.get()), static_cast<Canvas*>(discsCanvas_.get())}) {
            canvas->SetPen({0, 0, 0});
            canvas->SetBrush({0, 0, 0}, BrushStyle::Solid);
            canvas->Rectangle(0, 0, canvas->Width(), canvas->Height());
        }
    } else {
        const MutualEvent& event = rows_[static_cast<std::size_t>(row)];
        const EventInstants at = FormatInstants(event);
        DrawLightCurve(*curveCanvas_, MakeLightCurve(planet_, event, CurveSamples),
                       {at.Start.toStdString(), at.Maximum.toStdString(), at.End.toStdString()});
        const MutualAspect atMaximum = MutualAspects(planet_, event, {event.MaximumJD}).front();
        DrawEventDiscs(*discsCanvas_, event, atMaximum, SatelliteName(planet_, event.Active),
                       SatelliteName(planet_, event.Passive));
    }
    pbCourbe->update();
    pbDisques->update();
}

void TfMutuels::StepMonth(int months)
{
    if (const auto stepped = SteppedMonth(month_, year_, months)) ShowMonth(stepped->first, stepped->second);
}

void TfMutuels::bbMoisPrecClick() { StepMonth(-1); }
void TfMutuels::bbMoisSuivClick() { StepMonth(+1); }

void TfMutuels::bbExporterClick()
{
    const MonthMutualEvents month{planet_, &rows_, &sky_, ListedRowIndexes(lvMutuels)};
    ExportList(this, ChooseExportFile, "Exporter les phénomènes mutuels",
               ExportFileName(planet_, "mutuels", month_, year_), exportFolder_, [&month](ExportFormat format) {
                   return format == ExportFormat::Csv ? MutualEventsCsv(month) : MutualEventsIcs(month);
               });
}

void TfMutuels::bbAfficherClick()
{
    const int row = SelectedRow();
    if (row < 0) return;
    chosen_ = rows_[static_cast<std::size_t>(row)];
    accept();
}

void TfMutuels::cbInvisiblesClick()
{
    // The month's events are all at hand: only the list is refilled, and the event selected stays
    // selected when it is still listed.
    FillList(SelectedRow());
    lvMutuelsChange();
}

void TfMutuels::cbObservablesClick() { cbInvisiblesClick(); }

void TfMutuels::lvMutuelsChange()
{
    UpdateButtons();
    DrawPictures();
}

void TfMutuels::lvMutuelsDblClick(QTreeWidgetItem* item)
{
    if (!item) return;
    lvMutuels->setCurrentItem(item);
    bbAfficherClick();
}

}  // namespace vireon
