// vireon-ephem's table of instants: the columns of one satellite at one instant, as the
// program's recompute driver computes them.
#include <ostream>

#include "ephem/ephem_cli.h"
#include "core/line_writer.h"
#include "satellites/planet_descriptor.h"
#include "satellites/theory.h"

namespace vireon::ephem {
namespace {

// before and after the satellite's own, so that an instant's planet columns are formatted once
// for all its satellites.

// The planet's columns before the satellite's.
template <class Writer>
void VisitPlanetHead(const EphemRow& r, Writer& w)
{
    w.Text("instant", r.Instant);
    w.Number("jd", r.JD);
    w.Text("planet", r.Planet);
    w.Number("planet_ra_h", r.PlanetRaHours);
    w.Number("planet_dec_deg", r.PlanetDecDegrees);
    w.Number("planet_distance_km", r.PlanetDistanceKm);
    w.Number("planet_diameter_eq_arcsec", r.PlanetDiameterEqArcsec);
    w.Number("planet_diameter_pol_arcsec", r.PlanetDiameterPolArcsec);
    w.Number("planet_pole_pa_rad", r.PlanetPolePaRad);
    w.Number("phase_angle_rad", r.PhaseAngleRad);
    w.Number("ring_major_arcsec", r.RingMajorArcsec);
    w.Number("ring_minor_arcsec", r.RingMinorArcsec);
    w.Integer("ring_side", r.RingSide);
}

// The satellite's own columns.
template <class Writer>
void VisitSatellite(const EphemRow& r, Writer& w)
{
    w.Integer("index", r.Index);
    w.Text("name", r.Name);
    w.Number("SatOffsetX", r.SatOffsetX);
    w.Number("SatOffsetY", r.SatOffsetY);
    w.Number("SatDistance", r.SatDistance);
    w.Number("SatApparentDiameter", r.SatApparentDiameter);
    w.Number("SatMagnitude", r.SatMagnitude);
    w.Text("SatFarSide", std::string_view(&r.SatFarSide, 1));
    w.Number("SatShadowX", r.SatShadowX);
    w.Number("SatShadowY", r.SatShadowY);
    w.Number("SatPolarX", r.SatPolarX);
    w.Number("SatPolarY", r.SatPolarY);
}

// The planet's columns after the satellite's.
template <class Writer>
void VisitPlanetTail(const EphemRow& r, Writer& w)
{
    w.Number("cm_deg", r.CentralMeridianDeg);
    w.Number("cm_i_deg", r.CentralMeridianIDeg);
    w.Number("cm_ii_deg", r.CentralMeridianIIDeg);
    w.Number("sub_earth_lat_deg", r.SubEarthLatitudeDeg);
    if (r.DeltaTSeconds) w.Number("delta_t_s", r.DeltaTSeconds);
    if (r.Site) {
        w.Number("planet_alt_deg", r.Site->PlanetAltitudeDeg);
        w.Number("planet_az_deg", r.Site->PlanetAzimuthDeg);
        w.Number("sun_alt_deg", r.Site->SunAltitudeDeg);
    }
}

// Every column in order.
template <class Writer>
void VisitColumns(const EphemRow& r, Writer& w)
{
    VisitPlanetHead(r, w);
    VisitSatellite(r, w);
    VisitPlanetTail(r, w);
}

}  // namespace

std::string PlanetName(PlanetId p) { return IsPlanetId(p) ? std::string(Planet(p).CommandName) : std::string(); }

EphemRow MakeRow(const EphemRequest& request, const CalendarFields& instant, double jd, int k,
                 const PlanetPlaces& places, const SatelliteRecord& record)
{
    const PlanetId p = request.Planet;
    const PlanetPlace& planet = places.Planet[p];
    const PlanetDescriptor& facts = Planet(p);

    EphemRow row;
    row.Instant = FormatInstant(instant);
    row.JD = jd;
    row.Planet = PlanetName(p);
    row.PlanetRaHours = Value(planet.RA);
    row.PlanetDecDegrees = Value(planet.Dec);
    row.PlanetDistanceKm = Value(planet.Distance);
    row.PlanetDiameterEqArcsec = Value(record.PlanetApparentDiameter[1]);
    row.PlanetDiameterPolArcsec = Value(record.PlanetApparentDiameter[2]);
    row.PlanetPolePaRad = Value(record.PlanetPolePA);
    if (facts.SignedPhaseAngle) row.PhaseAngleRad = Value(record.PhaseAngleSigned);
    if (facts.HasRings) {
        row.RingMajorArcsec = record.Rings.RingMajorAxis;
        row.RingMinorArcsec = record.Rings.RingMinorAxis;
        row.RingSide = record.Rings.RingSide;
    }
    row.Index = k;
    row.Name = SatelliteName(p, k);
    row.SatOffsetX = Value(record.SatOffsetX[k]);
    row.SatOffsetY = Value(record.SatOffsetY[k]);
    row.SatDistance = Value(record.SatDistance[k]);
    row.SatApparentDiameter = Value(record.SatApparentDiameter[k]);
    if (facts.RecordsMagnitudes) row.SatMagnitude = Value(record.SatMagnitude[k]);
    row.SatFarSide = record.SatFarSide[k];
    if (facts.ComputesShadows) {
        row.SatShadowX = Value(record.SatShadowX[k]);
        row.SatShadowY = Value(record.SatShadowY[k]);
    }
    if (!(facts.Polar == PolarPair::FromEquatorOffsetAndDepth && request.ViewMode == ViewMode::Polar && request.Orientation == Orientation::South)) {
        row.SatPolarX = Value(record.SatPolarX[k]);
        row.SatPolarY = Value(record.SatPolarY[k]);
    }
    row.CentralMeridianDeg = Value(record.Meridians.Main);
    row.CentralMeridianIDeg = Value(record.Meridians.SystemI);
    row.CentralMeridianIIDeg = Value(record.Meridians.SystemII);
    row.SubEarthLatitudeDeg = Value(record.Meridians.SubEarthLatitude);
    return row;
}

std::string CsvHeader() { return CsvHeader(EphemRequest{}); }

std::string CsvHeader(const EphemRequest& request)
{
    EphemRow columns;
    if (request.Scale.Kind != TimeScaleKind::Terrestrial) columns.DeltaTSeconds = 0;
    if (request.Site) columns.Site = EphemRow::SiteColumns{};
    HeaderWriter header;
    VisitColumns(columns, header);
    return header.text;
}

std::string FormatRow(const EphemRow& row, OutputFormat format)
{
    LineWriter line(LineFormatOf(format));
    VisitColumns(row, line);
    return line.Finish();
}

namespace {

// One instant's planet columns as text, before and after a satellite's.
struct PlanetColumnsText {
    std::string Head, Tail;
};

PlanetColumnsText FormatPlanetColumns(const EphemRow& row, OutputFormat format)
{
    LineWriter head(LineFormatOf(format));
    VisitPlanetHead(row, head);
    LineWriter tail(LineFormatOf(format), LineWriter::Continues);
    VisitPlanetTail(row, tail);
    return {head.Text(), tail.Finish()};
}

std::string FormatSatelliteColumns(const EphemRow& row, OutputFormat format)
{
    LineWriter satellite(LineFormatOf(format), LineWriter::Continues);
    VisitSatellite(row, satellite);
    return satellite.Text();
}

}  // namespace

void RunTable(const EphemRequest& request, std::ostream& out)
{
    if (request.Format == OutputFormat::Csv) out << CsvHeader(request) << '\n';
    const bool terrestrial = request.Scale.Kind == TimeScaleKind::Terrestrial;
    // The program's own state lives as long as the run: the theories overwrite the record in
    // place, as they do in the program.
    PlanetPlaces places;
    SatelliteRecord record;
    const int satellites = Planet(request.Planet).SatelliteCount;
    for (int i = 0; i < request.Count; ++i) {
        // In TT the instants are whole seconds of the calendar, as the program's are; on another
        // clock they are elapsed seconds from the first.
        const CalendarFields instant = terrestrial ? InstantOf(request, i) : CalendarFields{};
        TheoryInput in;
        in.JD = terrestrial ? JulianDayFromCalendar(instant) : TerrestrialInstantOf(request, i);
        in.Year = terrestrial ? instant.Year : CalendarFromJulianDay(in.JD).Year;
        in.ViewMode = request.ViewMode;
        in.Orientation = request.Orientation;
        RunSatelliteTheory(request.Planet, in, places, record);
        const std::optional<EphemRow::SiteColumns> site = SiteColumnsAt(request, in.JD, places);
        if (request.ObservableOnly && site && !IsObservable(*site)) continue;
        const double jd = static_cast<double>(in.JD);
        // The same line as FormatRow, the planet's columns formatted once for the instant.
        EphemRow first = MakeRow(request, instant, jd, 1, places, record);
        if (!terrestrial) {
            first.Instant = FormatInstantOnScale(request.Scale, in.JD);
            first.DeltaTSeconds = static_cast<double>(DeltaTSeconds(UniversalFromTerrestrial(in.JD)));
        }
        first.Site = site;
        const PlanetColumnsText planet = FormatPlanetColumns(first, request.Format);
        for (int k = 1; k <= satellites; ++k) {
            out << planet.Head << FormatSatelliteColumns(MakeRow(request, instant, jd, k, places, record), request.Format)
                << planet.Tail << '\n';
        }
    }
}

}  // namespace vireon::ephem
