// Nutation (IAU 1980, 63 terms; Meeus, Astronomical Algorithms, ch. 22) and the true obliquity
// (mean obliquity of the IAU 1976 system, Lieske et al. 1977, plus the nutation in obliquity).
// T is in Julian millennia from J2000.0 throughout; the polynomials are those of T in millennia.
#include "ephemeris/nutation.h"

#include <cmath>
#include <numbers>

#include "core/time_base.h"
#include "ephemeris/apparent_place.h"

namespace vireon {
namespace {

constexpr Extended Pi = std::numbers::pi_v<Extended>;

// a0 + T (a1 + T (a2 + T (a3 + T a4))), arcseconds, reduced to one turn, in radians.
Extended Argument(Extended t, Extended a0, Extended a1, Extended a2, Extended a3, Extended a4)
{
    return ArcsecToRadians(static_cast<double>(a0 + t * (a1 + t * (a2 + t * (a3 + t * a4)))));
}

}  // namespace

FundamentalArguments NutationArguments(Extended t)
{
    FundamentalArguments a;
    a.Mprime = Argument(t, 485867.28096L, 17179159234.728L, 3238.93L, 51.651L, -2.44L);
    a.M = Argument(t, 1287104.79306L, 1295965810.474L, -55.29L, 0.147L, 0);
    a.F = Argument(t, 335779.55755L, 17395272630.983L, -1225.05L, -1.021L, 0.0417L);
    a.D = Argument(t, 1072260.73512L, 16029616014.603L, -586.81L, 6.595L, -0.3184L);
    a.Omega = Argument(t, 450160.39816L, -69628902.656L, 747.42L, 7.702L, -0.5939L);
    return a;
}

NutationAngles Nutation(Extended t)
{
    const FundamentalArguments a = NutationArguments(t);
    const Extended centuries = 10 * t;
    Extended psi = 0;
    Extended eps = 0;
    for (const NutationTerm& row : NutationTable) {
        const Extended argument = row.D * a.D + row.M * a.M + row.Mprime * a.Mprime + row.F * a.F + row.Omega * a.Omega;
        // The argument is below 30 rad and the largest coefficient 17": 64-bit sine and cosine
        // change the sums by less than 1e-13" and cost a twentieth of the 80-bit ones.
        const double angle = static_cast<double>(argument);
        psi += static_cast<Extended>(std::sin(angle)) * (row.PsiSin + row.PsiSinRate * centuries);
        eps += static_cast<Extended>(std::cos(angle)) * (row.EpsCos + row.EpsCosRate * centuries);
    }
    return {psi / 10000, eps / 10000};
}

Extended TrueObliquity(Extended t, const NutationAngles& nutation)
{
    const Extended meanArcsec = 84381.448L + t * (-468.15L + t * (-0.059L + t * 1.813L));
    return (meanArcsec + nutation.Obliquity) * Pi / 648000;
}

}  // namespace vireon
