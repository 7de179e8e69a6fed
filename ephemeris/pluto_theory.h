// Pluto: the 43-term periodic theory of Meeus, Astronomical Algorithms, 1st edition (1991),
// Table 36.A, heliocentric ecliptic coordinates referred to the ecliptic and equinox of J2000.0,
// valid from 1885 to 2099 (any date is computed, with a degrading result).
#pragma once

#include <cstdint>
#include <span>

#include "core/types.h"

namespace vireon {

// One row: multipliers of the arguments J, S, P; then the coefficients of sin and cos of
// i J + j S + k P for the longitude and the latitude (1e-6 degree) and the radius (1e-7 au),
// stored as 32-bit floats.
struct PlutoTerm {
    std::int8_t i, j, k;
    float LonSin, LonCos;
    float LatSin, LatCos;
    float RadSin, RadCos;
};

// The generated table (ephemeris/pluto_meeus.cpp), in the order of Table 36.A.
extern const std::span<const PlutoTerm> PlutoTable;

}  // namespace vireon
