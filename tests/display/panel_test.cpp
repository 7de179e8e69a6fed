// The data panel: which labels are written, their texts in the three units, the separators,
// and the length limits.
#include <gtest/gtest.h>

#include "display/display.h"
#include "display/panel.h"
#include "fakes.h"

namespace vireon {
namespace {

struct PanelScene {
    GlobalSettings settings;
    SatelliteRecord record;
    PlanetPlaces places;
    RecordingPort port;

    explicit PanelScene(PlanetId planet)
    {
        settings.CurrentPlanet = planet;
        record.PlanetApparentDiameter = {0, 40, 38};
        for (int k = 1; k <= 8; ++k) {
            record.SatOffsetX[k] = 10;
            record.SatOffsetY[k] = 5;
            record.SatDistance[k] = 11.18L;
            record.SatApparentDiameter[k] = 1.25L;
            record.SatMagnitude[k] = 5;
        }
    }
    void Run()
    {
        PreparePanel(port, settings, settings.CurrentPlanet);
        FormatAndFillPanel(port, settings, record, places);
    }
    std::string Text(const std::string& name) { return port.texts[name]; }
};

TEST(Panel, JupiterFillsFourSlotsAndThreeSeparators)
{
    PanelScene scene(Jupiter);
    scene.Run();
    EXPECT_EQ(scene.Text("labPla"), "JUPITER");
    const char* names[] = {"", "Io", "Europe", "Ganymède", "Callisto"};
    for (int k = 1; k <= 4; ++k) {
        const std::string n = std::to_string(k);
        EXPECT_EQ(scene.Text("labNom" + n), names[k]);
        EXPECT_EQ(scene.Text("labX" + n), "X(rayon pla.) :");
        EXPECT_EQ(scene.Text("labY" + n), "Y(rayon pla.) :");
        EXPECT_EQ(scene.Text("labDist" + n), "Dist.(rayon) :");
        EXPECT_EQ(scene.Text("labMag" + n), "Magnitude :");
        EXPECT_EQ(scene.Text("labDiam" + n), "Diamètre (\") :");
        EXPECT_EQ(scene.Text("labMag" + n + "d"), "5.0");
        EXPECT_EQ(scene.Text("labDiam" + n + "d"), "1.25");
    }
    for (int k = 5; k <= 8; ++k) {
        const std::string n = std::to_string(k);
        EXPECT_EQ(scene.Text("labNom" + n), "") << k;
        EXPECT_EQ(scene.Text("labX" + n + "d"), "") << k;
    }
    for (int n = 1; n <= 7; ++n) EXPECT_EQ(scene.port.visible["pSep" + std::to_string(n)], n <= 3) << "pSep" << n;
    EXPECT_TRUE(scene.port.checked["miJupiter"]);
    EXPECT_FALSE(scene.port.checked["miSaturne"]);
}

TEST(Panel, SwitchingToPlutoEmptiesTheOtherSlots)
{
    PanelScene scene(Saturn);
    scene.Run();
    EXPECT_EQ(scene.Text("labNom8"), "Japet");
    scene.settings.CurrentPlanet = Pluto;
    scene.Run();
    EXPECT_EQ(scene.Text("labPla"), "PLUTON");
    EXPECT_EQ(scene.Text("labNom1"), "Charon");
    for (int k = 2; k <= 8; ++k) {
        const std::string n = std::to_string(k);
        for (const char* label : {"labNom", "labX", "labY", "labMag", "labDiam", "labDist"})
            EXPECT_EQ(scene.Text(label + n), "") << label << k;
        EXPECT_EQ(scene.Text("labMag" + n + "d"), "") << k;
    }
    for (int n = 1; n <= 7; ++n) EXPECT_FALSE(scene.port.visible["pSep" + std::to_string(n)]);
    EXPECT_FALSE(scene.port.checked["miSaturne"]);
    EXPECT_TRUE(scene.port.checked["miPluton"]);
}

// X grows to the right of the screen and Y up, in the chosen unit: 10" east and 5" north
// on a 40" disc (20" = one planet radius; Jupiter's radius is 71.398 thousand km).
TEST(Panel, OffsetsInTheThreeUnits)
{
    struct Row {
        char unit, orientation;
        const char *x, *y, *distance, *xCaption, *distanceCaption;
    } rows[] = {
        {'S', 'N', "-10.00", "5.00", "11.18", "X(\") :", "Distance (\"):"},
        {'S', 'S', "10.00", "-5.00", "11.18", "X(\") :", "Distance (\"):"},
        {'P', 'N', "-0.50", "0.25", "0.56", "X(rayon pla.) :", "Dist.(rayon) :"},
        {'P', 'A', "0.50", "-0.25", "0.56", "X(rayon pla.) :", "Dist.(rayon) :"},
        {'K', 'N', "-35.70", "17.85", "39.91", "X(mkm) :", "Dist.(mkm) :"},
        {'K', 'B', "35.70", "-17.85", "39.91", "X(mkm) :", "Dist.(mkm) :"},
    };
    for (const Row& r : rows) {
        PanelScene scene(Jupiter);
        scene.settings.DistanceUnit = static_cast<DistanceUnit>(r.unit);
        scene.settings.Orientation = static_cast<Orientation>(r.orientation);
        scene.Run();
        EXPECT_EQ(scene.Text("labX1d"), r.x) << r.unit << r.orientation;
        EXPECT_EQ(scene.Text("labY1d"), r.y) << r.unit << r.orientation;
        EXPECT_EQ(scene.Text("labDist1d"), r.distance) << r.unit << r.orientation;
        EXPECT_EQ(scene.Text("labX1"), r.xCaption);
        EXPECT_EQ(scene.Text("labDist1"), r.distanceCaption);
    }
}

TEST(Panel, DistanceIsNeverNegative)
{
    for (DistanceUnit unit : {DistanceUnit::Arcseconds, DistanceUnit::PlanetRadii, DistanceUnit::ThousandsOfKm}) {
        for (Orientation orientation :
             {Orientation::North, Orientation::South, Orientation::PlanetSouth, Orientation::PlanetNorth}) {
            PanelScene scene(Saturn);
            scene.settings.DistanceUnit = unit;
            scene.settings.Orientation = orientation;
            scene.Run();
            for (int k = 1; k <= 8; ++k)
                EXPECT_NE(scene.Text("labDist" + std::to_string(k) + "d")[0], '-') << unit << orientation << k;
        }
    }
}

TEST(Panel, TextsKeepTheirFirstCharacters)
{
    PanelScene scene(Jupiter);
    scene.settings.DistanceUnit = DistanceUnit::Arcseconds;
    scene.record.SatApparentDiameter[1] = 123.456L;  // "123.46" -> 5 characters
    scene.record.SatOffsetX[1] = 1234567.5L;         // "-1234567.50" -> 9
    scene.record.SatOffsetY[1] = -0.004L;            // rounds to zero: no minus sign
    scene.record.SatDistance[1] = 123456.789L;       // "123456.79" -> 7
    scene.Run();
    EXPECT_EQ(scene.Text("labDiam1d"), "123.4");
    EXPECT_EQ(scene.Text("labX1d"), "-1234567.");
    EXPECT_EQ(scene.Text("labY1d"), "0.00");
    EXPECT_EQ(scene.Text("labDist1d"), "123456.");
}

TEST(Panel, MarsShowsItsOwnMagnitudes)
{
    PanelScene scene(Mars);
    scene.record.SatMagnitude = {};
    scene.record.SatMagnitude[1] = 5.1L;  // whatever a theory or an earlier planet left
    scene.record.SatMagnitude[2] = 99;
    scene.Run();
    EXPECT_EQ(scene.Text("labMag1d"), "11.4");
    EXPECT_EQ(scene.Text("labMag2d"), "12.5");
    EXPECT_EQ(scene.Text("labNom2"), "Deimos");
}

TEST(Panel, MagnitudesHaveOneDecimal)
{
    PanelScene scene(Uranus);
    const Extended magnitudes[] = {0, 16.5L, 14.16L, 14.84L, 13.96L, 14.0L};
    for (int k = 1; k <= 5; ++k) scene.record.SatMagnitude[k] = magnitudes[k];
    scene.Run();
    EXPECT_EQ(scene.Text("labMag1d"), "16.5");
    EXPECT_EQ(scene.Text("labMag2d"), "14.2");
    EXPECT_EQ(scene.Text("labMag3d"), "14.8");
    EXPECT_EQ(scene.Text("labMag5d"), "14.0");
}

TEST(Panel, PolarViewShowsThePolarPairUnconverted)
{
    PanelScene scene(Jupiter);
    scene.settings.ViewMode = ViewMode::Polar;
    scene.settings.DistanceUnit = DistanceUnit::ThousandsOfKm;
    scene.record.SatPolarX[2] = -123.456L;
    scene.record.SatPolarY[2] = 7;
    scene.record.SatDistance[2] = 130;
    scene.Run();
    EXPECT_EQ(scene.Text("labX2d"), "-123.46");
    EXPECT_EQ(scene.Text("labY2d"), "7.00");
    EXPECT_EQ(scene.Text("labDist2d"), "130.00");
}

TEST(Panel, DateTimeTextAndStatusBarAreRefreshed)
{
    struct Row {
        CalendarFields fields;
        const char* want;
    } rows[] = {
        {{7, 1, 1610, 16, 45, 0, 0}, "07/01/1610  16:45:00"},
        {{1, 1, 1, 0, 0, 0, 0}, "01/01/1  00:00:00"},
        {{31, 12, 9999, 23, 59, 59, 0}, "31/12/9999  23:59:59"},
    };
    for (const Row& r : rows) EXPECT_EQ(FormatDateTimeText(r.fields), r.want);

    PanelScene scene(Jupiter);
    scene.Run();
    EXPECT_EQ(scene.port.status[4], "07/01/1610  16:45:00");
    EXPECT_EQ(scene.port.status[1], "Zoom : 1x - Champ : 15 minutes");
}

}  // namespace
}  // namespace vireon
