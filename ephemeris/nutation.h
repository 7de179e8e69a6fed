// Nutation in longitude and obliquity: the IAU 1980 theory (Seidelmann 1982) in its 63-term form,
// terms of at least 0.0003", as printed in Meeus, Astronomical Algorithms, ch. 22, Table 22.A.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>

#include "core/types.h"

namespace vireon {

// One row: integer multipliers of the fundamental arguments D, M, M', F, Omega; the coefficient
// of sin(argument) in delta psi and of cos(argument) in delta epsilon, each a constant and a rate
// per Julian century, in units of 0.0001".
struct NutationTerm {
    std::int8_t D, M, Mprime, F, Omega;
    double PsiSin, PsiSinRate;
    double EpsCos, EpsCosRate;
};

// The generated table (ephemeris/nutation_iau1980.cpp), in the order of Table 22.A.
extern const std::span<const NutationTerm> NutationTable;

// Its columns as arrays of 64-bit values (the same values: small integers and 64-bit
// coefficients), so the terms are evaluated several at once.
struct NutationColumns {
    std::span<const double> D, M, Mprime, F, Omega, PsiSin, PsiSinRate, EpsCos, EpsCosRate;
};

// Storage for those arrays, filled by the compiler from the generated table.
template <std::size_t N>
struct NutationColumnsStorage {
    std::array<double, N> D{}, M{}, Mprime{}, F{}, Omega{}, PsiSin{}, PsiSinRate{}, EpsCos{}, EpsCosRate{};

    constexpr explicit NutationColumnsStorage(std::span<const NutationTerm> rows)
    {
        for (std::size_t k = 0; k < N && k < rows.size(); ++k) {
            D[k] = rows[k].D;
            M[k] = rows[k].M;
            Mprime[k] = rows[k].Mprime;
            F[k] = rows[k].F;
            Omega[k] = rows[k].Omega;
            PsiSin[k] = rows[k].PsiSin;
            PsiSinRate[k] = rows[k].PsiSinRate;
            EpsCos[k] = rows[k].EpsCos;
            EpsCosRate[k] = rows[k].EpsCosRate;
        }
    }

    constexpr NutationColumns View() const { return {D, M, Mprime, F, Omega, PsiSin, PsiSinRate, EpsCos, EpsCosRate}; }
};

extern const NutationColumns NutationTableColumns;

// Delaunay arguments of the Moon and the Sun (IERS 1996 polynomials, T in Julian millennia),
// each reduced to one turn, radians.
struct FundamentalArguments {
    Extended D = 0;       // mean elongation of the Moon
    Extended M = 0;       // mean anomaly of the Sun
    Extended Mprime = 0;  // mean anomaly of the Moon
    Extended F = 0;       // argument of latitude of the Moon
    Extended Omega = 0;   // longitude of the ascending node of the Moon's mean orbit
};
FundamentalArguments NutationArguments(Extended julianMillennia);

}  // namespace vireon
