// The five status-bar texts, built by the pure formatter and written through the port.
#include <gtest/gtest.h>

#include "display/status_bar.h"
#include "fakes.h"

namespace vireon {
namespace {

Extended Hms(int h, int m, Extended s) { return h + m / 60.0L + s / 3600.0L; }

// Right ascension, declination and diameter; the seconds are rounded to 0.1 before they
// carry, so a value a few hundredths short of a minute reads as the next minute.
TEST(StatusBar, PlanetPlaceText)
{
    struct Row {
        Extended ra, dec, diameter;
        const char* want;
    } rows[] = {
        {Hms(5, 7, 3.2L), Hms(5, 7, 9.0L), 44.12L,
         "AD : 05h07m03.2s  -  Déclinaison : +05°07'09.0\"  -  Diam. app. : 44.12\""},
        {Hms(23, 59, 59.97L), 12.5L, 1.0L,
         "AD : 00h00m00.0s  -  Déclinaison : 12°30'00.0\"  -  Diam. app. : 1.00\""},
        {Hms(5, 7, 9.96L), -12.5L, 3.456L,
         "AD : 05h07m10.0s  -  Déclinaison : -12°30'00.0\"  -  Diam. app. : 3.46\""},
        {Hms(12, 0, 0), -0.5L, 10,
         "AD : 12h00m00.0s  -  Déclinaison : -00°30'00.0\"  -  Diam. app. : 10.00\""},
        {Hms(9, 59, 59.95L), 0.5L, 10,
         "AD : 10h00m00.0s  -  Déclinaison : +00°30'00.0\"  -  Diam. app. : 10.00\""},
        // 9°59'59.96" carries to ten degrees: no sign, two digits.
        {Hms(0, 0, 0), -Hms(9, 59, 59.96L), 10,
         "AD : 00h00m00.0s  -  Déclinaison : -10°00'00.0\"  -  Diam. app. : 10.00\""},
        {Hms(0, 9, 9.94L), Hms(23, 26, 21.0L), 0.1L,
         "AD : 00h09m09.9s  -  Déclinaison : 23°26'21.0\"  -  Diam. app. : 0.10\""},
    };
    for (const Row& r : rows) EXPECT_EQ(PlanetPlaceText(r.ra, r.dec, r.diameter), r.want);
}

TEST(StatusBar, PluralRuleOfTheTypedIncrement)
{
    struct Row {
        const char* typed;
        bool plural;
    } rows[] = {
        {"2", true},   {" 2 ", true},  {"+3", true},  {"02", true},   {"10", true},
        {"99999999999999999999999", true},
        {"1", false},  {"01", false},  {"0", false},  {"-2", false},  {"1.5", false},
        {"2.0", false}, {"abc", false}, {"", false},  {"  ", false},  {"+", false},
        {"2 jours", false},
    };
    for (const Row& r : rows) EXPECT_EQ(IncrementIsPlural(r.typed), r.plural) << '"' << r.typed << '"';
}

TEST(StatusBar, IncrementPanel)
{
    struct Row {
        Extended days;
        int unit;
        const char* typed;
        const char* want;
    } rows[] = {
        {2, 3, "2", "Incrément : 2 jours"},
        {30, 1, "1", "Incrément : 1 mois"},
        {91.8003L, 1, "3", "Incrément : 3 mois"},  // never "moiss"
        {1.0L / 24, 4, "1", "Incrément : 1 heure"},
        {5.0L / 24, 4, "5", "Incrément : 5 heures"},
        {730.5L, 0, "2", "Incrément : 2 ans"},
        {365.25L, 0, "1", "Incrément : 1 an"},
        {14, 2, "2", "Incrément : 2 semaines"},
        {10.0L / 1440, 5, "10", "Incrément : 10 minutes"},
        {1.5L, 3, "1.5", "Incrément : 2 jour"},  // not a whole number: no plural
        {-3, 3, "-3", "Incrément : -3 jour"},
    };
    for (const Row& r : rows) EXPECT_EQ(IncrementStatusText(r.days, r.unit, r.typed), r.want);
}

StatusBarInputs Inputs()
{
    StatusBarInputs in;
    in.ViewMode = ViewMode::Equatorial;
    in.PlanetRA = Hms(5, 7, 3.2L);
    in.PlanetDec = Hms(5, 7, 9.0L);
    in.PlanetDiameter = 44.12L;
    in.ZoomFactor = 4;
    in.FieldOfView = 15;
    in.IncrementDays = 2;
    in.IncrementUnitIndex = 3;
    in.IncrementText = "2";
    in.DateTimeText = "07/01/1610  16:45:00";
    return in;
}

TEST(StatusBar, FivePanels)
{
    StatusBarInputs in = Inputs();
    StatusBarTexts t = FormatStatusBar(in);
    EXPECT_EQ(t[0], "AD : 05h07m03.2s  -  Déclinaison : +05°07'09.0\"  -  Diam. app. : 44.12\"");
    EXPECT_EQ(t[1], "Zoom : 4x - Champ : 15 minutes");
    EXPECT_EQ(t[2], "Incrément : 2 jours");
    EXPECT_EQ(t[3], "");
    EXPECT_EQ(t[4], "07/01/1610  16:45:00");

    in.MirrorView = true;
    in.ViewMode = ViewMode::Polar;
    in.FieldOfView = 2.5;  // ties to even: "2"
    t = FormatStatusBar(in);
    EXPECT_EQ(t[3], "Renvoi coudé");
    EXPECT_EQ(t[1], "Zoom : 4x - Champ : 2 minutes");
    EXPECT_FALSE(t[0].empty());
}

TEST(StatusBar, GraphShowsOneMonthAndTheFirstOfTheMonth)
{
    StatusBarInputs in = Inputs();
    in.ViewMode = ViewMode::Graph;
    in.DateTimeText = "17/04/2023  08:00:00";
    const StatusBarTexts t = FormatStatusBar(in);
    EXPECT_EQ(t[0], "");
    EXPECT_EQ(t[2], "Incrément : 1 mois");
    EXPECT_EQ(t[4], "01/04/2023  08:00:00");
}

TEST(StatusBar, RefreshWritesThePanelsAndForcesTheMonthInTheGraph)
{
    GlobalSettings settings;
    SatelliteRecord record;
    PlanetPlaces places;
    places.PlanetRA = Hms(23, 59, 59.97L);
    places.PlanetDec = -0.5L;
    record.PlanetApparentDiameter[1] = 40;
    RecordingPort port;

    RefreshStatusBar(port, settings, record, places, "07/01/1610  16:45:00");
    EXPECT_EQ(port.status[0], "AD : 00h00m00.0s  -  Déclinaison : -00°30'00.0\"  -  Diam. app. : 40.00\"");
    EXPECT_EQ(port.status[2], "Incrément : 1 heure");
    EXPECT_EQ(port.status[4], "07/01/1610  16:45:00");
    EXPECT_EQ(settings.IncrementUnitIndex, 4);

    settings.ViewMode = ViewMode::Graph;
    RefreshStatusBar(port, settings, record, places, "07/01/1610  16:45:00");
    EXPECT_EQ(settings.IncrementUnitIndex, 1);
    EXPECT_EQ(settings.IncrementDays, 30.0L);
    EXPECT_EQ(port.status[0], "");
    EXPECT_EQ(port.status[2], "Incrément : 1 mois");
    EXPECT_EQ(port.status[4], "01/01/1610  16:45:00");
}

}  // namespace
}  // namespace vireon
