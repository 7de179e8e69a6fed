// Triton and Néréïde: Keplerian ellipses with uniformly turning pericentre and node on fixed
// reference planes.
//
// Theory: mean orbital elements referred to the Earth's mean equator of B1950: Triton's of
// epoch JD 2447763.5 (1989 August 25, the Voyager encounter; Jacobson 1990),
// Néréïde's of epoch JD 2433680.5 (1951). Each reference plane is given by its pole (alpha,
// delta) on that equator.
//
// Deviations from a plain reading of the element sets:
// - time runs from each satellite's own element epoch, less the light time;
// - the reference plane's axes are built on the B1950 equator from the tabulated pole, the
//   satellite is placed there, and the vector is then carried to the mean equator of date
//   by the IAU 1976 precession (Lieske et al. 1977) expanded about 1950 January 1.0, the same
//   rotation for both satellites.
// No planetary orientation, no shadows: the offsets stay east/north and the signed phase
// angle is 0.
#include <cmath>
#include <iterator>

#include "core/angles.h"
#include "satellites/kepler.h"
#include "satellites/phasor.h"
#include "satellites/planet_frame.h"
#include "satellites/theory.h"

namespace vireon {
namespace {


// The three angles of an orbit, in degrees before reduction: the mean anomaly, the angle
// from the node to the pericentre as the element set combines it, and the node.
struct OrbitAngles {
    Extended meanAnomaly, nodeToPericentre, node;
};

// Triton: L - W is the mean anomaly and W + Omega the second angle (its published form).
OrbitAngles TritonAngles(Extended t)
{
    const Extended L = 76.7243689L + 61.2572637L * t;
    const Extended W = 169.670538L + 0.38246354L * (t / 365.25L);
    const Extended Om = 172.096852L + 0.523159764L * (t / 365.25L);
    return {L - W, W + Om, Om};
}

// Néréïde: L - varpi and varpi - Omega, the usual argument of pericentre.
OrbitAngles NereidAngles(Extended t)
{
    const Extended L = 254.150289L + 0.99962408L * t;
    const Extended varpi = 254.809177L + 0.706322818L * (t / 36525);
    const Extended Om = 333.979128L - 3.91660963L * (t / 36525);
    return {L - varpi, varpi - Om, Om};
}

struct NeptuneMoon {
    Extended a;            // semi-major axis, km
    Extended e;            // eccentricity
    Extended inclination;  // on the reference plane, degrees
    Extended poleRA, poleDec;  // pole of the reference plane on the B1950 equator, degrees
    Extended epochJD;      // epoch of the elements
    OrbitAngles (*angles)(Extended t);
};

constexpr NeptuneMoon Moons[] = {
    {354759.146L, 0.000015691L, 156.834472L, 298.947294L, 43.318906L, 2447763.5L, TritonAngles},
    {5513413.256L, 0.751201525L, 7.23242919L, 270.203984L, 69.1543762L, 2433680.5L, NereidAngles},
};
static_assert(std::size(Moons) == 2);

// Position (km) on the reference plane: x toward the plane's ascending node on the B1950
// equator, z along the plane's pole.
Vec3 PositionOnReferencePlane(const NeptuneMoon& m, Extended t)
{
    const OrbitAngles deg = m.angles(t);
    const Extended M = ReduceDegrees(deg.meanAnomaly) * RadiansPerDegree;
    const Extended s = ReduceDegrees(deg.nodeToPericentre) * RadiansPerDegree;
    const Extended Om = ReduceDegrees(deg.node) * RadiansPerDegree;
    const Extended i = m.inclination * RadiansPerDegree;

    const OrbitPlanePoint p = KeplerOrbitPoint(M, m.e, m.a);
    // 64-bit cosines and sines of the three angles (each under 2 pi): 1e-15 rad of rounding is
    // 6e-9 km at Nereid.
    const Phasor sp = PhasorOf(s);
    const Phasor node = PhasorOf(Om);
    const Phasor incl = PhasorOf(i);
    const Extended cosOm = node.Cos, sinOm = node.Sin, cosI = incl.Cos;
    const Extended x1 = p.x * sp.Cos - p.y * sp.Sin;
    const Extended y1 = p.x * sp.Sin + p.y * sp.Cos;
    return {x1 * cosOm - y1 * cosI * sinOm, x1 * sinOm + y1 * cosI * cosOm, y1 * incl.Sin};
}

// The reference plane's axes on the B1950 equator: e1 toward its ascending node, e2 = p x e1.
// 64-bit cosines and sines of the pole's angles, as for the orbit.
Vec3 OnB1950Equator(const NeptuneMoon& m, const Vec3& q)
{
    const Phasor alpha = PhasorOf(m.poleRA * RadiansPerDegree);
    const Phasor delta = PhasorOf(m.poleDec * RadiansPerDegree);
    const Extended cosDelta = delta.Cos;
    const Vec3 p{alpha.Cos * cosDelta, alpha.Sin * cosDelta, Extended{delta.Sin}};
    const Vec3 e1{-alpha.Sin, Extended{alpha.Cos}, 0};
    const Vec3 e2 = Cross(p, e1);
    return q.x * e1 + q.y * e2 + q.z * p;
}

}  // namespace

void ComputeNeptuneSystem(const TheoryInstant& in, PlanetPlaces& places, SatelliteSystem& system)
{
    NeptuneApparent(in.JD, places);
    const PlanetPlace& neptune = places.Planet[Neptune];
    const Extended lightTime = neptune.Distance / SpeedOfLightKmPerDay;

    system = BeginSystem(Neptune, places);
    system.PolePA = places.PlanetPolePA;
    for (int k = 1; k <= system.Count; ++k) {
        const NeptuneMoon& m = Moons[k - 1];
        // The planet frame of the polar view is each satellite's own reference plane.
        system.PlanetFrame[k] = PositionOnReferencePlane(m, in.JD - m.epochJD - lightTime);
        system.Position[k] = PrecessFromB1950(in.JD, OnB1950Equator(m, system.PlanetFrame[k]));
    }
}

}  // namespace vireon
