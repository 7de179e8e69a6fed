// Angle constants and helpers shared by every layer. Radians unless a name says otherwise.
#pragma once

#include <cmath>
#include <numbers>

#include "core/types.h"

namespace vireon {

inline constexpr Extended Pi = std::numbers::pi_v<Extended>;
inline constexpr Extended TwoPi = 2 * Pi;
inline constexpr Extended HalfPi = Pi / 2;
inline constexpr Extended RadiansPerDegree = Pi / 180;
inline constexpr Extended DegreesPerRadian = 180 / Pi;
inline constexpr Extended RadiansPerArcsec = Pi / 648000;
inline constexpr Extended ArcsecPerRadian = 648000 / Pi;

// The rounded degrees-per-radian divisor that Lieske's mean elements of the Galilean satellites,
// Harper and Taylor's elements of Saturn's satellites and Meeus' ring chapter are written with.
inline constexpr Extended TheoryDegreesPerRadian = 57.2957795128L;

// The views: 3 arcseconds per pixel at zoom 1.
inline constexpr Extended ArcsecPerPixelAtZoom1 = 3;
// Jupiter's apparent flattening, equatorial over polar diameter, as the program has always taken
// it: Jupiter's sky distances use it, and the monthly graph applies it to the north-south offset
// of every planet's satellites.
inline constexpr Extended JupiterFlattening = 1.071374L;

// Degrees reduced into [0, 360) (fmod: exact for any finite input).
inline Extended ReduceDegrees(Extended degrees)
{
    const Extended r = std::fmod(degrees, Extended{360});
    return r < 0 ? r + 360 : r;
}

// Radians reduced into [0, 2pi) (fmod by the extended 2pi).
inline Extended ReduceRadians(Extended radians)
{
    const Extended r = std::fmod(radians, TwoPi);
    return r < 0 ? r + TwoPi : r;
}

// Angle of the point (x, y), in (-pi/2, 3pi/2): arctan(y / x), plus pi when x < 0; +-pi/2 by the
// sign of y when x = 0, and 0 at the origin.
inline Extended QuadrantAngle(Extended x, Extended y)
{
    if (x == 0) return y == 0 ? 0 : (y > 0 ? HalfPi : -HalfPi);
    const Extended a = std::atan(y / x);
    return x < 0 ? a + Pi : a;
}

}  // namespace vireon
