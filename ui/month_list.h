// What the two monthly lists, "Phénomènes" and "Phénomènes mutuels", share: the rows' list with
// its filters (the invisible rows, and with a site the observable ones) and its column "Hauteur",
// and the site's sky at each row.
#pragma once

#include <QStringList>

#include <functional>
#include <optional>
#include <vector>

#include "core/types.h"
#include "ephemeris/horizon.h"

class QCheckBox;
class QFontMetrics;
class QHBoxLayout;
class QLabel;
class QPushButton;
class QTreeWidget;
class QWidget;

namespace vireon {

// The title over the list ("JUPITER - janvier 2016"): centred, bold, plain text.
QLabel* MakeMonthTitle(QWidget* parent);

// The list of a month's rows: one row selected at a time, whole rows, the search's order kept
// (no sorting), fixed columns of which the last stretches.
QTreeWidget* MakeMonthList(const char* objectName, const QStringList& labels, QWidget* parent);

// "Afficher aussi les phénomènes invisibles", off.
QCheckBox* MakeInvisiblesBox(QWidget* parent);

// The buttons under the list: "Mois précédent" and "Mois suivant" at the left, "Exporter...",
// "Afficher" (the default: Enter on a row) and "Fermer" at the right, in their row.
struct MonthButtons {
    QPushButton* Previous;
    QPushButton* Next;
    QPushButton* Export;
    QPushButton* Show;
    QPushButton* Close;
    QHBoxLayout* Row;
};
MonthButtons MakeMonthButtons(QWidget* dialog);

// The widest of some texts in a list's font, with room for the cell's margins.
int ColumnWidth(const QFontMetrics& metrics, const QStringList& texts);

// "Seulement les phénomènes observables depuis le lieu", off, the rule in its tooltip.
QCheckBox* MakeObservablesBox(QWidget* parent);

// The site's sky at each of a month's TT instants, given in increasing order; none without a
// site (the settings').
std::vector<std::optional<SiteAltitudes>> SiteSkyAt(PlanetId planet, const std::vector<Extended>& sortedJDs);

// The header's labels, and "Hauteur" after them with a site (the last label's column, which
// stretches without it, then lastWidth wide); the box of the observable rows shown with a site
// only; the list as wide as it needs (altitudeWidth more with the column).
void ShowSiteColumn(QTreeWidget* list, QStringList labels, QCheckBox* observables, int lastWidth,
                    int widthWithoutSite, int altitudeWidth);

// One row of a month as a list shows it.
struct ListedRow {
    QStringList Columns;  // without the altitude
    bool Visible = true;
};

// Refills the list with the rows the filters keep, each item holding its row's index; an
// invisible row in grey; the altitude in whole degrees with a site. The row of index
// selectedRow (-1: none) stays selected when it is listed.
void FillMonthList(QTreeWidget* list, int rowCount, const std::function<ListedRow(int)>& rowOf,
                   const std::vector<std::optional<SiteAltitudes>>& sky, bool invisibleToo, bool observableOnly,
                   int selectedRow);

// The index of the row selected, or -1.
int SelectedRowIndex(const QTreeWidget* list);

// The indexes of the rows the list shows, in its order.
std::vector<std::size_t> ListedRowIndexes(const QTreeWidget* list);

// Selects and shows the first listed row whose instant (rowJD of its index) is at or after jd, to
// half a second.
void SelectFirstListedFrom(QTreeWidget* list, const std::function<Extended(int)>& rowJD, Extended jd);

}  // namespace vireon
