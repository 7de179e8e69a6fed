// Pluto's heliocentric place from the periodic theory of Meeus, Astronomical Algorithms, 1st
// edition (1991), ch. 36, Table 36.A (43 terms): ecliptic and equinox of J2000.0, meant for
// 1885-2099. Deviation from the book: the longitude is reduced into [0, 2pi).
#include <algorithm>
#include <cmath>

#include "core/angles.h"
#include "core/time_base.h"
#include "ephemeris/apparent_place.h"
#include "ephemeris/pluto_theory.h"
#include "ephemeris/sine_cosine.h"

namespace vireon {
namespace {


// The terms are taken in blocks, so the sines and cosines of a block are computed together.
constexpr std::size_t TermsPerBlock = 64;

// Mean longitude of Jupiter, Saturn and Pluto (degrees, T in Julian centuries), in radians.
Extended MeanArgument(Extended t, Extended atEpoch, Extended perCentury)
{
    return NormalizeDegrees(static_cast<double>(atEpoch + perCentury * t)) / TheoryDegreesPerRadian;
}

}  // namespace

HeliocentricPlace PlutoSeries(Extended t)
{
    const Extended J = MeanArgument(t, 34.35L, 3034.9057L);
    const Extended S = MeanArgument(t, 50.08L, 1222.1138L);
    const Extended P = MeanArgument(t, 238.96L, 144.96L);

    Extended longitude = 0, latitude = 0, radius = 0;
    for (std::size_t first = 0; first < PlutoTable.size(); first += TermsPerBlock) {
        const std::span<const PlutoTerm> rows = PlutoTable.subspan(first, std::min(TermsPerBlock, PlutoTable.size() - first));
        // The argument i J + j S + k P is formed in extended precision and rounded once to 64
        // bits (in arcseconds, within 1e-9"); its 64-bit sine and cosine move the sums, whose
        // coefficients reach 2e7 x 1e-6 deg, by less than 1e-10". The sums are extended.
        double argument[TermsPerBlock], sine[TermsPerBlock], cosine[TermsPerBlock];
        for (std::size_t n = 0; n < rows.size(); ++n) {
            const PlutoTerm& row = rows[n];
            argument[n] = static_cast<double>((row.i * J + row.j * S + row.k * P) * ArcsecPerRadian);
        }
        SineCosineArcsec({argument, rows.size()}, sine, cosine);
        for (std::size_t n = 0; n < rows.size(); ++n) {
            const PlutoTerm& row = rows[n];
            const Extended sinA = sine[n], cosA = cosine[n];
            longitude += row.LonSin * sinA + row.LonCos * cosA;
            latitude += row.LatSin * sinA + row.LatCos * cosA;
            radius += row.RadSin * sinA + row.RadCos * cosA;
        }
    }

    HeliocentricPlace place;
    const Extended lDegrees = 238.956785L + 144.96L * t + longitude / 1e6L;
    place.L = std::fmod(lDegrees / TheoryDegreesPerRadian, 2 * Pi);
    if (place.L < 0) place.L += 2 * Pi;
    if (place.L >= 2 * Pi) place.L = 0;
    place.B = (latitude / 1e6L - 3.908202L) / TheoryDegreesPerRadian;
    place.R = (radius / 1e7L + 40.7247248L) * AstronomicalUnitKm;
    return place;
}

}  // namespace vireon
