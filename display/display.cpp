// The display steps of RecomputeAndDraw: the panel before and after the theory, and the view.
#include "display/display.h"

#include "display/panel.h"
#include "display/views.h"

namespace vireon {

void FormatAndFillPanel(DisplayPort& port, GlobalSettings& settings, const SatelliteRecord& record,
                        const PlanetPlaces& places)
{
    FillPanel(port, settings, record, places, FormatPanelTexts(settings, record));
}

void DrawCurrentView(DisplayPort& port, GlobalSettings& settings, SatelliteRecord& record, PlanetPlaces& places,
                     const TheoryRunner& runTheory)
{
    switch (settings.ViewMode) {
    case ViewMode::Equatorial: DrawEquatorialView(port, settings, record); break;
    case ViewMode::Polar: DrawPolarView(port, settings, record); break;
    case ViewMode::Graph: DrawGraphView(port, settings, record, places, runTheory); break;
    }
}

}  // namespace vireon
