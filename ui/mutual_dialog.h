// The dialog "Phénomènes mutuels": the occultations and eclipses between the current planet's
// satellites whose maximum falls in one calendar month, from the 1st at 00:00:00 to the last day
// at 23:59:59, in the program's own calendar, on the clock the dates are read on; with a site,
// the planet's altitude at each maximum and, on request, only the observable events. Below the list, the selected event's
// light curve and its discs at the maximum. "Afficher" (or a double click, or Enter on a row)
// closes it with that event chosen; the window then shows the instant of its maximum.
#pragma once

#include <QDialog>
#include <QStringList>

#include <functional>
#include <memory>
#include <optional>
#include <vector>

#include "core/types.h"
#include "ephemeris/horizon.h"
#include "satellites/mutual_events.h"
#include "ui/file_saving.h"

class QCheckBox;
class QLabel;
class QPushButton;
class QTreeWidget;
class QTreeWidgetItem;

namespace vireon {

class ImageBox;
class QPainterCanvas;

// Where the rows come from: the mutual events whose maximum falls from firstJD to lastJD, sorted
// by maximum (FindMutualEvents in the program).
using MutualSource = std::function<std::vector<MutualEvent>(PlanetId planet, Extended firstJD, Extended lastJD)>;

class TfMutuels : public QDialog {
    Q_OBJECT

public:
    TfMutuels(MutualSource source, QWidget* parent);
    ~TfMutuels() override;

    // Before showing: the current planet and the month of the current instant. The month's
    // events are searched once; the first listed at or after the current instant is selected.
    void Prepare();

    // The event chosen by "Afficher" (empty until the dialog is accepted).
    const std::optional<MutualEvent>& Chosen() const { return chosen_; }

    QLabel* labTitre;
    QTreeWidget* lvMutuels;
    QCheckBox* cbInvisibles;
    QCheckBox* cbObservables;  // with a site only
    ImageBox* pbCourbe;   // the light curve
    ImageBox* pbDisques;  // the discs at the maximum
    QPushButton* bbMoisPrec;
    QPushButton* bbMoisSuiv;
    QPushButton* bbExporter;
    QPushButton* bbAfficher;
    QPushButton* bbFermer;

    // Where "Exporter..." writes: the save dialog; tests answer it themselves.
    SaveFileChooser ChooseExportFile = AskWhereToSave;

    void bbMoisPrecClick();
    void bbMoisSuivClick();
    // Writes the events the list shows as CSV or iCalendar (ui/list_export.h); the list and the
    // month stay as they are.
    void bbExporterClick();
    void bbAfficherClick();
    void cbInvisiblesClick();
    void cbObservablesClick();
    void lvMutuelsDblClick(QTreeWidgetItem* item);
    // The selection changed: the pictures follow it, "Afficher" is on while a row is selected.
    void lvMutuelsChange();

    // The list's columns; with a site, one more: the planet's altitude at the maximum.
    enum Column { ColDate, ColDebut, ColMaximum, ColFin, ColPhenomene, ColChute, ColumnCount, ColHauteur = ColumnCount };

    // "Io occulte Europe", "Io éclipse Europe", with " (partielle)", " (annulaire)" or
    // " (pénombre)" for what covers the passive satellite at the maximum (nothing when it is
    // wholly covered, or wholly in the umbra).
    static QString EventText(PlanetId planet, const MutualEvent& event);
    // The drop in magnitude of the pair's light at the maximum, -2.5 log10(1 - flux drop):
    // "0.42 mag".
    static QString DropText(const MutualEvent& event);

private:
    // An event's instants as the dialog shows them, on the clock the dates are read on: the date
    // of its maximum, and the times of its start, maximum and end.
    struct EventInstants {
        QString Date, Start, Maximum, End;
    };
    static EventInstants FormatInstants(const MutualEvent& event);
    // The texts of an event's row, in the order of Column.
    QStringList Columns(const MutualEvent& event) const;

    void ShowMonth(int month, int year);
    // The column "Hauteur" and the box of the observable events, shown with a site only.
    void ShowSiteColumn();
    void StepMonth(int months);
    // Fills the list, the invisible events only when the box is checked; selects the one of
    // that index in the month's rows when it is listed (-1: none).
    void FillList(int selectedRow);
    void SelectFirstFrom(Extended jd);
    void UpdateButtons();
    // The selected event's index in the month's rows, or -1.
    int SelectedRow() const;
    // Draws the pictures of the selected event, or clears them.
    void DrawPictures();

    MutualSource source_;
    PlanetId planet_ = Jupiter;
    int month_ = 1;
    int year_ = 2000;
    std::vector<MutualEvent> rows_;  // the whole month, invisible events included
    std::vector<std::optional<SiteAltitudes>> sky_;  // the site's sky at each maximum (none without a site)
    int listWidth_ = 0, dropWidth_ = 0, altitudeWidth_ = 0;  // pixels: the list without a site, the drop's and the altitude's columns
    std::optional<MutualEvent> chosen_;
    QString exportFolder_;  // of the last export during this run
    std::unique_ptr<QPainterCanvas> curveCanvas_, discsCanvas_;
};

}  // namespace vireon
