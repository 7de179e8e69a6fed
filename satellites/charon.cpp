// Charon: a circular orbit of fixed radius and period.
//
// Theory: Tholen's (1985) circular orbit: radius 19640 km, period 6.38723 days, argument of
// latitude 259.9 degrees at JD 2446600.5, node 222.37 degrees and inclination 98.3 degrees on
// the Earth's mean equator and equinox of B1950.
//
// Deviations: none from the orbit itself. The position is computed in that B1950 equatorial
// frame and carried to the mean equator of date by the IAU 1976 precession (Lieske et al.
// 1977) expanded about 1950 January 1.0.
// No planetary orientation, no shadows and no phase angle; the polar-view pair holds the sky
// distance and the position angle of the offset (satellites/planet_descriptor.cpp).
#include <cmath>

#include "core/angles.h"
#include "satellites/phasor.h"
#include "satellites/planet_frame.h"
#include "satellites/theory.h"

namespace vireon {
namespace {

constexpr Extended OrbitRadiusKm = 19640;
constexpr Extended PeriodDays = 6.38723L;
constexpr Extended LatitudeArgumentAtEpochDeg = 259.9L;
constexpr Extended EpochJD = 2446600.5L;
constexpr Extended NodeDeg = 222.37L;         // on the B1950 equator, from the B1950 equinox
constexpr Extended InclinationDeg = 98.3L;    // on the B1950 equator

// Argument of latitude (radians) at the instant the light now arriving left Charon.
Extended ArgumentOfLatitude(Extended jd, Extended lightTimeDays)
{
    return ReduceDegrees(LatitudeArgumentAtEpochDeg + 360 * (jd - EpochJD - lightTimeDays) / PeriodDays) *
           RadiansPerDegree;
}

// Plutocentric position (km) on the mean equator and equinox of B1950. A 64-bit cosine and sine
// of u (under 2 pi): 1e-15 rad of rounding is 2e-11 km.
Vec3 PositionOnB1950Equator(Extended u)
{
    const Extended Om = NodeDeg * RadiansPerDegree, i = InclinationDeg * RadiansPerDegree;
    const Phasor p = PhasorOf(u);
    const Extended cosU = p.Cos, sinU = p.Sin;
    return {OrbitRadiusKm * (cosU * std::cos(Om) - sinU * std::sin(Om) * std::cos(i)),
            OrbitRadiusKm * (cosU * std::sin(Om) + sinU * std::cos(Om) * std::cos(i)),
            OrbitRadiusKm * sinU * std::sin(i)};
}

// Angle of the offset (radians) by a single-argument arctangent of y / x, in [-pi/2, pi/2]:
// a vertical offset (x = 0) gives +-pi/2 by the sign of y, and no offset at all gives 0.
}  // namespace

void ComputePlutoSystem(const TheoryInstant& in, PlanetPlaces& places, SatelliteSystem& system)
{
    PlutoApparent(in.JD, places);
    const PlanetPlace& pluto = places.Planet[Pluto];

    system = BeginSystem(Pluto, places);
    system.PolePA = places.PlanetPolePA;
    const Vec3 b1950 = PositionOnB1950Equator(ArgumentOfLatitude(in.JD, pluto.Distance / SpeedOfLightKmPerDay));
    system.PlanetFrame[1] = b1950;
    system.Position[1] = PrecessFromB1950(in.JD, b1950);
}

}  // namespace vireon
