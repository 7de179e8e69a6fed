// Pluto's heliocentric place from its Chebyshev table (ephemeris/pluto_chebyshev.cpp, written by
// tools/generate_pluto_table.cpp from an integration fitted to DE441 over 1900-2100): the Pluto
// system barycentre from the Sun, ICRF, turned to the mean ecliptic and equinox of the date where
// VSOP87D puts the other planets, so that the apparent-place pipeline treats it as theirs.
//
// Deviations: the ICRF is taken as the mean equator and equinox of J2000.0 (they differ by the
// frame bias, 0.02"); the J2000 ecliptic is that of the IAU 1976 system (obliquity 84381.448"),
// the one its precession angles are referred to. The place is the system's barycentre: Pluto's
// centre circles it at 2130 km (0.07" to 0.1" at 30 to 50 au) with Charon's period.
#include <cmath>

#include "core/angles.h"
#include "ephemeris/apparent_place.h"
#include "ephemeris/pluto_theory.h"

namespace vireon {
namespace {

constexpr Extended TableStartFromJ2000 = PlutoTableFirstJD - 2451545;

// The segment holding an instant, days from the table's start; the first and the last segments
// stretch beyond its ends (and a NaN takes the first).
int SegmentIndex(Extended daysFromStart)
{
    const Extended k = std::floor(daysFromStart / PlutoSegmentDays);
    if (!(k >= 1)) return 0;
    if (k >= PlutoSegmentCount - 1) return PlutoSegmentCount - 1;
    return static_cast<int>(k);
}

// Clenshaw's recurrence for the three series of a segment at x, in extended precision.
Vec3 SumOfSeries(const PlutoSegment& s, Extended x)
{
    const Extended twoX = 2 * x;
    Vec3 b1, b2;
    for (int j = PlutoCoefficientCount - 1; j >= 1; --j) {
        const Vec3 b0 = {twoX * b1.x - b2.x + s.X[j], twoX * b1.y - b2.y + s.Y[j], twoX * b1.z - b2.z + s.Z[j]};
        b2 = b1;
        b1 = b0;
    }
    return {s.X[0] + x * b1.x - b2.x, s.Y[0] + x * b1.y - b2.y, s.Z[0] + x * b1.z - b2.z};
}

}  // namespace

Vec3 PlutoHeliocentricIcrf(Extended daysFromJ2000)
{
    const Extended fromStart = daysFromJ2000 - TableStartFromJ2000;
    const int k = SegmentIndex(fromStart);
    return SumOfSeries(PlutoSegments[k], 2 * (fromStart - k * PlutoSegmentDays) / PlutoSegmentDays - 1);
}

HeliocentricPlace PlutoHeliocentric(Extended julianMillennia)
{
    const Vec3 icrf = De441AstronomicalUnitKm * PlutoHeliocentricIcrf(julianMillennia * 365250);
    const Vec3 e = J2000EquatorToEclipticOfDate(julianMillennia, icrf);
    const Extended rho = std::sqrt(e.x * e.x + e.y * e.y);
    HeliocentricPlace place;
    place.L = QuadrantAngle(e.x, e.y);
    if (place.L < 0) place.L += TwoPi;
    if (place.L >= TwoPi) place.L -= TwoPi;  // a tiny negative angle rounded up to 2 pi
    place.B = std::atan(e.z / rho);
    place.R = std::sqrt(rho * rho + e.z * e.z);
    return place;
}

}  // namespace vireon
