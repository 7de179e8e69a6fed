// The painter canvas: pixel semantics of the device interface the views were designed for
// (boxes exclude their right and bottom edges, lines stop short of their end point, no
// antialiasing) and the persistent image at the screen's pixel ratio.
#include <QFont>
#include <QImage>

#include "ui/qt_display_port.h"
#include "window_test_support.h"

namespace vireon::testing {
namespace {

constexpr Color Black{0, 0, 0};
constexpr Color Grey{128, 128, 128};
constexpr Color Red{255, 0, 0};
constexpr Color Yellow{255, 255, 0};

QColor At(const QPainterCanvas& canvas, int x, int y) { return canvas.Image().pixelColor(x, y); }
QColor Q(Color c) { return QColor(c.R, c.G, c.B); }

class PainterCanvas : public ::testing::Test {
protected:
    QPainterCanvas canvas{60, 40, QFont("DejaVu Sans", 8)};

    void Clear()
    {
        canvas.SetPen(Black);
        canvas.SetBrush(Black, BrushStyle::Solid);
        canvas.Rectangle(0, 0, 60, 40);
    }
};

TEST_F(PainterCanvas, RectangleCoversItsBoxLessTheRightAndBottomEdges)
{
    canvas.SetPen(Grey);
    canvas.SetBrush(Black, BrushStyle::Solid);
    canvas.Rectangle(0, 0, 60, 40);
    struct Probe {
        int x, y;
        Color want;
    };
    const Probe probes[] = {{0, 0, Grey}, {59, 0, Grey}, {0, 39, Grey}, {59, 39, Grey}, {30, 0, Grey},
                            {1, 1, Black}, {58, 38, Black}, {30, 20, Black}};
    for (const Probe& p : probes) EXPECT_EQ(At(canvas, p.x, p.y), Q(p.want)) << "(" << p.x << ", " << p.y << ")";
}

TEST_F(PainterCanvas, SmallRectangleInsideAndOutside)
{
    Clear();
    canvas.SetPen(Red);
    canvas.SetBrush(Yellow, BrushStyle::Solid);
    canvas.Rectangle(10, 10, 15, 14);
    EXPECT_EQ(At(canvas, 10, 10), Q(Red));
    EXPECT_EQ(At(canvas, 14, 13), Q(Red));
    EXPECT_EQ(At(canvas, 12, 12), Q(Yellow));
    EXPECT_EQ(At(canvas, 15, 12), Q(Black)) << "x2 is outside the box";
    EXPECT_EQ(At(canvas, 12, 14), Q(Black)) << "y2 is outside the box";
}

TEST_F(PainterCanvas, LineStopsOnePixelShortOfItsEnd)
{
    Clear();
    canvas.SetPen(Red);
    canvas.MoveTo(5, 5);
    canvas.LineTo(15, 5);
    EXPECT_EQ(At(canvas, 5, 5), Q(Red));
    EXPECT_EQ(At(canvas, 14, 5), Q(Red));
    EXPECT_EQ(At(canvas, 15, 5), Q(Black));
    canvas.LineTo(15, 15);  // continues from the last end point
    EXPECT_EQ(At(canvas, 15, 5), Q(Red));
    EXPECT_EQ(At(canvas, 15, 14), Q(Red));
    EXPECT_EQ(At(canvas, 15, 15), Q(Black));
}

TEST_F(PainterCanvas, EllipseOutlinedAndFilledWithoutAntialiasing)
{
    Clear();
    canvas.SetPen(Red);
    canvas.SetBrush(Yellow, BrushStyle::Solid);
    canvas.Ellipse(20, 10, 41, 31);  // 21 x 21 box: centre (30, 20), radius 10
    EXPECT_EQ(At(canvas, 30, 20), Q(Yellow));
    EXPECT_EQ(At(canvas, 20, 20), Q(Red)) << "left edge";
    EXPECT_EQ(At(canvas, 40, 20), Q(Red)) << "right edge, x2 - 1";
    EXPECT_EQ(At(canvas, 41, 20), Q(Black));
    EXPECT_EQ(At(canvas, 21, 11), Q(Black)) << "corner of the box stays outside";
    for (int x = 0; x < 60; ++x) {
        for (int y = 0; y < 40; ++y) {
            const QColor c = At(canvas, x, y);
            EXPECT_TRUE(c == Q(Black) || c == Q(Red) || c == Q(Yellow)) << "mixed colour at " << x << ", " << y;
        }
    }
}

TEST_F(PainterCanvas, ClearBrushLeavesTheInsideAlone)
{
    Clear();
    canvas.SetPen(Grey);
    canvas.SetBrush(Yellow, BrushStyle::Clear);
    canvas.Ellipse(10, 10, 31, 31);
    EXPECT_EQ(At(canvas, 20, 20), Q(Black));
    EXPECT_EQ(At(canvas, 10, 20), Q(Grey));
}

TEST_F(PainterCanvas, PolylineJoinsItsPoints)
{
    Clear();
    canvas.SetPen(Grey);
    canvas.Polyline({{2, 2}, {12, 2}, {12, 12}});
    EXPECT_EQ(At(canvas, 7, 2), Q(Grey));
    EXPECT_EQ(At(canvas, 12, 7), Q(Grey));
    EXPECT_EQ(At(canvas, 7, 7), Q(Black));
}

// A path paints what a MoveTo to its first point and a LineTo to each other point paint: with
// one painter when every point is drawable, broken where a point was refused, and leaving the
// pen at its end (two renderings of the same lines in this run, no text, no antialiasing).
TEST_F(PainterCanvas, PathPaintsWhatMoveToAndLineToPaint)
{
    const std::vector<Point> rows[] = {
        {{3, 30}, {20, 4}, {41, 9}, {57, 36}, {30, 22}, {41, 9}},
        {{NoPixel, 2}, {20, 4}, {41, 9}},
        {{3, 30}, {20, NoPixel}, {41, 9}, {57, 36}},
        {{3, 30}, {20, 4}, {NoPixel, NoPixel}},
    };
    for (const std::vector<Point>& points : rows) {
        QPainterCanvas lines{60, 40, QFont("DejaVu Sans", 8)};
        Clear();
        canvas.SetPen(Yellow);
        lines.SetPen(Yellow);
        canvas.Path(points);
        lines.MoveTo(points.front().X, points.front().Y);
        for (std::size_t n = 1; n < points.size(); ++n) lines.LineTo(points[n].X, points[n].Y);
        canvas.LineTo(50, 5);
        lines.LineTo(50, 5);
        EXPECT_EQ(canvas.Image(), lines.Image()) << "path from (" << points[0].X << ", " << points[0].Y << ")";
    }
}

TEST_F(PainterCanvas, TextInTheFontColourWithAndWithoutBackground)
{
    Clear();
    canvas.SetFontColor(Red);
    canvas.SetBrush(Black, BrushStyle::Clear);
    canvas.Text(2, 2, "88");
    int red = 0;
    for (int x = 2; x < 20; ++x)
        for (int y = 2; y < 16; ++y)
            if (At(canvas, x, y).red() > 128 && At(canvas, x, y).green() < 64) ++red;
    EXPECT_GT(red, 5);
    EXPECT_EQ(At(canvas, 40, 30), Q(Black));

    canvas.SetBrush(Yellow, BrushStyle::Solid);
    canvas.Text(30, 20, "1");
    EXPECT_EQ(At(canvas, 30, 20), Q(Yellow)) << "a solid brush fills behind the text";
}

TEST_F(PainterCanvas, NonFiniteCoordinatesDrawNothing)
{
    Clear();
    canvas.SetPen(Red);
    canvas.SetBrush(Red, BrushStyle::Solid);
    canvas.Ellipse(PixelRound(std::numeric_limits<Extended>::quiet_NaN()), 0, 10, 10);
    canvas.MoveTo(0, 0);
    canvas.LineTo(PixelRound(1e12L), 5);
    for (int x = 0; x < 60; ++x)
        for (int y = 0; y < 40; ++y) ASSERT_EQ(At(canvas, x, y), Q(Black)) << x << ", " << y;
}

TEST_F(PainterCanvas, ImageFollowsTheDevicePixelRatio)
{
    canvas.SetDevicePixelRatio(2.0);
    EXPECT_EQ(canvas.Image().size(), QSize(120, 80));
    EXPECT_EQ(canvas.Width(), 60) << "drawing stays in logical pixels";
    canvas.SetPen(Red);
    canvas.SetBrush(Red, BrushStyle::Solid);
    canvas.Rectangle(10, 10, 20, 20);
    EXPECT_EQ(canvas.Image().pixelColor(30, 30), Q(Red));
}

}  // namespace
}  // namespace vireon::testing
