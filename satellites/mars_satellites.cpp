// Phobos and Deimos: precessing ellipses on Laplace planes.
//
// Theory: each satellite moves on a fixed Keplerian ellipse whose pericentre and node turn
// uniformly; the node and the inclination are counted on a Laplace plane, itself given by
// its node N and inclination J on the Earth's mean equator of 1950 (elements of epoch
// JD 2433282.5, 1950 January 1.0, after Sinclair 1989, A&A 220, 321). The pole of Mars is
// the older almanacs' pole, referred to the mean equator of date and moved once per
// calendar year.
//
// Deviations from the published model:
// - the node of each orbit is counted along the Laplace plane from that plane's own
//   ascending node on the 1950 equator, so the argument of pericentre is varpi - Omega - N;
// - the 1950 equatorial vector is carried to the frame of the date by the IAU 1976
//   precession (Lieske et al. 1977) with its angles counted from 1950 January 1.0;
// - the shadow is the point where the ray from the Sun through the satellite meets the
//   spheroid of Mars (radii 3397 and 3375 km) about the pole used here, or, when the ray
//   misses, where it crosses the plane through Mars's centre perpendicular to the line of
//   sight; it is projected exactly as the satellite is.
#include <cmath>
#include <iterator>

#include "core/angles.h"
#include "ephemeris/sine_cosine.h"
#include "satellites/kepler.h"
#include "satellites/phasor.h"
#include "satellites/planet_frame.h"
#include "satellites/theory.h"

namespace vireon {
namespace {


// Element epoch, 1950 January 1.0.
constexpr Extended ElementEpochJD = 2433282.5L;

// One satellite's orbit: size, shape and the linear (quadratic for L) angles, degrees and days.
struct MarsMoonElements {
    Extended a;        // semi-major axis, km
    Extended e;        // eccentricity
    Extended gamma;    // inclination on the Laplace plane, degrees
    Extended L0, L1, L2;    // mean longitude
    Extended w0, w1;        // longitude of pericentre varpi
    Extended Om0, Om1;      // node on the Laplace plane, from the plane's own node
    Extended N0, N1;        // node of the Laplace plane on the 1950 equator
    Extended J0, J1;        // inclination of the Laplace plane on the 1950 equator
};

constexpr MarsMoonElements Moons[] = {
    // Phobos
    {9377.241L, 0.015107L, 1.082L,
     138.003L, 1128.844407L, 9.36e-9L,
     46.085L, 0.435047897L,
     209.682L, -0.436014608L,
     47.405L, -8.9202e-6L,
     37.262L, 4.5685e-6L},
    // Deimos
    {23463.236L, 0.000332L, 1.791L,
     296.406L, 285.161887L, -1.1801e-10L,
     327.925L, 0.017154567L,
     23.412L, -0.018045424L,
     46.34L, -5.89315e-6L,
     36.642L, 1.42817e-6L},
};
static_assert(std::size(Moons) == 2);

// Pole of Mars, mean equator of date, from the integer calendar year (the almanac's pole of
// 1905 and its yearly motion): right ascension and declination in radians.
struct MarsPole {
    Extended alpha0 = 0, delta0 = 0;
};
MarsPole PoleOfYear(int year)
{
    const Extended years = year - 1905;
    return {(316.55L + 0.00675L * years) * RadiansPerDegree, (52.85L + 0.003479L * years) * RadiansPerDegree};
}

// Position angle of the pole seen from the Earth, from celestial north through east, in
// [0, 2pi): the single-argument arctangent suffices since the pole never tilts past the
// sky-plane's east-west line for Mars's declinations.
Extended PolePositionAngle(const MarsPole& pole, Extended raHours, Extended decDegrees)
{
    const Extended alpha = raHours * 15 * RadiansPerDegree;
    const Extended delta = decDegrees * RadiansPerDegree;
    const SineAndCosine d0 = SineCosineExtended(pole.delta0), d = SineCosineExtended(delta),
                        da = SineCosineExtended(pole.alpha0 - alpha);
    Extended pa = std::atan(d0.Cos * da.Sin / (d0.Sin * d.Cos - d0.Cos * d.Sin * da.Cos));
    if (pa < 0) pa += 2 * Pi;
    return pa;
}

// Planetocentric position (km) in the mean equatorial frame of 1950: the orbit-plane point
// turned by the argument of pericentre, tilted by gamma onto the Laplace plane, turned by
// the node counted from the Laplace plane's node, tilted by J onto the 1950 equator and
// turned by N.
Vec3 PositionOn1950Equator(const MarsMoonElements& m, Extended t)
{
    const Extended L = ReduceDegrees(m.L0 + m.L1 * t + m.L2 * t * t) * RadiansPerDegree;
    const Extended varpi = ReduceDegrees(m.w0 + m.w1 * t) * RadiansPerDegree;
    const Extended Om = ReduceDegrees(m.Om0 + m.Om1 * t) * RadiansPerDegree;
    const Extended N = ReduceDegrees(m.N0 + m.N1 * t) * RadiansPerDegree;
    const Extended J = ReduceDegrees(m.J0 + m.J1 * t) * RadiansPerDegree;
    const Extended gamma = m.gamma * RadiansPerDegree;

    const OrbitPlanePoint p = KeplerOrbitPoint(L - varpi, m.e, m.a);

    // 64-bit cosines and sines of the five angles (each under 13 rad): 1e-15 rad of rounding
    // is 3e-11 km at Deimos.
    const Phasor w = PhasorOf(varpi - Om - N);
    const Phasor g = PhasorOf(gamma);
    const Phasor o = PhasorOf(Om);
    const Phasor j = PhasorOf(J);
    const Phasor n = PhasorOf(N);
    Extended x1 = p.x * w.Cos - p.y * w.Sin;
    Extended y1 = p.x * w.Sin + p.y * w.Cos;
    const Extended z1 = y1 * g.Sin;
    y1 = y1 * g.Cos;

    const Extended x2 = x1 * o.Cos - y1 * o.Sin;
    const Extended y2 = x1 * o.Sin + y1 * o.Cos;
    const Extended y3 = y2 * j.Cos - z1 * j.Sin;
    const Extended z3 = y2 * j.Sin + z1 * j.Cos;
    return {x2 * n.Cos - y3 * n.Sin, x2 * n.Sin + y3 * n.Cos, z3};
}

// IAU 1976 precession from the mean equator and equinox of 1950 January 1.0 to those of
// jd, P = R3(-z) R2(theta) R3(-zeta) (Lieske et al. 1977, with the angles re-expanded about
// 1950; T in Julian millennia from 1950).
Vec3 PrecessFrom1950(Extended jd, const Vec3& v)
{
    const Extended T = (jd - ElementEpochJD) / 365250;
    const Extended zeta = Pi * T * (9222079141.0L + 12082100.0L * T + 7195200.0L * T * T) / 259200000000.0L;
    const Extended theta = Pi * T * (8018949983.0L - 17061660.0L * T - 16733200.0L * T * T) / 259200000000.0L;
    const Extended z = Pi * T * (9222079141.0L + 43785880.0L * T + 7281200.0L * T * T) / 259200000000.0L;
    return PrecessEquatorial(zeta, z, theta, v);
}

}  // namespace

void ComputeMarsSystem(const TheoryInstant& in, PlanetPlaces& places, SatelliteSystem& system)
{
    MarsApparent(in.JD, places);
    const PlanetPlace& mars = places.Planet[Mars];

    // Days from the element epoch, at the instant the light now arriving left Mars.
    const Extended t = in.JD - ElementEpochJD - mars.Distance / SpeedOfLightKmPerDay;

    const MarsPole pole = PoleOfYear(in.Year);
    system = BeginSystem(Mars, places);
    // Mars's heliocentric vector as the geocentric one is built (nutation, true obliquity).
    system.Heliocentric = HeliocentricVectorOfDate(mars.Helio, places.Nutation, places.TrueObliquity);
    system.Pole = UnitVector(pole.alpha0, pole.delta0);
    system.PolePA = PolePositionAngle(pole, mars.RA, mars.Dec);
    places.PlanetPolePA = system.PolePA;
    system.PhaseAngleSigned = SignedPhaseAngle(mars, places.Earth);

    for (int k = 1; k <= system.Count; ++k) {
        // The planet frame of the polar view is the equator of the date itself.
        system.Position[k] = PrecessFrom1950(in.JD, PositionOn1950Equator(Moons[k - 1], t));
        system.PlanetFrame[k] = system.Position[k];
    }
}

}  // namespace vireon
