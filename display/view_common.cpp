#include "display/view_common.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "core/conventions.h"
#include "display/colours.h"
#include "ephemeris/planet_data.h"

namespace vireon {

Extended ViewScale(int zoomFactor) { return 3.0L / static_cast<Extended>(zoomFactor); }

Extended DiscScale(PlanetId planet, int zoomFactor)
{
    const Extended s = ViewScale(zoomFactor);
    switch (planet) {
    case Uranus: return std::min(s, 1.0L);
    case Neptune: return std::min(s, 0.5L);
    case Pluto: return std::min(s, 0.02L);
    default: return s;
    }
}

int PixelPlus(int base, int delta) { return delta == NoPixel ? NoPixel : base + delta; }

int PixelMinus(int base, int delta) { return delta == NoPixel ? NoPixel : base - delta; }

void FillBackground(Canvas& canvas)
{
    canvas.SetPen(GreyBorder);
    canvas.SetBrush(Black, BrushStyle::Solid);
    canvas.Rectangle(0, 0, canvas.Width(), canvas.Height());
}

void DrawScaleBar(Canvas& canvas, PlanetId planet, Extended s)
{
    const int w = canvas.Width();
    const int h = canvas.Height();
    // Pluto's disc is a fraction of an arcsecond: its bar is 1" long, the others 10".
    const bool pluto = planet == Pluto;
    const Extended barArcsec = pluto ? 1.0L : 10.0L;
    canvas.SetPen(ScaleRed);
    canvas.SetFontColor(ScaleRed);
    canvas.MoveTo(w - 5, h - 5);
    canvas.LineTo(PixelMinus(w - 5, PixelRound(2 * barArcsec / s / 2)), h - 5);
    canvas.Text(w - 25, h - 20, pluto ? "1 \"" : "10 \"");
}

void DrawPlanetDisc(Canvas& canvas, PlanetId planet, const SatelliteRecord& record, int cx, int cy, Extended s)
{
    const int a = PixelRound(record.PlanetApparentDiameter[1] / s / 2);
    const int b = PixelRound(record.PlanetApparentDiameter[2] / s / 2);
    canvas.SetBrush(PlanetColour(planet), BrushStyle::Solid);
    canvas.SetPen(PlanetColour(planet));
    canvas.Ellipse(PixelMinus(cx, a), PixelMinus(cy, b), PixelPlus(cx, a), PixelPlus(cy, b));
}

namespace {

// Whether a sky offset (arcsec) lies within half the planet's equatorial diameter. Jupiter's
// theory measures sky distances with the globe's flattening (equatorial over polar diameter);
// the others have none.
bool WithinDisc(const SatelliteRecord& record, PlanetId planet, Extended x, Extended y)
{
    const Extended f = planet == Jupiter ? 1.071374L : 1.0L;
    return std::hypot(x, f * y) / record.PlanetApparentDiameter[1] < 0.5L;
}

}  // namespace

bool HiddenByDisc(const SatelliteRecord& record, PlanetId planet, int k)
{
    return record.SatFarSide[k] == 'E' && WithinDisc(record, planet, record.SatOffsetX[k], record.SatOffsetY[k]);
}

bool ShadowOnDisc(const SatelliteRecord& record, PlanetId planet, int k)
{
    return record.SatFarSide[k] == 'P' && WithinDisc(record, planet, record.SatShadowX[k], record.SatShadowY[k]);
}

bool InPlanetShadow(const SatelliteRecord& record, PlanetId planet, int k)
{
    if (planet != Jupiter && planet != Saturn) return false;
    if (record.SatFarSide[k] != 'E') return false;
    const Extended x = record.SatPolarX[k];
    const Extended y = record.SatPolarY[k];
    constexpr Extended halfPi = std::numbers::pi_v<Extended> / 2;
    // Straight above or below the centre the angle is a right angle, on the side of x.
    const Extended t = y != 0 ? -std::atan(x / y) : (x > 0 ? -halfPi : (x < 0 ? halfPi : 0.0L));
    const Extended p = record.PhaseAngleSigned;
    return (0 < t && t < p) || (p < t && t < 0);
}

bool DarkenedBehindPlanet(const SatelliteRecord& record, PlanetId planet, int k)
{
    return HiddenByDisc(record, planet, k) || InPlanetShadow(record, planet, k);
}

int SatelliteCountOf(PlanetId planet) { return IsPlanetId(planet) ? PlanetInfo(planet).SatelliteCount : 0; }

}  // namespace vireon
