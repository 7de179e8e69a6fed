#include "satellites/kepler.h"

#include <cmath>
#include <numbers>

namespace vireon {

Extended SolveKepler(Extended M, Extended e)
{
    if (!std::isfinite(M) || !std::isfinite(e)) return M;
    constexpr Extended TwoPi = 2 * std::numbers::pi_v<Extended>;
    if (std::fabs(M) > 1000) {
        M = std::fmod(M, TwoPi);
        if (M < 0) M += TwoPi;
    }
    Extended E = M;
    Extended delta = 10;
    for (int step = 0; step < KeplerStepLimit && std::fabs(delta) > 4.84813681109536e-9L; ++step) {
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

}  // namespace vireon
