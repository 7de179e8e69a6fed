// The dialog "Phénomènes": the transits, shadow transits, occultations and eclipses of the
// current planet's satellites over one calendar month, from the 1st at 00:00:00 to the last day
// at 23:59:59, in the program's own calendar, on the clock the dates are read on. "Afficher" (or a double click, or
// Enter on a row) closes it with that phenomenon chosen; the window then shows its instant.
#pragma once

#include <QDialog>

#include <functional>
#include <optional>
#include <vector>

#include "core/time_scale.h"
#include "core/types.h"
#include "ephemeris/horizon.h"
#include "satellites/phenomena.h"
#include "ui/file_saving.h"

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTreeWidget;
class QTreeWidgetItem;

namespace vireon {

// Where the rows come from: the phenomena of a planet's satellites from firstJD to lastJD,
// sorted by instant, then by satellite (FindPhenomena in the program).
using PhenomenaSource = std::function<std::vector<Phenomenon>(PlanetId planet, Extended firstJD, Extended lastJD)>;

class TfPhenomenes : public QDialog {
    Q_OBJECT

public:
    TfPhenomenes(PhenomenaSource source, QWidget* parent);

    // Before showing: the current planet and the month of the current instant. The month's
    // rows are searched once; the first listed row at or after the current instant is selected.
    void Prepare();

    // The phenomenon chosen by "Afficher" (empty until the dialog is accepted).
    const std::optional<Phenomenon>& Chosen() const { return chosen_; }

    QLabel* labTitre;
    QLabel* labTacheRouge;
    QLineEdit* eTacheRouge;
    QTreeWidget* lvPhenomenes;
    QCheckBox* cbInvisibles;
    QCheckBox* cbObservables;  // with a site only
    QPushButton* bbMoisPrec;
    QPushButton* bbMoisSuiv;
    QPushButton* bbExporter;
    QPushButton* bbAfficher;
    QPushButton* bbFermer;

    // Where "Exporter..." writes: the save dialog; tests answer it themselves.
    SaveFileChooser ChooseExportFile = AskWhereToSave;

    void bbMoisPrecClick();
    void bbMoisSuivClick();
    // Writes the rows the list shows as CSV or iCalendar (ui/list_export.h); the list and the
    // month stay as they are.
    void bbExporterClick();
    void bbAfficherClick();
    void cbInvisiblesClick();
    void cbObservablesClick();
    void lvPhenomenesDblClick(QTreeWidgetItem* item);
    // Reads the Red Spot's longitude (Enter, or leaving the field): empty removes the spot's rows,
    // a longitude from 0 to 360 lists its transits (kept in the settings while the program runs),
    // anything else is refused with a warning and changes nothing.
    void eTacheRougeExit();

    // The list's columns; with a site, one more: the planet's altitude.
    enum Column { ColDate, ColHeure, ColSatellite, ColPhenomene, ColumnCount, ColHauteur = ColumnCount };

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Shows the month: searches its rows, then the title, the list and the month buttons.
    void ShowMonth(int month, int year);
    // The month's rows: the satellites' phenomena and, for Jupiter with a longitude entered, the
    // Red Spot's transits.
    void ComposeRows();
    // Moves by a number of months, within 01/0001 .. 12/9999.
    void StepMonth(int months);
    // Fills the list from the month's rows, the invisible ones only when the box is checked;
    // selects the row of that index in the month's rows when it is listed (-1: none).
    void FillList(int selectedRow);
    // Selects and shows the first listed row at or after jd (to half a second).
    void SelectFirstFrom(Extended jd);
    // The month buttons are off at the ends of the range, "Afficher" while no row is selected,
    // "Exporter..." while the list is empty.
    void UpdateButtons();
    // The column "Hauteur" and the box of the observable rows, shown with a site only.
    void ShowSiteColumn();

    PhenomenaSource source_;
    PlanetId planet_ = Jupiter;
    int month_ = 1;
    int year_ = 2000;
    std::vector<Phenomenon> satelliteRows_;  // the search's, the whole month, invisible rows included
    std::vector<Phenomenon> rows_;           // those and the Red Spot's transits
    std::vector<std::optional<SiteAltitudes>> sky_;  // the site's sky at each of rows_ (none without a site)
    std::optional<Phenomenon> chosen_;
    QString exportFolder_;  // of the last export during this run
    int kindWidth_ = 0, altitudeWidth_ = 0, listWidth_ = 0;  // pixels: the kind's and the altitude's columns, the list without a site
};

}  // namespace vireon
