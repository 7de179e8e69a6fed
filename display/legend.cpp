// The colour legend under the view (pbLegendeSat): two rows, a column per pair of satellites.
#include "core/conventions.h"
#include "display/colours.h"
#include "display/view_common.h"

namespace vireon {

void DrawLegend(Canvas& legend, const GlobalSettings& settings, const SatelliteRecord& record)
{
    FillBackground(legend);
    const PlanetId planet = settings.CurrentPlanet;
    const int count = SatelliteCountOf(planet);
    for (int k = 1; k <= count; ++k) {
        const int x = 180 * ((k + 1) / 2 - 1);
        const int row = (k % 2 == 1) ? 0 : 15;  // odd satellites on the top row
        const Color colour = DarkenedBehindPlanet(record, planet, k) ? Navy : SatelliteColour(k);
        legend.SetFontColor(colour);
        legend.SetPen(colour);
        legend.SetBrush(colour, BrushStyle::Solid);
        if (settings.ShowNumbers) {
            legend.SetBrushStyle(BrushStyle::Clear);
            legend.Text(x + 7, 5 + row, FormatInt(k));
        } else {
            legend.Ellipse(x + 8, 10 + row, x + 12, 14 + row);
        }
        legend.SetBrushStyle(BrushStyle::Clear);
        legend.Text(x + 17, 5 + row, SatelliteName(planet, k));
    }
}

}  // namespace vireon
