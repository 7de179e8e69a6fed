#include "display/view_common.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "core/conventions.h"
#include "display/colours.h"
#include "core/angles.h"
#include "satellites/planet_descriptor.h"

namespace vireon {

Extended ViewScale(int zoomFactor) { return ArcsecPerPixelAtZoom1 / static_cast<Extended>(zoomFactor); }

Extended DiscScale(PlanetId planet, int zoomFactor)
{
    const Extended s = ViewScale(zoomFactor);
    const Extended limit = Planet(planet).MinDiscArcsecPerPixel;
    return limit > 0 ? std::min(s, limit) : s;
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
    const Extended barArcsec = Planet(planet).ScaleBarArcsec;
    canvas.SetPen(ScaleRed);
    canvas.SetFontColor(ScaleRed);
    canvas.MoveTo(w - 5, h - 5);
    canvas.LineTo(PixelMinus(w - 5, PixelRound(2 * barArcsec / s / 2)), h - 5);
    canvas.Text(w - 25, h - 20, FormatInt(static_cast<long long>(barArcsec)) + " \"");
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
    const Extended f = Planet(planet).SkyFlattening;
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
    if (!Planet(planet).DrawsShadows) return false;
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

int SatelliteCountOf(PlanetId planet) { return IsPlanetId(planet) ? Planet(planet).SatelliteCount : 0; }

}  // namespace vireon
