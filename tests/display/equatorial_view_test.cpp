// The equatorial view drawn into a recording canvas: every expected primitive is computed
// here by hand (centre (376, 301) of the 753 x 603 view, 3/zoom arcseconds per pixel, pixel
// rounding to the nearest integer with ties to even).
#include <cmath>
#include <limits>

#include <gtest/gtest.h>

#include "display/colours.h"
#include "display/views.h"
#include "fakes.h"

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
    void Draw() { DrawEquatorialView(port, settings, record, places); }

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

TEST(EquatorialView, ShadowOfASatelliteInFrontIsBlackAtItsOwnPlace)
{
    Scene scene(Jupiter);
    scene.Place(3, 30, 15, 0.5, 'P');
    scene.record.SatShadowX[3] = 12;  // 12" east, 3" south of the centre
    scene.record.SatShadowY[3] = -3;
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

// A shadow is drawn for Jupiter and Saturn, for a satellite in front, where it falls on the
// disc (45" wide; Jupiter's sky distances take its flattening 1.071374).
TEST(EquatorialView, ShadowsOnlyWhereTheyFallOnTheDisc)
{
    struct Row {
        PlanetId planet;
        char side;
        Extended shadowX, shadowY;
        bool drawn;
    } rows[] = {
        {Jupiter, 'P', 12, -3, true},   {Saturn, 'P', 12, -3, true},
        {Mars, 'P', 12, -3, false},     {Uranus, 'P', 12, -3, false},
        {Jupiter, 'E', 12, -3, false},  {Saturn, 'E', 12, -3, false},
        {Jupiter, 'P', 0, 20.5L, true},  // 21.96" from the centre
        {Jupiter, 'P', 0, 21.5L, false}, // 23.03": beyond the limb
        {Saturn, 'P', 0, 21.5L, true},
        {Jupiter, 'P', 31, 15, false},   // beside the satellite in empty sky
    };
    for (const Row& r : rows) {
        Scene scene(r.planet, 3);
        scene.record.Rings = {0, 0, 1};
        scene.Place(1, 30, 15, 0.5, r.side);
        scene.record.SatPolarY[1] = 1;  // no eclipse
        scene.record.SatShadowX[1] = r.shadowX;
        scene.record.SatShadowY[1] = r.shadowY;
        scene.Draw();
        EXPECT_EQ(scene.Ellipses(Black).size(), r.drawn ? 1u : 0u)
            << int(r.planet) << r.side << " shadow (" << double(r.shadowX) << "," << double(r.shadowY) << ")";
        EXPECT_EQ(scene.Ellipses(SatelliteColour(1)).size(), 1u);
    }
}

TEST(EquatorialView, HiddenSatelliteIsDrawnBlackOverTheDisc)
{
    Scene scene(Jupiter);
    scene.Place(4, 6, 3, 0.5, 'E');  // behind, 6.7" from the centre of a 45" disc
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

// The hidden test uses the sky distance hypot(X, f Y) with Jupiter's flattening.
TEST(EquatorialView, HiddenTestUsesJupitersFlattening)
{
    struct Row {
        PlanetId planet;
        Extended y;
        bool hidden;
    } rows[] = {
        {Jupiter, 22, false},  // 1.071374 x 22 = 23.57" > 23"
        {Saturn, 22, true},    // 22" < 23"
        {Jupiter, 21, true},   // 22.50" < 23"
    };
    for (const Row& r : rows) {
        Scene scene(r.planet);
        scene.record.PlanetApparentDiameter = {0, 46, 43};
        scene.record.Rings = {0, 0, 1};
        scene.Place(1, 0, r.y, 0.5, 'E');
        scene.record.SatDistance[1] = 0;  // not what the test reads
        scene.record.SatPolarY[1] = 1;
        scene.Draw();
        EXPECT_EQ(scene.Ellipses(SatelliteColour(1)).empty(), r.hidden) << int(r.planet) << " y " << double(r.y);
    }
}

// Eclipse: behind the planet, outside the disc, and the angle -atan(X/Y) of the polar pair
// between 0 and the signed phase angle. Only the Jupiter and Saturn polar pairs mean that.
TEST(EquatorialView, EclipsedSatelliteIsNavyForJupiterAndSaturnOnly)
{
    struct Row {
        PlanetId planet;
        Extended polarX, polarY, phase;
        bool navy;
    } rows[] = {
        {Jupiter, -1, 10, 0.2, true},    // t = +0.0997 in (0, 0.2)
        {Jupiter, -1, 10, -0.2, false},
        {Jupiter, 1, 10, -0.2, true},    // t = -0.0997 in (-0.2, 0)
        {Jupiter, -5, 10, 0.2, false},   // t = 0.46 beyond the phase angle
        {Saturn, -1, 10, 0.2, true},
        {Uranus, -1, 10, 0.2, false},
        {Neptune, -1, 10, 0.2, false},
        {Jupiter, -1, 0, 0.2, false},    // straight across: t = +pi/2, no division by zero
    };
    for (const Row& r : rows) {
        Scene scene(r.planet, r.planet == Jupiter || r.planet == Saturn ? 1 : 3);
        scene.record.Rings = {0, 0, 1};
        scene.Place(1, 60, 0, 0.5, 'E');
        scene.record.SatPolarX[1] = r.polarX;
        scene.record.SatPolarY[1] = r.polarY;
        scene.record.PhaseAngleSigned = r.phase;
        scene.Draw();
        EXPECT_EQ(scene.Ellipses(Navy).size(), r.navy ? 1u : 0u)
            << int(r.planet) << " polar (" << double(r.polarX) << "," << double(r.polarY) << ") phase " << double(r.phase);
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
    scene.Place(5, 2, 1, 0.5, 'E');  // hidden by the disc: navy in the legend
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

}  // namespace
}  // namespace vireon
