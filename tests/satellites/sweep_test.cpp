// Sweep over the whole supported range of dates, 01/01/0001 00:00:00 to 31/12/9999 23:59:59:
// every planet's theory for 2000 random instants (fixed seed) in every view and orientation,
// then the driver with the data panel, the status bar and the equatorial and polar views drawn
// into a canvas that checks every primitive. Nothing may be non-finite, out of its range or
// malformed, and every loop in the theories, the calendar and the views must end (the test
// finishing is the proof of that).
//
// These are robustness checks, not accuracy checks: the bounds below are the widest values the
// geometry allows, so a wrong unit or a garbage value fails while every real configuration of
// the planets over ten thousand years passes.
#include <algorithm>
#include <array>
#include <cctype>
#include <cmath>
#include <cstdint>
#include <numbers>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "app/driver.h"
#include "core/settings.h"
#include "core/time_base.h"
#include "display/display_port.h"
#include "display/panel.h"
#include "display/status_bar.h"
#include "ephemeris/apparent_place.h"
#include "satellites/planet_descriptor.h"
#include "satellites/satellite_record.h"
#include "satellites/theory.h"

namespace vireon {
namespace {

constexpr Extended Pi = std::numbers::pi_v<Extended>;
constexpr int InstantsPerPlanet = 2000;
constexpr std::array<ViewMode, 3> Views{ViewMode::Equatorial, ViewMode::Polar, ViewMode::Graph};
constexpr std::array<Orientation, 4> Orientations{Orientation::North, Orientation::South, Orientation::PlanetSouth,
                                                  Orientation::PlanetNorth};

// The widest sky offset any satellite reaches: Japet and Néréïde stay within about 10' of
// their planet and Deimos within 2' of Mars at its closest; one degree leaves a wide margin
// while a value in radians-as-arcseconds or in km would exceed it.
constexpr Extended MaxOffsetArcsec = 3600;
// Mars at 0.37 au is 25", Jupiter at most 50"; Pluto at 50 au still shows 0.06".
constexpr Extended MaxPlanetDiameterArcsec = 80;
// Satellites are 0.0004" (Deimos from afar) to 2" (Ganymède) across.
constexpr Extended MaxSatelliteDiameterArcsec = 5;
// Drawing coordinates: PixelRound refuses anything beyond 1e7 pixels; the views add at most
// the view's own size to a rounded value.
constexpr long long MaxPixel = 10000000 + 100000;

std::string Describe(const CalendarFields& f)
{
    std::ostringstream os;
    os << f.Day << "/" << f.Month << "/" << f.Year << " " << f.Hour << ":" << f.Minute << ":" << f.Second;
    return os.str();
}

bool ContainsNonFiniteText(std::string text)
{
    std::transform(text.begin(), text.end(), text.begin(), [](unsigned char c) { return std::tolower(c); });
    return text.find("nan") != std::string::npos || text.find("inf") != std::string::npos;
}

// Whether a text is well-formed UTF-8 (the labels show it as it is).
bool IsUtf8(const std::string& text)
{
    for (size_t i = 0; i < text.size();) {
        const auto c = static_cast<unsigned char>(text[i]);
        const int extra = c < 0x80 ? 0 : (c >> 5) == 0x6 ? 1 : (c >> 4) == 0xE ? 2 : (c >> 3) == 0x1E ? 3 : -1;
        if (extra < 0 || i + extra >= text.size()) return false;
        for (int j = 1; j <= extra; ++j)
            if ((static_cast<unsigned char>(text[i + j]) & 0xC0) != 0x80) return false;
        i += extra + 1;
    }
    return true;
}

// The random instants of one planet: the edges of the range and of the calendar reform first,
// then alternately a uniform Julian Day (rounded to the second as the step commands round it)
// and uniform calendar fields (which reach 29 February of Julian century years and the days
// the reform skipped as often as any other day).
std::vector<CalendarFields> SweepInstants(std::uint64_t seed)
{
    std::vector<CalendarFields> out = {
        {1, 1, 1, 0, 0, 0, 0},        {31, 12, 9999, 23, 59, 59, 0}, {4, 10, 1582, 23, 59, 59, 0},
        {5, 10, 1582, 12, 0, 0, 0},   {15, 10, 1582, 0, 0, 0, 0},    {29, 2, 1500, 6, 30, 0, 0},
        {7, 1, 1610, 16, 45, 0, 0},   {1, 1, 2000, 12, 0, 0, 0},     {31, 12, 1, 23, 59, 59, 0},
        {1, 1, 9999, 0, 0, 0, 0},
    };
    std::mt19937_64 rng(seed);
    std::uniform_real_distribution<double> jd(FirstSupportedJD, LastSupportedJD());
    std::uniform_int_distribution<int> year(1, 9999), month(1, 12), hour(0, 23), minute(0, 59);
    while (static_cast<int>(out.size()) < InstantsPerPlanet) {
        if (out.size() % 2 == 0) {
            out.push_back(CalendarFromJulianDay(jd(rng)));
        } else {
            const int y = year(rng);
            const int m = month(rng);
            const int d = std::uniform_int_distribution<int>(1, DaysInMonth(m, y))(rng);
            out.push_back({static_cast<std::uint16_t>(d), static_cast<std::uint16_t>(m), static_cast<std::uint16_t>(y),
                           static_cast<std::uint16_t>(hour(rng)), static_cast<std::uint16_t>(minute(rng)),
                           static_cast<std::uint16_t>(minute(rng)), 0});
        }
    }
    return out;
}

// A canvas that draws nothing and checks every primitive: coordinates within the range the
// pixel helper lets through, texts without "nan"/"inf".
class CheckingCanvas : public Canvas {
public:
    CheckingCanvas(int w, int h) : w_(w), h_(h) {}
    int Width() const override { return w_; }
    int Height() const override { return h_; }

    std::vector<std::string> faults;
    long long primitives = 0;

protected:
    void DoEllipse(int x1, int y1, int x2, int y2) override { Check("Ellipse", {x1, y1, x2, y2}); }
    void DoRectangle(int x1, int y1, int x2, int y2) override { Check("Rectangle", {x1, y1, x2, y2}); }
    void DoMoveTo(int x, int y) override { Check("MoveTo", {x, y}); }
    void DoLineTo(int x, int y) override { Check("LineTo", {x, y}); }
    void DoPolyline(const std::vector<Point>& points) override
    {
        for (const Point& p : points) Check("Polyline", {p.X, p.Y});
    }
    void DoText(int x, int y, const std::string& utf8) override
    {
        Check("Text", {x, y});
        if (ContainsNonFiniteText(utf8) || !IsUtf8(utf8)) faults.push_back("text \"" + utf8 + "\"");
    }

private:
    void Check(const char* what, std::initializer_list<int> coordinates)
    {
        ++primitives;
        for (int c : coordinates) {
            if (std::llabs(c) > MaxPixel) {
                faults.push_back(std::string(what) + " at coordinate " + std::to_string(c));
                return;
            }
        }
    }
    int w_, h_;
};

// A window stand-in: the view and legend canvases check what is drawn, every text written to
// a label or a status panel is kept and checked.
class CheckingPort : public DisplayPort {
public:
    CheckingCanvas view{753, 603};
    CheckingCanvas legend{753, 45};
    std::array<std::string, 5> status;
    std::vector<std::string> faults;
    int scheduledFrames = 0;

    Canvas& ViewCanvas() override { return view; }
    Canvas& LegendCanvas() override { return legend; }
    void ViewChanged() override {}
    void SetText(const std::string& name, const std::string& utf8) override { CheckText(name, utf8); }
    void SetVisible(const std::string&, bool) override {}
    void SetChecked(const std::string&, bool) override {}
    void SetEnabled(const std::string&, bool) override {}
    void SetStatusText(int panel, const std::string& utf8) override
    {
        if (panel < 0 || panel >= static_cast<int>(status.size())) {
            faults.push_back("status panel " + std::to_string(panel));
            return;
        }
        status[panel] = utf8;
        CheckText("status" + std::to_string(panel), utf8);
    }
    void ScheduleAnimationFrame(unsigned) override { ++scheduledFrames; }
    void Beep() override {}

    std::vector<std::string> AllFaults() const
    {
        std::vector<std::string> all = faults;
        for (const auto& f : view.faults) all.push_back("view: " + f);
        for (const auto& f : legend.faults) all.push_back("legend: " + f);
        return all;
    }

private:
    void CheckText(const std::string& name, const std::string& utf8)
    {
        if (ContainsNonFiniteText(utf8) || !IsUtf8(utf8)) faults.push_back(name + " = \"" + utf8 + "\"");
    }
};

// Reads a text piece by piece: fixed words and runs of digits.
class TextReader {
public:
    explicit TextReader(const std::string& text) : text_(text) {}
    bool Word(const std::string& word)
    {
        if (text_.compare(at_, word.size(), word) != 0) return false;
        at_ += word.size();
        return true;
    }
    // Exactly `count` digits (at least one when count is 0), as a number; -1 when there are none.
    long Digits(std::size_t count = 0)
    {
        std::size_t n = 0;
        while (at_ + n < text_.size() && std::isdigit(static_cast<unsigned char>(text_[at_ + n])) &&
               (count == 0 || n < count))
            ++n;
        if (n == 0 || (count != 0 && n != count) || n > 9) return -1;
        const long value = std::stol(text_.substr(at_, n));
        at_ += n;
        return value;
    }
    bool AtEnd() const { return at_ == text_.size(); }

private:
    const std::string& text_;
    std::size_t at_ = 0;
};

// Checks panel 1 of the status bar: "AD : 05h07m03.2s  -  Déclinaison : +05°07'09.0"  -  Diam.
// app. : 44.12"" with hours 00..23, minutes and seconds below 60, degrees within 90 (two digits
// with a sign below ten, no plus sign from ten on) and a positive diameter.
void ExpectWellFormedPlaceText(const std::string& text, const std::string& where)
{
    TextReader r(text);
    const auto fail = [&] { ADD_FAILURE() << where << ": status text \"" << text << "\""; };
    if (!r.Word("AD : ")) return fail();
    const long h = r.Digits(2);
    if (h < 0 || h > 23 || !r.Word("h")) return fail();
    const long m = r.Digits(2);
    if (m < 0 || m > 59 || !r.Word("m")) return fail();
    const long s = r.Digits(2);
    if (s < 0 || s > 59 || !r.Word(".") || r.Digits(1) < 0 || !r.Word("s  -  Déclinaison : ")) return fail();
    if (r.Word("+")) {
        if (!r.Word("0") || r.Digits(1) < 0) return fail();
    } else {
        const bool south = r.Word("-");
        if (r.Word("0")) {
            if (!south || r.Digits(1) < 0) return fail();
        } else {
            const long d = r.Digits();
            if (d < 10 || d > 90) return fail();
        }
    }
    if (!r.Word("°")) return fail();
    const long dm = r.Digits(2);
    if (dm < 0 || dm > 59 || !r.Word("'")) return fail();
    const long ds = r.Digits(2);
    if (ds < 0 || ds > 59 || !r.Word(".") || r.Digits(1) < 0 || !r.Word("\"  -  Diam. app. : ")) return fail();
    const long whole = r.Digits();
    if (whole < 0 || !r.Word(".")) return fail();
    const long hundredths = r.Digits(2);
    if (hundredths < 0 || whole + hundredths == 0 || !r.Word("\"") || !r.AtEnd()) return fail();
}

bool Finite(Extended v) { return std::isfinite(v); }

// The record entries 1..n and the planet's place after one run of planet p's theory.
void ExpectWellFormedRun(PlanetId p, const PlanetPlaces& places, const SatelliteRecord& r, const std::string& where)
{
    const PlanetPlace& planet = places.Planet[p];
    EXPECT_TRUE(Finite(planet.X) && Finite(planet.Y) && Finite(planet.Z)) << where;
    EXPECT_TRUE(planet.RA >= 0 && planet.RA < 24) << where << ": RA " << planet.RA << " h";
    EXPECT_TRUE(planet.Dec >= -90 && planet.Dec <= 90) << where << ": Dec " << planet.Dec << " deg";
    // Mars comes to 0.37 au of the Earth, Pluto goes beyond 50 au.
    EXPECT_TRUE(planet.Distance > 0.3L * AstronomicalUnitKm && planet.Distance < 55 * AstronomicalUnitKm)
        << where << ": distance " << planet.Distance << " km";
    EXPECT_TRUE(places.PlanetRA >= 0 && places.PlanetRA < 24) << where << ": PlanetRA " << places.PlanetRA;
    EXPECT_TRUE(places.PlanetDec >= -90 && places.PlanetDec <= 90) << where << ": PlanetDec " << places.PlanetDec;
    // Light time is Delta / c: 3 minutes to 7 hours.
    EXPECT_TRUE(places.LightTime > 0 && places.LightTime < 0.3L) << where << ": light time " << places.LightTime << " d";
    if (p == Saturn) {
        const RingGeometry& rings = places.Rings;
        EXPECT_TRUE(std::isfinite(rings.RingMajorAxis) && rings.RingMajorAxis > 0 && rings.RingMajorAxis < 60)
            << where << ": ring major axis " << rings.RingMajorAxis;
        EXPECT_TRUE(std::isfinite(rings.RingMinorAxis) && rings.RingMinorAxis >= 0 &&
                    rings.RingMinorAxis <= rings.RingMajorAxis)
            << where << ": ring minor axis " << rings.RingMinorAxis;
        EXPECT_TRUE(rings.RingSide == 1 || rings.RingSide == -1) << where << ": ring side " << int(rings.RingSide);
    }

    for (int i = 1; i <= 2; ++i) {
        EXPECT_TRUE(r.PlanetApparentDiameter[i] > 0 && r.PlanetApparentDiameter[i] < MaxPlanetDiameterArcsec)
            << where << ": planet diameter[" << i << "] " << r.PlanetApparentDiameter[i];
    }
    EXPECT_TRUE(Finite(r.PlanetPolePA)) << where << ": pole position angle " << r.PlanetPolePA;
    EXPECT_TRUE(Finite(r.PhaseAngleSigned) && std::abs(r.PhaseAngleSigned) <= Pi)
        << where << ": signed phase angle " << r.PhaseAngleSigned;

    const int n = Planet(p).SatelliteCount;
    for (int k = 1; k <= n; ++k) {
        const std::string sat = where + " satellite " + std::to_string(k);
        const struct {
            const char* name;
            Extended value;
        } offsets[] = {
            {"SatOffsetX", r.SatOffsetX[k]}, {"SatOffsetY", r.SatOffsetY[k]}, {"SatDistance", r.SatDistance[k]},
            {"SatPolarX", r.SatPolarX[k]},   {"SatPolarY", r.SatPolarY[k]},   {"SatShadowX", r.SatShadowX[k]},
            {"SatShadowY", r.SatShadowY[k]},
        };
        for (const auto& o : offsets) {
            EXPECT_TRUE(Finite(o.value) && std::abs(o.value) < MaxOffsetArcsec) << sat << ": " << o.name << " " << o.value;
        }
        EXPECT_GE(r.SatDistance[k], 0) << sat;
        EXPECT_TRUE(r.SatApparentDiameter[k] > 0 && r.SatApparentDiameter[k] < MaxSatelliteDiameterArcsec)
            << sat << ": apparent diameter " << r.SatApparentDiameter[k];
        EXPECT_TRUE(Finite(r.SatMagnitude[k]) && r.SatMagnitude[k] > -2 && r.SatMagnitude[k] < 30)
            << sat << ": magnitude " << r.SatMagnitude[k];
        EXPECT_TRUE(r.SatFarSide[k] == 'E' || r.SatFarSide[k] == 'P') << sat << ": far side " << int(r.SatFarSide[k]);
        EXPECT_TRUE(Finite(r.SatDepth[k]) && Finite(r.SatRadiusVector[k]) && r.SatRadiusVector[k] > 0)
            << sat << ": depth " << r.SatDepth[k] << " radius vector " << r.SatRadiusVector[k];
    }
}

// The record values that 'N' and 'S' must share (the views turn the picture, not the theory).
bool SameRecord(const SatelliteRecord& a, const SatelliteRecord& b, int n)
{
    for (int k = 1; k <= n; ++k) {
        if (a.SatOffsetX[k] != b.SatOffsetX[k] || a.SatOffsetY[k] != b.SatOffsetY[k] ||
            a.SatDistance[k] != b.SatDistance[k] || a.SatPolarX[k] != b.SatPolarX[k] ||
            a.SatPolarY[k] != b.SatPolarY[k] || a.SatShadowX[k] != b.SatShadowX[k] ||
            a.SatShadowY[k] != b.SatShadowY[k] || a.SatFarSide[k] != b.SatFarSide[k])
            return false;
    }
    return true;
}

const char* PlanetName(PlanetId p)
{
    static const char* names[] = {"Mars", "Jupiter", "Saturn", "Uranus", "Neptune", "Pluto"};
    return names[p - FirstPlanet];
}

class Sweep : public ::testing::TestWithParam<PlanetId> {
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
    CheckingPort port;
};

// The theory alone, every view and orientation, for 2000 instants; the calendar round trip of
// each instant; the status-bar texts of the place found.
TEST_P(Sweep, TheoryInEveryViewAndOrientationGivesFiniteWellFormedRecords)
{
    const PlanetId p = GetParam();
    const int n = Planet(p).SatelliteCount;
    const Extended f = p == Jupiter ? 1.071374L : 1;  // the theory's flattening in the sky distance
    PlanetPlaces places;
    SatelliteRecord record;
    int runs = 0;
    int instant = 0;
    for (const CalendarFields& fields : SweepInstants(1000 + p)) {
        const std::string when = std::string(PlanetName(p)) + " " + Describe(fields);
        const double jd = JulianDayFromCalendar(fields);
        ASSERT_TRUE(IsWithinSupportedRange(jd)) << when << ": JD " << jd;
        // The calendar fields are the master: going through the Julian Day must give them back,
        // except for 5..14 October 1582, Julian dates that name the same days as 15..24 October.
        CalendarFields back = fields;
        if (fields.Year == 1582 && fields.Month == 10 && fields.Day >= 5 && fields.Day <= 14) back.Day += 10;
        ASSERT_EQ(CalendarFromJulianDay(jd), back) << when << ": JD " << jd;

        // Every combination of view and orientation is run: the equatorial view in all four
        // orientations at every instant ('N' and 'S' must give the same record), the polar and
        // graph views in one orientation each, taken in turn, so that each combination of those
        // views meets 500 instants of the sweep. That keeps the sweep within a minute.
        const Orientation turn = Orientations[instant % 4];
        const Orientation nextTurn = Orientations[(instant + 1) % 4];
        ++instant;
        const struct {
            ViewMode view;
            std::vector<Orientation> orientations;
        } combinations[] = {{ViewMode::Equatorial, {Orientation::North, Orientation::South, Orientation::PlanetSouth, Orientation::PlanetNorth}},
                            {ViewMode::Polar, {turn}},
                            {ViewMode::Graph, {nextTurn}}};
        for (const auto& [view, orientations] : combinations) {
            SatelliteRecord north;
            bool haveNorth = false;
            for (const Orientation orientation : orientations) {
                const TheoryInput in{jd, fields.Year, view, orientation};
                RunSatelliteTheory(p, in, places, record);
                ++runs;
                const std::string where = when + " view " + Letter(view) + " orientation " + Letter(orientation);
                ExpectWellFormedRun(p, places, record, where);
                if (view == ViewMode::Equatorial && orientation == Orientation::North) {
                    for (int k = 1; k <= n; ++k) {
                        const Extended want = std::hypot(record.SatOffsetX[k], f * record.SatOffsetY[k]);
                        // Pluto keeps the sky distance in every view; the sum of squares loses a few ulps.
                        EXPECT_NEAR(static_cast<double>(record.SatDistance[k]), static_cast<double>(want),
                                    1e-9 * static_cast<double>(want) + 1e-12)
                            << where << " satellite " << k;
                    }
                }
                if (orientation == Orientation::North) {
                    north = record;
                    haveNorth = true;
                }
                if (orientation == Orientation::South && haveNorth) {
                    EXPECT_TRUE(SameRecord(north, record, n)) << where << ": differs from 'N'";
                }
                if (HasFailure()) return;
            }
        }

        StatusBarInputs status;
        status.PlanetRA = places.PlanetRA;
        status.PlanetDec = places.PlanetDec;
        status.PlanetDiameter = record.PlanetApparentDiameter[1];
        status.DateTimeText = FormatDateTimeText(fields);
        for (const ViewMode view : Views) {
            status.ViewMode = view;
            const StatusBarTexts texts = FormatStatusBar(status);
            for (const std::string& text : texts) EXPECT_FALSE(ContainsNonFiniteText(text)) << when << ": " << text;
            if (view == ViewMode::Graph) {
                EXPECT_EQ(texts[0], "") << when;
            } else {
                ExpectWellFormedPlaceText(texts[0], when);
            }
            EXPECT_EQ(texts[4].size(), status.DateTimeText.size()) << when << ": " << texts[4];
        }
        if (HasFailure()) return;
    }
    EXPECT_EQ(runs, InstantsPerPlanet * 6);
}

// The whole driver for the equatorial and polar views with random display settings: the
// panel, the status bar and both views drawn. The driver must leave the calendar fields alone
// and rebuild CurrentJD from them.
TEST_P(Sweep, DriverDrawsEquatorialAndPolarViewsWithoutGarbage)
{
    const PlanetId p = GetParam();
    std::mt19937_64 rng(2000 + p);
    std::uniform_int_distribution<int> coin(0, 1), zoomExponent(0, 12), orientation(0, 3), unit(0, 2);
    std::uniform_real_distribution<double> field(0.5, 6000);
    const std::vector<CalendarFields> instants = SweepInstants(1000 + p);
    for (size_t i = 0; i < instants.size(); ++i) {
        const CalendarFields& fields = instants[i];
        for (const ViewMode view : {ViewMode::Equatorial, ViewMode::Polar}) {
            ResetToStartupValues(Settings);
            Settings.Current = fields;
            Settings.ViewMode = view;
            Settings.Orientation = Orientations[orientation(rng)];
            Settings.MirrorView = coin(rng);
            Settings.ShowAxis = coin(rng);
            Settings.ShowNumbers = coin(rng);
            Settings.ShowTraces = coin(rng);
            Settings.ShowField = coin(rng);
            Settings.AutoZoom = i % 7 == 0;
            // Zoom 1 to 4000, the extremes included: at 4000 the outer satellites land far off the view.
            const int e = zoomExponent(rng);
            Settings.ZoomFactor = e == 12 ? 4000 : 1 << e;
            Settings.FieldOfView = field(rng);
            Settings.DistanceUnit = static_cast<DistanceUnit>("SPK"[unit(rng)]);
            Settings.ViewCleared = coin(rng);

            RecomputeAndDraw(p);

            const std::string where = std::string(PlanetName(p)) + " " + Describe(fields) + " view " + Letter(view) +
                                      " orientation " + Letter(Settings.Orientation) + " zoom " +
                                      std::to_string(Settings.ZoomFactor);
            EXPECT_EQ(Settings.CurrentPlanet, p) << where;
            EXPECT_EQ(Settings.Current, fields) << where;
            EXPECT_EQ(Settings.CurrentJD, static_cast<Extended>(JulianDayFromCalendar(fields))) << where;
            ExpectWellFormedPlaceText(port.status[0], where);
            EXPECT_EQ(port.status[4], FormatDateTimeText(fields)) << where;
            const std::vector<std::string> faults = port.AllFaults();
            ASSERT_TRUE(faults.empty()) << where << ": " << faults.front() << " (" << faults.size() << " faults)";
        }
    }
    EXPECT_GT(port.view.primitives, 0);
}

// The monthly graph runs the theory 311 times from the first of the month, so its last rows
// go past the end of the month. At the first and last months of the range and at the calendar
// reform it must draw sanely and put the instant back as it was.
TEST_P(Sweep, MonthlyGraphAtTheEdgesOfTheRangeRestoresTheInstant)
{
    const PlanetId p = GetParam();
    const struct {
        CalendarFields fields;
        Orientation orientation;
        int zoom;
    } months[] = {
        {{1, 1, 1, 0, 0, 0, 0}, Orientation::North, 1},
        {{31, 12, 9999, 23, 59, 59, 0}, Orientation::South, 4000},
        {{14, 10, 1582, 12, 0, 0, 0}, Orientation::PlanetSouth, 1},
        {{29, 2, 1500, 23, 59, 59, 0}, Orientation::PlanetNorth, 16},
    };
    for (const auto& [fields, orientation, zoom] : months) {
        ResetToStartupValues(Settings);
        Settings.Current = fields;
        Settings.CurrentJD = JulianDayFromCalendar(fields);
        Settings.CurrentDateTime = DateTimeFromCalendar(fields);
        Settings.ViewMode = ViewMode::Graph;
        Settings.Orientation = orientation;
        Settings.ZoomFactor = zoom;

        RecomputeAndDraw(p);

        const std::string where = std::string(PlanetName(p)) + " graph " + Describe(fields) + " " + Letter(orientation);
        EXPECT_EQ(Settings.Current, fields) << where;
        EXPECT_EQ(Settings.CurrentJD, static_cast<Extended>(JulianDayFromCalendar(fields))) << where;
        EXPECT_EQ(Settings.CurrentDateTime, DateTimeFromCalendar(fields)) << where;
        EXPECT_EQ(Settings.IncrementDays, 30.0L) << where;
        EXPECT_EQ(port.status[0], "") << where;
        const std::vector<std::string> faults = port.AllFaults();
        ASSERT_TRUE(faults.empty()) << where << ": " << faults.front() << " (" << faults.size() << " faults)";
    }
}

INSTANTIATE_TEST_SUITE_P(EveryPlanet, Sweep, ::testing::Values(Mars, Jupiter, Saturn, Uranus, Neptune, Pluto),
                         [](const ::testing::TestParamInfo<PlanetId>& info) { return PlanetName(info.param); });

}  // namespace
}  // namespace vireon
