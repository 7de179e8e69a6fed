#include "display/display.h"

namespace vireon {

// The data panel, status bar and views are not built yet in this version.
void PreparePanel(DisplayPort&, const GlobalSettings&, PlanetId) {}
void FormatAndFillPanel(DisplayPort&, GlobalSettings&, const SatelliteRecord&, const PlanetPlaces&) {}
void DrawCurrentView(DisplayPort&, GlobalSettings&, SatelliteRecord&, PlanetPlaces&) {}

}  // namespace vireon
