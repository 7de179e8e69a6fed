// vireon-ephem, the command-line companion: the satellites of one planet for one instant or a
// series of instants, computed exactly as the program's recompute driver computes them (the
// calendar fields give the Julian Day, then the planet's satellite theory fills the record),
// or with --events the phenomena of Jupiter's or Saturn's satellites over a span of days, or
// with --mutual their mutual events, written as CSV or as one JSON object per line.
#pragma once

#include <cstdint>
#include <iosfwd>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/instant_text.h"
#include "core/line_writer.h"
#include "core/observing_site.h"
#include "core/time_base.h"
#include "core/time_scale.h"
#include "core/types.h"
#include "ephemeris/apparent_place.h"
#include "satellites/event_calendar.h"
#include "satellites/event_rows.h"
#include "satellites/mutual_events.h"
#include "satellites/phenomena.h"
#include "satellites/satellite_record.h"

namespace vireon::ephem {

// csv and json write lines (one per row); ics an iCalendar file of --events or --mutual.
enum class OutputFormat { Csv, Json, Ics };

inline LineFormat LineFormatOf(OutputFormat format) { return format == OutputFormat::Json ? LineFormat::Json : LineFormat::Csv; }

// A checked request: every instant it names is within the supported range.
struct EphemRequest {
    PlanetId Planet = Jupiter;
    CalendarFields Start;           // whole seconds, the program's calendar
    std::int64_t StepSeconds = 0;   // between instants; 0 when one instant is asked
    int Count = 1;                  // 1..MaxCount
    vireon::ViewMode ViewMode = ViewMode::Equatorial;  // equatorial or polar
    vireon::Orientation Orientation = Orientation::North;
    OutputFormat Format = OutputFormat::Csv;
    // --events: the satellite phenomena of Jupiter or Saturn over Days days from Start (the
    // instants above do not apply).
    bool Events = false;
    // --mutual: the mutual events of Jupiter's or Saturn's satellites whose maximum falls in the
    // Days days from Start (instead of --events).
    bool Mutual = false;
    int Days = 0;                   // 1..MaxDays, of --events or --mutual
    // --grs-longitude: with --events for Jupiter, also the Great Red Spot's transits for that
    // System II longitude (degrees, 0..360).
    std::optional<double> RedSpotLongitude;
    // --time-scale and --time-zone: the clock Start is read on and the instants are written on
    // (TT by default: the dates as given are the theories' time).
    TimeScale Scale;
    // --site LAT,LON[,HEIGHT_M]: the planet's and the Sun's altitude from there; --observable keeps
    // the rows at which the planet is at least 10 degrees high and the Sun at least 6 below.
    std::optional<ObservingSite> Site;
    bool ObservableOnly = false;
};

inline constexpr int MaxCount = 100000;
inline constexpr int MaxDays = 3660;
inline constexpr std::int64_t MaxStepUnits = 1000000000;  // |N| of --step

// What the command line asks for: help, a request, or an error (one line, English, naming the
// problem). Never throws, whatever the input.
struct ParseResult {
    bool Help = false;
    std::optional<EphemRequest> Request;
    std::string Error;
};

// args: the command-line arguments without the program name.
ParseResult ParseArguments(const std::vector<std::string>& args);

// The help text: usage, every option and every column.
std::string_view HelpText();

// Calendar fields of instant i (0-based) of a request in TT: Start + i x StepSeconds.
CalendarFields InstantOf(const EphemRequest& request, int i);

// The TT Julian Day of instant i of a request on any scale: Start's instant plus i x StepSeconds
// of elapsed time.
Extended TerrestrialInstantOf(const EphemRequest& request, int i);

// Lower-case planet name as the command line takes it ("jupiter"), empty for other ids.
std::string PlanetName(PlanetId p);

// One output row: a number is absent (csv empty, JSON null) when the theory does not compute
// it for this planet or these settings.
struct EphemRow {
    std::string Instant;
    double JD = 0;
    std::string Planet;
    std::optional<double> PlanetRaHours, PlanetDecDegrees, PlanetDistanceKm;
    std::optional<double> PlanetDiameterEqArcsec, PlanetDiameterPolArcsec, PlanetPolePaRad, PhaseAngleRad;
    std::optional<double> RingMajorArcsec, RingMinorArcsec;
    std::optional<int> RingSide;
    int Index = 0;
    std::string Name;
    std::optional<double> SatOffsetX, SatOffsetY, SatDistance, SatApparentDiameter, SatMagnitude;
    char SatFarSide = 'P';
    std::optional<double> SatShadowX, SatShadowY, SatPolarX, SatPolarY;
    // Central meridians and the sub-Earth latitude, degrees (Mars, Jupiter, Saturn).
    std::optional<double> CentralMeridianDeg, CentralMeridianIDeg, CentralMeridianIIDeg, SubEarthLatitudeDeg;
    // Columns written only when asked for: on another clock than TT, Delta T at the instant
    // (seconds); with a site, the planet's altitude and azimuth and the Sun's altitude (degrees).
    std::optional<double> DeltaTSeconds;
    using SiteColumns = vireon::SiteColumns;
    std::optional<SiteColumns> Site;
};

// The row of satellite k after the theory of request.Planet has run for the instant.
EphemRow MakeRow(const EphemRequest& request, const CalendarFields& instant, double jd, int k,
                 const PlanetPlaces& places, const SatelliteRecord& record);

// With a site: the planet's altitude and azimuth and the Sun's altitude at the TT instant, the
// planet's apparent place taken from places (after the theory ran); none without a site.
// (satellites/event_rows.h has the same columns at the rows of --events and --mutual, and
// whether they make a row observable.)
std::optional<SiteColumns> SiteColumnsAt(const EphemRequest& request, Extended jdTT, const PlanetPlaces& places);

// The CSV header line (no line end) and one row as CSV or as a JSON object (no line end).
// Numbers are written with 17 significant digits and "." whatever the locale. The header of a
// request has the columns its clock and site add.
std::string CsvHeader();
std::string CsvHeader(const EphemRequest& request);
std::string FormatRow(const EphemRow& row, OutputFormat format);

// The last whole second of an --events or --mutual request: Days days after Start, less one
// second.
CalendarFields LastEventInstant(const EphemRequest& request);

// The planet, clock and site columns of the rows of --events and --mutual, and what their
// iCalendar events are written with (stamped now).
EventTable EventTableOf(const EphemRequest& request);
CalendarListing CalendarListingOf(const EphemRequest& request);

// The CSV header of --events (no line end), of a request with its clock's and site's columns, and
// one phenomenon as CSV or as a JSON object, in TT without a site.
std::string EventsCsvHeader();
std::string EventsCsvHeader(const EphemRequest& request);
std::string FormatEvent(PlanetId planet, const Phenomenon& event, OutputFormat format);

// The CSV header of --mutual (no line end) and one mutual event as CSV or as a JSON object.
std::string MutualCsvHeader();
std::string MutualCsvHeader(const EphemRequest& request);
std::string FormatMutualEvent(PlanetId planet, const MutualEvent& event, OutputFormat format);

// Runs the whole request and writes the header (CSV) and one line per instant and satellite,
// per phenomenon for --events, or per mutual event for --mutual: RunTable, RunEvents or
// RunMutual. With --format ics, --events and --mutual write an iCalendar file instead
// (satellites/event_calendar.h): one event per phenomenon from its start to its end, or per
// mutual event.
void RunEphemeris(const EphemRequest& request, std::ostream& out);
void RunTable(const EphemRequest& request, std::ostream& out);
void RunEvents(const EphemRequest& request, std::ostream& out);
void RunMutual(const EphemRequest& request, std::ostream& out);

}  // namespace vireon::ephem
