// The observer's site on the Earth: geodetic latitude and longitude on the WGS84 ellipsoid and the
// height above sea level (taken as the height above the ellipsoid: the geoid's undulation, under
// 110 m, moves a planet's topocentric place by far less than 0.001"). The program starts without a
// site; with one, the planet's and the Sun's altitudes are worked out for it (ephemeris/horizon.h).
#pragma once

#include <string>

namespace vireon {

struct ObservingSite {
    std::string Name;         // as the observer typed it, UTF-8; may be empty
    double LatitudeDeg = 0;   // geodetic, degrees, north positive
    double LongitudeDeg = 0;  // degrees, east positive
    double HeightM = 0;       // metres above sea level
};

// The ranges the site dialog accepts, inclusive. The heights run from the shore of the Dead Sea
// (about -430 m) to above the highest summit (8849 m).
inline constexpr double MinimumLatitudeDeg = -90;
inline constexpr double MaximumLatitudeDeg = 90;
inline constexpr double MinimumLongitudeDeg = -180;
inline constexpr double MaximumLongitudeDeg = 180;
inline constexpr double MinimumHeightM = -500;
inline constexpr double MaximumHeightM = 9000;

// Whether every coordinate of the site lies within those ranges (a NaN does not).
inline bool IsWithinLimits(const ObservingSite& site)
{
    auto within = [](double v, double low, double high) { return v >= low && v <= high; };
    return within(site.LatitudeDeg, MinimumLatitudeDeg, MaximumLatitudeDeg) &&
           within(site.LongitudeDeg, MinimumLongitudeDeg, MaximumLongitudeDeg) &&
           within(site.HeightM, MinimumHeightM, MaximumHeightM);
}

}  // namespace vireon
