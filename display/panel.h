// The satellite data panel beside the view: per satellite its name, its two offsets, its
// distance from the planet, its apparent diameter and its magnitude, in arcseconds, planet
// radii or thousands of km. The labels belong to the window; this writes their texts.
#pragma once

#include <array>
#include <string>

#include "core/settings.h"
#include "display/display_port.h"
#include "ephemeris/apparent_place.h"
#include "satellites/satellite_record.h"

namespace vireon {

// "MARS", "JUPITER", "SATURNE", "URANUS", "NEPTUNE", "PLUTON" (empty for an unknown planet).
std::string PlanetCapitalName(PlanetId planet);
// Object name of the planet's menu item: "miMars" .. "miPluton".
std::string PlanetMenuItem(PlanetId planet);

// "dd/MM/yyyy  hh:mm:ss" with the year as a plain integer, at most 21 characters.
std::string FormatDateTimeText(const CalendarFields& fields);
// The same followed by the scale's name at the instant jdTT: nothing in TT, " UT", or the zone's
// abbreviation (" CET", " CEST").
std::string FormatDateTimeText(const CalendarFields& fields, const TimeScale& scale, Extended jdTT);

// Texts formatted after a theory run, per slot 1..8 (slot 0 unused).
struct PanelTexts {
    std::string DateTimeText;
    std::array<std::string, 9> X{};         // at most 9 characters
    std::array<std::string, 9> Y{};         // at most 9
    std::array<std::string, 9> Diameter{};  // at most 5
    std::array<std::string, 9> Distance{};  // at most 7
};

// Date-time text, and in the equatorial view the offsets turned so that X grows toward the
// right of the screen and Y toward its top (for north or south up without the mirror), in the
// current distance unit; in the polar view the polar pair as it is. The monthly graph shows
// no satellite values (its slots stay empty).
PanelTexts FormatPanelTexts(const GlobalSettings& settings, const SatelliteRecord& record);

// Empties the planet label and every label of the eight slots and unchecks the planet menu
// items (the first half of preparing the panel; the monthly graph stops there).
void EmptyPanel(DisplayPort& port);

// Writes the texts of the planet's slots, shows the separators between them and refreshes the
// status bar.
void FillPanel(DisplayPort& port, GlobalSettings& settings, const SatelliteRecord& record,
               const PlanetPlaces& places, const PanelTexts& texts);

}  // namespace vireon
