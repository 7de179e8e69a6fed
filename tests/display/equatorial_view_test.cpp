// The equatorial view drawn into a recording canvas: every expected primitive is computed
// here by hand (centre (376, 301) of the 753 x 603 view, 3/zoom arcseconds per pixel, pixel
// rounding to the nearest integer with ties to even).
#include <cmath>
#include <limits>
#include <optional>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "core/time_base.h"
#include "display/colours.h"
#include "display/views.h"
#include "fakes.h"
#include "satellites/theory.h"

namespace vireon {
namespace {

struct Scene {
    GlobalSettings settings;
    SatelliteRecord record;
    PlanetPlaces places;
    RecordingPort port;

    explicit Scene(PlanetId planet, int zoom = 1)
    {
        settings.CurrentPlanet = planet;
        settings.ZoomFactor = zoom;
        record.PlanetApparentDiameter = {0, 45, 42};
        // Every satellite far outside the view unless a test places it.
        for (int k = 1; k <= 8; ++k) Place(k, 5000, 5000, 1, 'P');
    }
    void Place(int k, Extended x, Extended y, Extended diameter, char side)
    {
        record.SatOffsetX[k] = x;
        record.SatOffsetY[k] = y;
        record.SatApparentDiameter[k] = diameter;
        record.SatFarSide[k] = side;
        record.SatShadowX[k] = 9000;
        record.SatShadowY[k] = 9000;
    }
    void Draw() { DrawEquatorialView(port, settings, record); }

    // Ellipses drawn with the given pen that reach into the view.
    std::vector<DrawOp> Ellipses(Color pen) const
    {
        std::vector<DrawOp> out;
        for (const DrawOp& op : port.view.Of(DrawOp::Ellipse))
            if (op.pen == pen && op.x2 >= 0 && op.x1 <= 753 && op.y2 >= 0 && op.y1 <= 603) out.push_back(op);
        return out;
    }
};

void ExpectBox(const DrawOp& op, int x1, int y1, int x2, int y2, const char* what)
{
    EXPECT_TRUE(op.x1 == x1 && op.y1 == y1 && op.x2 == x2 && op.y2 == y2)
        << what << ": want (" << x1 << "," << y1 << "," << x2 << "," << y2 << ") got " << op;
}

TEST(EquatorialView, DiscBoxPerPlanetAfterTiesToEvenRounding)
{
    struct Row {
        PlanetId planet;
        int zoom;
        Extended equatorial, polar;  // apparent diameters, arcsec
        int a, b;                    // half-axes in pixels, computed by hand
    } rows[] = {
        {Mars, 3, 5, 7, 2, 4},           // 1"/px: 2.5 -> 2, 3.5 -> 4
        {Jupiter, 1, 45, 42, 8, 7},      // 3"/px: 7.5 -> 8, 7 -> 7
        {Jupiter, 1, 15, 15, 2, 2},      // 2.5 -> 2
        {Saturn, 2, 18, 16.5, 6, 6},     // 1.5"/px: 6 -> 6, 5.5 -> 6
        {Uranus, 2, 3.7, 3.5, 2, 2},     // 1.5"/px limited to 1: 1.85 -> 2, 1.75 -> 2
        {Neptune, 1, 2.3, 2.26, 2, 2},   // 3"/px limited to 0.5: 2.3 -> 2, 2.26 -> 2
        {Pluto, 1, 0.11, 0.11, 3, 3},    // 0.02"/px: 2.75 -> 3
        {Pluto, 1000, 0.1, 0.1, 17, 17}, // 0.003"/px: 16.67 -> 17 (zoom beyond the limit)
    };
    for (const Row& r : rows) {
        Scene scene(r.planet, r.zoom);
        scene.record.PlanetApparentDiameter = {0, r.equatorial, r.polar};
        scene.record.Rings = {0, 0, 1};
        scene.Draw();
        const auto discs = scene.Ellipses(PlanetColour(r.planet));
        ASSERT_EQ(discs.size(), 1u) << int(r.planet);
        ExpectBox(discs[0], 376 - r.a, 301 - r.b, 376 + r.a, 301 + r.b, "disc");
        EXPECT_EQ(discs[0].brush, PlanetColour(r.planet));
        EXPECT_EQ(discs[0].style, BrushStyle::Solid);
    }
}

TEST(EquatorialView, ErasesFirstThenDrawsAndAsksForOneRepaint)
{
    Scene scene(Jupiter);
    scene.settings.ViewCleared = false;
    scene.Draw();
    const DrawOp& first = scene.port.view.ops.front();
    ASSERT_EQ(first.kind, DrawOp::Rectangle);
    ExpectBox(first, 0, 0, 753, 603, "erase");
    EXPECT_EQ(first.pen, GreyBorder);
    EXPECT_EQ(first.brush, Black);
    EXPECT_TRUE(scene.settings.ViewCleared);
    EXPECT_EQ(scene.port.viewChanged, 1);
}

// Jupiter at zoom 1 (3"/px): a satellite 30" east and 15" north.
TEST(EquatorialView, SatelliteBoxFollowsOrientationAndMirror)
{
    struct Row {
        Orientation orientation;
        bool mirror;
        int cx, cy;  // expected centre on the screen
    } rows[] = {
        {Orientation::North, false, 366, 296},  // north up: east to the left, north up
        {Orientation::North, true, 386, 296},   // star diagonal: east to the right
        {Orientation::South, false, 386, 306},  // south up: turned by half a turn
        {Orientation::South, true, 366, 306},
        {Orientation::PlanetSouth, false, 386, 306},  // planetary frames are drawn as they stand in the record
        {Orientation::PlanetNorth, false, 386, 306},
    };
    for (const Row& r : rows) {
        Scene scene(Jupiter);
        scene.settings.Orientation = r.orientation;
        scene.settings.MirrorView = r.mirror;
        scene.Place(1, 30, 15, 0.5, 'P');  // radius 0.08 px, raised to 2
        scene.Draw();
        const auto sats = scene.Ellipses(SatelliteColour(1));
        ASSERT_FALSE(sats.empty());
        ExpectBox(sats[0], r.cx - 2, r.cy - 2, r.cx + 2, r.cy + 2, "satellite 1");
        const auto numbers = scene.port.view.Texts("1");
        ASSERT_FALSE(numbers.empty());
        EXPECT_EQ(numbers[0].x1, r.cx + 4) << r.orientation;
        EXPECT_EQ(numbers[0].y1, r.cy - 12) << r.orientation;
    }
}

TEST(EquatorialView, SatelliteRadiusIsRealAndRoundsEachEdge)
{
    Scene scene(Jupiter);
    scene.Place(2, 30, 0, 15, 'P');  // centre x 366, radius 15/3/2 = 2.5 px
    scene.Draw();
    const auto sats = scene.Ellipses(SatelliteColour(2));
    ASSERT_FALSE(sats.empty());
    // 363.5 -> 364, 368.5 -> 368; 298.5 -> 298, 303.5 -> 304
    ExpectBox(sats[0], 364, 298, 368, 304, "satellite 2");
    const auto numbers = scene.port.view.Texts("2");
    ASSERT_FALSE(numbers.empty());
    EXPECT_EQ(numbers[0].x1, 370);  // 366 + 2 + 2.5 = 370.5 -> 370
}

// Two satellites on one spot, as at an occultation: the nearer (greater depth toward the Earth)
// is drawn last, over the other, whatever their numbers.
TEST(EquatorialView, TheNearerSatelliteCoversTheFarther)
{
    for (const Extended depthOfIo : {1.0e5L, -1.0e5L}) {
        Scene scene(Jupiter);
        scene.Place(1, 30, 0, 15, 'P');
        scene.Place(2, 30, 0, 15, 'P');
        scene.record.SatDepth[1] = depthOfIo;
        scene.record.SatDepth[2] = 0;
        scene.Draw();
        std::vector<Color> order;
        for (const DrawOp& op : scene.port.view.Of(DrawOp::Ellipse)) {
            if (op.x1 == 364 && (op.pen == SatelliteColour(1) || op.pen == SatelliteColour(2))) order.push_back(op.pen);
        }
        ASSERT_EQ(order.size(), 2u);
        EXPECT_EQ(order.back(), SatelliteColour(depthOfIo > 0 ? 1 : 2)) << "Io's depth " << static_cast<double>(depthOfIo);
    }
}

TEST(EquatorialView, ShadowOfASatelliteInFrontIsBlackAtItsOwnPlace)
{
    Scene scene(Jupiter);
    scene.Place(3, 30, 15, 0.5, 'P');
    scene.record.SatShadowX[3] = 12;  // 12" east, 3" south of the centre
    scene.record.SatShadowY[3] = -3;
    scene.record.SatPhenomena[3].ShadowTransit = true;
    scene.Draw();
    const auto black = scene.Ellipses(Black);
    ASSERT_EQ(black.size(), 1u);
    // north up: (376 - 4, 301 + 1)
    ExpectBox(black[0], 370, 300, 374, 304, "shadow");
    EXPECT_EQ(black[0].style, BrushStyle::Solid);
    const auto numbers = scene.port.view.Texts("3");
    ASSERT_EQ(numbers.size(), 2u);
    EXPECT_EQ(numbers[1].font, Black);
    EXPECT_EQ(numbers[1].x1, 376);
    EXPECT_EQ(numbers[1].y1, 290);
}

// Jupiter and Saturn draw a shadow exactly while its shadow transit holds, wherever its point
// stands (on the disc seen from the Earth, or behind the limb); the other planets draw none.
TEST(EquatorialView, ShadowDrawnExactlyWhileItsShadowTransitHolds)
{
    struct Row {
        PlanetId planet;
        Extended shadowX, shadowY;
        bool transit;
        bool drawn;
    } rows[] = {
        {Jupiter, 12, -3, true, true},    {Saturn, 12, -3, true, true},
        {Jupiter, 12, -3, false, false},  // on the disc's picture but on the far side of the globe
        {Saturn, 12, -3, false, false},
        {Jupiter, 0, 22.4L, true, true},  // at the limb
        {Mars, 12, -3, true, false},      {Uranus, 12, -3, true, false},
    };
    for (const Row& r : rows) {
        Scene scene(r.planet, 3);
        scene.record.Rings = {0, 0, 1};
        scene.Place(1, 30, 15, 0.5, 'P');
        scene.record.SatShadowX[1] = r.shadowX;
        scene.record.SatShadowY[1] = r.shadowY;
        scene.record.SatPhenomena[1].ShadowTransit = r.transit;
        scene.Draw();
        EXPECT_EQ(scene.Ellipses(Black).size(), r.drawn ? 1u : 0u)
            << int(r.planet) << " shadow transit " << r.transit << " at (" << double(r.shadowX) << ","
            << double(r.shadowY) << ")";
        EXPECT_EQ(scene.Ellipses(SatelliteColour(1)).size(), 1u);
    }
}

TEST(EquatorialView, HiddenSatelliteIsDrawnBlackOverTheDisc)
{
    Scene scene(Jupiter);
    scene.Place(4, 6, 3, 0.5, 'E');  // behind, 6.7" from the centre of a 45" disc
    scene.record.SatPhenomena[4].Occultation = true;
    scene.Draw();
    const auto& ops = scene.port.view.ops;
    int disc = -1, satellite = -1;
    for (int i = 0; i < int(ops.size()); ++i) {
        if (ops[i].kind != DrawOp::Ellipse) continue;
        if (ops[i].pen == PlanetColour(Jupiter)) disc = i;
        if (ops[i].pen == Black && ops[i].brush == Black) satellite = i;
    }
    ASSERT_GE(disc, 0);
    ASSERT_GE(satellite, 0);
    EXPECT_LT(disc, satellite);
    ExpectBox(ops[satellite], 372, 298, 376, 302, "hidden satellite");
    EXPECT_TRUE(scene.Ellipses(SatelliteColour(4)).empty());
}

// Jupiter and Saturn: black exactly while the occultation holds, navy while the eclipse holds
// (the occultation wins when both do). The other planets: black when behind the planet within
// half the equatorial diameter on the sky (46" here), never navy.
TEST(EquatorialView, HiddenAndEclipsedColours)
{
    struct Row {
        PlanetId planet;
        Extended y;  // the satellite at (0, y), behind the planet
        bool occultation, eclipse;
        Color want;
    } rows[] = {
        {Jupiter, 30, true, false, Black},        // off the disc's picture, yet the record says hidden
        {Jupiter, 5, false, false, SatelliteColour(1)},  // on the disc's picture, not hidden
        {Saturn, 5, true, false, Black},
        {Jupiter, 40, false, true, Navy},
        {Saturn, 40, false, true, Navy},
        {Jupiter, 20, true, true, Black},
        {Uranus, 22, false, false, Black},        // 22" < 23"
        {Uranus, 23.5L, false, false, SatelliteColour(1)},
        {Neptune, 40, true, true, SatelliteColour(1)},  // flags are not read for the others
        {Mars, 10, false, true, Black},
    };
    for (const Row& r : rows) {
        Scene scene(r.planet);
        scene.record.PlanetApparentDiameter = {0, 46, 43};
        scene.record.Rings = {0, 0, 1};
        scene.Place(1, 0, r.y, 0.5, 'E');
        scene.record.SatPhenomena[1].Occultation = r.occultation;
        scene.record.SatPhenomena[1].Eclipse = r.eclipse;
        scene.Draw();
        const auto drawn = scene.Ellipses(r.want);
        bool found = false;
        for (const DrawOp& op : drawn) found = found || (op.brush == r.want && op.x2 - op.x1 == 4);
        EXPECT_TRUE(found) << int(r.planet) << " y " << double(r.y) << " occultation " << r.occultation << " eclipse "
                           << r.eclipse << " want " << r.want;
    }
}

// The real theory drawn at instants around listed phenomena: Io's shadow starts at 20:32:52 on
// 2024-12-03 (vireon-ephem --events); Ganymede is eclipsed on 2016-01-01 from 14:14 to 17:40
// (published), then hidden from 19:07. Before the globe's geometry the view drew that eclipse
// from 15:58 to 20:44.
TEST(EquatorialView, RealPhenomenaAsTheViewDrawsThem)
{
    const struct {
        int year, month, day, hour, minute, second;
        int k;
        bool shadow;  // its shadow drawn on the disc
        Color colour;
    } rows[] = {
        {2024, 12, 3, 20, 31, 52, 1, false, SatelliteColour(1)},
        {2024, 12, 3, 20, 33, 52, 1, true, SatelliteColour(1)},
        {2016, 1, 1, 14, 0, 0, 3, false, SatelliteColour(3)},
        {2016, 1, 1, 14, 30, 0, 3, false, Navy},
        {2016, 1, 1, 17, 30, 0, 3, false, Navy},
        {2016, 1, 1, 18, 0, 0, 3, false, SatelliteColour(3)},
        {2016, 1, 1, 19, 30, 0, 3, false, Black},
    };
    for (const auto& r : rows) {
        Scene scene(Jupiter);
        const double jd = JulianDayFromCalendar(r.day, r.month, r.year, r.second, r.minute, r.hour);
        RunSatelliteTheory(Jupiter, {jd, r.year}, scene.places, scene.record);
        scene.Draw();
        // The satellite's number is written in black beside its shadow, and beside itself when hidden.
        std::size_t blackNumbers = 0;
        for (const DrawOp& op : scene.port.view.Texts(std::to_string(r.k))) blackNumbers += op.font == Black;
        EXPECT_EQ(blackNumbers, (r.shadow ? 1u : 0u) + (r.colour == Black ? 1u : 0u))
            << r.year << "-" << r.month << "-" << r.day << " " << r.hour << ":" << r.minute << ":" << r.second;
        bool drawn = false;
        for (const DrawOp& op : scene.Ellipses(r.colour)) drawn = drawn || op.x2 - op.x1 <= 5;
        EXPECT_TRUE(drawn) << "satellite " << r.k << " in " << r.colour << " at " << r.hour << ":" << r.minute;
    }
}

TEST(EquatorialView, NonFiniteValuesDrawNothingAndDoNotCrash)
{
    const Extended nan = std::numeric_limits<Extended>::quiet_NaN();
    const Extended inf = std::numeric_limits<Extended>::infinity();
    Scene scene(Jupiter);
    scene.settings.ShowAxis = true;
    scene.Place(1, nan, 10, 0.5, 'E');
    scene.Place(2, inf, -inf, 0.5, 'P');
    scene.record.SatShadowX[2] = nan;
    scene.Place(3, 30, 15, 0.5, 'P');
    scene.record.PlanetPolePA = nan;
    scene.Draw();
    EXPECT_TRUE(scene.Ellipses(SatelliteColour(1)).empty());
    EXPECT_TRUE(scene.Ellipses(SatelliteColour(2)).empty());
    EXPECT_EQ(scene.Ellipses(SatelliteColour(3)).size(), 1u);
    EXPECT_TRUE(scene.port.view.Texts("1").empty());

    Scene planet(Jupiter);
    planet.record.PlanetApparentDiameter = {0, nan, inf};
    planet.settings.ShowAxis = true;
    planet.Draw();
    EXPECT_TRUE(planet.Ellipses(PlanetColour(Jupiter)).empty());
}

TEST(EquatorialView, ScaleBarLengthAndLabel)
{
    struct Row {
        PlanetId planet;
        int zoom;
        int length;  // pixels
        const char* label;
    } rows[] = {
        {Jupiter, 1, 3, "10 \""},     // 10" at 3"/px = 3.33
        {Jupiter, 4, 13, "10 \""},    // at 0.75"/px = 13.33
        {Mars, 6, 20, "10 \""},       // at 0.5"/px
        {Neptune, 1, 20, "10 \""},    // disc scale limited to 0.5"/px
        {Uranus, 1, 10, "10 \""},     // limited to 1"/px
        {Pluto, 1, 50, "1 \""},       // 1" at 0.02"/px
    };
    for (const Row& r : rows) {
        Scene scene(r.planet, r.zoom);
        scene.Draw();
        const auto& ops = scene.port.view.ops;
        bool found = false;
        for (std::size_t i = 0; i + 1 < ops.size(); ++i) {
            if (ops[i].kind == DrawOp::MoveTo && ops[i].pen == ScaleRed && ops[i + 1].kind == DrawOp::LineTo) {
                found = true;
                EXPECT_EQ(ops[i].x1, 748);
                EXPECT_EQ(ops[i].y1, 598);
                EXPECT_EQ(ops[i + 1].x1, 748 - r.length) << int(r.planet) << " zoom " << r.zoom;
                EXPECT_EQ(ops[i + 1].y1, 598);
            }
        }
        EXPECT_TRUE(found);
        const auto label = scene.port.view.Texts(r.label);
        ASSERT_EQ(label.size(), 1u) << int(r.planet);
        EXPECT_EQ(label[0].x1, 728);
        EXPECT_EQ(label[0].y1, 583);
        EXPECT_EQ(label[0].font, ScaleRed);
    }
}

// Neptune at zoom 2: the disc at 0.5"/px, the satellites at 1.5"/px.
TEST(EquatorialView, SatellitesUseTheUnlimitedScale)
{
    Scene scene(Neptune, 2);
    scene.record.PlanetApparentDiameter = {0, 2.4, 2.4};
    scene.Place(1, 15, 0, 0.1, 'P');
    scene.Draw();
    const auto sats = scene.Ellipses(SatelliteColour(1));
    ASSERT_EQ(sats.size(), 1u);
    ExpectBox(sats[0], 364, 299, 368, 303, "Triton at 1.5\"/px");  // 376 - 10
    ExpectBox(scene.Ellipses(PlanetColour(Neptune))[0], 374, 299, 378, 303, "disc at 0.5\"/px");
}

TEST(EquatorialView, AxisFollowsThePoleAngleAndTheMirror)
{
    struct Row {
        Orientation orientation;
        bool mirror;
        int x1, y1, x2, y2;
    } rows[] = {
        // L = nint(45/3/2) + 7 = 15; sin 0.5 x 15 = 7.19 -> 7, cos 0.5 x 15 = 13.16 -> 13
        {Orientation::North, false, 369, 288, 383, 314},
        {Orientation::South, false, 369, 288, 383, 314},
        {Orientation::North, true, 383, 288, 369, 314},
        {Orientation::PlanetNorth, false, 376, 286, 376, 316},
        {Orientation::PlanetSouth, true, 376, 286, 376, 316},
    };
    for (const Row& r : rows) {
        Scene scene(Jupiter);
        scene.settings.ShowAxis = true;
        scene.settings.Orientation = r.orientation;
        scene.settings.MirrorView = r.mirror;
        scene.record.PlanetPolePA = 0.5L;
        scene.Draw();
        const auto& ops = scene.port.view.ops;
        bool found = false;
        for (std::size_t i = 0; i + 1 < ops.size(); ++i) {
            if (ops[i].kind != DrawOp::MoveTo || ops[i].pen != AxisGrey) continue;
            found = true;
            EXPECT_EQ(ops[i].x1, r.x1) << r.orientation << r.mirror;
            EXPECT_EQ(ops[i].y1, r.y1) << r.orientation << r.mirror;
            EXPECT_EQ(ops[i + 1].x1, r.x2) << r.orientation << r.mirror;
            EXPECT_EQ(ops[i + 1].y1, r.y2) << r.orientation << r.mirror;
        }
        EXPECT_TRUE(found);
    }
}

TEST(EquatorialView, FieldCircleUsesTheUnlimitedScale)
{
    for (bool traces : {false, true}) {
        Scene scene(Uranus, 1);
        scene.settings.ShowField = true;
        scene.settings.ShowTraces = traces;
        scene.Draw();
        const auto circles = scene.Ellipses(GreyBorder);
        ASSERT_EQ(circles.size(), 1u);
        // 15' = 900" at 3"/px: radius 150 px
        ExpectBox(circles[0], 226, 151, 526, 451, "field");
        EXPECT_EQ(circles[0].style, traces ? BrushStyle::Clear : BrushStyle::Solid);
    }
}

TEST(EquatorialView, TraceModeDrawsTheDiscOnceExceptSaturn)
{
    for (PlanetId planet : {Jupiter, Saturn}) {
        Scene scene(planet);
        scene.record.Rings = {40, 10, -1};
        scene.settings.ShowTraces = true;
        scene.settings.ViewCleared = true;
        scene.Draw();
        EXPECT_TRUE(scene.port.view.Of(DrawOp::Rectangle).empty()) << "no erase in trace mode";
        EXPECT_EQ(scene.Ellipses(PlanetColour(planet)).size(), 1u);
        scene.port.ClearDrawing();
        scene.Draw();
        EXPECT_EQ(scene.Ellipses(PlanetColour(planet)).size(), planet == Saturn ? 1u : 0u) << int(planet);
        EXPECT_EQ(scene.settings.ViewCleared, planet == Saturn);
    }
}

// The view turns the record's offsets into screen senses in place: after a north-up frame
// with the mirror, x has changed sign twice and y once.
TEST(EquatorialView, OffsetsAreTurnedInPlace)
{
    Scene scene(Jupiter);
    scene.settings.MirrorView = true;
    scene.Place(1, 30, 15, 0.5, 'P');
    scene.record.SatShadowX[1] = 4;
    scene.record.SatShadowY[1] = 2;
    scene.Draw();
    EXPECT_EQ(scene.record.SatOffsetX[1], 30);
    EXPECT_EQ(scene.record.SatOffsetY[1], -15);
    EXPECT_EQ(scene.record.SatShadowX[1], 4);
    EXPECT_EQ(scene.record.SatShadowY[1], -2);
}

// Saturn's rings: per side 24, 39 and 22 half-ellipses (outer, middle, inner), the back
// halves before the disc and the front halves after it; each is a move through 43 samples
// and a last line back to the next-to-last one.
TEST(EquatorialView, SaturnRingBandCounts)
{
    Scene scene(Saturn);
    scene.record.Rings = {40, 10, -1};
    scene.record.PlanetApparentDiameter = {0, 18, 16};
    scene.Draw();
    const Color bands[3] = {{160, 160, 160}, {200, 200, 200}, {51, 51, 51}};
    int moves[2][3] = {};
    int lines = 0, halves = 0;
    int side = 0;  // 0 before the disc, 1 after
    for (const DrawOp& op : scene.port.view.ops) {
        if (op.kind == DrawOp::Ellipse && op.pen == PlanetColour(Saturn)) side = 1;
        for (int b = 0; b < 3; ++b) {
            if (op.pen != bands[b]) continue;
            if (op.kind == DrawOp::MoveTo) {
                ++moves[side][b];
                ++halves;
            }
            if (op.kind == DrawOp::LineTo) ++lines;
        }
    }
    for (int s = 0; s < 2; ++s) {
        EXPECT_EQ(moves[s][0], 24) << "outer, side " << s;
        EXPECT_EQ(moves[s][1], 39) << "middle, side " << s;
        EXPECT_EQ(moves[s][2], 22) << "inner, side " << s;
    }
    EXPECT_EQ(lines, 43 * halves);
}

// Planetary south up (the ring's major axis horizontal), minor/major = 0.5, major axis 60"
// at 3"/px: the outer edge's semi-axes are 10 and 5 px.
TEST(EquatorialView, SaturnRingOutlineEndsAndSides)
{
    for (int ringSide : {-1, 1}) {
        Scene scene(Saturn);
        scene.settings.Orientation = Orientation::PlanetSouth;
        scene.record.Rings = {60, 30, static_cast<std::int8_t>(ringSide)};
        scene.Draw();
        std::vector<std::vector<Point>> halves;
        for (const DrawOp& op : scene.port.view.ops) {
            if (op.pen != Color{160, 160, 160}) continue;
            if (op.kind == DrawOp::MoveTo) halves.push_back({});
            halves.back().push_back({op.x1, op.y1});
        }
        ASSERT_EQ(halves.size(), 48u);
        const auto& back = halves[0];   // outer edge, drawn first
        const auto& front = halves[24];
        // i = -75 lies on the major axis: left end for side -1, right end for side +1.
        EXPECT_EQ(back.front(), (Point{376 - 10 * -ringSide, 301}));
        EXPECT_EQ(front.front(), back.front());
        // The last line returns to i = 74.
        EXPECT_EQ(front.back(), front[front.size() - 3]);
        auto span = [](const std::vector<Point>& half) {
            std::pair<int, int> ys{1000, -1000};
            for (const Point& p : half) ys = {std::min(ys.first, p.Y), std::max(ys.second, p.Y)};
            return ys;
        };
        // Side -1: the front half hangs below the centre by the minor semi-axis (5 px) and the
        // back half rises above it; side +1 turns the picture over.
        const std::pair<int, int> below{301, 306}, above{296, 301};
        EXPECT_EQ(span(front), ringSide == -1 ? below : above);
        EXPECT_EQ(span(back), ringSide == -1 ? above : below);
    }
}

TEST(EquatorialView, LegendColoursAndPlaces)
{
    Scene scene(Saturn);
    scene.record.Rings = {40, 10, -1};
    scene.record.PlanetApparentDiameter = {0, 18, 16};
    scene.Place(5, 2, 1, 0.5, 'E');
    scene.record.SatPhenomena[5].Occultation = true;  // hidden: navy in the legend
    scene.Draw();
    const auto& legend = scene.port.legend;
    ASSERT_FALSE(legend.ops.empty());
    ExpectBox(legend.ops.front(), 0, 0, 753, 36, "legend background");
    struct Row {
        int k, x, y;
        const char* name;
    } rows[] = {
        {1, 7, 5, "Mimas"}, {2, 7, 20, "Encelade"}, {3, 187, 5, "Téthys"}, {4, 187, 20, "Dioné"},
        {5, 367, 5, "Rhéa"}, {6, 367, 20, "Titan"}, {7, 547, 5, "Hypérion"}, {8, 547, 20, "Japet"},
    };
    for (const Row& r : rows) {
        const auto number = legend.Texts(std::to_string(r.k));
        ASSERT_EQ(number.size(), 1u);
        EXPECT_EQ(number[0].x1, r.x);
        EXPECT_EQ(number[0].y1, r.y);
        EXPECT_EQ(number[0].font, r.k == 5 ? Navy : SatelliteColour(r.k)) << r.k;
        const auto name = legend.Texts(r.name);
        ASSERT_EQ(name.size(), 1u) << r.name;
        EXPECT_EQ(name[0].x1, r.x + 10);
        EXPECT_EQ(name[0].style, BrushStyle::Clear);
    }
}

TEST(EquatorialView, LegendShowsDotsWhenNumbersAreOff)
{
    Scene scene(Jupiter);
    scene.settings.ShowNumbers = false;
    scene.Draw();
    const auto dots = scene.port.legend.Of(DrawOp::Ellipse);
    ASSERT_EQ(dots.size(), 4u);
    ExpectBox(dots[0], 8, 10, 12, 14, "Io");
    ExpectBox(dots[3], 188, 25, 192, 29, "Callisto");
    EXPECT_EQ(dots[3].brush, SatelliteColour(4));
    EXPECT_TRUE(scene.port.view.Texts("1").empty());
    EXPECT_TRUE(scene.port.legend.Texts("1").empty());
}

// The corner: the central meridians (one decimal; a value that rounds to 360.0 reads 0.0), then
// the site's altitudes (one decimal, a hyphen-minus below zero), at (5, 5) and every 15 pixels
// lower, in grey, whatever the orientation and the mirror. No meridians for a planet without them
// or with the setting off, the altitudes whenever there is a site; with traces on, over a corner
// first cleared in black, as tall as its lines.
TEST(EquatorialView, CornerTextsInTheTopLeftCorner)
{
    const SiteAltitudes site{35.24L, 123, -14.349L};
    const struct Row {
        PlanetId planet;
        bool show, traces, mirror;
        Orientation orientation;
        std::optional<SiteAltitudes> horizon;
        std::vector<std::string> want;
    } rows[] = {
        {Jupiter, true, false, false, Orientation::North, {}, {"MC I : 123.4°", "MC II : 234.5°"}},
        {Jupiter, true, true, true, Orientation::PlanetSouth, {}, {"MC I : 123.4°", "MC II : 234.5°"}},
        {Saturn, true, false, true, Orientation::South, {}, {"MC III : 0.0°"}},
        {Mars, true, false, false, Orientation::PlanetNorth, {}, {"MC : 0.0°"}},
        {Jupiter, false, false, false, Orientation::North, {}, {}},
        {Uranus, true, true, false, Orientation::North, {}, {}},
        {Jupiter, true, true, false, Orientation::North, site,
         {"MC I : 123.4°", "MC II : 234.5°", "Hauteur : 35.2°", "Soleil : -14.3°"}},
        {Jupiter, false, true, false, Orientation::North, site, {"Hauteur : 35.2°", "Soleil : -14.3°"}},
        {Neptune, true, false, true, Orientation::South, SiteAltitudes{-0.04L, 0, 89.96L}, {"Hauteur : 0.0°", "Soleil : 90.0°"}},
        {Pluto, true, true, false, Orientation::North, SiteAltitudes{-89.96L, 0, -5.5L}, {"Hauteur : -90.0°", "Soleil : -5.5°"}},
    };
    for (const Row& r : rows) {
        Scene scene(r.planet);
        scene.record.Rings = {40, 10, 1};
        scene.record.Meridians = {359.96L, 123.44L, 234.46L, 3.5L};
        scene.record.Horizon = r.horizon;
        scene.settings = {.CurrentPlanet = r.planet, .Orientation = r.orientation, .MirrorView = r.mirror,
                          .ShowTraces = r.traces, .ShowCentralMeridian = r.show};
        scene.Draw();
        std::vector<std::string> texts;
        int clearedHeight = 0;
        for (const DrawOp& op : scene.port.view.ops) {
            if (op.kind == DrawOp::Rectangle && op.x1 == 1 && op.y1 == 1 && op.x2 == 110 && op.brush == Black) clearedHeight = op.y2;
            if (op.kind != DrawOp::Text || op.font != AxisGrey) continue;
            EXPECT_TRUE(op.x1 == 5 && op.y1 == 5 + 15 * int(texts.size())) << op;
            texts.push_back(op.text);
        }
        EXPECT_EQ(texts, r.want) << int(r.planet) << " " << r.orientation;
        EXPECT_EQ(clearedHeight, r.traces && !r.want.empty() ? 7 + 15 * int(r.want.size()) : 0) << int(r.planet);
    }
}

}  // namespace
}  // namespace vireon
