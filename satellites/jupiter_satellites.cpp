// Jupiter's four large satellites, Io, Europe, Ganymede and Callisto.
//
// Theory: J. H. Lieske's analytical theory of the Galilean satellites (Lieske 1977, A&A 56,
// 333; Lieske 1998, A&AS 129, 205): mean elements linear in time from JD 2443000.5 with the
// great inequality Gamma in Jupiter's mean anomaly, and periodic series in longitude, latitude
// and radius vector evaluated at the mean longitudes. The series are those of the E5
// ephemeris (Lieske 1998), the elements those of the E2x3 form (Lieske 1977; Meeus,
// Astronomical Algorithms, 1st ed., ch. 43).
//
// Frames: the theory counts its longitudes from the mean equinox of B1950.0 along Jupiter's
// equator. They are carried to the equinox of the date by the general precession in
// longitude since B1950.0 (Lieske et al. 1977), then the satellite is placed in the frame of
// Jupiter's IAU pole referred to the true equator of the date (x toward the equinox of the
// date projected on Jupiter's equator) and projected on the sky as seen from the Earth.
//
// Deviations from the published theory: the E5 series with the E2x3 elements (the E2x3
// tables are not available); no separate light time per satellite (the planet's is used);
// the latitude series at the mean elements; the satellites are placed with the IAU pole
// rather than Lieske's own equator elements.
//
// Shadows: the point where the sunlight through each satellite meets Jupiter's spheroid
// (satellites/shadow.cpp), projected as the satellite.
#include "satellites/jupiter_satellites.h"

#include <cmath>
#include <iterator>
#include <numbers>

#include "ephemeris/apparent_place.h"
#include "ephemeris/planet_data.h"
#include "satellites/satellite_record.h"
#include "satellites/theories.h"

namespace vireon {
namespace {

constexpr Extended Pi = std::numbers::pi_v<Extended>;
constexpr Extended RadiansPerDegree = Pi / 180;

// The theory's own degree-to-radian divisor for its mean elements.
constexpr Extended TheoryDegreesPerRadian = 57.2957795128L;

constexpr Extended TheoryEpochJD = 2443000.5L;

// A linear element in degrees: constant + rate x t (t in days).
struct LinearElement {
    GalileanArgument Index;
    Extended Constant;
    Extended RatePerDay;
};

// Mean elements of the E2x3 theory (Lieske 1977), epoch JD 2443000.5.
constexpr LinearElement LinearElements[] = {
    {ArgL1, 106.079467L, 203.4889554315587L},
    {ArgL2, 175.729384L, 101.3747245504001L},
    {ArgL3, 120.5543425L, 50.31760910982082L},
    {ArgL4, 84.448683L, 21.57107131356202L},
    {ArgPi1, 58.332904L, 0.16103936L},
    {ArgPi2, 132.895887L, 0.04647985L},
    {ArgPi3, 187.288673L, 0.0071274L},
    {ArgPi4, 334.341786L, 0.00183998L},
    {ArgOmega1, 311.079291L, -0.1327943L},
    {ArgOmega2, 100.50988L, -0.03263047L},
    {ArgOmega3, 119.168834L, -0.00717704L},
    {ArgOmega4, 322.572924L, -0.00175934L},
    {ArgPhiLambda, 191.813244L, 0.17390023L},
    {ArgPsi, 316.518203L, -0.00000208L},
    {ArgG, 30.2375570168L, 0.08309257009881611L},
    {ArgGp, 31.9785280244L, 0.033459733896L},
};
static_assert(std::size(LinearElements) == 16);

// Fixed angles, degrees.
struct FixedAngle {
    GalileanArgument Index;
    Extended Degrees;
};
constexpr FixedAngle FixedAngles[] = {
    {ArgPiJ, 13.469942L},       // longitude of Jupiter's perihelion
    {ArgPhi1, 188.37434566L},
    {ArgPhi2, 52.22482413L},
    {ArgPhi3, 257.184L},
    {ArgPhi4, 149.152604912L},
};

Extended ReduceDegrees(Extended degrees)
{
    Extended r = std::fmod(degrees, Extended{360});
    if (r < 0) r += 360;
    return r;
}

// The great inequality in Jupiter's mean anomaly (degrees).
Extended GreatInequalityDegrees(Extended t)
{
    const Extended a = (163.679L + 0.0010512L * t) * RadiansPerDegree;
    const Extended b = (34.486L - 0.0161731L * t) * RadiansPerDegree;
    return (33033 * std::sin(a) + 3439 * std::sin(b)) / 100000;
}

Extended SumSeries(std::span<const GalileanTerm> terms, const GalileanArguments& args, bool cosine)
{
    Extended sum = 0;
    for (const GalileanTerm& term : terms) {
        Extended argument = 0;
        for (int j = 0; j < GalileanArgumentCount; ++j) {
            if (term.Multiplier[j] != 0) argument += term.Multiplier[j] * args[j];
        }
        sum += term.Coefficient * (cosine ? std::cos(argument) : std::sin(argument));
    }
    return sum;
}

// General precession in longitude from B1950.0 to the date (radians), Lieske et al. 1977.
Extended PrecessionSinceB1950(Extended jd)
{
    const Extended t0 = (jd - 2433282.423L) / 36525;
    return (1.3966626L * t0 + 0.0003088L * t0 * t0) * RadiansPerDegree;
}

Vec3 UnitVector(Extended alpha, Extended delta)
{
    return {std::cos(alpha) * std::cos(delta), std::sin(alpha) * std::cos(delta), std::sin(delta)};
}

// The pole's frame: e1 is the equinox direction projected on Jupiter's equator, e2 = p x e1.
struct PoleFrame {
    Vec3 E1, E2, P;
};

PoleFrame MakePoleFrame(const Vec3& p)
{
    const Extended s = std::sqrt(1 - p.x * p.x);
    return {{s, -p.x * p.y / s, -p.x * p.z / s}, {0, p.z / s, -p.y / s}, p};
}

// Position angle of the pole from celestial north through east, single-argument arctangent
// as the theory has it: between -pi/2 and pi/2, which Jupiter's pole never leaves.
Extended PolePositionAngle(Extended alpha0, Extended delta0, Extended alpha, Extended delta)
{
    const Extended numerator = std::cos(delta0) * std::sin(alpha0 - alpha);
    const Extended denominator =
        std::sin(delta0) * std::cos(delta) - std::cos(delta0) * std::sin(delta) * std::cos(alpha0 - alpha);
    if (denominator == 0) return numerator == 0 ? 0 : std::copysign(Pi / 2, numerator);
    return std::atan(numerator / denominator);
}

// Angle of the point (x, y) in (-pi/2, 3pi/2): +-pi/2 on the y axis, 0 at the origin.
Extended QuadrantAngle(Extended x, Extended y)
{
    if (x == 0) return y == 0 ? 0 : std::copysign(Pi / 2, y);
    const Extended a = std::atan(y / x);
    return x < 0 ? a + Pi : a;
}

// Phase angle Sun-Jupiter-Earth, signed positive when Jupiter's heliocentric longitude leads
// the Earth's by less than half a turn (before opposition).
Extended SignedPhaseAngle(const PlanetPlaces& places)
{
    const PlanetPlace& jupiter = places.Planet[Jupiter];
    const Extended r = jupiter.Helio.R;
    const Extended delta = jupiter.Distance;
    const Extended earthR = places.Earth.Helio.R;
    const Extended cosI = (r * r + delta * delta - earthR * earthR) / (2 * r * delta);
    const Extended i = std::fabs(cosI) <= 1 ? std::acos(cosI) : 0;
    Extended d = std::fmod(jupiter.Helio.L - places.Earth.Helio.L, 2 * Pi);
    if (d > Pi) d -= 2 * Pi;
    if (d <= -Pi) d += 2 * Pi;
    return d > 0 && d < Pi ? i : -i;
}

Extended EquatorialDiameterKm() { return static_cast<Extended>(PlanetInfo(Jupiter).PlanetEquatorialDiameterKm); }
Extended PolarDiameterKm() { return static_cast<Extended>(PlanetInfo(Jupiter).PlanetPolarDiameterKm); }

// The satellite-independent values of one run.
struct JupiterRun {
    Extended Time = 0;  // days from the epoch, light time taken off
    Vec3 Pole;
    SkyFrame Sky;
    ShadowGeometry Shadow;
    Extended PolePA = 0;
};

JupiterRun PrepareRun(const TheoryInput& in, PlanetPlaces& places)
{
    JupiterRun run;
    JupiterApparent(in.JD, places);
    Extended alpha0 = 0;
    Extended delta0 = 0;
    JupiterPoleJ2000(in.JD, alpha0, delta0);
    ApparentFromJ2000(in.JD, places.Nutation, places.TrueObliquity, places.Earth, alpha0, delta0);
    run.Pole = UnitVector(alpha0, delta0);

    const PlanetPlace& jupiter = places.Planet[Jupiter];
    run.Time = in.JD - TheoryEpochJD - jupiter.Distance / SpeedOfLightKmPerDay;

    const Vec3 geocentric{jupiter.X, jupiter.Y, jupiter.Z};
    run.Sky = MakeSkyFrame(geocentric);
    run.PolePA = PolePositionAngle(alpha0, delta0, jupiter.RA * 15 * RadiansPerDegree, jupiter.Dec * RadiansPerDegree);

    // Jupiter's heliocentric vector at the instant, true equator of the date. The shadow seen now
    // was cast one light time earlier; Jupiter's own motion over that time turns the sunlight
    // by at most 4e-5 rad, which moves a shadow by under 0.03".
    const EquatorialVector helio = EclipticToEquatorial(
        jupiter.Helio.L + places.Nutation.Longitude * Pi / 648000, jupiter.Helio.B, jupiter.Helio.R, places.TrueObliquity);
    run.Shadow.SunToPlanet = {helio.X, helio.Y, helio.Z};
    run.Shadow.Pole = run.Pole;
    run.Shadow.EquatorialRadiusKm = EquatorialDiameterKm() / 2;
    run.Shadow.PolarRadiusKm = PolarDiameterKm() / 2;
    return run;
}

void StoreSatellite(const TheoryInput& in, const JupiterRun& run, int k, SatelliteRecord& record)
{
    const PoleFrame frame = MakePoleFrame(run.Pole);
    const Vec3 local = GalileanPlanetFramePosition(k, in.JD, run.Time);
    const Vec3 v = local.x * frame.E1 + local.y * frame.E2 + local.z * frame.P;

    record.SatRadiusVector[k] = Norm(local);
    record.SatPlanetLongitude[k] = QuadrantAngle(local.x, local.y);
    record.SatPlanetLatTan[k] = local.z / std::hypot(local.x, local.y);

    const SkyOffsets sky = ProjectOnSky(run.Sky, v);
    StoreProjection(record, k, sky);
    record.SatApparentDiameter[k] = ApparentDiameterArcsec(GalileanRadiusKm[k], run.Sky.Delta + sky.D);
    record.SatMagnitude[k] = GalileanMagnitude[k];

    OrientOffsets(in.Orientation, run.PolePA, record.SatOffsetX[k], record.SatOffsetY[k]);
    PolarFromOffsetsAndDepth(record, k, in.ViewMode, in.Orientation, sky.OffsetX, sky.OffsetY, run.PolePA,
                             EquatorialDiameterKm());

    if (in.ViewMode == 'E') {
        record.SatDistance[k] = std::hypot(record.SatOffsetX[k], JupiterSkyFlattening * record.SatOffsetY[k]);
    } else {
        record.SatDistance[k] =
            record.SatRadiusVector[k] / EquatorialDiameterKm() * record.PlanetApparentDiameter[1];
    }

    StoreShadow(record, k, run.Shadow, run.Sky, v, in.Orientation, run.PolePA);
}

}  // namespace

void JupiterPoleJ2000(Extended jd, Extended& alpha0, Extended& delta0)
{
    const Extended t = (jd - 2451545) / 36525;
    alpha0 = (268050 - 9 * t) * Pi / 180000;
    delta0 = (64490 + 3 * t) * Pi / 180000;
}

GalileanArguments GalileanMeanElements(Extended t)
{
    GalileanArguments args{};
    for (const LinearElement& e : LinearElements) {
        Extended degrees = e.Constant + e.RatePerDay * t;
        if (e.Index == ArgG) degrees += GreatInequalityDegrees(t);
        args[e.Index] = ReduceDegrees(degrees) / TheoryDegreesPerRadian;
    }
    for (const FixedAngle& f : FixedAngles) args[f.Index] = f.Degrees / TheoryDegreesPerRadian;
    return args;
}

GalileanSums GalileanSeriesSums(int k, const GalileanArguments& args)
{
    const GalileanSatelliteSeries& series = GalileanSeries[k];
    GalileanSums sums;
    sums.Longitude = SumSeries(series.Longitude, args, false) / 10000000;
    sums.Latitude = SumSeries(series.Latitude, args, false) / 10000000;
    sums.Radius = SumSeries(series.Radius, args, true) / 10000000;
    return sums;
}

Vec3 GalileanPlanetFramePosition(int k, Extended jd, Extended t)
{
    const GalileanArguments args = GalileanMeanElements(t);
    const GalileanSums sums = GalileanSeriesSums(k, args);
    const Extended a = GalileanSemiMajorAxisKm[k];
    // The series keep the mean elements; only the longitude itself moves to the equinox of date.
    const Extended longitude = args[ArgL1 + (k - 1)] + sums.Longitude + PrecessionSinceB1950(jd);
    const Extended r = a * (1 + sums.Radius);
    return {r * std::cos(longitude), r * std::sin(longitude), a * sums.Latitude};
}

void ComputeJupiterSatellites(const TheoryInput& in, PlanetPlaces& places, SatelliteRecord& record)
{
    const JupiterRun run = PrepareRun(in, places);
    const Extended delta = run.Sky.Delta;
    record.PlanetApparentDiameter[1] = ApparentDiameterArcsec(EquatorialDiameterKm() / 2, delta);
    record.PlanetApparentDiameter[2] = ApparentDiameterArcsec(PolarDiameterKm() / 2, delta);
    record.PlanetPolePA = run.PolePA;
    places.PlanetPolePA = run.PolePA;

    for (int k = 1; k <= PlanetInfo(Jupiter).SatelliteCount; ++k) StoreSatellite(in, run, k, record);

    record.PhaseAngleSigned = SignedPhaseAngle(places);
}

}  // namespace vireon
