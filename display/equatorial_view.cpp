// The equatorial view: the planet and its satellites as they stand in the sky, at 3/zoom
// arcseconds per pixel, north or south (celestial or planetary) up, optionally mirrored as
// behind a star diagonal. Saturn's rings are drawn as bands of half-ellipses of the ring
// system's apparent outline (Meeus, Astronomical Algorithms, ch. 45: major axis a, minor
// axis a |sin B|, here a |B|). The central meridians (ephemeris/planet_rotation.h) and, with an
// observing site, the planet's and the Sun's altitudes (ephemeris/horizon.h) are written in the
// top-left corner.
#include <algorithm>
#include <array>
#include <cmath>
#include <optional>
#include <string>
#include <utility>

#include "core/conventions.h"
#include "display/colours.h"
#include "display/scaled_pixels.h"
#include "display/view_common.h"
#include "display/view_options.h"
#include "display/views.h"
#include "satellites/planet_descriptor.h"

namespace vireon {
namespace {

// Sample indices of a half-ellipse, i / 75 along the major axis: dense near the ends of the
// ansae, where the curve turns fast, sparse across the middle.
constexpr std::array<int, 43> HalfEllipseSamples = [] {
    std::array<int, 43> samples{};
    int n = 0;
    for (int i = -75; i <= -60; ++i) samples[n++] = i;
    for (int i = -59; i <= 51; i += 10) samples[n++] = i;
    for (int i = 61; i <= 75; ++i) samples[n++] = i;
    return samples;
}();

// The corner's lines (the central meridians, then the site's altitudes): from the top-left
// corner, one every 15 pixels (the legend's row spacing). With traces on, nothing erases the view
// between frames, so the corner is cleared behind them over a box wide enough for the longest
// line, "Hauteur : -89.9°" (about 90 pixels in the window's 8-point font).
constexpr int MeridianLeft = 5;
constexpr int MeridianTop = 5;
constexpr int MeridianLineHeight = 15;
constexpr int MeridianBoxWidth = 110;
// The central meridians a descriptor can name and the two altitudes.
constexpr int CornerLineCount = std::tuple_size_v<decltype(PlanetDescriptor::MeridianLines)> + 2;

struct ViewFrame {
    Canvas& canvas;
    const GlobalSettings& settings;
    int cx = 0;
    int cy = 0;
};

void DrawFieldCircle(const ViewFrame& f, Extended s)
{
    if (!f.settings.ShowField) return;
    if (f.settings.ShowTraces) {
        // No erase came before: a grey outline that leaves the traces visible.
        f.canvas.SetPen(GreyBorder);
        f.canvas.SetBrushStyle(BrushStyle::Clear);
    }
    const int r = PixelRound(static_cast<Extended>(f.settings.FieldOfView) * 60 / s / 2);
    f.canvas.Ellipse(PixelMinus(f.cx, r), PixelMinus(f.cy, r), PixelPlus(f.cx, r), PixelPlus(f.cy, r));
}

// The rotation axis: vertical for the planetary orientations, along the pole's position angle
// for the celestial ones (a line through the centre, so north and south up draw the same).
void DrawAxis(const ViewFrame& f, const SatelliteRecord& record, Extended s)
{
    if (!f.settings.ShowAxis) return;
    Canvas& c = f.canvas;
    c.SetPen(AxisGrey);
    c.SetBrush(AxisGrey, BrushStyle::Solid);
    const int length = PixelPlus(PixelRound(record.PlanetApparentDiameter[1] / s / 2), 7);
    if (length == NoPixel) return;
    if (IsPlanetary(f.settings.Orientation)) {
        c.MoveTo(f.cx, f.cy - length);
        c.LineTo(f.cx, f.cy + length);
        return;
    }
    const Extended mirror = f.settings.MirrorView ? -1.0L : 1.0L;
    const int dx = PixelRound(mirror * std::sin(record.PlanetPolePA) * length);
    const int dy = PixelRound(std::cos(record.PlanetPolePA) * length);
    c.MoveTo(PixelMinus(f.cx, dx), PixelMinus(f.cy, dy));
    c.LineTo(PixelPlus(f.cx, dx), PixelPlus(f.cy, dy));
}

// Orientation of the ring's major axis on the screen.
struct RingFrame {
    Extended ca = 1;
    Extended sa = 0;
};

RingFrame RingFrameFor(Orientation orientation, Extended polePA)
{
    if (orientation == Orientation::PlanetSouth) return {1, 0};
    if (orientation == Orientation::PlanetNorth) return {-1, 0};
    return {std::cos(polePA), std::sin(polePA)};
}

// One half of the ring outline on a unit major semi-axis, in screen senses before scaling:
// side 1 the front half (drawn over the disc), side 2 the back half. X grows to the right,
// Down toward the bottom of the screen (the outline's y turned round).
struct HalfEllipse {
    std::array<Extended, HalfEllipseSamples.size()> X{};
    std::array<Extended, HalfEllipseSamples.size()> Down{};
};

HalfEllipse UnitHalfEllipse(const ViewFrame& f, const RingGeometry& rings, const RingFrame& frame, int side)
{
    const Extended ratio = static_cast<Extended>(rings.RingMinorAxis) / static_cast<Extended>(rings.RingMajorAxis);
    HalfEllipse points;
    for (std::size_t n = 0; n < HalfEllipseSamples.size(); ++n) {
        const Extended u = HalfEllipseSamples[n] / 75.0L;
        Extended v = ratio * std::sqrt(1 - u * u);
        if (side == 2) v = -v;
        Extended x = u * frame.ca + v * frame.sa;
        Extended y = u * frame.sa - v * frame.ca;
        if (f.settings.MirrorView) x = -x;
        if (rings.RingSide == 1) {
            x = -x;
            y = -y;
        }
        points.X[n] = x;
        // cy - y k is cy + (-y) k to the last bit: negation is exact and rounding symmetric.
        points.Down[n] = -y;
    }
    return points;
}

// The pixels of a half-ellipse at any scale: (cx + X k, cy + Down k), each rounded.
struct HalfEllipsePixels {
    ScaledPixels<HalfEllipseSamples.size()> X;
    ScaledPixels<HalfEllipseSamples.size()> Down;

    explicit HalfEllipsePixels(const HalfEllipse& unit) : X(unit.X), Down(unit.Down) {}
};

// The half-ellipse of semi-major axis k pixels, one path; it ends with a line back to the
// next-to-last sample (i = 74).
void DrawHalfEllipse(const ViewFrame& f, const HalfEllipsePixels& unit, Extended k)
{
    constexpr std::size_t n = HalfEllipseSamples.size();
    std::array<int, n> x;
    std::array<int, n> y;
    unit.X.Round(f.cx, k, x);
    unit.Down.Round(f.cy, k, y);
    std::array<Point, n + 1> path;
    for (std::size_t i = 0; i < n; ++i) path[i] = {x[i], y[i]};
    path.back() = path[n - 2];
    f.canvas.Path(path);
}

void DrawRingHalves(const ViewFrame& f, const RingGeometry& rings, const RingFrame& frame, Extended s, int side)
{
    const HalfEllipsePixels unit(UnitHalfEllipse(f, rings, frame, side));
    for (const RingBand& band : RingBands) {
        for (int j = 0; j < band.Count(); ++j) {
            f.canvas.SetPen(band.Pen);
            const Extended k = static_cast<Extended>(rings.RingMajorAxis) * band.Factor(j) / s / 2;
            DrawHalfEllipse(f, unit, k);
        }
    }
}

// Saturn: back halves of the rings, axis, disc (at every frame, traces or not), front halves.
void DrawSaturn(const ViewFrame& f, const SatelliteRecord& record, const RingGeometry& rings, Extended s)
{
    const RingFrame frame = RingFrameFor(f.settings.Orientation, record.PlanetPolePA);
    DrawRingHalves(f, rings, frame, s, 2);
    DrawAxis(f, record, s);
    DrawPlanetDisc(f.canvas, Saturn, record, f.cx, f.cy, s);
    DrawRingHalves(f, rings, frame, s, 1);
}

// Any other planet: axis, then the disc, which in trace mode is drawn only on the first frame
// after an erase.
void DrawOtherPlanet(const ViewFrame& f, GlobalSettings& settings, const SatelliteRecord& record, Extended s)
{
    DrawAxis(f, record, s);
    const PlanetId planet = settings.CurrentPlanet;
    f.canvas.SetBrush(PlanetColour(planet), BrushStyle::Solid);
    f.canvas.SetPen(PlanetColour(planet));
    if (settings.ViewCleared) DrawPlanetDisc(f.canvas, planet, record, f.cx, f.cy, s);
    if (settings.ShowTraces && settings.ViewCleared) settings.ViewCleared = false;
}

// Turns a sky offset into screen senses in place: north up mirrors both axes of the
// (east, north) pair onto (right, down); the star diagonal mirrors x again.
void ToScreenSenses(const GlobalSettings& settings, Extended& x, Extended& y)
{
    if (settings.Orientation == Orientation::North) {
        x = -x;
        y = -y;
    }
    if (settings.MirrorView) x = -x;
}

void DrawSatellite(const ViewFrame& f, SatelliteRecord& record, int k, Extended s)
{
    Canvas& c = f.canvas;
    const PlanetId planet = f.settings.CurrentPlanet;
    Color colour = SatelliteColour(k);
    if (HiddenByDisc(record, planet, k)) colour = Black;
    else if (InPlanetShadow(record, planet, k)) colour = Navy;
    c.SetFontColor(colour);
    c.SetPen(colour);
    c.SetBrush(colour, BrushStyle::Solid);

    const Extended r = std::fmax(record.SatApparentDiameter[k] / s / 2, 2.0L);
    ToScreenSenses(f.settings, record.SatOffsetX[k], record.SatOffsetY[k]);
    const Extended x = f.cx + record.SatOffsetX[k] / s;
    const Extended y = f.cy + record.SatOffsetY[k] / s;
    c.Ellipse(PixelRound(x - r), PixelRound(y - r), PixelRound(x + r), PixelRound(y + r));
    c.SetBrushStyle(BrushStyle::Clear);
    if (f.settings.ShowNumbers) c.Text(PixelRound(x + 2 + r), PixelRound(y - 12), FormatInt(k));

    if (!Planet(planet).DrawsShadows) return;
    ToScreenSenses(f.settings, record.SatShadowX[k], record.SatShadowY[k]);
    c.SetPen(Black);
    c.SetBrush(Black, c.BrushStyleNow());
    // Drawn exactly while the shadow transit holds: a shadow that misses the globe, or falls on
    // its far side, would lie in empty sky or inside the disc where nothing can be seen.
    if (!ShadowOnDisc(record, planet, k)) return;
    const Extended xs = f.cx + record.SatShadowX[k] / s;
    const Extended ys = f.cy + record.SatShadowY[k] / s;
    c.SetBrushStyle(BrushStyle::Solid);
    c.Ellipse(PixelRound(xs - r), PixelRound(ys - r), PixelRound(xs + r), PixelRound(ys + r));
    c.SetBrushStyle(BrushStyle::Clear);
    c.SetFontColor(Black);
    if (f.settings.ShowNumbers) c.Text(PixelRound(xs + 2 + r), PixelRound(ys - 12), FormatInt(k));
}

// "MC II : 234.5°": one decimal, "." whatever the locale; a value that rounds to 360.0 is 0.0.
std::string MeridianText(const char* label, Extended degrees)
{
    Extended tenths = std::nearbyint(degrees * 10);
    if (tenths >= 3600) tenths -= 3600;
    return std::string(label) + " : " + FormatFixed(tenths / 10, 1) + "°";
}

// "Soleil : -14.3°": one decimal, "." whatever the locale, a hyphen-minus below zero.
std::string AltitudeText(const char* label, Extended degrees)
{
    return std::string(label) + " : " + FormatFixed(degrees, 1) + "°";
}

// The corner's texts: the planet's central meridians when they are shown, then the site's
// altitudes whenever the record holds them (for every planet, meridians shown or not).
struct CornerLines {
    std::array<std::string, CornerLineCount> Texts;
    int Count = 0;
};

CornerLines CornerLinesOf(const GlobalSettings& settings, const SatelliteRecord& record)
{
    CornerLines lines;
    if (settings.ShowCentralMeridian) {
        const PlanetDescriptor& planet = Planet(settings.CurrentPlanet);
        for (int i = 0; i < planet.MeridianLineCount; ++i) {
            const MeridianLine& line = planet.MeridianLines[i];
            const std::optional<Extended>& degrees = record.Meridians.*line.System;
            if (degrees) lines.Texts[lines.Count++] = MeridianText(line.Label, *degrees);
        }
    }
    if (record.Horizon) {
        lines.Texts[lines.Count++] = AltitudeText("Hauteur", record.Horizon->PlanetAltitudeDeg);
        lines.Texts[lines.Count++] = AltitudeText("Soleil", record.Horizon->SunAltitudeDeg);
    }
    return lines;
}

// The corner's lines in the axis grey: text, not geometry, so neither the orientation nor the
// mirror moves them.
void DrawCornerTexts(const ViewFrame& f, const SatelliteRecord& record)
{
    const CornerLines lines = CornerLinesOf(f.settings, record);
    if (lines.Count == 0) return;
    Canvas& c = f.canvas;
    if (f.settings.ShowTraces) {
        c.SetPen(Black);
        c.SetBrush(Black, BrushStyle::Solid);
        c.Rectangle(1, 1, MeridianBoxWidth, MeridianTop + lines.Count * MeridianLineHeight + 2);
    }
    c.SetFontColor(AxisGrey);
    c.SetBrushStyle(BrushStyle::Clear);
    for (int i = 0; i < lines.Count; ++i) c.Text(MeridianLeft, MeridianTop + i * MeridianLineHeight, lines.Texts[i]);
}

}  // namespace

void DrawEquatorialView(DisplayPort& port, GlobalSettings& settings, SatelliteRecord& record)
{
    Canvas& canvas = port.ViewCanvas();
    const ViewFrame frame{canvas, settings, canvas.Width() / 2, canvas.Height() / 2};
    const PlanetId planet = settings.CurrentPlanet;
    const Extended s = ViewScale(settings.ZoomFactor);

    if (!settings.ShowTraces) {
        FillBackground(canvas);
        settings.ViewCleared = true;
    }
    DrawFieldCircle(frame, s);

    const Extended discScale = DiscScale(planet, settings.ZoomFactor);
    DrawScaleBar(canvas, planet, discScale);
    if (Planet(planet).HasRings) DrawSaturn(frame, record, record.Rings, s);
    else DrawOtherPlanet(frame, settings, record, discScale);

    // From the farthest satellite to the nearest, so that in an occultation the nearer covers the
    // other (equal depths keep the satellites' order).
    const int count = SatelliteCountOf(planet);
    std::array<int, 8> order{};
    for (int k = 1; k <= count; ++k) order[static_cast<std::size_t>(k - 1)] = k;
    std::stable_sort(order.begin(), order.begin() + count,
                     [&record](int a, int b) { return record.SatDepth[a] < record.SatDepth[b]; });
    for (int i = 0; i < count; ++i) DrawSatellite(frame, record, order[static_cast<std::size_t>(i)], s);
    DrawCornerTexts(frame, record);

    DrawLegend(port.LegendCanvas(), settings, record);
    port.ViewChanged();
}

}  // namespace vireon
