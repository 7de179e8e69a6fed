#include "display/panel.h"

#include <cassert>
#include <cmath>

#include "core/conventions.h"
#include "display/display.h"
#include "display/status_bar.h"
#include "display/view_common.h"
#include "satellites/planet_descriptor.h"

namespace vireon {
namespace {

constexpr const char* MenuItems[6] = {"miMars", "miJupiter", "miSaturne", "miUranus", "miNeptune", "miPluton"};

// The value labels of a slot are the caption's name followed by "d" ("labX3" and "labX3d").
// The slot is a single digit, 1..8 (pSep1..pSep7 for the separators).
std::string Slot(const char* caption, int k)
{
    assert(k >= 1 && k <= 8);
    std::string name(caption);
    name += static_cast<char>('0' + k);
    return name;
}
std::string SlotValue(const char* caption, int k)
{
    std::string name = Slot(caption, k);
    name += 'd';
    return name;
}

std::string Limited(std::string text, std::size_t maxLength)
{
    if (text.size() > maxLength) text.resize(maxLength);
    return text;
}

// Two decimals, "." whatever the locale, cut to the label's length.
void SetLimited(std::string& label, Extended v, std::size_t maxLength)
{
    label = FormatFixed(v, 2);
    if (label.size() > maxLength) label.resize(maxLength);
}

struct UnitCaptions {
    const char* X;
    const char* Y;
    const char* Distance;
};

UnitCaptions CaptionsFor(DistanceUnit unit)
{
    switch (unit) {
    case DistanceUnit::Arcseconds: return {"X(\") :", "Y(\") :", "Distance (\"):"};
    case DistanceUnit::ThousandsOfKm: return {"X(mkm) :", "Y(mkm) :", "Dist.(mkm) :"};
    default: return {"X(rayon pla.) :", "Y(rayon pla.) :", "Dist.(rayon) :"};
    }
}

// From arcseconds on the sky to the panel's unit, with the sign that turns the record's
// offsets into screen senses: X positive to the right and Y positive up.
Extended UnitFactor(const GlobalSettings& settings, const SatelliteRecord& record)
{
    const Extended sigma = settings.Orientation == Orientation::North ? 1.0L : -1.0L;
    const Extended toRadii = 2 / record.PlanetApparentDiameter[1];
    switch (settings.DistanceUnit) {
    case DistanceUnit::Arcseconds: return -sigma;
    case DistanceUnit::ThousandsOfKm: {
        const Extended radiusThousandKm = Planet(settings.CurrentPlanet).EquatorialDiameterKm / 2000.0L;
        return -sigma * toRadii * radiusThousandKm;
    }
    default: return -sigma * toRadii;
    }
}

// The record's magnitudes; Phobos's and Deimos's from the descriptor, the projection leaving the
// record's alone for them.
std::string MagnitudeText(PlanetId planet, const SatelliteRecord& record, int k)
{
    const PlanetDescriptor& facts = Planet(planet);
    return FormatFixed(facts.RecordsMagnitudes ? record.SatMagnitude[k] : facts.Satellites[k].Magnitude, 1, 7);
}

}  // namespace

std::string PlanetCapitalName(PlanetId planet) { return IsPlanetId(planet) ? Planet(planet).CapitalName : ""; }

std::string PlanetMenuItem(PlanetId planet) { return IsPlanetId(planet) ? MenuItems[planet - FirstPlanet] : ""; }

std::string FormatDateTimeText(const CalendarFields& f)
{
    const std::string text = FormatTwoDigits(f.Day) + "/" + FormatTwoDigits(f.Month) + "/" + FormatInt(f.Year) + "  " +
                             FormatTwoDigits(f.Hour) + ":" + FormatTwoDigits(f.Minute) + ":" + FormatTwoDigits(f.Second);
    return Limited(text, 21);
}

std::string FormatDateTimeText(const CalendarFields& fields, const TimeScale& scale, Extended jdTT)
{
    const std::string abbreviation = ScaleAbbreviation(scale, jdTT);
    return FormatDateTimeText(fields) + (abbreviation.empty() ? "" : " " + abbreviation);
}

PanelTexts FormatPanelTexts(const GlobalSettings& settings, const SatelliteRecord& record)
{
    PanelTexts texts;
    texts.DateTimeText = FormatDateTimeText(settings.Current, settings.TimeScale, settings.CurrentJD);
    const int count = SatelliteCountOf(settings.CurrentPlanet);
    if (settings.ViewMode == ViewMode::Equatorial) {
        const Extended f = UnitFactor(settings, record);
        for (int k = 1; k <= count; ++k) {
            SetLimited(texts.X[k], record.SatOffsetX[k] * f, 9);
            SetLimited(texts.Y[k], -record.SatOffsetY[k] * f, 9);
            SetLimited(texts.Diameter[k], record.SatApparentDiameter[k], 5);
            SetLimited(texts.Distance[k], record.SatDistance[k] * std::abs(f), 7);
        }
    } else if (settings.ViewMode == ViewMode::Polar) {
        for (int k = 1; k <= count; ++k) {
            SetLimited(texts.X[k], record.SatPolarX[k], 9);
            SetLimited(texts.Y[k], record.SatPolarY[k], 9);
            SetLimited(texts.Diameter[k], record.SatApparentDiameter[k], 5);
            SetLimited(texts.Distance[k], record.SatDistance[k], 7);
        }
    }
    return texts;
}

void EmptyPanel(DisplayPort& port)
{
    const std::string empty;
    port.SetText("labPla", empty);
    for (int k = 1; k <= 8; ++k) {
        port.SetText(Slot("labNom", k), empty);
        for (const char* label : {"labX", "labY", "labMag", "labDiam", "labDist"}) {
            std::string name = Slot(label, k);
            port.SetText(name, empty);
            name += 'd';
            port.SetText(name, empty);
        }
    }
    for (const char* item : MenuItems) port.SetChecked(item, false);
}

void PreparePanel(DisplayPort& port, const GlobalSettings& settings, PlanetId planet)
{
    EmptyPanel(port);
    if (!IsPlanetId(planet)) return;
    port.SetText("labPla", PlanetCapitalName(planet));
    port.SetChecked(PlanetMenuItem(planet), true);
    const UnitCaptions captions = CaptionsFor(settings.DistanceUnit);
    const int count = SatelliteCountOf(planet);
    for (int k = 1; k <= count; ++k) {
        port.SetText(Slot("labNom", k), SatelliteName(planet, k));
        port.SetText(Slot("labX", k), captions.X);
        port.SetText(Slot("labY", k), captions.Y);
        port.SetText(Slot("labMag", k), "Magnitude :");
        port.SetText(Slot("labDiam", k), "Diamètre (\") :");
        port.SetText(Slot("labDist", k), captions.Distance);
    }
}

void FillPanel(DisplayPort& port, GlobalSettings& settings, const SatelliteRecord& record,
               const PlanetPlaces& places, const PanelTexts& texts)
{
    for (int n = 1; n <= 7; ++n) port.SetVisible(Slot("pSep", n), false);
    RefreshStatusBar(port, settings, record, places, texts.DateTimeText);
    const PlanetId planet = settings.CurrentPlanet;
    const int count = SatelliteCountOf(planet);
    for (int k = 1; k <= count; ++k) {
        if (k >= 2) port.SetVisible(Slot("pSep", k - 1), true);
        port.SetText(Slot("labNom", k), SatelliteName(planet, k));
        port.SetText(SlotValue("labX", k), texts.X[k]);
        port.SetText(SlotValue("labY", k), texts.Y[k]);
        port.SetText(SlotValue("labDist", k), texts.Distance[k]);
        port.SetText(SlotValue("labDiam", k), texts.Diameter[k]);
        port.SetText(SlotValue("labMag", k), MagnitudeText(planet, record, k));
    }
}

}  // namespace vireon
