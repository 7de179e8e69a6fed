// The overlap of two discs (the lens of two circular segments) and the light a receiving disc
// loses in a penumbral shadow.
//
// In the shadow the hidden part of the Sun depends only on the distance r from the axis, so the
// disc's average is a one-dimensional integral over r of that fraction times the length of the
// circle of radius r about the axis that lies inside the disc. The integrand's derivative is
// singular (square-root-like) where the circles touch the disc's edge and at the umbra's or
// antumbra's edge: the range is cut there, and on each piece r = a + (b - a)(1 - cos pi u) / 2
// turns the end behaviour smooth before a 16-point Gauss-Legendre rule. Against an integration
// over a polar grid of 2000 x 2000 points on the disc the result agrees to 3e-8 of the disc's
// light.
#include "satellites/disc_overlap.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <iterator>

#include "core/angles.h"

namespace vireon {
namespace {

// Gauss-Legendre nodes and weights on [-1, 1], 16 points (the positive half; Abramowitz and
// Stegun, Handbook of Mathematical Functions, table 25.4).
constexpr std::array<Extended, 8> GaussNodes = {
    0.0950125098376374401853193L, 0.2816035507792589132304605L, 0.4580167776572273863424194L,
    0.6178762444026437484466718L, 0.7554044083550030338951012L, 0.8656312023878317438804679L,
    0.9445750230732325760779884L, 0.9894009349916499325961542L};
constexpr std::array<Extended, 8> GaussWeights = {
    0.1894506104550684962853967L, 0.1826034150449235888667637L, 0.1691565193950025381893121L,
    0.1495959888165767320815017L, 0.1246289712555338720524763L, 0.0951585116824927848099251L,
    0.0622535239386478928628438L, 0.0271524594117540948517806L};
static_assert(std::size(GaussNodes) == std::size(GaussWeights));

// The length of the circle of radius r about the origin that lies inside the disc of the given
// radius whose centre is centre away.
Extended ArcInside(Extended r, Extended centre, Extended radius)
{
    if (r <= 0) return 0;
    if (centre <= 0) return r < radius ? 2 * Pi * r : 0;
    const Extended c = (r * r + centre * centre - radius * radius) / (2 * r * centre);
    if (c <= -1) return 2 * Pi * r;
    if (c >= 1) return 0;
    return 2 * r * std::acos(c);
}

// The integral of g over [a, b] with the cosine substitution and the Gauss-Legendre rule.
template <class G>
Extended Integrate(G g, Extended a, Extended b)
{
    Extended sum = 0;
    for (std::size_t i = 0; i < GaussNodes.size(); ++i) {
        for (const Extended node : {-GaussNodes[i], GaussNodes[i]}) {
            const Extended u = (1 + node) / 2;
            const Extended r = a + (b - a) * (1 - std::cos(Pi * u)) / 2;
            sum += GaussWeights[i] * g(r) * std::sin(Pi * u);
        }
    }
    // du = dnode / 2, dr = (b - a) pi sin(pi u) / 2 du.
    return sum * (b - a) * Pi / 4;
}

}  // namespace

Extended DiscOverlapArea(Extended r1, Extended r2, Extended d)
{
    if (d >= r1 + r2) return 0;
    const Extended small = std::min(r1, r2);
    if (d <= std::fabs(r1 - r2)) return Pi * small * small;
    const Extended c1 = std::clamp((d * d + r1 * r1 - r2 * r2) / (2 * d * r1), Extended{-1}, Extended{1});
    const Extended c2 = std::clamp((d * d + r2 * r2 - r1 * r1) / (2 * d * r2), Extended{-1}, Extended{1});
    const Extended kite = (-d + r1 + r2) * (d + r1 - r2) * (d - r1 + r2) * (d + r1 + r2);
    return r1 * r1 * std::acos(c1) + r2 * r2 * std::acos(c2) - std::sqrt(std::max(Extended{0}, kite)) / 2;
}

Extended CoveredDiameterFraction(Extended cover, Extended disc, Extended separation)
{
    const Extended from = std::max(separation - cover, -disc);
    const Extended to = std::min(separation + cover, disc);
    return std::clamp((to - from) / (2 * disc), Extended{0}, Extended{1});
}

Extended OccultedFraction(Extended front, Extended back, Extended separation)
{
    return DiscOverlapArea(front, back, separation) / (Pi * back * back);
}

Extended HiddenSunFraction(const ShadowDiscs& shadow, Extended r)
{
    // A caster right against the receiver: the shadow is the caster's own outline.
    if (shadow.Sun <= shadow.Caster * 1e-12L) return r < shadow.Caster ? 1 : 0;
    return std::min(Extended{1}, DiscOverlapArea(shadow.Sun, shadow.Caster, r) / (Pi * shadow.Sun * shadow.Sun));
}

Extended EclipsedFraction(const ShadowDiscs& shadow)
{
    const Extended rho = shadow.Separation;
    const Extended radius = shadow.Receiver;
    const Extended from = std::max(Extended{0}, rho - radius);
    const Extended to = std::min(rho + radius, shadow.Caster + shadow.Sun);
    if (!(to > from)) return 0;
    std::array<Extended, 4> cuts = {from, std::fabs(shadow.Caster - shadow.Sun), std::fabs(rho - radius), to};
    std::sort(cuts.begin(), cuts.end());
    const auto integrand = [&](Extended r) { return HiddenSunFraction(shadow, r) * ArcInside(r, rho, radius); };
    Extended sum = 0;
    for (std::size_t i = 0; i + 1 < cuts.size(); ++i) {
        const Extended a = std::max(cuts[i], from), b = std::min(cuts[i + 1], to);
        if (b > a) sum += Integrate(integrand, a, b);
    }
    return sum / (Pi * radius * radius);
}

}  // namespace vireon
