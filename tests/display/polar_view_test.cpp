// The polar view seen from above the north pole, the Earth toward the bottom of the view.
#include <cmath>

#include <gtest/gtest.h>

#include "display/colours.h"
#include "display/views.h"
#include "fakes.h"

namespace vireon {
namespace {

struct PolarScene {
    GlobalSettings settings;
    SatelliteRecord record;
    PlanetPlaces places;
    RecordingPort port;

    explicit PolarScene(PlanetId planet, int zoom = 1)
    {
        settings.CurrentPlanet = planet;
        settings.ViewMode = ViewMode::Polar;
        settings.ZoomFactor = zoom;
        record.PlanetApparentDiameter = {0, 45, 42};
        for (int k = 1; k <= 8; ++k) {
            record.SatPolarX[k] = 5000;
            record.SatOffsetX[k] = 5000;
            record.SatApparentDiameter[k] = 0.5L;
            record.SatFarSide[k] = 'P';
        }
    }
    void Draw() { DrawPolarView(port, settings, record); }
    std::vector<DrawOp> Ellipses(Color pen) const
    {
        std::vector<DrawOp> out;
        for (const DrawOp& op : port.view.Of(DrawOp::Ellipse))
            if (op.pen == pen && op.x1 <= 753 && op.x2 >= 0) out.push_back(op);
        return out;
    }
};

// Jupiter at 3"/px: a satellite 30" along the equator, 15" toward the Earth (in front) or
// away from it (behind, and hidden by the globe).
TEST(PolarView, InFrontBelowTheDiscBehindAboveIt)
{
    PolarScene scene(Jupiter);
    scene.record.SatPolarX[1] = 30;
    scene.record.SatPolarY[1] = 15;
    scene.record.SatFarSide[1] = 'P';
    scene.record.SatPolarX[2] = 30;
    scene.record.SatPolarY[2] = -15;
    scene.record.SatFarSide[2] = 'E';
    scene.record.SatPhenomena[2].Occultation = true;
    scene.Draw();

    const auto front = scene.Ellipses(SatelliteColour(1));
    ASSERT_EQ(front.size(), 1u);
    EXPECT_TRUE(front[0].x1 == 384 && front[0].y1 == 304 && front[0].x2 == 388 && front[0].y2 == 308) << front[0];
    const auto behind = scene.Ellipses(Navy);
    ASSERT_EQ(behind.size(), 1u);
    EXPECT_TRUE(behind[0].x1 == 384 && behind[0].y1 == 294 && behind[0].x2 == 388 && behind[0].y2 == 298) << behind[0];
    EXPECT_TRUE(scene.Ellipses(SatelliteColour(2)).empty());

    const auto numbers = scene.port.view.Texts("1");
    ASSERT_EQ(numbers.size(), 1u);
    EXPECT_EQ(numbers[0].x1, 390);  // 386 + 2 + 2
    EXPECT_EQ(numbers[0].y1, 296);  // 306 - 10
    // The legend shows the hidden satellite in navy too.
    const auto legend = scene.port.legend.Texts("2");
    ASSERT_EQ(legend.size(), 1u);
    EXPECT_EQ(legend[0].font, Navy);
}

TEST(PolarView, SunMarkSideFollowsThePhaseAngle)
{
    struct Row {
        Extended phase;
        int sunX;  // 376 - nint(tan(phase) x 753 / 2)
    } rows[] = {{0.1L, 338}, {-0.1L, 414}, {0, 376}};
    for (const Row& r : rows) {
        PolarScene scene(Jupiter);
        scene.record.PhaseAngleSigned = r.phase;
        scene.Draw();
        const auto earth = scene.port.view.Texts("T");
        const auto sun = scene.port.view.Texts("S");
        ASSERT_EQ(earth.size(), 1u);
        ASSERT_EQ(sun.size(), 1u);
        EXPECT_EQ(earth[0].x1, 376);
        EXPECT_EQ(earth[0].y1, 583);
        EXPECT_EQ(earth[0].font, EarthBlue);
        EXPECT_EQ(sun[0].x1, r.sunX) << double(r.phase);
        EXPECT_EQ(sun[0].y1, 583);
        EXPECT_EQ(sun[0].font, SunYellow);
    }
    PolarScene saturn(Saturn);
    saturn.record.PhaseAngleSigned = 0.1L;
    saturn.Draw();
    EXPECT_TRUE(saturn.port.view.Texts("S").empty());
    EXPECT_TRUE(saturn.port.view.Texts("T").empty());
}

TEST(PolarView, DiscAtEveryFrameAndNoEraseInTraceMode)
{
    PolarScene scene(Uranus, 2);
    scene.record.PlanetApparentDiameter = {0, 3.7L, 3.5L};
    scene.settings.ShowTraces = true;
    scene.settings.ViewCleared = false;
    scene.Draw();
    scene.Draw();
    const auto discs = scene.Ellipses(PlanetColour(Uranus));
    ASSERT_EQ(discs.size(), 2u);
    // limited to 1"/px: 1.85 -> 2, 1.75 -> 2
    EXPECT_TRUE(discs[1].x1 == 374 && discs[1].y1 == 299 && discs[1].x2 == 378 && discs[1].y2 == 303) << discs[1];
    EXPECT_TRUE(scene.port.view.Of(DrawOp::Rectangle).empty());
    EXPECT_FALSE(scene.settings.ViewCleared) << "the polar view leaves the flag alone";

    scene.settings.ShowTraces = false;
    scene.Draw();
    ASSERT_EQ(scene.port.view.Of(DrawOp::Rectangle).size(), 1u);
    EXPECT_FALSE(scene.settings.ViewCleared);
}

// Saturn from above its pole: the equatorial view's ring bands as full circles, then the disc.
TEST(PolarView, SaturnRingsAsCircles)
{
    PolarScene scene(Saturn);
    scene.record.Rings = {60, 10, -1};
    scene.record.PlanetApparentDiameter = {0, 18, 16};
    scene.Draw();
    const Color bands[3] = {{160, 160, 160}, {200, 200, 200}, {51, 51, 51}};
    const int counts[3] = {24, 39, 22};
    for (int b = 0; b < 3; ++b) {
        const auto circles = scene.Ellipses(bands[b]);
        ASSERT_EQ(int(circles.size()), counts[b]) << "band " << b;
        for (const DrawOp& c : circles) {
            EXPECT_EQ(c.x2 - 376, 376 - c.x1);
            EXPECT_EQ(c.x2 - c.x1, c.y2 - c.y1) << "a circle";
            EXPECT_EQ(c.style, BrushStyle::Clear);
        }
    }
    // 60" x 1.0 / 3 / 2 = 10 px; 60 x 0.8575 / 6 = 8.575 -> 9; 60 x 0.555 / 6 = 5.55 -> 6
    EXPECT_EQ(scene.Ellipses(bands[0])[0].x1, 366);
    EXPECT_EQ(scene.Ellipses(bands[1])[0].x1, 367);
    EXPECT_EQ(scene.Ellipses(bands[2]).back().x1, 370);
    const auto& ops = scene.port.view.ops;
    int lastRing = -1, disc = -1;
    for (int i = 0; i < int(ops.size()); ++i) {
        if (ops[i].kind != DrawOp::Ellipse) continue;
        if (ops[i].pen == bands[2]) lastRing = i;
        if (ops[i].pen == PlanetColour(Saturn)) disc = i;
    }
    EXPECT_LT(lastRing, disc);
}

// Orientation and mirror do not turn the polar view.
TEST(PolarView, OrientationAndMirrorDoNotApply)
{
    for (Orientation orientation : {Orientation::North, Orientation::South, Orientation::PlanetSouth}) {
        PolarScene scene(Neptune);
        scene.settings.Orientation = orientation;
        scene.settings.MirrorView = orientation == Orientation::South;
        scene.record.SatPolarX[1] = -30;  // 1.5"/px would be zoom 2; here 3"/px: -10 px
        scene.record.SatPolarY[1] = 0;
        scene.Draw();
        const auto sats = scene.Ellipses(SatelliteColour(1));
        ASSERT_EQ(sats.size(), 1u);
        EXPECT_EQ(sats[0].x1, 364) << orientation;
    }
}

}  // namespace
}  // namespace vireon
