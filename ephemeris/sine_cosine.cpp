// Sine and cosine of angles in arcseconds; see ephemeris/sine_cosine.h for the accuracy.
#include "ephemeris/sine_cosine.h"

#include <bit>
#include <cmath>
#include <cstdint>
#include <numbers>

#include "core/angles.h"

namespace vireon {
namespace {

constexpr double ArcsecPerQuarterTurn = 324000;
constexpr double QuarterTurnsPerArcsec = 1.0 / 324000;
constexpr double RadiansPerArcsec64 = std::numbers::pi / 648000;

// Adding 1.5 x 2^52 to a value below 2^51 in magnitude rounds it to an integer (ties to even)
// and leaves that integer, in two's complement, in the low bits of the sum's significand.
constexpr double RoundingShift = 6755399441055744.0;

// sin r = r + r^3 S(r^2) and cos r = 1 - r^2/2 + r^4 C(r^2) for |r| <= pi/4: S and C are the
// Chebyshev fits of degree 5 to (sin r - r)/r^3 and (cos r - 1 + r^2/2)/r^4 as functions of
// r^2 (near-minimax, computed with mpmath's chebyfit at 40 digits; their truncation is below
// 1e-17 in sin r and 5e-19 in cos r), rounded to 64 bits. They differ from the Taylor coefficients -1/3!, 1/5!, ... and 1/4!, -1/6!, ... in the
// last digits.
constexpr double S1 = -0.16666666666666666, S2 = 0.008333333333330948, S3 = -0.00019841269836758574,
                 S4 = 2.755731610255244e-06, S5 = -2.5051131845003624e-08, S6 = 1.5918129294866608e-10;
constexpr double C1 = 0.041666666666666664, C2 = -0.0013888888888887398, C3 = 2.480158729876569e-05,
                 C4 = -2.7557317271729793e-07, C5 = 2.08761462684032e-09, C6 = -1.1382632425521717e-11;

// pi/2 in two parts: the first has 33 significant bits, so n times it is exact for |n| < 2^31.
constexpr Extended HalfPiHigh = 1.570796326734125614166259765625L;
constexpr Extended HalfPiLow = 6.077100506506192601475144209858e-11L;
constexpr Extended TwoOverPi = 0.63661977236758134307553505349L;

// Adding 1.5 x 2^63 to an extended value below 2^62 in magnitude rounds it to an integer.
constexpr Extended ExtendedRoundingShift = 13835058055282163712.0L;

}  // namespace

SineAndCosine SineCosineExtended(Extended radians)
{
    // Below 2^-10 rad (the Earth's latitude, for one) three terms of each Taylor series are
    // exact to the last extended place: the next ones are under 2e-22 r and 1e-28.
    if (std::fabs(radians) < 0x1p-10L) {
        const Extended r2 = radians * radians;
        return {radians - radians * r2 * (1 - r2 / 20) / 6, 1 - r2 * (1 - r2 * (1 - r2 / 30) / 12) / 2};
    }
    const Extended n = (radians * TwoOverPi + ExtendedRoundingShift) - ExtendedRoundingShift;
    const Extended r = (radians - n * HalfPiHigh) - n * HalfPiLow;
    const Extended sinR = std::sin(r), cosR = std::cos(r);
    switch (static_cast<long long>(n) & 3) {
    case 1: return {cosR, -sinR};
    case 2: return {-sinR, -cosR};
    case 3: return {-cosR, sinR};
    default: return {sinR, cosR};
    }
}

SineAndCosine SineCosineNear(Extended radians, Extended reference, const SineAndCosine& atReference)
{
    Extended step = radians - reference;
    // A longitude reduced into [0, 2 pi) may have wrapped round between the two.
    if (step > TwoPi / 2) step -= TwoPi;
    if (step < -TwoPi / 2) step += TwoPi;
    if (!(std::fabs(step) < 0.0625L)) return SineCosineExtended(radians);
    // Up to step^9 and step^10: the next terms are under 3e-20 step and 1e-23.
    const Extended s2 = step * step;
    const Extended sinStep = step * (1 - s2 / 6 * (1 - s2 / 20 * (1 - s2 / 42 * (1 - s2 / 72))));
    const Extended cosStep = 1 - s2 / 2 * (1 - s2 / 12 * (1 - s2 / 30 * (1 - s2 / 56 * (1 - s2 / 90))));
    return {atReference.Sin * cosStep + atReference.Cos * sinStep, atReference.Cos * cosStep - atReference.Sin * sinStep};
}

Vec3 UnitVector(Extended alpha, Extended delta)
{
    const SineAndCosine a = SineCosineExtended(alpha), d = SineCosineExtended(delta);
    return {a.Cos * d.Cos, a.Sin * d.Cos, d.Sin};
}

// A copy for processors with AVX2 (four angles at a time) is chosen when the program loads.
__attribute__((target_clones("avx2", "default")))
void SineCosineArcsec(std::span<const double> arcsec, std::span<double> sine, std::span<double> cosine)
{
    const double* x = arcsec.data();
    double* s = sine.data();
    double* c = cosine.data();
    const std::size_t count = arcsec.size();
    for (std::size_t i = 0; i < count; ++i) {
        // n quarter turns and a remainder r: x - n 324000 is exact (both are multiples of the
        // last place of x, and the difference is below 2^18), so only r's conversion to radians
        // rounds.
        const double shifted = x[i] * QuarterTurnsPerArcsec + RoundingShift;
        const double n = shifted - RoundingShift;
        const double r = (x[i] - n * ArcsecPerQuarterTurn) * RadiansPerArcsec64;
        const double r2 = r * r;
        const double sinR = r + r * r2 * (S1 + r2 * (S2 + r2 * (S3 + r2 * (S4 + r2 * (S5 + r2 * S6)))));
        const double cosR = 1 + r2 * (-0.5 + r2 * (C1 + r2 * (C2 + r2 * (C3 + r2 * (C4 + r2 * (C5 + r2 * C6))))));

        // Quadrant n mod 4: an odd n swaps sine and cosine; the sine changes sign for n = 2, 3
        // and the cosine for n = 1, 2. Done on the bits, so no branch stops vectorisation.
        const std::uint64_t quadrant = std::bit_cast<std::uint64_t>(shifted);
        const std::uint64_t swap = 0 - (quadrant & 1);
        const std::uint64_t sinBits = std::bit_cast<std::uint64_t>(sinR), cosBits = std::bit_cast<std::uint64_t>(cosR);
        s[i] = std::bit_cast<double>(((sinBits & ~swap) | (cosBits & swap)) ^ ((quadrant & 2) << 62));
        c[i] = std::bit_cast<double>(((cosBits & ~swap) | (sinBits & swap)) ^ (((quadrant + 1) & 2) << 62));
    }
}

}  // namespace vireon
