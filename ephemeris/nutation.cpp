// Nutation (IAU 1980, 63 terms; Meeus, Astronomical Algorithms, ch. 22) and the true obliquity
// (mean obliquity of the IAU 1976 system, Lieske et al. 1977, plus the nutation in obliquity).
// T is in Julian millennia from J2000.0 throughout; the polynomials are those of T in millennia.
#include "ephemeris/nutation.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "ephemeris/apparent_place.h"
#include "ephemeris/sine_cosine.h"

namespace vireon {
namespace {

constexpr Extended Pi = std::numbers::pi_v<Extended>;
// The terms are taken in blocks, so the sines and cosines of a block are computed together.
constexpr std::size_t TermsPerBlock = 64;

// a0 + T (a1 + T (a2 + T (a3 + T a4))), arcseconds, rounded to 64 bits and reduced to one turn
// (exactly: the reduction only removes whole turns).
double ArgumentArcsec(Extended t, Extended a0, Extended a1, Extended a2, Extended a3, Extended a4)
{
    const double arcsec = static_cast<double>(a0 + t * (a1 + t * (a2 + t * (a3 + t * a4))));
    return arcsec - std::trunc(arcsec / 1296000) * 1296000;
}

// The five arguments, arcseconds.
struct ArgumentsArcsec {
    double D, M, Mprime, F, Omega;
};

ArgumentsArcsec FundamentalArgumentsArcsec(Extended t)
{
    return {ArgumentArcsec(t, 1072260.73512L, 16029616014.603L, -586.81L, 6.595L, -0.3184L),
            ArgumentArcsec(t, 1287104.79306L, 1295965810.474L, -55.29L, 0.147L, 0),
            ArgumentArcsec(t, 485867.28096L, 17179159234.728L, 3238.93L, 51.651L, -2.44L),
            ArgumentArcsec(t, 335779.55755L, 17395272630.983L, -1225.05L, -1.021L, 0.0417L),
            ArgumentArcsec(t, 450160.39816L, -69628902.656L, 747.42L, 7.702L, -0.5939L)};
}

}  // namespace

FundamentalArguments NutationArguments(Extended t)
{
    const ArgumentsArcsec a = FundamentalArgumentsArcsec(t);
    constexpr Extended RadiansPerArcsec = Pi / 648000;
    return {a.D * RadiansPerArcsec, a.M * RadiansPerArcsec, a.Mprime * RadiansPerArcsec, a.F * RadiansPerArcsec,
            a.Omega * RadiansPerArcsec};
}

NutationAngles Nutation(Extended t)
{
    const ArgumentsArcsec a = FundamentalArgumentsArcsec(t);
    const double centuries = static_cast<double>(10 * t);
    Extended psi = 0;
    Extended eps = 0;
    for (std::size_t first = 0; first < NutationTable.size(); first += TermsPerBlock) {
        const std::span<const NutationTerm> rows = NutationTable.subspan(first, std::min(TermsPerBlock, NutationTable.size() - first));
        // Each term's argument, an integer combination of the five below 6.5e6", is formed in
        // 64 bits (within 1e-9"), and so are its sine and cosine and their products with the
        // coefficients (at most 18.6" over years 1 to 9999): the terms are within 1e-14" of
        // their 80-bit values. The sums, in table order, are extended.
        double argument[TermsPerBlock], sine[TermsPerBlock], cosine[TermsPerBlock];
        for (std::size_t i = 0; i < rows.size(); ++i) {
            const NutationTerm& row = rows[i];
            argument[i] = row.D * a.D + row.M * a.M + row.Mprime * a.Mprime + row.F * a.F + row.Omega * a.Omega;
        }
        SineCosineArcsec({argument, rows.size()}, sine, cosine);
        double psiTerm[TermsPerBlock], epsTerm[TermsPerBlock];
        for (std::size_t i = 0; i < rows.size(); ++i) {
            const NutationTerm& row = rows[i];
            psiTerm[i] = sine[i] * (row.PsiSin + row.PsiSinRate * centuries);
            epsTerm[i] = cosine[i] * (row.EpsCos + row.EpsCosRate * centuries);
        }
        for (std::size_t i = 0; i < rows.size(); ++i) {
            psi += psiTerm[i];
            eps += epsTerm[i];
        }
    }
    return {psi / 10000, eps / 10000};
}

Extended TrueObliquity(Extended t, const NutationAngles& nutation)
{
    const Extended meanArcsec = 84381.448L + t * (-468.15L + t * (-0.059L + t * 1.813L));
    return (meanArcsec + nutation.Obliquity) * Pi / 648000;
}

}  // namespace vireon
