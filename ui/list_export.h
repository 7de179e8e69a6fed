// "Exporter..." in the two monthly lists: the rows the list shows (its check boxes applied)
// written as CSV, with exactly vireon-ephem's columns for --events or --mutual on the same clock
// and site, or as an iCalendar file (satellites/event_calendar.h) for a calendar program.
#pragma once

#include <QString>
#include <QStringList>

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "core/types.h"
#include "ephemeris/horizon.h"
#include "satellites/event_calendar.h"
#include "satellites/mutual_events.h"
#include "satellites/phenomena.h"
#include "ui/file_saving.h"

class QWidget;

namespace vireon {

enum class ExportFormat { Csv, Calendar };

// "Fichiers CSV (*.csv)" and "iCalendar (*.ics)".
QStringList ExportFilters();

// Where and how to export: a name ending in .csv or .ics says the format; otherwise the filter
// chosen does, and the name gets its suffix.
struct ExportTarget {
    QString Path;
    ExportFormat Format = ExportFormat::Csv;
};
ExportTarget ExportTargetOf(const SaveChoice& choice);

// The name a list's export suggests: "vireon-jupiter-phenomenes-2026-09.csv".
QString ExportFileName(PlanetId planet, const char* list, int month, int year);

// What a month's export is made of: the month's rows (all of them), the site's sky at each (none
// without a site), the rows listed; the settings give the clock and the site.
struct MonthPhenomena {
    PlanetId Planet = Jupiter;
    Extended FirstJD = 0, LastJD = 0;  // the month's span, TT
    const std::vector<Phenomenon>* Rows = nullptr;
    const std::vector<std::optional<SiteAltitudes>>* Sky = nullptr;
    std::vector<std::size_t> Listed;
};
struct MonthMutualEvents {
    PlanetId Planet = Jupiter;
    const std::vector<MutualEvent>* Rows = nullptr;
    const std::vector<std::optional<SiteAltitudes>>* Sky = nullptr;  // at the maxima
    std::vector<std::size_t> Listed;
};

// The files' texts. beyond: where the phenomena cut by the month find their other end.
std::string PhenomenaCsv(const MonthPhenomena& month);
std::string PhenomenaIcs(const MonthPhenomena& month, const PhenomenaSearch& beyond);
std::string MutualEventsCsv(const MonthMutualEvents& month);
std::string MutualEventsIcs(const MonthMutualEvents& month);

// The whole command: asks where (through choose), writes the file, and shows the message box of
// a file that cannot be written. lastFolder: the folder of the last export, updated on success.
// text: the file's text in a format.
void ExportList(QWidget* dialog, const SaveFileChooser& choose, const QString& caption, const QString& fileName,
                QString& lastFolder, const std::function<std::string(ExportFormat)>& text);

}  // namespace vireon
