// Display subsystem entry points called by the driver: the data panel, the status bar and
// the three views. They read GlobalSettings and the satellite record and write through the
// DisplayPort.
#pragma once

#include "core/settings.h"
#include "display/display_port.h"
#include "display/views.h"
#include "ephemeris/apparent_place.h"
#include "satellites/satellite_record.h"

namespace vireon {

// Empties the panel, checks the planet's menu item, writes the planet and satellite names and
// the captions for the current distance unit.
void PreparePanel(DisplayPort& port, const GlobalSettings& settings, PlanetId planet);
// Formats the panel texts from the record, then writes them and refreshes the status bar.
void FormatAndFillPanel(DisplayPort& port, GlobalSettings& settings, const SatelliteRecord& record,
                        const PlanetPlaces& places);
// Draws the current view ('E', 'P' or 'G') and its legend. The monthly graph reruns the
// theory through runTheory, which must write into the record and places given here.
void DrawCurrentView(DisplayPort& port, GlobalSettings& settings, SatelliteRecord& record,
                     PlanetPlaces& places, const TheoryRunner& runTheory);

}  // namespace vireon
