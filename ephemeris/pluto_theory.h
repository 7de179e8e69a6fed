// Pluto: a table of Chebyshev polynomials of its heliocentric position over years 0 to 10000,
// from a numerical integration of the Sun, the giant planets and the Pluto system whose start
// state is fitted to DE441 (Park et al. 2021, AJ 161, 105) over 1900-2100
// (tools/generate_pluto_table.cpp writes it, ephemeris/pluto_chebyshev.cpp holds it).
#pragma once

#include <span>

#include "core/types.h"
#include "core/vector3.h"

namespace vireon {

// The table's grid: segments of 8 Julian years from JD 1721045.0 (December of year 0) to JD
// 5373545.0 (March of year 10000), J2000.0 being the start of segment 250.
inline constexpr Extended PlutoTableFirstJD = 1721045.0L;
inline constexpr Extended PlutoSegmentDays = 2922;
inline constexpr int PlutoSegmentCount = 1250;
inline constexpr int PlutoCoefficientCount = 12;

// The au of DE441 (IAU 2012 Resolution B2), km.
inline constexpr Extended De441AstronomicalUnitKm = 149597870.7L;

// One segment: the coefficients of T0(x)..T11(x), x = 2 (JD - start) / 2922 - 1 in [-1, 1], of
// the Pluto system barycentre's position from the Sun, ICRF (J2000 equator and equinox), au.
struct PlutoSegment {
    double X[PlutoCoefficientCount], Y[PlutoCoefficientCount], Z[PlutoCoefficientCount];
};

// The generated table, in the order of time.
extern const std::span<const PlutoSegment> PlutoSegments;

// Pluto's heliocentric position at JD 2451545.0 + daysFromJ2000 (TT), ICRF, au: the segment
// holding the instant (the first or last one outside the table), by Clenshaw's recurrence.
Vec3 PlutoHeliocentricIcrf(Extended daysFromJ2000);

}  // namespace vireon
