// The recompute driver's order of steps, the automatic zoom and the start-up sequence.
#include "app/driver.h"

#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "core/platform.h"
#include "core/settings.h"

namespace vireon {
namespace {

class RecordingSteps : public DriverSteps {
public:
    std::vector<std::string> calls;
    int zoomSeenWhenFilling = 0;

    void PreparePanel(PlanetId p) override { calls.push_back("prepare " + std::to_string(p)); }
    void RunTheory(PlanetId p) override
    {
        calls.push_back("theory " + std::to_string(p) + (Settings.CurrentPlanet == p ? " current" : " stale"));
    }
    void FillPanelAndStatusBar(PlanetId p) override
    {
        zoomSeenWhenFilling = Settings.ZoomFactor;
        calls.push_back("fill " + std::to_string(p));
    }
    void EnablePoleItems() override { calls.push_back("poles"); }
    void DrawView(PlanetId p) override { calls.push_back("draw " + std::to_string(p)); }
};

class DriverTest : public ::testing::Test {
protected:
    void SetUp() override { ResetToStartupValues(Settings); }
    void TearDown() override { ResetToStartupValues(Settings); }
};

TEST_F(DriverTest, StepsRunInTheirOrder)
{
    RecordingSteps steps;
    RecomputeAndDraw(Saturn, steps);
    const std::vector<std::string> want = {"prepare 6", "theory 6 current", "fill 6", "poles", "draw 6"};
    EXPECT_EQ(steps.calls, want);
    EXPECT_EQ(Settings.CurrentPlanet, Saturn);
}

TEST_F(DriverTest, PoleItemsAreEnabledInTheEquatorialViewOnly)
{
    for (ViewMode view : {ViewMode::Polar, ViewMode::Graph}) {
        Settings.ViewMode = view;
        RecordingSteps steps;
        RecomputeAndDraw(Jupiter, steps);
        const std::vector<std::string> want = {"prepare 5", "theory 5 current", "fill 5", "draw 5"};
        EXPECT_EQ(steps.calls, want) << view;
    }
}

TEST_F(DriverTest, AutomaticZoomIsAppliedBeforeThePanelIsFilled)
{
    const int want[] = {40, 1, 2, 16, 2, 500};
    Settings.AutoZoom = true;
    for (PlanetId p = Mars; p <= Pluto; ++p) {
        RecordingSteps steps;
        RecomputeAndDraw(p, steps);
        EXPECT_EQ(Settings.ZoomFactor, want[p - Mars]) << int(p);
        EXPECT_EQ(steps.zoomSeenWhenFilling, want[p - Mars]) << int(p);
    }
    Settings.AutoZoom = false;
    Settings.ZoomFactor = 7;
    RecordingSteps steps;
    RecomputeAndDraw(Pluto, steps);
    EXPECT_EQ(Settings.ZoomFactor, 7);
}

TEST_F(DriverTest, AnUnknownPlanetIsIgnored)
{
    RecordingSteps steps;
    RecomputeAndDraw(3, steps);
    RecomputeAndDraw(10, steps);
    EXPECT_TRUE(steps.calls.empty());
    EXPECT_EQ(Settings.CurrentPlanet, Jupiter);
}

TEST_F(DriverTest, StartUpValues)
{
    Settings.ZoomFactor = 99;
    Settings.ViewMode = ViewMode::Graph;
    ResetToStartupValues(Settings);
    const GlobalSettings& s = Settings;
    EXPECT_EQ(s.CurrentPlanet, Jupiter);
    EXPECT_EQ(s.ViewMode, ViewMode::Equatorial);
    EXPECT_EQ(s.Orientation, Orientation::North);
    EXPECT_FALSE(s.MirrorView);
    EXPECT_FALSE(s.ShowTraces);
    EXPECT_TRUE(s.ShowNumbers);
    EXPECT_FALSE(s.ShowAxis);
    EXPECT_FALSE(s.AnimationRunning);
    EXPECT_EQ(s.AnimationDirection, 1);
    EXPECT_EQ(s.AnimationDelayMs, 200u);
    EXPECT_EQ(s.IncrementDays, 1.0L / 24);
    EXPECT_EQ(s.ZoomFactor, 1);
    EXPECT_FALSE(s.AutoZoom);
    EXPECT_EQ(s.FieldOfView, 15.0);
    EXPECT_EQ(s.DistanceUnit, DistanceUnit::PlanetRadii);
    EXPECT_EQ(s.RulerState, '0');
    EXPECT_TRUE(s.ViewCleared);
    EXPECT_FALSE(s.DialogAccepted);
    EXPECT_EQ(s.Current, (CalendarFields{7, 1, 1610, 16, 45, 0, 0}));
    EXPECT_DOUBLE_EQ(static_cast<double>(s.CurrentJD), 2309107.1979166665);
    EXPECT_LT(s.CurrentDateTime, 0);  // before 30 December 1899
    EXPECT_EQ(CalendarFromDateTime(s.CurrentDateTime), s.Current);
}

class ScriptedPlatform : public Platform {
public:
    std::vector<std::string> messages;
    Answer ShowMessage(const std::string& text, Buttons buttons) override
    {
        messages.push_back(text + (buttons == Buttons::Ok ? " [OK]" : " [Yes/No]"));
        return Answer::Ok;
    }
    CalendarFields LocalNow() override { return {8, 12, 2026, 10, 11, 12, 345}; }
    CalendarFields UtcNow() override { return {8, 12, 2026, 9, 11, 12, 345}; }
    void OpenAddress(const std::string&) override {}
};

TEST_F(DriverTest, StartProgramShowsTheReminderThenMovesTheWindowThenSetsTheInstant)
{
    ScriptedPlatform platform;
    SetPlatform(&platform);
    Settings.ZoomFactor = 64;
    std::vector<std::string> order;
    struct Context {
        std::vector<std::string>* order;
        ScriptedPlatform* platform;
    } context{&order, &platform};
    StartProgram(
        [](void* c) {
            auto* ctx = static_cast<Context*>(c);
            ctx->order->push_back(ctx->platform->messages.empty() ? "moved before reminder" : "moved after reminder");
        },
        &context);
    SetPlatform(nullptr);

    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_EQ(platform.messages[0],
              "Pensez à vérifier s'il n'y a pas une version plus récente du logiciel en cliquant sur le bouton de "
              "mise à jour [OK]");
    EXPECT_EQ(order, std::vector<std::string>{"moved after reminder"});
    EXPECT_EQ(Settings.ZoomFactor, 1);
    EXPECT_EQ(Settings.Current, (CalendarFields{7, 1, 1610, 16, 45, 0, 345}));
    // The clock's milliseconds survive in the date-time value (subtracted: the date is before 1899).
    const double withoutMs = DateTimeFromCalendar(CalendarFields{7, 1, 1610, 16, 45, 0, 0});
    EXPECT_NEAR(Settings.CurrentDateTime - withoutMs, -0.345 / 86400, 1e-9);
}

TEST_F(DriverTest, SteppingTheInstantStopsAtTheSupportedRange)
{
    SetCurrentInstant(Settings, JulianDayFromCalendar(31, 12, 9999, 0, 0, 23));
    const CalendarFields before = Settings.Current;
    EXPECT_FALSE(StepCurrentInstant(Settings, 1.0L / 24));
    EXPECT_EQ(Settings.Current, before);
    EXPECT_TRUE(StepCurrentInstant(Settings, 59.0L / 1440));
    EXPECT_EQ(Settings.Current, (CalendarFields{31, 12, 9999, 23, 59, 0, 0}));

    SetCurrentInstant(Settings, FirstSupportedJD);
    EXPECT_FALSE(StepCurrentInstant(Settings, -1.0L / 1440));
    EXPECT_EQ(Settings.Current, (CalendarFields{1, 1, 1, 0, 0, 0, 0}));
}

}  // namespace
}  // namespace vireon
