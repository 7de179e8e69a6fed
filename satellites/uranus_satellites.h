// Uranus's five major satellites (GUST86): the stages of the theory, exposed for tests.
// The theory itself is ComputeUranusSatellites (satellites/theories.h).
#pragma once

#include <array>

#include "core/types.h"
#include "satellites/kepler.h"
#include "satellites/phasor.h"
#include "satellites/uranus_satellites_tables.h"
#include "core/vector3.h"

namespace vireon {

// Semi-major axes (km) of Miranda .. Oberon, index 1..5 (fixed: the mean-motion series is not used).
inline constexpr Extended UranusSatelliteSemiMajorAxisKm[6] = {0, 129872, 190945, 265998, 436298, 583519};

// The fundamental arguments of GUST86 at t days from JD 2444239.5, radians in [0, 2pi):
// mean longitudes l1..l5, pericentre arguments E1..E5, node arguments N1..N5 (index j - 1),
// and exp(i m x) of each of them, in the order of Gust86Argument, for the multipliers m of the
// series (64-bit, satellites/phasor.h).
struct Gust86Arguments {
    std::array<Extended, 5> l{};
    std::array<Extended, 5> E{};
    std::array<Extended, 5> N{};
    std::array<PhasorPowers<Gust86MaxMultiplier>, Gust86ArgumentCount> Powers{};
};
Gust86Arguments Gust86FundamentalArguments(Extended t);

// Elements of satellite k (1..5) in the Uranian equatorial frame of GUST86: mean longitude
// with its periodic terms, eccentricity and pericentre from z, inclination and node from zeta,
// the fixed semi-major axis, and M = lambda - varpi. The series are summed in extended
// precision over terms evaluated in 64 bits from the powers in the arguments.
SatelliteElements Gust86Elements(int k, const Gust86Arguments& arguments);

// Satellite position (km) in the Uranian equatorial frame from its elements (Kepler's equation).
Vec3 UranianPosition(const SatelliteElements& elements);

// The GUST86 frame (Uranus's equator of B1950, x toward its ascending node on the Earth's
// equator of B1950) in the true equator and equinox of jd: unit vectors of its x axis, its
// y axis and its pole, orthonormal.
struct Gust86Axes {
    Vec3 e1, e2, e3;
};
Gust86Axes Gust86AxesOfDate(Extended jd);
// The same with the nutation and the Earth of Uranus's apparent place at jd (places after
// UranusApparent), so no series is evaluated again.
struct PlanetPlaces;
Gust86Axes Gust86AxesOfDate(Extended jd, const PlanetPlaces& places);

}  // namespace vireon
