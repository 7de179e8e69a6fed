// GUST86 periodic series of the five major Uranian satellites (Laskar & Jacobson 1987,
// A&A 188, 212): the tables generated from data/gust86_series.csv by
// tools/generate_gust86_tables.cpp into satellites/uranus_satellites_tables.cpp.
#pragma once

#include <cstdint>

#include "core/types.h"

namespace vireon {

// One periodic term: amplitude (1e-6 rad) times the sine or cosine of an integer combination of
// the mean longitudes l1..l5, the pericentre arguments E1..E5 and the node arguments N1..N5.
struct Gust86Term {
    Extended Amplitude;
    std::int8_t L[5];
    std::int8_t E[5];
    std::int8_t N[5];
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

}  // namespace vireon
