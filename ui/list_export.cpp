#include "ui/list_export.h"

#include <QDateTime>
#include <QFileInfo>

#include "core/platform.h"
#include "core/settings.h"
#include "satellites/event_rows.h"
#include "satellites/planet_descriptor.h"

namespace vireon {
namespace {

const char* const CsvFilter = "Fichiers CSV (*.csv)";
const char* const CalendarFilter = "iCalendar (*.ics)";

EventTable TableOf(PlanetId planet) { return {planet, Settings.TimeScale, Settings.Site.has_value()}; }

// The row's columns after its own, at the instant jd, as vireon-ephem writes them.
EventExtras ExtrasAt(Extended jd, const std::optional<SiteAltitudes>& sky)
{
    return EventExtrasAt(Settings.TimeScale, jd, sky ? std::optional<SiteColumns>(SiteColumnsOf(*sky)) : std::nullopt);
}

CalendarListing ListingOf(PlanetId planet)
{
    return {planet, Settings.TimeScale, Settings.Site, QDateTime::currentSecsSinceEpoch()};
}

}  // namespace

QStringList ExportFilters() { return {CsvFilter, CalendarFilter}; }

ExportTarget ExportTargetOf(const SaveChoice& choice)
{
    const QString suffix = QFileInfo(choice.Path).suffix().toLower();
    if (suffix == "csv") return {choice.Path, ExportFormat::Csv};
    if (suffix == "ics") return {choice.Path, ExportFormat::Calendar};
    const bool calendar = choice.Filter == CalendarFilter;
    return {WithDefaultSuffix(choice.Path, calendar ? "ics" : "csv"), calendar ? ExportFormat::Calendar : ExportFormat::Csv};
}

QString ExportFileName(PlanetId planet, const char* list, int month, int year)
{
    return QString("vireon-%1-%2-%3-%4.csv")
        .arg(QString::fromUtf8(Planet(planet).CommandName), QString::fromUtf8(list))
        .arg(year, 4, 10, QChar('0'))
        .arg(month, 2, 10, QChar('0'));
}

std::string PhenomenaCsv(const MonthPhenomena& m)
{
    const EventTable table = TableOf(m.Planet);
    std::string text = PhenomenaHeader(table) + "\n";
    for (std::size_t i : m.Listed) {
        const Phenomenon& row = (*m.Rows)[i];
        text += PhenomenonLine(table, row, ExtrasAt(row.JD, (*m.Sky)[i]), LineFormat::Csv) + "\n";
    }
    return text;
}

std::string PhenomenaIcs(const MonthPhenomena& m, const PhenomenaSearch& beyond)
{
    std::vector<bool> listed(m.Rows->size(), false);
    for (std::size_t i : m.Listed) listed[i] = true;
    return PhenomenaCalendar(ListingOf(m.Planet), PhenomenonSpans(*m.Rows, listed, m.FirstJD, m.LastJD, beyond));
}

std::string MutualEventsCsv(const MonthMutualEvents& m)
{
    const EventTable table = TableOf(m.Planet);
    std::string text = MutualEventsHeader(table) + "\n";
    for (std::size_t i : m.Listed) {
        const MutualEvent& row = (*m.Rows)[i];
        text += MutualEventLine(table, row, ExtrasAt(row.MaximumJD, (*m.Sky)[i]), LineFormat::Csv) + "\n";
    }
    return text;
}

std::string MutualEventsIcs(const MonthMutualEvents& m)
{
    std::vector<MutualEvent> listed;
    for (std::size_t i : m.Listed) listed.push_back((*m.Rows)[i]);
    return MutualEventsCalendar(ListingOf(m.Planet), listed);
}

void ExportList(QWidget* dialog, const SaveFileChooser& choose, const QString& caption, const QString& fileName,
                QString& lastFolder, const std::function<std::string(ExportFormat)>& text)
{
    const SaveChoice choice = choose(dialog, caption, SuggestedPath(lastFolder, fileName), ExportFilters());
    if (choice.Path.isEmpty()) return;
    const ExportTarget target = ExportTargetOf(choice);
    if (!WriteWholeFile(target.Path, QByteArray::fromStdString(text(target.Format)))) {
        CurrentPlatform().ShowMessage(UnsavedFileMessage(target.Path).toStdString(), Platform::Buttons::Ok);
        return;
    }
    lastFolder = QFileInfo(target.Path).absolutePath();
}

}  // namespace vireon
