#include "display/mutual_pictures.h"

#include <algorithm>
#include <cmath>

#include "core/conventions.h"
#include "display/colours.h"
#include "display/view_common.h"

namespace vireon {
namespace {

constexpr Color CurveWhite{255, 255, 255};
constexpr Color UmbralBlue{64, 128, 255};  // the umbral contacts' marks
constexpr Color UmbraFill{0, 0, 160};      // the umbra across P's disc, the antumbra's outline

// The plot inside the light curve's canvas, in pixels: room for the levels' values on the left
// and two lines of times below.
constexpr int PlotLeft = 44, PlotRightMargin = 10, PlotTop = 10, PlotBottomMargin = 36;
// An estimate of the canvas font's width per character (8-point sans serif), to centre a text.
constexpr int CharWidth = 6;
constexpr int LineHeight = 14;

// Seconds and light onto the plot's pixels.
struct PlotFrame {
    Extended FirstSecond = 0, LastSecond = 1, LowLight = 0, HighLight = 1;
    int Left = 0, Right = 1, Top = 0, Bottom = 1;
    int X(Extended second) const
    {
        return PixelRound(Left + (second - FirstSecond) / (LastSecond - FirstSecond) * (Right - Left));
    }
    int Y(Extended light) const { return PixelRound(Bottom - (light - LowLight) / (HighLight - LowLight) * (Bottom - Top)); }
};

void VerticalMark(Canvas& c, const PlotFrame& f, Extended second, Color colour)
{
    c.SetPen(colour);
    c.MoveTo(f.X(second), f.Top);
    c.LineTo(f.X(second), f.Bottom + 3);
}

void TextCentred(Canvas& c, int x, int y, const std::string& text)
{
    c.Text(x - static_cast<int>(text.size()) * CharWidth / 2, y, text);
}

// A light level's value: three decimals for a shallow event, two otherwise.
std::string LevelText(Extended light, Extended depth) { return FormatFixed(light, depth < 0.05L ? 3 : 2); }

}  // namespace

LightCurve MakeLightCurve(PlanetId planet, const MutualEvent& event, int count)
{
    LightCurve curve;
    const auto fromMaximum = [&event](Extended jd) { return (jd - event.MaximumJD) * 86400; };
    curve.Start = fromMaximum(event.StartJD);
    curve.End = fromMaximum(event.EndJD);
    if (event.UmbralStartJD) curve.UmbralStart = fromMaximum(*event.UmbralStartJD);
    if (event.UmbralEndJD) curve.UmbralEnd = fromMaximum(*event.UmbralEndJD);
    const Extended margin = std::max<Extended>((curve.End - curve.Start) / 5, 30);
    const Extended first = curve.Start - margin, last = curve.End + margin;
    count = std::max(count, 3);
    for (int i = 0; i < count; ++i) curve.Seconds.push_back(first + (last - first) * i / (count - 1));
    curve.Seconds.insert(std::upper_bound(curve.Seconds.begin(), curve.Seconds.end(), Extended{0}), Extended{0});
    std::vector<Extended> jds;
    for (const Extended s : curve.Seconds) jds.push_back(event.MaximumJD + s / 86400);
    for (const MutualAspect& a : MutualAspects(planet, event, jds)) curve.Light.push_back(a.Light);
    return curve;
}

void DrawLightCurve(Canvas& c, const LightCurve& curve, const LightCurveLabels& labels)
{
    FillBackground(c);
    if (curve.Seconds.size() < 2 || curve.Light.size() != curve.Seconds.size()) return;
    const Extended lowest = *std::min_element(curve.Light.begin(), curve.Light.end());
    // A drop too small to see still gets a scale: a thousandth.
    const Extended depth = std::max<Extended>(1 - lowest, 0.001L);
    PlotFrame f;
    f.FirstSecond = curve.Seconds.front();
    f.LastSecond = curve.Seconds.back();
    f.LowLight = 1 - 1.15L * depth;
    f.HighLight = 1 + 0.15L * depth;
    f.Left = PlotLeft;
    f.Right = c.Width() - PlotRightMargin;
    f.Top = PlotTop;
    f.Bottom = c.Height() - PlotBottomMargin;

    c.SetBrushStyle(BrushStyle::Clear);
    c.SetFontColor(AxisGrey);
    for (const Extended level : {Extended{1}, lowest}) {
        c.SetPen(GreyBorder);
        c.MoveTo(f.Left, f.Y(level));
        c.LineTo(f.Right, f.Y(level));
        c.Text(4, f.Y(level) - LineHeight / 2, LevelText(level, depth));
    }
    VerticalMark(c, f, curve.Start, AxisGrey);
    VerticalMark(c, f, curve.End, AxisGrey);
    for (const auto& umbral : {curve.UmbralStart, curve.UmbralEnd}) {
        if (umbral) VerticalMark(c, f, *umbral, UmbralBlue);
    }
    VerticalMark(c, f, 0, ScaleRed);

    std::vector<Point> path;
    for (std::size_t i = 0; i < curve.Seconds.size(); ++i) path.push_back({f.X(curve.Seconds[i]), f.Y(curve.Light[i])});
    c.SetPen(CurveWhite);
    c.Path(path);

    const int firstLine = f.Bottom + 5, secondLine = firstLine + LineHeight;
    TextCentred(c, f.X(curve.Start), firstLine, labels.Start);
    TextCentred(c, f.X(curve.End), firstLine, labels.End);
    c.SetFontColor(ScaleRed);
    TextCentred(c, f.X(0), secondLine, labels.Maximum);
}

void DrawEventDiscs(Canvas& c, const MutualEvent& event, const MutualAspect& a, const std::string& activeName,
                    const std::string& passiveName)
{
    FillBackground(c);
    const bool eclipse = event.Kind == MutualKind::Eclipse;
    // The outer circle: A's disc, or the penumbra.
    const Extended outer = eclipse ? a.PenumbraRadiusKm : a.ActiveRadiusKm;
    const Extended reach = std::hypot(a.CentreEastKm, a.CentreNorthKm) + outer;
    const Extended extent = std::max(a.PassiveRadiusKm, reach);
    const int cx = c.Width() / 2, cy = (c.Height() - LineHeight) / 2;
    const Extended pixelsPerKm = (std::min(c.Width(), c.Height() - LineHeight) / 2 - 10) / extent;
    const auto circle = [&](Extended east, Extended north, Extended radius) {
        // East to the left, north up.
        const Extended x = cx - east * pixelsPerKm, y = cy - north * pixelsPerKm, r = radius * pixelsPerKm;
        c.Ellipse(PixelRound(x - r), PixelRound(y - r), PixelRound(x + r), PixelRound(y + r));
    };
    const Color passive = SatelliteColour(event.Passive), active = SatelliteColour(event.Active);
    c.SetPen(passive);
    c.SetBrush(passive, BrushStyle::Solid);
    circle(0, 0, a.PassiveRadiusKm);
    if (!eclipse) {
        c.SetPen(active);
        c.SetBrush(active, BrushStyle::Solid);
        circle(a.CentreEastKm, a.CentreNorthKm, a.ActiveRadiusKm);
    } else {
        if (a.UmbraRadiusKm > 0) {
            c.SetPen(UmbraFill);
            c.SetBrush(UmbraFill, BrushStyle::Solid);
            circle(a.CentreEastKm, a.CentreNorthKm, a.UmbraRadiusKm);
        }
        c.SetBrushStyle(BrushStyle::Clear);
        c.SetPen(passive);
        circle(0, 0, a.PassiveRadiusKm);
        if (a.UmbraRadiusKm < 0) {
            c.SetPen(UmbraFill);
            circle(a.CentreEastKm, a.CentreNorthKm, -a.UmbraRadiusKm);
        }
        c.SetPen(GreyBorder);
        circle(a.CentreEastKm, a.CentreNorthKm, a.PenumbraRadiusKm);
    }
    c.SetBrushStyle(BrushStyle::Clear);
    c.SetFontColor(AxisGrey);
    TextCentred(c, cx, 2, "N");
    c.Text(3, cy - LineHeight / 2, "E");
    c.SetFontColor(passive);
    c.Text(4, 2, passiveName);
    c.SetFontColor(active);
    c.Text(4, c.Height() - LineHeight - 2, activeName);
}

}  // namespace vireon
