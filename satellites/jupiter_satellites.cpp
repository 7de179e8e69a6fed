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
// Evaluation: the mean elements once per instant, each term from the powers of exp(i a) of
// its fundamental arguments in 64 bits (satellites/phasor.h), the terms summed in extended
// precision in the order of the tables.
//
// Shadows: the point where the sunlight through each satellite meets Jupiter's spheroid
// (satellites/shadow.cpp), projected as the satellite.
#include "satellites/jupiter_satellites.h"

#include <cmath>
#include <iterator>

#include "core/angles.h"
#include "ephemeris/apparent_place.h"
#include "ephemeris/sine_cosine.h"
#include "ephemeris/planet_rotation.h"
#include "satellites/planet_frame.h"
#include "satellites/theory.h"

namespace vireon {
namespace {

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

// The great inequality in Jupiter's mean anomaly (degrees). Its arguments stay below 1000 rad
// over years 1..9999; their 64-bit sines are off by under 1.2e-13 rad in phase, 4e-14 deg in G.
Extended GreatInequalityDegrees(Extended t)
{
    const double a = static_cast<double>((163.679L + 0.0010512L * t) * RadiansPerDegree);
    const double b = static_cast<double>((34.486L - 0.0161731L * t) * RadiansPerDegree);
    return (33033 * Extended{std::sin(a)} + 3439 * Extended{std::sin(b)}) / 100000;
}

Phasor TermPhasor(const GalileanTerm& term, const GalileanInstant& instant)
{
    return TermPhasor(term.Factors, term.FactorCount, instant.Powers);
}

Extended SumSines(std::span<const GalileanTerm> terms, const GalileanInstant& instant)
{
    Extended sum = 0;
    for (const GalileanTerm& term : terms) sum += term.Coefficient * Extended{TermPhasor(term, instant).Sin};
    return sum;
}

Extended SumCosines(std::span<const GalileanTerm> terms, const GalileanInstant& instant)
{
    Extended sum = 0;
    for (const GalileanTerm& term : terms) sum += term.Coefficient * Extended{TermPhasor(term, instant).Cos};
    return sum;
}

// General precession in longitude from B1950.0 to the date (radians), Lieske et al. 1977.
Extended PrecessionSinceB1950(Extended jd)
{
    const Extended t0 = (jd - 2433282.423L) / 36525;
    return (1.3966626L * t0 + 0.0003088L * t0 * t0) * RadiansPerDegree;
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
    const SineAndCosine d0 = SineCosineExtended(delta0), d = SineCosineExtended(delta),
                        da = SineCosineExtended(alpha0 - alpha);
    const Extended numerator = d0.Cos * da.Sin;
    const Extended denominator = d0.Sin * d.Cos - d0.Cos * d.Sin * da.Cos;
    if (denominator == 0) return numerator == 0 ? 0 : std::copysign(Pi / 2, numerator);
    return std::atan(numerator / denominator);
}

// The satellite-independent values of one run.
struct JupiterRun {
    Extended LightTime = 0;  // days
    Vec3 Pole;
    Extended PolePA = 0;
};

JupiterRun PrepareRun(const TheoryInstant& in, PlanetPlaces& places)
{
    JupiterRun run;
    JupiterApparent(in.JD, places);
    Extended alpha0 = 0;
    Extended delta0 = 0;
    JupiterPoleJ2000(in.JD, alpha0, delta0);
    ApparentFromJ2000(in.JD, places.Nutation, places.TrueObliquity, places.Earth, alpha0, delta0);
    run.Pole = UnitVector(alpha0, delta0);

    const PlanetPlace& jupiter = places.Planet[Jupiter];
    run.LightTime = jupiter.Distance / SpeedOfLightKmPerDay;
    run.PolePA = PolePositionAngle(alpha0, delta0, jupiter.RA * 15 * RadiansPerDegree, jupiter.Dec * RadiansPerDegree);
    return run;
}

// The pole's frame as the matrix whose columns are e1, e2 and the pole: Jupiter's equatorial
// frame to the true equator of the date.
Mat3 PoleFrameMatrix(const PoleFrame& f)
{
    return {{Vec3{f.E1.x, f.E2.x, f.P.x}, Vec3{f.E1.y, f.E2.y, f.P.y}, Vec3{f.E1.z, f.E2.z, f.P.z}}};
}

}  // namespace

void JupiterPoleJ2000(Extended jd, Extended& alpha0, Extended& delta0)
{
    const PoleDirection pole = IauPoleJ2000(Jupiter, jd);
    alpha0 = pole.Alpha0;
    delta0 = pole.Delta0;
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

GalileanInstant GalileanInstantAt(Extended jd, Extended t)
{
    GalileanInstant instant;
    instant.Args = GalileanMeanElements(t);
    for (int j = 0; j < GalileanArgumentCount; ++j) {
        instant.Powers[j].Fill(instant.Args[j], GalileanLargestMultiplier[j]);
    }
    instant.PrecessionSinceB1950 = PrecessionSinceB1950(jd);
    return instant;
}

GalileanSums GalileanSeriesSums(int k, const GalileanInstant& instant)
{
    const GalileanSatelliteSeries& series = GalileanSeries[k];
    GalileanSums sums;
    sums.Longitude = SumSines(series.Longitude, instant) / 10000000;
    sums.Latitude = SumSines(series.Latitude, instant) / 10000000;
    sums.Radius = SumCosines(series.Radius, instant) / 10000000;
    return sums;
}

Vec3 GalileanPlanetFramePosition(int k, const GalileanInstant& instant)
{
    const GalileanSums sums = GalileanSeriesSums(k, instant);
    const Extended a = GalileanSemiMajorAxisKm[k];
    // The series keep the mean elements; only the longitude itself moves to the equinox of date.
    const Extended longitude = instant.Args[ArgL1 + (k - 1)] + sums.Longitude + instant.PrecessionSinceB1950;
    const Extended r = a * (1 + sums.Radius);
    // A 64-bit cosine and sine of the longitude (under 9 rad): 1e-15 rad of rounding is 2e-9 km
    // at Callisto, 1e-12" seen from the Earth.
    const Phasor u = PhasorOf(longitude);
    return {r * Extended{u.Cos}, r * Extended{u.Sin}, a * sums.Latitude};
}

void PlaceJupiterSatellites(Extended jd, const SatelliteAxes& axes, int first, int last, SatelliteSystem& system)
{
    const GalileanInstant instant = GalileanInstantAt(jd, jd - TheoryEpochJD - axes.LightTimeDays);
    for (int k = first; k <= last; ++k) {
        const Vec3 local = GalileanPlanetFramePosition(k, instant);
        system.PlanetFrame[k] = local;
        system.Position[k] = axes.ToEquatorOfDate * local;
    }
}

void ComputeJupiterSystem(const TheoryInstant& in, PlanetPlaces& places, SatelliteSystem& system)
{
    const JupiterRun run = PrepareRun(in, places);
    const PlanetPlace& jupiter = places.Planet[Jupiter];
    system = BeginSystem(Jupiter, places);
    // Jupiter's heliocentric vector at the instant, true equator of the date. The shadow seen now
    // was cast one light time earlier; Jupiter's own motion over that time turns the sunlight
    // by at most 4e-5 rad, which moves a shadow by under 0.03".
    system.Heliocentric = HeliocentricVectorOfDate(jupiter.Helio, places.Nutation, places.TrueObliquity);
    system.Pole = run.Pole;
    system.PolePA = run.PolePA;
    places.PlanetPolePA = run.PolePA;
    system.PhaseAngleSigned = SignedPhaseAngle(jupiter, places.Earth);

    system.Axes = {run.LightTime, PoleFrameMatrix(MakePoleFrame(run.Pole))};
    PlaceJupiterSatellites(in.JD, system.Axes, 1, system.Count, system);
}

}  // namespace vireon
