// Unit complex numbers exp(i x) for the periodic series of the satellite theories.
//
// The arguments of the Galilean and GUST86 terms are integer combinations sum m_j a_j of a
// few fundamental angles, so exp(i sum m_j a_j) = prod exp(i a_j)^m_j: one sine and cosine
// per angle and instant, then a few complex products per term, replace one extended sine per
// term. Both parts are 64-bit. Each angle is reduced into [0, 2pi) in extended precision and
// then rounded to 64 bits (less than 4.5e-16 rad), and each product adds about one unit in
// the last place. A term whose multipliers sum to S in absolute value is thus off by about
// S x 6e-16 rad in phase, under 1.5e-14 rad for the largest S (24, in GUST86); the
// coefficients (at most 0.04 rad) make that a few 1e-16 rad in the sums, far below the
// 4.8e-11 rad (1e-5") that an output could show.
#pragma once

#include <array>
#include <cmath>
#include <cstdint>

#include "core/types.h"

namespace vireon {

// exp(i x) = cos x + i sin x, 64-bit.
struct Phasor {
    double Cos, Sin;
};

inline Phasor operator*(const Phasor& a, const Phasor& b)
{
    return {a.Cos * b.Cos - a.Sin * b.Sin, a.Cos * b.Sin + a.Sin * b.Cos};
}

// exp(i x) for an angle of a few turns at most (radians): rounding it to 64 bits moves it by
// at most 4.5e-16 rad below 8 rad, 9e-16 rad below 16 rad.
inline Phasor PhasorOf(Extended angle)
{
    const double x = static_cast<double>(angle);
    return {std::cos(x), std::sin(x)};
}

// One factor of a series term's argument: Multiplier x the fundamental argument Argument (an
// index into the theory's table of arguments).
struct SeriesFactor {
    std::int8_t Argument;
    std::int8_t Multiplier;  // non-zero
};

// exp(i m a) for the integer multipliers m = -MaxMultiplier .. MaxMultiplier of one angle a,
// filled in place up to the largest multiplier the series use for a (zero beyond it).
template <int MaxMultiplier>
struct PhasorPowers {
    std::array<Phasor, 2 * MaxMultiplier + 1> Power{};

    const Phasor& operator[](int m) const { return Power[m + MaxMultiplier]; }

    // The powers of exp(i a) for |m| <= largestMultiplier: products of the first power, the
    // negative ones its conjugates.
    void Fill(Extended reducedAngle, int largestMultiplier)
    {
        const Phasor first = PhasorOf(reducedAngle);
        Phasor power = first;
        Power[MaxMultiplier] = {1, 0};
        for (int m = 1; m <= largestMultiplier; ++m) {
            Power[MaxMultiplier + m] = power;
            Power[MaxMultiplier - m] = {power.Cos, -power.Sin};
            power = power * first;
        }
    }
};

// exp(i x the argument of a term): the product of the powers of its factors (at least one);
// powers[a][m] is exp(i m a).
template <class Powers>
Phasor TermPhasor(const SeriesFactor* factors, int factorCount, const Powers& powers)
{
    Phasor p = powers[factors->Argument][factors->Multiplier];
    for (const SeriesFactor* end = factors + factorCount; ++factors != end;) {
        p = p * powers[factors->Argument][factors->Multiplier];
    }
    return p;
}

}  // namespace vireon
