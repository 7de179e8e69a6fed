#include "satellites/kepler.h"

#include <cmath>
#include <numbers>

namespace vireon {

Extended SolveKepler(Extended M, Extended e)
{
    if (!std::isfinite(M) || !std::isfinite(e)) return M;
    constexpr Extended TwoPi = 2 * std::numbers::pi_v<Extended>;
    // Far from zero the sine of E loses its significant digits; the reduction leaves the
    // usual anomalies (|M| < 1000 rad) untouched, so their iterates are unchanged.
    if (std::abs(M) > 1000) {
        M = std::fmod(M, TwoPi);
        if (M < 0) M += TwoPi;
    }
    Extended E = M;
    Extended delta = 10;
    // The iteration contracts by |e cos E| per step: a dozen steps for the eccentricities of
    // the satellite theories (below 0.13), many more near e = 1, hence the step limit.
    for (int step = 0; step < KeplerStepLimit && std::abs(delta) > KeplerTolerance; ++step) {
        delta = e * std::sin(E) + M - E;
        E += delta;
    }
    return E;
}

OrbitPlanePoint KeplerOrbitPoint(Extended M, Extended e, Extended a)
{
    const Extended E = SolveKepler(M, e);
    return {a * (std::cos(E) - e), a * std::sqrt(1 - e * e) * std::sin(E)};
}

OrbitPlanePoint SolveKeplerOrbit(const SatelliteElements& el)
{
    const OrbitPlanePoint p = KeplerOrbitPoint(el.MeanAnomaly, el.Eccentricity, el.SemiMajorAxisKm);
    const Extended omega = el.Pericentre - el.Node;
    const Extended c = std::cos(omega);
    const Extended s = std::sin(omega);
    return {p.x * c - p.y * s, p.x * s + p.y * c};
}

}  // namespace vireon
