#include "satellites/kepler.h"

#include <cmath>

#include "core/angles.h"
#include "satellites/phasor.h"

namespace vireon {

Extended SolveKepler(Extended M, Extended e)
{
    if (!std::isfinite(M) || !std::isfinite(e)) return M;
    // Far from zero the sine of E loses its significant digits; the reduction leaves the
    // usual anomalies (|M| < 1000 rad) untouched, so their iterates are unchanged.
    if (std::abs(M) > 1000) {
        M = std::fmod(M, TwoPi);
        if (M < 0) M += TwoPi;
    }
    // The iterates run in 64 bits: each step rounds by about one unit in the last place of E
    // and the iteration damps earlier errors by |e cos E|, so E differs from the extended
    // iteration's by a few 1e-16 rad times (1 + |M|) / (1 - e) (under 3e-15 rad measured for
    // Nereid's e = 0.75 near its pericentre), far below the 0.001" at which the loop stops.
    const double m = static_cast<double>(M);
    const double eccentricity = static_cast<double>(e);
    constexpr double tolerance = static_cast<double>(KeplerTolerance);
    double E = m;
    double delta = 10;
    // The iteration contracts by |e cos E| per step: a dozen steps for the eccentricities of
    // the satellite theories (below 0.13), many more near e = 1, hence the step limit.
    for (int step = 0; step < KeplerStepLimit && std::abs(delta) > tolerance; ++step) {
        delta = eccentricity * std::sin(E) + m - E;
        E += delta;
    }
    return E;
}

OrbitPlanePoint KeplerOrbitPoint(Extended M, Extended e, Extended a)
{
    // 64-bit cosine and sine of E: 1e-16 of a, under 1e-9 km for every orbit here.
    const Phasor E = PhasorOf(SolveKepler(M, e));
    return {a * (Extended{E.Cos} - e), a * std::sqrt(1 - e * e) * Extended{E.Sin}};
}

OrbitPlanePoint SolveKeplerOrbit(const SatelliteElements& el)
{
    const OrbitPlanePoint p = KeplerOrbitPoint(el.MeanAnomaly, el.Eccentricity, el.SemiMajorAxisKm);
    const Phasor omega = PhasorOf(el.Pericentre - el.Node);
    const Extended c = omega.Cos;
    const Extended s = omega.Sin;
    return {p.x * c - p.y * s, p.x * s + p.y * c};
}

}  // namespace vireon
