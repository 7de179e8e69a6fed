// GUST86 periodic series of the five major Uranian satellites (Laskar & Jacobson 1987,
// A&A 188, 212): the tables generated from data/gust86_series.csv by
// tools/generate_gust86_tables.cpp into satellites/uranus_satellites_tables.cpp.
#pragma once

#include <array>
#include <cstdint>

#include "core/types.h"
#include "satellites/phasor.h"

namespace vireon {

// The fundamental arguments: mean longitudes l1..l5, pericentre arguments E1..E5, node
// arguments N1..N5.
enum Gust86Argument : int {
    Gust86l1, Gust86l2, Gust86l3, Gust86l4, Gust86l5,
    Gust86E1, Gust86E2, Gust86E3, Gust86E4, Gust86E5,
    Gust86N1, Gust86N2, Gust86N3, Gust86N4, Gust86N5,
    Gust86ArgumentCount
};

inline constexpr int Gust86MaxFactors = 3;
inline constexpr int Gust86MaxMultiplier = 12;

// One periodic term: amplitude (1e-6 rad) times the sine or cosine of sum(Multiplier x argument)
// over its first FactorCount factors (at least one), in the order of Gust86Argument.
struct Gust86Term {
    Extended Amplitude;
    std::int8_t FactorCount;
    SeriesFactor Factors[Gust86MaxFactors];  // Argument: a Gust86Argument
};

// Term counts of the published series, pinned here: the generated definitions must match them.
// Mean longitude (sine terms), eccentricity vector z = k + i h, inclination vector zeta = q + i p.
extern const Gust86Term MirandaLambdaTerms[7];
extern const Gust86Term MirandaZTerms[8];
extern const Gust86Term MirandaZetaTerms[5];
extern const Gust86Term ArielLambdaTerms[8];
extern const Gust86Term ArielZTerms[9];
extern const Gust86Term ArielZetaTerms[5];
extern const Gust86Term UmbrielLambdaTerms[19];
extern const Gust86Term UmbrielZTerms[16];
extern const Gust86Term UmbrielZetaTerms[5];
extern const Gust86Term TitaniaLambdaTerms[19];
extern const Gust86Term TitaniaZTerms[18];
extern const Gust86Term TitaniaZetaTerms[5];
extern const Gust86Term OberonLambdaTerms[14];
extern const Gust86Term OberonZTerms[17];
extern const Gust86Term OberonZetaTerms[5];

// The largest multiplier of each fundamental argument over all the series.
extern const std::array<std::int8_t, Gust86ArgumentCount> Gust86LargestMultiplier;

}  // namespace vireon
