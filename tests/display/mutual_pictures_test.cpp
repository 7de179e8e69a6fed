// The pictures of a mutual event drawn into a recording canvas: the light curve of a real event
// (flat at 1 outside the contacts, its lowest point at the maximum and as deep as the flux
// drop), and the discs at the maximum on constructed geometry, placed and layered by hand here.
#include <algorithm>
#include <cmath>

#include <gtest/gtest.h>

#include "core/conventions.h"
#include "core/time_base.h"
#include "display/colours.h"
#include "display/mutual_pictures.h"
#include "fakes.h"

namespace vireon {
namespace {

constexpr Color White{255, 255, 255};

TEST(LightCurve, IsOneOutsideTheContactsAndAsDeepAsTheFluxDropAtTheMaximum)
{
    // Io occults Europe, 2026-09-01 21:24:43 / 21:26:40 / 21:28:37.
    const std::vector<MutualEvent> events = FindMutualEvents(Jupiter, JulianDayFromCalendar(1, 9, 2026, 0, 0, 21),
                                                             JulianDayFromCalendar(1, 9, 2026, 0, 0, 22));
    ASSERT_EQ(events.size(), 1u);
    const MutualEvent& e = events.front();
    const LightCurve curve = MakeLightCurve(Jupiter, e, 61);
    ASSERT_EQ(curve.Seconds.size(), 62u) << "the maximum among the samples";
    for (std::size_t i = 0; i < curve.Seconds.size(); ++i) {
        const Extended s = curve.Seconds[i];
        // Within a second of a contact the light may be either side of 1.
        if (s < curve.Start - 1 || s > curve.End + 1) {
            EXPECT_EQ(curve.Light[i], 1) << s << " s";
        } else if (s > curve.Start + 1 && s < curve.End - 1) {
            EXPECT_LT(curve.Light[i], 1) << s << " s";
        }
    }
    const auto lowest = std::min_element(curve.Light.begin(), curve.Light.end());
    EXPECT_EQ(curve.Seconds[static_cast<std::size_t>(lowest - curve.Light.begin())], 0);
    // The listed maximum is the nearest whole second to the least separation.
    EXPECT_NEAR(static_cast<double>(*lowest), static_cast<double>(1 - e.FluxDrop), 1e-6);
    EXPECT_LT(curve.Seconds.front(), curve.Start - 29);
    EXPECT_GT(curve.Seconds.back(), curve.End + 29);

    RecordingCanvas canvas(440, 180);
    DrawLightCurve(canvas, curve, {"21:24:43", "21:26:40", "21:28:37"});
    std::vector<DrawOp> path;
    for (const DrawOp& op : canvas.ops)
        if ((op.kind == DrawOp::MoveTo || op.kind == DrawOp::LineTo) && op.pen == White) path.push_back(op);
    ASSERT_EQ(path.size(), curve.Seconds.size());
    const auto deepest = std::max_element(path.begin(), path.end(), [](const DrawOp& a, const DrawOp& b) { return a.y1 < b.y1; });
    // The red mark of the maximum runs down through the curve's lowest point.
    const std::vector<DrawOp> moves = canvas.Of(DrawOp::MoveTo);
    const auto red = std::find_if(moves.begin(), moves.end(), [](const DrawOp& op) { return op.pen == ScaleRed; });
    ASSERT_NE(red, moves.end());
    EXPECT_EQ(deepest->x1, red->x1);
    // The grey levels: 1 through the curve's ends, the lowest through its deepest point, with
    // their values.
    std::vector<int> levels;
    for (const DrawOp& op : moves)
        if (op.pen == GreyBorder) levels.push_back(op.y1);
    ASSERT_EQ(levels.size(), 2u);
    EXPECT_EQ(path.front().y1, levels[0]);
    EXPECT_EQ(path.back().y1, levels[0]);
    EXPECT_EQ(deepest->y1, levels[1]);
    for (const std::string& text : {std::string("1.00"), FormatFixed(1 - e.FluxDrop, 2), std::string("21:24:43"),
                                   std::string("21:26:40"), std::string("21:28:37")}) {
        EXPECT_EQ(canvas.Texts(text).size(), 1u) << text;
    }
}

TEST(EventDiscs, AreDrawnAtTheirPlacesNorthUpEastLeftTheNearerOrTheShadowOverP)
{
    // A canvas of 180 x 180: the discs centred at (90, 83), 73 pixels to the farthest edge.
    RecordingCanvas canvas(180, 180);
    MutualEvent occultation;
    occultation.Kind = MutualKind::Occultation;
    occultation.Active = 1;
    occultation.Passive = 2;
    MutualAspect a;
    a.PassiveRadiusKm = 1500;
    a.ActiveRadiusKm = 1800;
    a.CentreEastKm = 1000;
    a.CentreNorthKm = 500;
    DrawEventDiscs(canvas, occultation, a, "Io", "Europe");
    const Extended k = 73 / (std::hypot(1000.0L, 500.0L) + 1800);  // pixels per km
    std::vector<DrawOp> circles = canvas.Of(DrawOp::Ellipse);
    ASSERT_EQ(circles.size(), 2u);
    EXPECT_EQ(circles[0].brush, SatelliteColour(2)) << "P first";
    EXPECT_EQ(circles[1].brush, SatelliteColour(1)) << "A over it";
    const auto expectBox = [](const DrawOp& op, Extended x, Extended y, Extended r, const char* what) {
        EXPECT_TRUE(op.x1 == PixelRound(x - r) && op.y1 == PixelRound(y - r) && op.x2 == PixelRound(x + r) &&
                    op.y2 == PixelRound(y + r))
            << what << ": " << op;
    };
    expectBox(circles[0], 90, 83, 1500 * k, "P");
    expectBox(circles[1], 90 - 1000 * k, 83 - 500 * k, 1800 * k, "A, east to the left and north up");
    EXPECT_EQ(canvas.Texts("Io").front().font, SatelliteColour(1));
    EXPECT_EQ(canvas.Texts("Europe").front().font, SatelliteColour(2));

    // An eclipse: P, the umbra filled over it, P outlined again, the penumbra outlined in grey;
    // with the antumbra, only outlines over P.
    MutualEvent eclipse = occultation;
    eclipse.Kind = MutualKind::Eclipse;
    a.ActiveRadiusKm = 1800;
    a.UmbraRadiusKm = 900;
    a.PenumbraRadiusKm = 2700;
    canvas.ops.clear();
    DrawEventDiscs(canvas, eclipse, a, "Io", "Europe");
    circles = canvas.Of(DrawOp::Ellipse);
    ASSERT_EQ(circles.size(), 4u);
    const Extended ke = 73 / (std::hypot(1000.0L, 500.0L) + 2700);
    expectBox(circles[1], 90 - 1000 * ke, 83 - 500 * ke, 900 * ke, "umbra");
    EXPECT_EQ(circles[1].style, BrushStyle::Solid);
    EXPECT_TRUE(circles[2].style == BrushStyle::Clear && circles[2].pen == SatelliteColour(2)) << circles[2];
    expectBox(circles[3], 90 - 1000 * ke, 83 - 500 * ke, 2700 * ke, "penumbra");
    EXPECT_EQ(circles[3].pen, GreyBorder);
    a.UmbraRadiusKm = -300;
    canvas.ops.clear();
    DrawEventDiscs(canvas, eclipse, a, "Io", "Europe");
    circles = canvas.Of(DrawOp::Ellipse);
    ASSERT_EQ(circles.size(), 4u);
    EXPECT_EQ(circles[2].style, BrushStyle::Clear);
    expectBox(circles[2], 90 - 1000 * ke, 83 - 500 * ke, 300 * ke, "antumbra");
}

}  // namespace
}  // namespace vireon
