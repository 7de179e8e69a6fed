// A list's rows paired into whole phenomena for a calendar: start and end of the same satellite
// and kind, the listed rows' filter, the rows cut off by the span taken from beyond it, and the
// span's own ends where nothing lies beyond (the ends of the supported range).
#include "satellites/event_calendar.h"

#include <cmath>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "core/time_base.h"

namespace vireon {
namespace {

using K = PhenomenonKind;
constexpr Extended Hour = 1.0L / 24;
constexpr Extended First = 2461284.5L;  // 2026-09-01T00:00:00
constexpr Extended Last = First + 30 - 1.0L / 86400;

// A span as a short text: satellite, kind of start, hours of start and end from First, whether
// each end is visible.
std::string Text(const PhenomenonSpan& s)
{
    const auto hours = [](Extended jd) { return std::to_string(static_cast<int>(std::lround((jd - First) / Hour))); };
    return std::to_string(s.Satellite) + " " + std::to_string(static_cast<int>(s.Kind)) + " " + hours(s.StartJD) + ".." +
           hours(s.EndJD) + (s.StartVisible ? "" : " start invisible") + (s.EndVisible ? "" : " end invisible");
}

TEST(PhenomenonSpans, PairTheRowsAndCompleteTheCutOnes)
{
    // Beyond the span, two days on each side: Io's transit under way at First started 2 h
    // before it (invisible); Europe's eclipse under way at Last ends 3 h after it; Ganymede's
    // transit, earlier, is over before First and must not be taken.
    const std::vector<Phenomenon> before = {{First - 40 * Hour, 3, K::TransitStart, true},
                                            {First - 38 * Hour, 3, K::TransitEnd, true},
                                            {First - 2 * Hour, 1, K::TransitStart, false}};
    const std::vector<Phenomenon> after = {{Last + 3 * Hour, 2, K::EclipseEnd, true},
                                           {Last + 5 * Hour, 2, K::EclipseStart, true},
                                           {Last + 7 * Hour, 2, K::EclipseEnd, true}};
    int searches = 0;
    const PhenomenaSearch beyond = [&](Extended from, Extended to) {
        ++searches;
        EXPECT_TRUE(to <= First + 1e-9L || from >= Last - 1e-9L) << "searched inside the span";
        return from < First ? before : after;
    };
    const std::vector<Phenomenon> month = {
        {First + 1 * Hour, 1, K::TransitEnd, true},          // 0: Io's transit, cut at the start
        {First + 2 * Hour, 1, K::ShadowStart, true},         // 1
        {First + 3 * Hour, 4, K::OccultationStart, false},  // 2: Callisto's occultation, its start invisible
        {First + 4 * Hour, 1, K::ShadowEnd, true},           // 3
        {First + 5 * Hour, 0, K::RedSpotTransit, true},      // 4: an instant
        {First + 6 * Hour, 4, K::OccultationEnd, true},      // 5
        {First + 7 * Hour, 1, K::ShadowStart, true},         // 6: Io's next shadow transit
        {First + 8 * Hour, 1, K::ShadowEnd, true},           // 7
        {Last - 1 * Hour, 2, K::EclipseStart, true},         // 8: Europe's eclipse, cut at the end
    };
    const struct {
        const char* what;
        std::vector<bool> listed;
        std::vector<std::string> want;
        int searches;
    } cases[] = {
        {"every row listed", std::vector<bool>(month.size(), true),
         {"1 0 -2..1 start invisible", "1 2 2..4", "4 4 3..6 start invisible", "0 8 5..5", "1 2 7..8", "2 6 719..723"}, 2},
        {"a phenomenon whose start only is hidden is kept whole",
         {false, false, false, false, false, true, false, false, false}, {"4 4 3..6 start invisible"}, 0},
        {"one whose rows are both hidden is left out", {true, false, true, false, false, true, true, true, false},
         {"1 0 -2..1 start invisible", "4 4 3..6 start invisible", "1 2 7..8"}, 1},
    };
    for (const auto& c : cases) {
        searches = 0;
        std::vector<std::string> got;
        for (const PhenomenonSpan& s : PhenomenonSpans(month, c.listed, First, Last, beyond)) got.push_back(Text(s));
        EXPECT_EQ(got, c.want) << c.what;
        EXPECT_EQ(searches, c.searches) << c.what << ": one search on each side that needs one";
    }
}

TEST(PhenomenonSpans, AtTheEndsOfTheSupportedRangeTheSpanBoundsThem)
{
    // Nothing can be searched before year 1 or after 9999: the phenomenon starts or ends with
    // the span; and where a search finds nothing, the same.
    const Extended first = FirstSupportedJD, last = LastSupportedJD();
    const std::vector<Phenomenon> rows = {{first + Hour, 1, K::EclipseEnd, true}, {last - Hour, 2, K::TransitStart, true}};
    int searches = 0;
    const PhenomenaSearch beyond = [&](Extended, Extended) {
        ++searches;
        return std::vector<Phenomenon>{};
    };
    const std::vector<PhenomenonSpan> spans = PhenomenonSpans(rows, {true, true}, first, last, beyond);
    ASSERT_EQ(spans.size(), 2u);
    EXPECT_EQ(spans[0].StartJD, first);
    EXPECT_EQ(spans[0].Kind, K::EclipseStart);
    EXPECT_EQ(spans[1].EndJD, last);
    EXPECT_EQ(searches, 0);
    const std::vector<PhenomenonSpan> inside = PhenomenonSpans(rows, {true, true}, first + 1, last - 1, beyond);
    EXPECT_EQ(searches, 2);
    EXPECT_EQ(inside[0].StartJD, first + 1);
    EXPECT_EQ(inside[1].EndJD, last - 1);
}

}  // namespace
}  // namespace vireon
