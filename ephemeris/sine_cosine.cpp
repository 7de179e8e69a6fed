// Sine and cosine of angles in arcseconds; see ephemeris/sine_cosine.h for the accuracy.
#include "ephemeris/sine_cosine.h"

#include <bit>
#include <cmath>
#include <cstdint>
#include <numbers>

namespace vireon {
namespace {

constexpr double ArcsecPerQuarterTurn = 324000;
constexpr double QuarterTurnsPerArcsec = 1.0 / 324000;
constexpr double RadiansPerArcsec = std::numbers::pi / 648000;

// Adding 1.5 x 2^52 to a value below 2^51 in magnitude rounds it to an integer (ties to even)
// and leaves that integer, in two's complement, in the low bits of the sum's significand.
constexpr double RoundingShift = 6755399441055744.0;

// Taylor coefficients 1/n! with the signs of sin and cos.
constexpr double S3 = -1.0 / 6, S5 = 1.0 / 120, S7 = -1.0 / 5040, S9 = 1.0 / 362880, S11 = -1.0 / 39916800,
                 S13 = 1.0 / 6227020800, S15 = -1.0 / 1307674368000, S17 = 1.0 / 355687428096000;
constexpr double C2 = -1.0 / 2, C4 = 1.0 / 24, C6 = -1.0 / 720, C8 = 1.0 / 40320, C10 = -1.0 / 3628800,
                 C12 = 1.0 / 479001600, C14 = -1.0 / 87178291200, C16 = 1.0 / 20922789888000,
                 C18 = -1.0 / 6402373705728000;

// pi/2 in two parts: the first has 33 significant bits, so n times it is exact for |n| < 2^31.
constexpr Extended HalfPiHigh = 1.570796326734125614166259765625L;
constexpr Extended HalfPiLow = 6.077100506506192601475144209858e-11L;
constexpr Extended TwoOverPi = 0.63661977236758134307553505349L;

// Adding 1.5 x 2^63 to an extended value below 2^62 in magnitude rounds it to an integer.
constexpr Extended ExtendedRoundingShift = 13835058055282163712.0L;

}  // namespace

SineAndCosine SineCosineExtended(Extended radians)
{
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
        const double r = (x[i] - n * ArcsecPerQuarterTurn) * RadiansPerArcsec;
        const double r2 = r * r;
        const double sinR = r + r * r2 * (S3 + r2 * (S5 + r2 * (S7 + r2 * (S9 + r2 * (S11 + r2 * (S13 + r2 * (S15 + r2 * S17)))))));
        const double cosR =
            1 + r2 * (C2 + r2 * (C4 + r2 * (C6 + r2 * (C8 + r2 * (C10 + r2 * (C12 + r2 * (C14 + r2 * (C16 + r2 * C18))))))));

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
