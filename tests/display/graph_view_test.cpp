// The monthly graph, first with a scripted theory whose positions are known in advance, then
// with Jupiter's theory through the driver.
#include <cmath>
#include <limits>

#include <gtest/gtest.h>

#include "app/driver.h"
#include "display/colours.h"
#include "display/display.h"
#include "display/views.h"
#include "fakes.h"

namespace vireon {
namespace {

const CalendarFields MidApril{17, 4, 2023, 8, 30, 15, 123};

struct GraphScene {
    GlobalSettings settings;
    SatelliteRecord record;
    PlanetPlaces places;
    RecordingPort port;
    std::vector<CalendarFields> runs;

    explicit GraphScene(PlanetId planet)
    {
        settings.CurrentPlanet = planet;
        settings.ViewMode = ViewMode::Graph;
        settings.Current = MidApril;
        settings.CurrentJD = JulianDayFromCalendar(MidApril);
        settings.CurrentDateTime = DateTimeFromCalendar(MidApril);
        record.PlanetApparentDiameter = {0, 45, 42};
    }

    // Satellite 1: 30" east; 2: 20" west and 10" north; 3: drifting east from 0 to 1500";
    // 4: no position at all.
    void Theory(PlanetId)
    {
        settings.CurrentJD = JulianDayFromCalendar(settings.Current);
        const int step = static_cast<int>(runs.size());
        runs.push_back(settings.Current);
        record.SatOffsetX[1] = 30;
        record.SatOffsetY[1] = 0;
        record.SatOffsetX[2] = -20;
        record.SatOffsetY[2] = 10;
        record.SatOffsetX[3] = 1500.0L * step / 310;
        record.SatOffsetY[3] = 0;
        record.SatOffsetX[4] = std::numeric_limits<Extended>::quiet_NaN();
        record.SatOffsetY[4] = 0;
        for (int k = 1; k <= 8; ++k) record.SatFarSide[k] = 'P';
    }
    void Draw()
    {
        DrawGraphView(port, settings, record, places, [this](PlanetId p) { Theory(p); });
    }
    // The points of satellite k's curve, in drawing order.
    std::vector<DrawOp> Curve(int k) const
    {
        std::vector<DrawOp> out;
        for (const DrawOp& op : port.view.ops)
            if ((op.kind == DrawOp::MoveTo || op.kind == DrawOp::LineTo) && op.pen == SatelliteColour(k))
                out.push_back(op);
        return out;
    }
};

TEST(GraphView, RunsTheTheoryEveryTenthOfADayFromTheFirstOfTheMonth)
{
    GraphScene scene(Jupiter);
    scene.Draw();
    ASSERT_EQ(scene.runs.size(), 311u);
    EXPECT_EQ(scene.runs[0], (CalendarFields{1, 4, 2023, 0, 0, 0, 0}));
    EXPECT_EQ(scene.runs[1], (CalendarFields{1, 4, 2023, 2, 24, 0, 0}));
    EXPECT_EQ(scene.runs[10], (CalendarFields{2, 4, 2023, 0, 0, 0, 0}));
    // A 30-day month: the curves run on past 1 May 00:00 to 2 May 00:00 (31 days).
    EXPECT_EQ(scene.runs[300], (CalendarFields{1, 5, 2023, 0, 0, 0, 0}));
    EXPECT_EQ(scene.runs[310], (CalendarFields{2, 5, 2023, 0, 0, 0, 0}));
}

TEST(GraphView, RestoresTheInstantExactly)
{
    GraphScene scene(Jupiter);
    const double dateTime = scene.settings.CurrentDateTime;
    const Extended jd = scene.settings.CurrentJD;
    scene.Draw();
    EXPECT_EQ(scene.settings.Current, MidApril);
    EXPECT_EQ(scene.settings.CurrentJD, jd);
    EXPECT_EQ(scene.settings.CurrentDateTime, dateTime);
}

TEST(GraphView, ThirtyOneNumberedRowsAndTheGrid)
{
    GraphScene scene(Jupiter);
    scene.Draw();
    for (int d = 1; d <= 31; ++d) {
        const auto numbers = scene.port.view.Texts(std::to_string(d));
        // the legend's numbers are on the other canvas
        ASSERT_EQ(numbers.size(), 2u) << d;
        EXPECT_EQ(numbers[0].x1, 6);
        EXPECT_EQ(numbers[1].x1, 737);
        EXPECT_EQ(numbers[0].y1, 18 * d);
        EXPECT_EQ(numbers[0].font, GreyBorder);
    }
    int rows = 0;
    for (const DrawOp& op : scene.port.view.Of(DrawOp::LineTo))
        if (op.pen == GreyBorder && op.x1 == 733) ++rows;
    EXPECT_EQ(rows, 32);
    // The planet's edges: nint(45 / 2 / 3) = 8 px either side.
    int edges = 0;
    const auto& ops = scene.port.view.ops;
    for (std::size_t i = 0; i + 1 < ops.size(); ++i)
        if (ops[i].kind == DrawOp::MoveTo && ops[i].y1 == 24 && ops[i + 1].y1 == 583 &&
            (ops[i].x1 == 368 || ops[i].x1 == 384) && ops[i + 1].x1 == ops[i].x1)
            ++edges;
    EXPECT_EQ(edges, 2);
}

TEST(GraphView, CurvePointsAtTheirComputedPixels)
{
    struct Row {
        PlanetId planet;
        Orientation orientation;
        bool mirror;
        int x1, x2;  // satellites 1 and 2
    } rows[] = {
        // 30" east, north up: 376 - 10 - 1; 20" west 10" north: d = -22.689", then turned: 376 + 7.56 - 1
        {Jupiter, Orientation::North, false, 365, 383},
        {Jupiter, Orientation::North, true, 385, 367},
        {Jupiter, Orientation::South, false, 385, 367},
        {Jupiter, Orientation::PlanetNorth, false, 385, 367},
        // Mars widens the distances 25 times: 376 - 250 - 1; 376 + 189.07 - 1
        {Mars, Orientation::North, false, 125, 564},
    };
    for (const Row& r : rows) {
        GraphScene scene(r.planet);
        scene.settings.Orientation = r.orientation;
        scene.settings.MirrorView = r.mirror;
        scene.Draw();
        const auto one = scene.Curve(1);
        const auto two = scene.Curve(2);
        ASSERT_EQ(one.size(), 2u * 311);
        // The first step is a single point.
        EXPECT_EQ(one[0].x1, r.x1);
        EXPECT_EQ(one[0].y1, 24);
        EXPECT_EQ(one[1].kind, DrawOp::LineTo);
        EXPECT_EQ(one[1].x1, r.x1);
        EXPECT_EQ(one[1].y1, 24);
        // Step 2 at 24 + 1.8 = 25.8 -> 26, the last (311) at 24 + 558.
        EXPECT_EQ(one[3].y1, 26);
        EXPECT_EQ(one.back().y1, 582);
        EXPECT_EQ(one.back().x1, r.x1);
        EXPECT_EQ(two[0].x1, r.x2) << int(r.planet) << r.orientation << r.mirror;
    }
}

TEST(GraphView, CurvesAreClippedToTheGridAndMissingPositionsSkipped)
{
    GraphScene scene(Jupiter);
    scene.Draw();
    const auto drifting = scene.Curve(3);
    ASSERT_FALSE(drifting.empty());
    bool reachesEdge = false;
    for (const DrawOp& op : drifting) {
        EXPECT_GE(op.x1, 20) << op;
        EXPECT_LE(op.x1, 733) << op;
        if (op.x1 == 20) reachesEdge = true;
    }
    EXPECT_TRUE(reachesEdge);
    EXPECT_LT(drifting.size(), 2u * 311);
    EXPECT_TRUE(scene.Curve(4).empty());
}

TEST(GraphView, DirectionsAndTheWestLabel)
{
    struct Row {
        Orientation orientation;
        bool mirror;
        const char *top, *bottom, *westLabel;
    } rows[] = {
        {Orientation::North, false, "Nord", "Sud", "Ouest"}, {Orientation::South, false, "Sud", "Nord", "Est"},
        {Orientation::North, true, "Nord", "Sud", "Est"},    {Orientation::South, true, "Sud", "Nord", "Ouest"},
        {Orientation::PlanetNorth, false, nullptr, nullptr, "Ouest"}, {Orientation::PlanetSouth, false, nullptr, nullptr, "Est"},
        {Orientation::PlanetSouth, true, nullptr, nullptr, "Ouest"},
    };
    for (const Row& r : rows) {
        GraphScene scene(Jupiter);
        scene.settings.Orientation = r.orientation;
        scene.settings.MirrorView = r.mirror;
        scene.Draw();
        EXPECT_EQ(scene.port.texts["labEO"], r.westLabel) << r.orientation << r.mirror;
        EXPECT_TRUE(scene.port.visible["labEO"]);
        const auto nord = scene.port.view.Texts("Nord");
        const auto sud = scene.port.view.Texts("Sud");
        if (!r.top) {
            EXPECT_TRUE(nord.empty() && sud.empty()) << r.orientation;
            continue;
        }
        const auto& top = std::string(r.top) == "Nord" ? nord : sud;
        const auto& bottom = std::string(r.top) == "Nord" ? sud : nord;
        ASSERT_EQ(top.size(), 2u);
        ASSERT_EQ(bottom.size(), 2u);
        EXPECT_EQ(top[0].y1, 5);
        EXPECT_EQ(top[0].x1, 365);
        EXPECT_EQ(top[1].x1, 364);
        EXPECT_EQ(bottom[0].y1, 585);
        EXPECT_EQ(top[0].font, DirectionMagenta);
    }
}

TEST(GraphView, PanelStatusBarAndIncrement)
{
    GraphScene scene(Jupiter);
    scene.settings.IncrementUnitIndex = 4;
    scene.settings.IncrementDays = 1.0L / 24;
    scene.port.texts["labPla"] = "JUPITER";
    scene.port.visible["pSep2"] = true;
    scene.Draw();
    EXPECT_EQ(scene.port.texts["panNS"], "JUPITER");
    EXPECT_TRUE(scene.port.checked["miJupiter"]);
    EXPECT_EQ(scene.port.texts["labPla"], "");
    EXPECT_FALSE(scene.port.visible["pSep2"]);
    EXPECT_EQ(scene.port.status[0], "");
    EXPECT_EQ(scene.port.status[2], "Incrément : 1 mois");
    EXPECT_EQ(scene.port.status[4], "01/04/2023  00:00:00");
    EXPECT_EQ(scene.settings.IncrementUnitIndex, 1);
    EXPECT_EQ(scene.settings.IncrementDays, 30.0L);
    EXPECT_EQ(scene.port.viewChanged, 1);
}

// Through the driver with Jupiter's theory: the program's own instant is untouched, and the
// first point of Io's curve is where the theory puts Io on the 1st of the month at 00:00.
TEST(GraphView, JupiterThroughTheDriver)
{
    ResetToStartupValues(Settings);
    RecordingPort port;
    SetDisplayPort(&port);
    Settings.ViewMode = ViewMode::Graph;
    Settings.Current = MidApril;
    Settings.CurrentJD = JulianDayFromCalendar(MidApril);
    Settings.CurrentDateTime = DateTimeFromCalendar(MidApril);
    const double dateTime = Settings.CurrentDateTime;
    RecomputeAndDraw(Jupiter);
    EXPECT_EQ(Settings.Current, MidApril);
    EXPECT_EQ(Settings.CurrentDateTime, dateTime);
    EXPECT_EQ(Settings.CurrentJD, JulianDayFromCalendar(MidApril));
    EXPECT_EQ(port.status[4], "01/04/2023  00:00:00");

    std::vector<DrawOp> io;
    for (const DrawOp& op : port.view.ops)
        if (op.kind == DrawOp::MoveTo && op.pen == SatelliteColour(1)) io.push_back(op);
    ASSERT_EQ(io.size(), 311u);

    Settings.Current = {1, 4, 2023, 0, 0, 0, 0};
    RunTheoryForCurrentInstant(Jupiter);
    const Extended x = Record.SatOffsetX[1];
    const Extended y = 1.071374L * Record.SatOffsetY[1];
    const Extended d = (x < 0 ? -1 : 1) * std::sqrt(x * x + y * y);
    const int want = static_cast<int>(std::nearbyint(376 - d / 3 - 1));
    EXPECT_EQ(io[0].x1, want) << "Io offset " << double(x) << "\"";
    // Io stays within about 2.2' of Jupiter: the curve swings inside the grid.
    for (const DrawOp& op : io) EXPECT_NEAR(op.x1, 375, 60) << op;

    SetDisplayPort(nullptr);
    ResetToStartupValues(Settings);
}

}  // namespace
}  // namespace vireon
