// Uranus's five major satellites: Miranda, Ariel, Umbriel, Titania, Obéron.
//
// Theory: GUST86, Laskar & Jacobson (1987, A&A 188, 212): mean longitudes, eccentricity vectors
// z = e exp(i varpi) and inclination vectors zeta = sin(i/2) exp(i Omega) from periodic series
// in the fundamental arguments, time in days from JD 2444239.5 less the light time. The series
// are the published ones (satellites/uranus_satellites_tables.cpp).
// Frame: GUST86 counts its longitudes in Uranus's equator of B1950 from a fixed axis, the
// ascending node of that equator on the Earth's equator of B1950. The x axis and the pole of
// that frame, given as J2000 directions (alpha 347.2472 deg, delta +0.2712 deg; alpha 77.3203 deg,
// delta +15.0950 deg), are carried to the true equator of date by precession, nutation and
// aberration, and the satellite is placed on those axes.
//
// Deviations from the published theory: the semi-major axes are fixed (the mean-motion series
// is not evaluated), and the position comes from Kepler's equation for the elements instead of
// the theory's own elliptic-to-rectangular conversion.
//
// Evaluation: each term from the powers of exp(i x) of its fundamental arguments in 64 bits
// (satellites/phasor.h), the terms summed in extended precision in the order of the tables.
//
// Output: the five positions in the true equator of date and in the GUST86 frame, whose
// longitudes the polar view shows; no shadows and no phase angle.
#include "satellites/uranus_satellites.h"

#include <cassert>
#include <cmath>
#include <span>

#include "core/angles.h"
#include "core/time_base.h"
#include "ephemeris/apparent_place.h"
#include "ephemeris/sine_cosine.h"
#include "satellites/planet_frame.h"
#include "satellites/theory.h"

namespace vireon {
namespace {

struct SeriesOfSatellite {
    std::span<const Gust86Term> Lambda, Z, Zeta;
};
const SeriesOfSatellite Series[6] = {
    {},
    {MirandaLambdaTerms, MirandaZTerms, MirandaZetaTerms},
    {ArielLambdaTerms, ArielZTerms, ArielZetaTerms},
    {UmbrielLambdaTerms, UmbrielZTerms, UmbrielZetaTerms},
    {TitaniaLambdaTerms, TitaniaZTerms, TitaniaZetaTerms},
    {OberonLambdaTerms, OberonZTerms, OberonZetaTerms},
};

// Mean longitudes l_j: phase (rad) and rate (rad per day).
constexpr Extended LongitudePhase[5] = {-0.23805158L, 3.09804641L, 2.28540169L, 0.85635879L, -0.9155918L};
constexpr Extended LongitudeRate[5] = {4.44519055L, 2.492952519L, 1.516148111L, 0.721718509L, 0.46669212L};
// Pericentre arguments E_j and node arguments N_j: phase (rad) and rate (degrees per Julian year).
constexpr Extended PericentrePhase[5] = {0.611392L, 2.408974L, 2.067774L, 0.735131L, 0.426767L};
constexpr Extended PericentreRate[5] = {20.082L, 6.217L, 2.865L, 2.078L, 0.386L};
constexpr Extended NodePhase[5] = {5.702313L, 0.395757L, 0.589326L, 1.746237L, 4.206896L};
constexpr Extended NodeRate[5] = {-20.309L, -6.288L, -2.836L, -1.843L, -0.259L};

Extended DegreesPerYearToRadiansPerDay(Extended rate) { return rate * RadiansPerDegree / 365.25L; }

Phasor TermPhasor(const Gust86Term& term, const Gust86Arguments& a)
{
    return TermPhasor(term.Factors, term.FactorCount, a.Powers);
}

// Sums of amplitude x cos(argument) and amplitude x sin(argument), units of 1e-6.
struct ComplexSum {
    Extended Re = 0, Im = 0;
};
ComplexSum SumSeries(std::span<const Gust86Term> terms, const Gust86Arguments& a)
{
    ComplexSum s;
    for (const Gust86Term& term : terms) {
        const Phasor p = TermPhasor(term, a);
        s.Re += term.Amplitude * Extended{p.Cos};
        s.Im += term.Amplitude * Extended{p.Sin};
    }
    return s;
}

Extended PositiveAngle(Extended radians) { return radians < 0 ? radians + TwoPi : radians; }

}  // namespace

Gust86Arguments Gust86FundamentalArguments(Extended t)
{
    Gust86Arguments a;
    for (int j = 0; j < 5; ++j) {
        a.l[j] = ReduceRadians(LongitudePhase[j] + LongitudeRate[j] * t);
        a.E[j] = ReduceRadians(PericentrePhase[j] + DegreesPerYearToRadiansPerDay(PericentreRate[j]) * t);
        a.N[j] = ReduceRadians(NodePhase[j] + DegreesPerYearToRadiansPerDay(NodeRate[j]) * t);
    }
    for (int j = 0; j < 5; ++j) {
        a.Powers[Gust86l1 + j].Fill(a.l[j], Gust86LargestMultiplier[Gust86l1 + j]);
        a.Powers[Gust86E1 + j].Fill(a.E[j], Gust86LargestMultiplier[Gust86E1 + j]);
        a.Powers[Gust86N1 + j].Fill(a.N[j], Gust86LargestMultiplier[Gust86N1 + j]);
    }
    return a;
}

SatelliteElements Gust86Elements(int k, const Gust86Arguments& a)
{
    assert(k >= 1 && k <= 5);
    const SeriesOfSatellite& series = Series[k];
    SatelliteElements el;

    Extended lambdaTerms = 0;
    for (const Gust86Term& term : series.Lambda) lambdaTerms += term.Amplitude * Extended{TermPhasor(term, a).Sin};
    el.MeanLongitude = a.l[k - 1] + lambdaTerms * 1e-6L;

    const ComplexSum z = SumSeries(series.Z, a);  // k + i h
    el.Eccentricity = std::sqrt(z.Re * z.Re + z.Im * z.Im) * 1e-6L;
    el.Pericentre = PositiveAngle(QuadrantAngle(z.Re, z.Im));

    const ComplexSum zeta = SumSeries(series.Zeta, a);  // q + i p
    const Extended sinHalfI = std::sqrt(zeta.Re * zeta.Re + zeta.Im * zeta.Im) * 1e-6L;
    el.Inclination = 2 * Extended(ArcSinSafe(static_cast<double>(sinHalfI)));
    el.Node = PositiveAngle(QuadrantAngle(zeta.Re, zeta.Im));

    el.SemiMajorAxisKm = UranusSatelliteSemiMajorAxisKm[k];
    el.MeanAnomaly = el.MeanLongitude - el.Pericentre;
    return el;
}

Vec3 UranianPosition(const SatelliteElements& el)
{
    const OrbitPlanePoint p = SolveKeplerOrbit(el);
    // 64-bit cosines and sines of i and Omega: 1e-16 of the orbit's radius, under 1e-10 km.
    const Phasor i = PhasorOf(el.Inclination);
    const Phasor node = PhasorOf(el.Node);
    const Extended cosNode = node.Cos, sinNode = node.Sin;
    const Extended z1 = p.y * Extended{i.Cos};
    const Extended Z = p.y * Extended{i.Sin};
    return {p.x * cosNode - z1 * sinNode, p.x * sinNode + z1 * cosNode, Z};
}

Gust86Axes Gust86AxesOfDate(Extended jd)
{
    PlanetPlaces places;
    UranusApparent(jd, places);
    return Gust86AxesOfDate(jd, places);
}

Gust86Axes Gust86AxesOfDate(Extended jd, const PlanetPlaces& places)
{
    Extended alphaX = 347.2472L * RadiansPerDegree, deltaX = 0.2712L * RadiansPerDegree;
    Extended alphaP = 77.3203L * RadiansPerDegree, deltaP = 15.0950L * RadiansPerDegree;
    ApparentFromJ2000(jd, places.Nutation, places.TrueObliquity, places.Earth, alphaX, deltaX);
    ApparentFromJ2000(jd, places.Nutation, places.TrueObliquity, places.Earth, alphaP, deltaP);
    Gust86Axes axes;
    axes.e3 = UnitVector(alphaP, deltaP);
    // The two directions are turned separately; rebuild an orthonormal triad about the pole.
    axes.e2 = Normalized(Cross(axes.e3, UnitVector(alphaX, deltaX)));
    axes.e1 = Cross(axes.e2, axes.e3);
    return axes;
}

void ComputeUranusSystem(const TheoryInstant& in, PlanetPlaces& places, SatelliteSystem& system)
{
    const Extended jd = in.JD;
    UranusApparent(jd, places);
    const Gust86Axes axes = Gust86AxesOfDate(jd, places);

    const PlanetPlace& uranus = places.Planet[Uranus];

    system = BeginSystem(Uranus, places);
    system.Pole = axes.e3;
    system.PolePA = places.PlanetPolePA;
    system.TheoryTime = jd - 2444239.5L - uranus.Distance / SpeedOfLightKmPerDay;
    const Gust86Arguments arguments = Gust86FundamentalArguments(system.TheoryTime);

    for (int k = 1; k <= system.Count; ++k) {
        const Vec3 u = UranianPosition(Gust86Elements(k, arguments));
        system.PlanetFrame[k] = u;
        system.Position[k] = u.x * axes.e1 + u.y * axes.e2 + u.z * axes.e3;
    }
}

}  // namespace vireon
