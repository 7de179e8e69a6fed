// The polar view: the satellites seen from above the planet's north pole, the Earth toward
// the bottom of the view. The satellites come from the theory's polar pair (for Jupiter and
// Saturn: offset along the projected equator and depth toward the Earth).
#include <cmath>

#include "core/conventions.h"
#include "display/colours.h"
#include "display/view_common.h"
#include "display/views.h"
#include "satellites/planet_descriptor.h"

namespace vireon {
namespace {

// Jupiter: "T" below the planet marks the Earth; "S" marks the Sun, displaced sideways by the
// tangent of the signed phase angle (left for a positive angle).
void DrawEarthAndSunMarks(Canvas& c, const SatelliteRecord& record, int cx)
{
    const int w = c.Width();
    const int h = c.Height();
    c.SetFontColor(EarthBlue);
    c.Text(cx, h - 20, "T");
    c.SetFontColor(SunYellow);
    c.Text(PixelMinus(cx, PixelRound(std::tan(record.PhaseAngleSigned) * w / 2)), h - 20, "S");
}

// Saturn from above its pole: the ring bands of the equatorial view as full circles of the
// ring system's radius at each band factor, then the disc.
void DrawSaturnFromPole(Canvas& c, const SatelliteRecord& record, const RingGeometry& rings, int cx, int cy,
                        Extended s)
{
    c.SetBrushStyle(BrushStyle::Clear);
    for (const RingBand& band : RingBands) {
        c.SetPen(band.Pen);
        for (int j = 0; j < band.Count(); ++j) {
            const int r = PixelRound(static_cast<Extended>(rings.RingMajorAxis) * band.Factor(j) / s / 2);
            c.Ellipse(PixelMinus(cx, r), PixelMinus(cy, r), PixelPlus(cx, r), PixelPlus(cy, r));
        }
    }
    DrawPlanetDisc(c, Saturn, record, cx, cy, s);
}

void DrawPolarSatellite(Canvas& c, const GlobalSettings& settings, const SatelliteRecord& record, int k, int cx,
                        int cy, Extended s)
{
    const Color colour = DarkenedBehindPlanet(record, settings.CurrentPlanet, k) ? Navy : SatelliteColour(k);
    c.SetFontColor(colour);
    c.SetPen(colour);
    c.SetBrush(colour, BrushStyle::Solid);
    const Extended r = std::fmax(record.SatApparentDiameter[k] / s / 2, 2.0L);
    const Extended x = cx + record.SatPolarX[k] / s;
    const Extended y = cy + record.SatPolarY[k] / s;
    c.Ellipse(PixelRound(x - r), PixelRound(y - r), PixelRound(x + r), PixelRound(y + r));
    c.SetBrushStyle(BrushStyle::Clear);
    if (settings.ShowNumbers) c.Text(PixelRound(x + 2 + r), PixelRound(y - 10), FormatInt(k));
}

}  // namespace

void DrawPolarView(DisplayPort& port, GlobalSettings& settings, const SatelliteRecord& record)
{
    Canvas& c = port.ViewCanvas();
    const int cx = c.Width() / 2;
    const int cy = c.Height() / 2;
    const PlanetId planet = settings.CurrentPlanet;

    c.SetPen(GreyBorder);
    c.SetBrush(Black, BrushStyle::Solid);
    if (!settings.ShowTraces) c.Rectangle(0, 0, c.Width(), c.Height());

    const Extended discScale = DiscScale(planet, settings.ZoomFactor);
    DrawScaleBar(c, planet, discScale);
    if (Planet(planet).PolarEarthSunMarks) DrawEarthAndSunMarks(c, record, cx);
    // The disc is drawn at every frame, in trace mode too.
    if (Planet(planet).HasRings) DrawSaturnFromPole(c, record, record.Rings, cx, cy, ViewScale(settings.ZoomFactor));
    else DrawPlanetDisc(c, planet, record, cx, cy, discScale);

    const Extended s = ViewScale(settings.ZoomFactor);
    const int count = SatelliteCountOf(planet);
    for (int k = 1; k <= count; ++k) DrawPolarSatellite(c, settings, record, k, cx, cy, s);

    DrawLegend(port.LegendCanvas(), settings, record);
    port.ViewChanged();
}

}  // namespace vireon
