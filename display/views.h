// The three views of pbSatel and the erase they share. Each draws into the port's persistent
// view image and legend, then asks for a repaint (port.ViewChanged()).
#pragma once

#include <functional>

#include "core/settings.h"
#include "display/display_port.h"
#include "ephemeris/apparent_place.h"
#include "satellites/satellite_record.h"

namespace vireon {

// The sky as seen from the Earth: disc (with Saturn's rings), satellites, shadows, numbers,
// scale bar, optional field circle and axis, legend. The satellite and shadow offsets of the
// record are turned to screen senses in place (negated for north up, x again for the mirror),
// so the record must be freshly computed before every frame.
void DrawEquatorialView(DisplayPort& port, GlobalSettings& settings, SatelliteRecord& record);

// The satellites seen from above the planet's north pole, the Earth toward the bottom.
void DrawPolarView(DisplayPort& port, GlobalSettings& settings, const SatelliteRecord& record);

// Runs the current planet's theory for the calendar fields of the settings (rebuilding
// CurrentJD from them) into the record the graph reads.
using TheoryRunner = std::function<void(PlanetId)>;

// The monthly graph: 311 theory runs at 0.1-day steps from the 1st of the month 00:00:00,
// each satellite's east-west distance as a curve, time running down 18 pixels a day. The
// current instant (calendar fields, CurrentJD, CurrentDateTime) is the same before and after.
void DrawGraphView(DisplayPort& port, GlobalSettings& settings, SatelliteRecord& record,
                   const PlanetPlaces& places, const TheoryRunner& runTheory);

}  // namespace vireon
