// Charon: a circular orbit of fixed radius and period.
//
// Theory: Tholen's (1985) circular orbit: radius 19640 km, period 6.38723 days, argument of
// latitude 259.9 degrees at JD 2446600.5, node 222.37 degrees and inclination 98.3 degrees on
// the Earth's mean equator and equinox of B1950.
//
// Deviations: none from the orbit itself. The position is computed in that B1950 equatorial
// frame and carried to the mean equator of date by the IAU 1976 precession (Lieske et al.
// 1977) expanded about 1950 January 1.0.
// No planetary orientation, no shadows: the offsets stay east/north, the signed phase angle
// is 0, and the polar-view pair holds the sky distance and the position angle of the offset.
#include <cmath>
#include <numbers>

#include "satellites/phasor.h"
#include "satellites/planet_frame.h"
#include "satellites/theories.h"

namespace vireon {
namespace {

constexpr Extended Pi = std::numbers::pi_v<Extended>;
constexpr Extended DegToRad = Pi / 180;

constexpr Extended OrbitRadiusKm = 19640;
constexpr Extended PeriodDays = 6.38723L;
constexpr Extended LatitudeArgumentAtEpochDeg = 259.9L;
constexpr Extended EpochJD = 2446600.5L;
constexpr Extended NodeDeg = 222.37L;         // on the B1950 equator, from the B1950 equinox
constexpr Extended InclinationDeg = 98.3L;    // on the B1950 equator
constexpr Extended PlutoRadiusKm = 1162;
constexpr Extended CharonRadiusKm = 606;
constexpr Extended CharonMagnitude = 16.8L;

// Argument of latitude (radians) at the instant the light now arriving left Charon.
Extended ArgumentOfLatitude(Extended jd, Extended lightTimeDays)
{
    Extended u = LatitudeArgumentAtEpochDeg + 360 * (jd - EpochJD - lightTimeDays) / PeriodDays;
    u -= std::trunc(u / 360) * 360;
    if (u < 0) u += 360;
    return u * DegToRad;
}

// Plutocentric position (km) on the mean equator and equinox of B1950. A 64-bit cosine and sine
// of u (under 2 pi): 1e-15 rad of rounding is 2e-11 km.
Vec3 PositionOnB1950Equator(Extended u)
{
    const Extended Om = NodeDeg * DegToRad, i = InclinationDeg * DegToRad;
    const Phasor p = PhasorOf(u);
    const Extended cosU = p.Cos, sinU = p.Sin;
    return {OrbitRadiusKm * (cosU * std::cos(Om) - sinU * std::sin(Om) * std::cos(i)),
            OrbitRadiusKm * (cosU * std::sin(Om) + sinU * std::cos(Om) * std::cos(i)),
            OrbitRadiusKm * sinU * std::sin(i)};
}

// Angle of the offset (radians) by a single-argument arctangent of y / x, in [-pi/2, pi/2]:
// a vertical offset (x = 0) gives +-pi/2 by the sign of y, and no offset at all gives 0.
Extended OffsetAngle(Extended x, Extended y)
{
    if (x == 0) return y > 0 ? Pi / 2 : (y < 0 ? -Pi / 2 : 0);
    return std::atan(y / x);
}

}  // namespace

void ComputeCharon(const TheoryInput& in, PlanetPlaces& places, SatelliteRecord& record)
{
    PlutoApparent(in.JD, places);
    const PlanetPlace& pluto = places.Planet[Pluto];

    const SkyFrame sky = MakeSkyFrame({pluto.X, pluto.Y, pluto.Z});
    record.PlanetPolePA = places.PlanetPolePA;
    // One radius for both diameters: Pluto is drawn as a sphere of 1162 km.
    record.PlanetApparentDiameter[1] = ApparentDiameterArcsec(PlutoRadiusKm, sky.Delta);
    record.PlanetApparentDiameter[2] = record.PlanetApparentDiameter[1];
    record.PhaseAngleSigned = 0;

    const Vec3 b1950 = PositionOnB1950Equator(ArgumentOfLatitude(in.JD, pluto.Distance / SpeedOfLightKmPerDay));
    constexpr int k = 1;
    record.SatRadiusVector[k] = Norm(b1950);
    record.SatPlanetLongitude[k] = QuadrantAngle(b1950.x, b1950.y);
    record.SatPlanetLatTan[k] = b1950.z / std::hypot(b1950.x, b1950.y);

    const SkyOffsets offsets = ProjectOnSky(sky, PrecessFromB1950(in.JD, b1950));
    StoreProjection(record, k, offsets);
    record.SatApparentDiameter[k] = ApparentDiameterArcsec(CharonRadiusKm, sky.Delta + offsets.D);
    record.SatMagnitude[k] = CharonMagnitude;

    // The sky distance in every view; the polar pair is (distance, angle).
    const Extended skyDistance = std::hypot(record.SatOffsetX[k], record.SatOffsetY[k]);
    record.SatDistance[k] = skyDistance;
    record.SatPolarX[k] = skyDistance;
    record.SatPolarY[k] = OffsetAngle(record.SatOffsetX[k], record.SatOffsetY[k]);
}

}  // namespace vireon
