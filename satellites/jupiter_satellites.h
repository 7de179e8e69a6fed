// Jupiter's four large satellites: the periodic series of Lieske's theory and the inner steps
// of the theory, exposed for the tests and the benchmark. The theory itself is
// ComputeJupiterSystem (satellites/theory.h).
#pragma once

#include <array>
#include <cstdint>
#include <span>

#include "core/types.h"
#include "core/vector3.h"
#include "satellites/phasor.h"

namespace vireon {

// The fundamental arguments of the series, in the order of GalileanTerm::Multiplier.
enum GalileanArgument : int {
    ArgL1, ArgL2, ArgL3, ArgL4,              // mean longitudes l1..l4
    ArgPi1, ArgPi2, ArgPi3, ArgPi4,          // longitudes of the perijoves
    ArgOmega1, ArgOmega2, ArgOmega3, ArgOmega4,  // longitudes of the nodes
    ArgPhiLambda,                            // free libration
    ArgPsi,                                  // node of Jupiter's equator on the ecliptic
    ArgPiJ,                                  // longitude of Jupiter's perihelion (fixed)
    ArgG,                                    // Jupiter's mean anomaly, with the great inequality
    ArgGp,                                   // Saturn's mean anomaly
    ArgPhi1, ArgPhi2, ArgPhi3, ArgPhi4,      // fixed phases
    GalileanArgumentCount
};

inline constexpr int GalileanMaxFactors = 6;
inline constexpr int GalileanMaxMultiplier = 7;

// One periodic term: coefficient (units of 1e-7: radian for longitude and latitude, relative
// for the radius) times sin (longitude, latitude) or cos (radius) of sum(Multiplier x argument)
// over the first FactorCount factors (at least one), in the order of GalileanArgument.
struct GalileanTerm {
    std::int32_t Coefficient;
    std::int8_t FactorCount;
    SeriesFactor Factors[GalileanMaxFactors];  // Argument: a GalileanArgument
};

// Lieske's E5 series (Lieske 1998, A&AS 129, 205), satellites 1..4 = Io, Europe, Ganymede,
// Callisto. Defined in the generated satellites/jupiter_satellites_tables.cpp; the bounds pin
// the term counts of the data (a changed count does not compile).
extern const GalileanTerm IoLongitudeTerms[41];
extern const GalileanTerm EuropeLongitudeTerms[66];
extern const GalileanTerm GanymedeLongitudeTerms[75];
extern const GalileanTerm CallistoLongitudeTerms[86];
extern const GalileanTerm IoLatitudeTerms[7];
extern const GalileanTerm EuropeLatitudeTerms[11];
extern const GalileanTerm GanymedeLatitudeTerms[13];
extern const GalileanTerm CallistoLatitudeTerms[18];
extern const GalileanTerm IoRadiusTerms[10];
extern const GalileanTerm EuropeRadiusTerms[24];
extern const GalileanTerm GanymedeRadiusTerms[31];
extern const GalileanTerm CallistoRadiusTerms[43];

struct GalileanSatelliteSeries {
    std::span<const GalileanTerm> Longitude, Latitude, Radius;
};
// Indexed 1..4 (slot 0 empty).
extern const GalileanSatelliteSeries GalileanSeries[5];
// The largest multiplier of each fundamental argument over all the series.
extern const std::array<std::int8_t, GalileanArgumentCount> GalileanLargestMultiplier;

// Values of the fundamental arguments (radians), indexed by GalileanArgument.
using GalileanArguments = std::array<Extended, GalileanArgumentCount>;

// The mean elements at t days from JD 2443000.5 (light time already taken off): each linear
// element in degrees, G with the great inequality Gamma, reduced into [0, 360) and turned into
// radians; the fixed angles (perihelion, phases) in radians.
GalileanArguments GalileanMeanElements(Extended t);

// One instant of the theory: the mean elements at t, exp(i m a) for each of them and each
// multiplier m of the series, and the general precession in longitude from B1950.0 to the
// date (radians, Lieske et al. 1977). jd is the Julian Day of the instant, t the theory time
// (as for GalileanMeanElements).
struct GalileanInstant {
    GalileanArguments Args{};
    std::array<PhasorPowers<GalileanMaxMultiplier>, GalileanArgumentCount> Powers{};
    Extended PrecessionSinceB1950 = 0;
};
GalileanInstant GalileanInstantAt(Extended jd, Extended t);

// The three sums of one satellite (k = 1..4) at one instant, in the units of the series
// divided by 1e7: longitude and latitude in radians, radius relative (r = a (1 + rho)). The
// sums run in extended precision over terms evaluated in 64 bits (satellites/phasor.h).
struct GalileanSums {
    Extended Longitude = 0, Latitude = 0, Radius = 0;
};
GalileanSums GalileanSeriesSums(int k, const GalileanInstant& instant);

// The satellite in Jupiter's equatorial frame (km): x toward the equinox of the date projected
// on Jupiter's equator, z toward Jupiter's north pole. The longitude is carried from the mean
// equinox of B1950.0, to which the theory refers it, to the equinox of the date by the general
// precession in longitude since B1950.0.
Vec3 GalileanPlanetFramePosition(int k, const GalileanInstant& instant);

// Semi-major axes of the satellites 1..4, km.
inline constexpr Extended GalileanSemiMajorAxisKm[5] = {0, 421768.31L, 671076.9L, 1070425.42L, 1882754.42L};

// Jupiter's north pole (IAU), mean equator and equinox of J2000.0, radians.
void JupiterPoleJ2000(Extended jd, Extended& alpha0, Extended& delta0);

}  // namespace vireon
