// The view options and the animation frames, through the program's settings and a recording
// port installed as the window's port (the view switches and the frames end in the driver).
#include <gtest/gtest.h>

#include "app/driver.h"
#include "app/view_commands.h"
#include "display/colours.h"
#include "display/view_options.h"
#include "fakes.h"

namespace vireon {
namespace {

class ViewOptions : public ::testing::Test {
protected:
    void SetUp() override
    {
        ResetToStartupValues(Settings);
        SetDisplayPort(&port);
    }
    void TearDown() override
    {
        SetDisplayPort(nullptr);
        ResetToStartupValues(Settings);
    }
    bool Erased() const
    {
        for (const DrawOp& op : port.view.Of(DrawOp::Rectangle))
            if (op.x1 == 0 && op.y1 == 0 && op.x2 == 753 && op.y2 == 603 && op.brush == Black) return true;
        return false;
    }
    RecordingPort port;
};

TEST_F(ViewOptions, OrientationCaptionsAndChecks)
{
    struct Row {
        Orientation orientation;
        const char* caption;
        const char* item;  // the checked pair shares this stem
    } rows[] = {
        {Orientation::North, "Pôle nord céleste", "miNordenhaut"},
        {Orientation::South, "Pôle sud céleste", "miSudenhaut"},
        {Orientation::PlanetNorth, "Pôle nord planétaire", "miPoleN"},
        {Orientation::PlanetSouth, "Pôle sud planétaire", "miPoleS"},
    };
    for (const Row& r : rows) {
        port.ClearDrawing();
        Settings.ViewCleared = false;
        SetOrientation(port, Settings, r.orientation);
        EXPECT_EQ(Settings.Orientation, r.orientation);
        EXPECT_EQ(port.texts["panNS"], r.caption);
        for (const Row& other : rows) {
            for (const char* suffix : {"1", "2"}) {
                const std::string item = std::string(other.item) + suffix;
                EXPECT_EQ(port.checked[item], &other == &r) << r.orientation << " " << item;
            }
        }
        EXPECT_TRUE(Erased());
        EXPECT_TRUE(Settings.ViewCleared);
    }
}

TEST_F(ViewOptions, MirrorFromTheMenuResetsToNorthTheKeyKeepsTheOrientation)
{
    Settings.Orientation = Orientation::PlanetNorth;
    ToggleMirror(port, Settings);
    EXPECT_EQ(Settings.Orientation, Orientation::North);
    EXPECT_TRUE(Settings.MirrorView);
    EXPECT_EQ(port.texts["panNS"], "Pôle nord céleste");
    EXPECT_TRUE(port.checked["miInversionRC1"] && port.checked["miInversionRC2"]);
    EXPECT_TRUE(Erased());

    Settings.Orientation = Orientation::PlanetSouth;
    FlipMirrorKeepingOrientation(port, Settings);
    EXPECT_EQ(Settings.Orientation, Orientation::PlanetSouth);
    EXPECT_FALSE(Settings.MirrorView);
    EXPECT_FALSE(port.checked["miInversionRC1"] || port.checked["miInversionRC2"]);
    EXPECT_EQ(port.status[3], "");
    FlipMirrorKeepingOrientation(port, Settings);
    EXPECT_TRUE(Settings.MirrorView);
    EXPECT_EQ(port.status[3], "Renvoi coudé");
    EXPECT_TRUE(port.checked["miInversionRC1"] && port.checked["miInversionRC2"]);
}

TEST_F(ViewOptions, TracesAndNumbers)
{
    Settings.ViewCleared = false;
    ToggleTraces(port, Settings);
    EXPECT_TRUE(Settings.ShowTraces);
    EXPECT_TRUE(Settings.ViewCleared);
    EXPECT_TRUE(port.checked["miTraces1"] && port.checked["miTraces2"] && port.checked["sbTraces"]);
    Settings.ViewCleared = false;
    ToggleTraces(port, Settings);
    EXPECT_FALSE(Settings.ShowTraces);
    EXPECT_TRUE(Settings.ViewCleared);
    EXPECT_FALSE(port.checked["miTraces1"] || port.checked["miTraces2"] || port.checked["sbTraces"]);

    ToggleNumbers(port, Settings);
    EXPECT_FALSE(Settings.ShowNumbers);
    EXPECT_FALSE(port.checked["miAffichagenumeros1"] || port.checked["miAffichagenumeros2"]);
    ToggleNumbers(port, Settings);
    EXPECT_TRUE(port.checked["miAffichagenumeros1"] && port.checked["miAffichagenumeros2"]);
}

TEST_F(ViewOptions, EnablingTableOfTheThreeViews)
{
    struct Row {
        const char* control;
        bool equatorial, polar, graph;
    } rows[] = {
        {"miNordenhaut1", true, false, true}, {"miSudenhaut1", true, false, true},
        {"miNordenhaut2", true, false, true}, {"miSudenhaut2", true, false, true},
        {"miPoleN1", true, false, false},     {"miPoleN2", true, false, false},
        {"miPoleS1", true, false, false},     {"miPoleS2", true, false, false},
        {"miInversionRC1", true, false, true}, {"miInversionRC2", true, false, true},
        {"sbAnimR", true, true, false},       {"sbAnimA", true, true, false},
        {"sbStop", true, true, false},        {"sbAffChamp", true, false, false},
        {"sbChgChamp", true, false, false},   {"sbRegle", true, true, false},
        {"eIncr", true, true, false},         {"rgIncr", true, true, false},
        {"rgDelai", true, true, false},
    };
    struct View {
        void (*set)(DisplayPort&, GlobalSettings&);
        ViewMode mode;
        const char* checkedStem;
        const char* button;
    } views[] = {
        {SetPolarView, ViewMode::Polar, "miPolaire", "sbPol"},
        {SetGraphView, ViewMode::Graph, "miGraphique", "sbGraph"},
        {SetEquatorialView, ViewMode::Equatorial, "miEquatoriale", "sbEqu"},
    };
    for (const View& v : views) {
        port.enabled.clear();
        v.set(port, Settings);
        EXPECT_EQ(Settings.ViewMode, v.mode);
        for (const Row& r : rows) {
            const bool want = v.mode == ViewMode::Equatorial ? r.equatorial
                              : v.mode == ViewMode::Polar    ? r.polar
                                                             : r.graph;
            ASSERT_TRUE(port.enabled.count(r.control)) << r.control;
            EXPECT_EQ(port.enabled[r.control], want) << v.mode << " " << r.control;
        }
        for (const View& other : views) {
            EXPECT_EQ(port.checked[std::string(other.checkedStem) + "1"], &other == &v) << v.mode;
            EXPECT_EQ(port.checked[std::string(other.checkedStem) + "2"], &other == &v) << v.mode;
            EXPECT_EQ(port.checked[other.button], &other == &v) << v.mode;
        }
    }
}

TEST_F(ViewOptions, ViewSwitchCaptionsAndTheWestLabel)
{
    Settings.Orientation = Orientation::South;
    SetPolarView(port, Settings);
    EXPECT_EQ(port.texts["panNS"], "Vue polaire nord");
    EXPECT_FALSE(port.visible["labEO"]);
    EXPECT_EQ(port.texts["labEO"], "");

    SetGraphView(port, Settings);
    EXPECT_EQ(port.texts["panNS"], "JUPITER");
    EXPECT_TRUE(port.visible["labEO"]);
    EXPECT_EQ(port.texts["labEO"], "Est");

    SetEquatorialView(port, Settings);
    EXPECT_EQ(port.texts["panNS"], "Pôle sud céleste");
    EXPECT_FALSE(port.visible["labEO"]);
    EXPECT_EQ(port.texts["labEO"], "");
}

TEST_F(ViewOptions, StartingTwiceSchedulesOneChainOfFrames)
{
    Animate(port, Settings, true);
    EXPECT_TRUE(Settings.AnimationRunning);
    EXPECT_EQ(port.scheduled.size(), 1u);
    EXPECT_TRUE(port.checked["miAnimation1"] && port.checked["miAnimation2"]);
    EXPECT_TRUE(port.checked["sbAnimA"]);
    EXPECT_FALSE(port.checked["sbAnimR"] || port.checked["sbStop"]);

    Settings.AnimationDirection = -1;
    Animate(port, Settings, true);
    EXPECT_EQ(port.scheduled.size(), 1u) << "a start while running changes direction and buttons only";
    EXPECT_TRUE(port.checked["sbAnimR"]);
    EXPECT_FALSE(port.checked["sbAnimA"]);

    Animate(port, Settings, false);
    EXPECT_FALSE(Settings.AnimationRunning);
    EXPECT_FALSE(port.checked["miAnimation1"] || port.checked["miAnimation2"]);
    EXPECT_FALSE(port.checked["sbAnimA"] || port.checked["sbAnimR"]);
    EXPECT_TRUE(port.checked["sbStop"]);
}

// Each frame moves the date by the increment in the animation's direction, draws, and arms
// the next frame after the delay.
TEST_F(ViewOptions, FramesStepByTheIncrementBothWays)
{
    struct Row {
        std::int8_t direction;
        Extended incrementDays;
        int frames;
        CalendarFields want;
    } rows[] = {
        {+1, 1.0L / 24, 3, {7, 1, 1610, 19, 45, 0, 0}},
        {-1, 1.0L / 24, 2, {7, 1, 1610, 14, 45, 0, 0}},
        {+1, 2.5L, 2, {12, 1, 1610, 16, 45, 0, 0}},
        {-1, 10, 1, {28, 12, 1609, 16, 45, 0, 0}},
    };
    for (const Row& r : rows) {
        ResetToStartupValues(Settings);
        port.scheduled.clear();
        Settings.AnimationDirection = r.direction;
        Settings.IncrementDays = r.incrementDays;
        Settings.AnimationDelayMs = 250;
        Animate(port, Settings, true);
        for (int i = 0; i < r.frames; ++i) AnimationFrame(port, Settings);
        EXPECT_EQ(Settings.Current, r.want) << int(r.direction) << " x " << double(r.incrementDays);
        EXPECT_EQ(Settings.CurrentJD, JulianDayFromCalendar(r.want));
        ASSERT_EQ(port.scheduled.size(), 1u + r.frames);
        EXPECT_EQ(port.scheduled.back(), 250u);
    }
}

TEST_F(ViewOptions, StoppingLeavesTheLastFramesDate)
{
    Animate(port, Settings, true);
    AnimationFrame(port, Settings);
    const CalendarFields shown = Settings.Current;
    Animate(port, Settings, false);
    const std::size_t scheduled = port.scheduled.size();
    AnimationFrame(port, Settings);  // the frame that was already armed
    EXPECT_EQ(Settings.Current, shown);
    EXPECT_EQ(port.scheduled.size(), scheduled);
}

TEST_F(ViewOptions, AnimationStopsAtTheLimitsOfTheRange)
{
    struct Row {
        CalendarFields start;
        std::int8_t direction;
    } rows[] = {
        {{31, 12, 9999, 12, 0, 0, 0}, +1},
        {{1, 1, 1, 6, 0, 0, 0}, -1},
    };
    for (const Row& r : rows) {
        ResetToStartupValues(Settings);
        port.scheduled.clear();
        Settings.Current = r.start;
        Settings.CurrentJD = JulianDayFromCalendar(r.start);
        Settings.IncrementDays = 1;
        Settings.AnimationDirection = r.direction;
        Animate(port, Settings, true);
        AnimationFrame(port, Settings);
        EXPECT_EQ(Settings.Current, r.start);
        EXPECT_FALSE(Settings.AnimationRunning);
        EXPECT_TRUE(port.checked["sbStop"]);
        EXPECT_EQ(port.scheduled.size(), 1u) << "no frame after the stop";
    }
}

}  // namespace
}  // namespace vireon
