// The monthly graph: each satellite's east-west distance from the planet along a time axis
// that runs down the view, one 18-pixel row per day from the first of the month 00:00, with
// the theory run every 0.1 day. Curves are clipped to the day grid's box.
#include <algorithm>
#include <cmath>
#include <optional>
#include <utility>

#include "core/angles.h"
#include "core/conventions.h"
#include "display/colours.h"
#include "display/panel.h"
#include "display/status_bar.h"
#include "display/view_common.h"
#include "display/views.h"
#include "satellites/planet_descriptor.h"

namespace vireon {
namespace {

constexpr int RowHeight = 18;    // pixels per day
constexpr int GridTop = 24;      // y of day 1, 00:00
constexpr int GridMargin = 20;   // the grid lines stop this far from the sides
constexpr int Steps = 311;       // 31.1 days at 0.1 day
constexpr Extended StepDays = 0.1L;
constexpr int GridDays = 31;

struct RealPoint {
    Extended X = 0;
    Extended Y = 0;
};

struct Box {
    Extended Left, Top, Right, Bottom;
};

bool Inside(RealPoint a, const Box& box)
{
    return a.X >= box.Left && a.X <= box.Right && a.Y >= box.Top && a.Y <= box.Bottom;
}

// Liang-Barsky clipping of the segment a-b to the box; nothing when it lies outside (or has a
// non-finite end).
std::optional<std::pair<RealPoint, RealPoint>> ClipToBox(RealPoint a, RealPoint b, const Box& box)
{
    // Both ends inside (the usual case, and never a NaN): the loop below would leave t0 = 0 and
    // t1 = 1, since each q / p it forms is then either <= 0 or, by the monotony of rounding,
    // >= 1. Skipping it spares four divisions.
    if (Inside(a, box) && Inside(b, box)) return std::make_pair(a, b);
    if (!std::isfinite(a.X) || !std::isfinite(a.Y) || !std::isfinite(b.X) || !std::isfinite(b.Y)) return std::nullopt;
    const Extended dx = b.X - a.X;
    const Extended dy = b.Y - a.Y;
    Extended t0 = 0;
    Extended t1 = 1;
    const Extended p[4] = {-dx, dx, -dy, dy};
    const Extended q[4] = {a.X - box.Left, box.Right - a.X, a.Y - box.Top, box.Bottom - a.Y};
    for (int i = 0; i < 4; ++i) {
        if (p[i] == 0) {
            if (q[i] < 0) return std::nullopt;
            continue;
        }
        const Extended t = q[i] / p[i];
        if (p[i] < 0) t0 = std::max(t0, t);
        else t1 = std::min(t1, t);
        if (t0 > t1) return std::nullopt;
    }
    // Keep the ends that were inside exactly as they were, so that they round as computed.
    const RealPoint from = t0 > 0 ? RealPoint{a.X + t0 * dx, a.Y + t0 * dy} : a;
    const RealPoint to = t1 < 1 ? RealPoint{a.X + t1 * dx, a.Y + t1 * dy} : b;
    return std::make_pair(from, to);
}

void DrawClippedSegment(Canvas& c, RealPoint a, RealPoint b, const Box& box)
{
    const auto clipped = ClipToBox(a, b, box);
    if (!clipped) return;
    const Point ends[2] = {{PixelRound(clipped->first.X), PixelRound(clipped->first.Y)},
                           {PixelRound(clipped->second.X), PixelRound(clipped->second.Y)}};
    c.Path(ends);
}

void DrawGrid(Canvas& c, const SatelliteRecord& record, const GlobalSettings& settings, int cx)
{
    const int w = c.Width();
    const int h = c.Height();
    // The planet's edges, at the view's scale (without the graph factor).
    const int e = PixelRound(record.PlanetApparentDiameter[1] / 2 / 3 * settings.ZoomFactor);
    for (const int x : {PixelMinus(cx, e), PixelPlus(cx, e)}) {
        c.MoveTo(x, GridTop);
        c.LineTo(x, h - 20);
    }
    c.SetPen(GreyBorder);
    c.SetFontColor(GreyBorder);
    for (int d = 0; d <= GridDays; ++d) {
        c.MoveTo(GridMargin, RowHeight * d + GridTop);
        c.LineTo(w - GridMargin, RowHeight * d + GridTop);
    }
    for (int d = 0; d < GridDays; ++d) {
        c.Text(6, RowHeight * d + 18, FormatInt(d + 1));
        c.Text(w - 16, RowHeight * d + 18, FormatInt(d + 1));
    }
}

// "Nord"/"Sud" at the top and bottom for the celestial orientations (written twice, a pixel
// apart, for a bold look), and which way west lies in labEO.
void DrawDirections(DisplayPort& port, Canvas& c, const GlobalSettings& settings, int cx)
{
    c.SetBrushStyle(BrushStyle::Clear);
    c.SetFontColor(DirectionMagenta);
    c.SetPen(DirectionMagenta);
    const Orientation o = settings.Orientation;
    const char* top = o == Orientation::North ? "Nord" : (o == Orientation::South ? "Sud" : nullptr);
    const char* bottom = o == Orientation::North ? "Sud" : (o == Orientation::South ? "Nord" : nullptr);
    for (const int x : {cx - 11, cx - 12}) {
        if (top) c.Text(x, 5, top);
        if (bottom) c.Text(x, 585, bottom);
    }
    // The planetary orientations read as their celestial counterparts: north pole up as north.
    const bool southUp = o == Orientation::South || o == Orientation::PlanetSouth;
    port.SetText("labEO", southUp != settings.MirrorView ? "Est" : "Ouest");
    port.SetVisible("labEO", true);
}

}  // namespace

void DrawGraphView(DisplayPort& port, GlobalSettings& settings, SatelliteRecord& record,
                   const PlanetPlaces& places, const TheoryRunner& runTheory)
{
    Canvas& c = port.ViewCanvas();
    const int w = c.Width();
    const int cx = w / 2;
    const PlanetId planet = settings.CurrentPlanet;

    EmptyPanel(port);
    for (int n = 1; n <= 7; ++n) port.SetVisible("pSep" + FormatInt(n), false);
    settings.IncrementUnitIndex = 1;
    settings.IncrementDays = 1.0L;
    port.SetText("panNS", PlanetCapitalName(planet));
    port.SetChecked(PlanetMenuItem(planet), true);

    FillBackground(c);
    DrawGrid(c, record, settings, cx);
    DrawDirections(port, c, settings, cx);

    // The month starts on the 1st at 00:00:00; the instant shown is put back at the end.
    const CalendarFields keptFields = settings.Current;
    const Extended keptJD = settings.CurrentJD;
    const double keptDateTime = settings.CurrentDateTime;
    CalendarFields first = settings.Current;
    first.Day = 1;
    first.Hour = first.Minute = first.Second = first.Millisecond = 0;
    SetCurrentInstant(settings, TerrestrialOfFields(settings, first));
    RefreshStatusBar(port, settings, record, places, FormatPanelTexts(settings, record).DateTimeText);

    const Extended s = ViewScale(settings.ZoomFactor);
    // The small systems are widened to fill the view; the planet's edges are not.
    const Extended zg = Planet(planet).GraphFactor;
    const Box box{static_cast<Extended>(GridMargin), static_cast<Extended>(GridTop),
                  static_cast<Extended>(w - GridMargin), static_cast<Extended>(GridTop + RowHeight * GridDays)};
    const int count = SatelliteCountOf(planet);
    // North up and the mirror each turn the distance round; both together leave it.
    const bool turned = (settings.Orientation == Orientation::North) != settings.MirrorView;
    RealPoint previous[9];
    for (int i = 1; i <= Steps; ++i) {
        runTheory(planet);
        const Extended rowY = GridTop + (RowHeight * i - RowHeight) / 10.0L;
        for (int k = 1; k <= count; ++k) {
            c.SetFontColor(SatelliteColour(k));
            c.SetPen(SatelliteColour(k));
            c.SetBrush(SatelliteColour(k), c.BrushStyleNow());
            // Signed distance from the planet along the east-west line, with Jupiter's
            // flattening applied to the north-south offset for every planet.
            const Extended x = record.SatOffsetX[k];
            const Extended y = JupiterFlattening * record.SatOffsetY[k];
            Extended d = std::sqrt(x * x + y * y);
            if (x < 0) d = -d;
            Extended g = zg * d;
            if (turned) g = -g;
            const RealPoint p{cx + g / s - 1.0L, rowY};
            DrawClippedSegment(c, i == 1 ? p : previous[k], p, box);
            previous[k] = p;
        }
        SetCurrentInstant(settings, settings.CurrentJD + StepDays);
    }

    DrawLegend(port.LegendCanvas(), settings, record);
    settings.Current = keptFields;
    settings.CurrentJD = keptJD;
    settings.CurrentDateTime = keptDateTime;
    port.ViewChanged();
}

}  // namespace vireon
