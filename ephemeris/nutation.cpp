// Nutation (IAU 1980, 63 terms; Meeus, Astronomical Algorithms, ch. 22) and the true obliquity
// (mean obliquity of the IAU 1976 system, Lieske et al. 1977, plus the nutation in obliquity).
// T is in Julian millennia from J2000.0 throughout; the polynomials are those of T in millennia.
#include "ephemeris/nutation.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "core/angles.h"
#include "ephemeris/apparent_place.h"
#include "ephemeris/sine_cosine.h"

namespace vireon {
namespace {

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

// The terms first .. first + count - 1 at one instant: their arguments, integer combinations
// of the five below 6.5e6", formed in 64 bits (within 1e-9"), and, from their 64-bit sines and
// cosines, their contributions to delta psi and delta epsilon (at most 18.6" over years 1 to
// 9999) in 64 bits: within 1e-14" of the 80-bit values.
void TermArguments(const NutationColumns& c, std::size_t first, std::size_t count, const ArgumentsArcsec& a, double* argument)
{
    for (std::size_t k = first; k < first + count; ++k)
        argument[k - first] = c.D[k] * a.D + c.M[k] * a.M + c.Mprime[k] * a.Mprime + c.F[k] * a.F + c.Omega[k] * a.Omega;
}

void TermContributions(const NutationColumns& c, std::size_t first, std::size_t count, double centuries, const double* sine,
                       const double* cosine, double* psi, double* eps)
{
    for (std::size_t k = first; k < first + count; ++k) {
        psi[k - first] = sine[k - first] * (c.PsiSin[k] + c.PsiSinRate[k] * centuries);
        eps[k - first] = cosine[k - first] * (c.EpsCos[k] + c.EpsCosRate[k] * centuries);
    }
}

// The nutation at several instants (T in Julian millennia), their terms' sines and cosines
// computed together; each instant's sums, in table order, are extended and the same whatever
// the number of instants.
template <std::size_t Epochs>
void NutationAt(const std::array<Extended, Epochs>& t, NutationAngles (&result)[Epochs])
{
    const NutationColumns& columns = NutationTableColumns;
    ArgumentsArcsec a[Epochs];
    double centuries[Epochs];
    Extended psi[Epochs], eps[Epochs];
    for (std::size_t e = 0; e < Epochs; ++e) {
        a[e] = FundamentalArgumentsArcsec(t[e]);
        centuries[e] = static_cast<double>(10 * t[e]);
        psi[e] = eps[e] = 0;
    }
    const std::size_t total = columns.D.size();
    for (std::size_t first = 0; first < total; first += TermsPerBlock) {
        const std::size_t count = std::min(TermsPerBlock, total - first);
        double argument[Epochs * TermsPerBlock], sine[Epochs * TermsPerBlock], cosine[Epochs * TermsPerBlock];
        for (std::size_t e = 0; e < Epochs; ++e) TermArguments(columns, first, count, a[e], argument + e * count);
        SineCosineArcsec({argument, Epochs * count}, sine, cosine);
        double psiTerm[Epochs * TermsPerBlock], epsTerm[Epochs * TermsPerBlock];
        for (std::size_t e = 0; e < Epochs; ++e) {
            TermContributions(columns, first, count, centuries[e], sine + e * count, cosine + e * count, psiTerm + e * count,
                              epsTerm + e * count);
        }
        for (std::size_t k = 0; k < count; ++k) {
            for (std::size_t e = 0; e < Epochs; ++e) {
                psi[e] += psiTerm[e * count + k];
                eps[e] += epsTerm[e * count + k];
            }
        }
    }
    for (std::size_t e = 0; e < Epochs; ++e) result[e] = {psi[e] / 10000, eps[e] / 10000};
}

}  // namespace

FundamentalArguments NutationArguments(Extended t)
{
    const ArgumentsArcsec a = FundamentalArgumentsArcsec(t);
        return {a.D * RadiansPerArcsec, a.M * RadiansPerArcsec, a.Mprime * RadiansPerArcsec, a.F * RadiansPerArcsec,
            a.Omega * RadiansPerArcsec};
}

NutationAngles Nutation(Extended t)
{
    NutationAngles result[1];
    NutationAt<1>({t}, result);
    return result[0];
}

AroundInstant<NutationAngles> NutationAround(const AroundInstant<Extended>& julianMillennia)
{
    NutationAngles result[3];
    NutationAt<3>({julianMillennia.DayBefore, julianMillennia.Instant, julianMillennia.DayAfter}, result);
    return {result[0], result[1], result[2]};
}

Extended TrueObliquity(Extended t, const NutationAngles& nutation)
{
    const Extended meanArcsec = 84381.448L + t * (-468.15L + t * (-0.059L + t * 1.813L));
    return (meanArcsec + nutation.Obliquity) * RadiansPerArcsec;
}

}  // namespace vireon
