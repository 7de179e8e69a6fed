// Saturn's eight major satellites: Mimas, Encelade, Téthys, Dioné, Rhéa, Titan, Hypérion, Japet.
//
// Theory: the mean elements of Harper & Taylor (1993, A&A 268, 326), as abridged in Meeus,
// Astronomical Algorithms (2nd ed., ch. 46): time arguments from JD 2411093.0 (inner five),
// 2411368.0 (Titan), 2415020.0 (Hyperion) and 2409786.0 (Iapetus), less the light time.
// Frame: the elements are referred to B1950.0. The orbits of Mimas to Dione lie on Saturn's
// equator of B1950 (node A0 = 168.8112 deg, inclination B0 = 28.0817 deg on the B1950
// ecliptic), their longitudes counted along the B1950 ecliptic to that node and then along the
// equator; the nodes and inclinations of Rhea to Iapetus are on the B1950 ecliptic. Each
// position is built in that frame and turned to the ecliptic of date by the ecliptic precession
// from B1950, then to the true equator of date with the true obliquity.
//
// Deviations from the published theory: every orbit except Tethys's is a Keplerian ellipse
// (Kepler's equation solved for the elements) instead of the series for the equation of the
// centre, Tethys moves on a circle, and the smaller periodic terms are left out.
//
// Output: the eight positions in the true equator of date, and Saturn's globe about the pole of
// its B1950 equator carried to the date, which casts and receives the shadows.
#include "satellites/saturn_satellites.h"

#include <cassert>
#include <cmath>

#include "core/angles.h"
#include "satellites/planet_frame.h"
#include "satellites/theory.h"

namespace vireon {
namespace {

// Degrees to radians: every constant of the theory given in degrees passes through here before
// it meets an angle in radians (A, B, g and the elements).
Extended Rad(Extended degrees) { return degrees / TheoryDegreesPerRadian; }

// An angle given in degrees, reduced into [0, 360) and turned into radians.
Extended Angle(Extended degrees) { return Rad(ReduceDegrees(degrees)); }

Extended PositiveAngle(Extended radians) { return radians < 0 ? radians + TwoPi : radians; }

// Saturn's B1950 equator is fixed: the sines and cosines of its node A and inclination B, and
// the tangent of B/2, are worked out once rather than for each satellite of each run (the
// library's extended sine of A, past pi/4, takes its slow general reduction).
struct EquatorFactors {
    Extended CosA, SinA, CosB, SinB, TanHalfB;
};
const EquatorFactors& SaturnEquatorFactors()
{
    static const EquatorFactors f{std::cos(SaturnEquatorB1950.Node), std::sin(SaturnEquatorB1950.Node),
                                  std::cos(SaturnEquatorB1950.Inclination), std::sin(SaturnEquatorB1950.Inclination),
                                  std::tan(SaturnEquatorB1950.Inclination / 2)};
    return f;
}

// M = lambda - varpi, plus one turn when negative.
void SetMeanAnomaly(SatelliteElements& el) { el.MeanAnomaly = PositiveAngle(el.MeanLongitude - el.Pericentre); }

// The arguments shared by the five inner satellites: t1 days and t2 Julian years from
// JD 2411093.0 less the light time; W0 (without light time), W1, W2 in radians.
struct InnerArguments {
    Extended t1 = 0, t2 = 0;
    Extended W0 = 0, W1 = 0, W2 = 0;
};

InnerArguments MakeInnerArguments(Extended jd, Extended tau)
{
    InnerArguments a;
    a.t1 = jd - 2411093.0L - tau;
    a.t2 = a.t1 / 365.25L;
    a.W0 = Angle((jd - 2402744.0L) * 1019 / 73050);
    a.W1 = Angle((3239 * a.t1 + 2717460) / 36525);    // 74.4 deg + 32.39 deg t2
    a.W2 = Angle((9262 * a.t1 + 4905307.5L) / 36525);  // 134.3 deg + 92.62 deg t2
    return a;
}

// 64-bit sine and cosine of an angle of the theory (radians). Every angle they meet stays
// under 40 rad over years 1..9999, so rounding it to 64 bits moves it by under 4e-15 rad. An
// element moves by at most 5e-16 rad (through the 43.57 deg term in W0 of Mimas's mean
// longitude), a position by under 2e-9 km (Iapetus's orbit turned by its node). The fixed A0
// and B0 of Saturn's equator keep extended sines and cosines, which the compiler works out once.
Extended Sin(Extended radians) { return std::sin(static_cast<double>(radians)); }
Extended Cos(Extended radians) { return std::cos(static_cast<double>(radians)); }

// Sine of an integer multiple of an angle in radians.
Extended SinN(int n, Extended angle) { return Sin(n * angle); }

SatelliteElements Mimas(const InnerArguments& a)
{
    SatelliteElements el;
    el.MeanLongitude = Angle(127.64L + 381.994497L * a.t1 - 43.57L * SinN(1, a.W0) - 0.7209L * SinN(3, a.W0) -
                             0.0205L * SinN(5, a.W0));
    el.Pericentre = Angle(106.1L + 365.549L * a.t2);
    el.Node = Angle(54.5L - 365.072L * a.t2);
    el.Inclination = Rad(1.563L);
    el.Eccentricity = 0.01905L;
    return el;
}

SatelliteElements Enceladus(const InnerArguments& a)
{
    SatelliteElements el;
    el.MeanLongitude =
        Angle(200.317L + 262.7319002L * a.t1 + (770 * Sin(a.W1) + 633 * Sin(a.W2)) / 3000);
    el.Pericentre = Angle(309.107L + 123.44121L * a.t2);
    el.Node = Angle(348 - 151.95L * a.t2);
    el.Inclination = Rad(0.0262L);
    el.Eccentricity = 0.00485L;
    return el;
}

// Circular: no pericentre and no mean anomaly.
SatelliteElements Tethys(const InnerArguments& a)
{
    SatelliteElements el;
    el.MeanLongitude = Angle(285.306L + 190.69791226L * a.t1 + 2.063L * SinN(1, a.W0) + 0.03413L * SinN(3, a.W0) +
                             0.000971L * SinN(5, a.W0));
    el.Node = Angle(111.33L - 72.244L * a.t2);
    el.Inclination = Rad(1.0976L);
    el.Eccentricity = 0;
    return el;
}

SatelliteElements Dione(const InnerArguments& a)
{
    SatelliteElements el;
    el.MeanLongitude =
        Angle(254.712L + 131.53493193L * a.t1 - (64 * Sin(a.W1) + 53 * Sin(a.W2)) / 3000);
    el.Pericentre = Angle(174.8L + 30.82L * a.t2);
    el.Node = Angle(232 - 30.27L * a.t2);
    el.Inclination = Rad(0.0139L);
    el.Eccentricity = 0.002157L;
    return el;
}

// Rhea's node and inclination on the B1950 ecliptic: the forced inclination g about Saturn's
// equator with the node argument N, and the Titan-driven term with W3.
SatelliteElements Rhea(const InnerArguments& a)
{
    const Extended A = SaturnEquatorB1950.Node;
    const Extended B = SaturnEquatorB1950.Inclination;
    const Extended t5 = (a.t1 - 275) / 365.25L;
    const Extended W3 = Angle(42 - 0.5118L * t5);
    const Extended W4 = Angle(276.59L + 0.5118L * t5);
    const Extended pp = Angle(342.7L + 10.057L * a.t2);  // p'
    const Extended N = Angle(345 - 10.057L * a.t2);
    const Extended g = Rad(0.3469L);

    SatelliteElements el;
    el.Inclination = B + g * Cos(N) - Rad(0.0455L) + Rad(0.0193L) * Cos(W3);
    el.Node = A + (g * Sin(N) + Rad(0.0193L) * Sin(W3)) / SaturnEquatorFactors().SinB - Rad(0.0078L);
    el.MeanLongitude = Angle(359.244L + 79.6900472L * a.t1) + g * Sin(N) * SaturnEquatorFactors().TanHalfB;
    // Eccentricity vector: the free part on p' and the Titan-forced part on W4.
    const Extended h = 0.000265L * Cos(pp) + Cos(W4) / 1000;
    const Extended k = 0.000265L * Sin(pp) + Sin(W4) / 1000;
    el.Eccentricity = std::sqrt(h * h + k * k);
    el.Pericentre = PositiveAngle(QuadrantAngle(h, k));
    return el;
}

SatelliteElements Titan(Extended jd, Extended tau)
{
    const Extended A = SaturnEquatorB1950.Node;
    const Extended B = SaturnEquatorB1950.Inclination;
    const Extended t4 = jd - 2411368.0L - tau;
    const Extended W3 = Angle(42 - 0.5118L * (t4 / 365.25L));
    const Extended W4 = Angle(276.59L + 0.5118L * (t4 / 365.25L));
    const Extended g = Rad(0.2960L);
    const Extended twoG0 = Rad(205.72L);
    // Twice the argument of the pericentre from the node on Saturn's equator (0.0003 deg a day).
    const Extended G = 2 * (W4 - A - Rad(4.4982L) - Rad(0.0003L * t4) - g * Sin(W3));

    SatelliteElements el;
    el.MeanLongitude = Angle(261.1582L + 22.57697855L * t4) + g * Sin(W3) * SaturnEquatorFactors().TanHalfB;
    el.Eccentricity = 0.029092L * (1 + 0.006548L * (Cos(G) - Cos(twoG0)));
    el.Pericentre = W4 + Rad(0.3752L) * (Sin(G) - Sin(twoG0));
    el.Inclination = B + g * Cos(W3) - Rad(0.6204L);
    el.Node = A + g * Sin(W3) / SaturnEquatorFactors().SinB - Rad(0.1418L);
    return el;
}

SatelliteElements Hyperion(Extended jd, Extended tau)
{
    const Extended A = SaturnEquatorB1950.Node;
    const Extended B = SaturnEquatorB1950.Inclination;
    const Extended t6 = jd - 2415020.0L - tau;
    const Extended t8 = t6 / 365.25L;
    const Extended nu = Angle(92.39L + 0.5621071L * t6);
    const Extended zeta = Angle((541263975 - 191827 * t6) / 3652500);  // 148.19 deg - 19.1827 deg t8
    const Extended chi = Angle(94.9L - 2.292L * t8);
    const Extended g = Rad(0.6435L);

    SatelliteElements el;
    el.MeanLongitude = Rad(ReduceDegrees(177.047L + 16.91993829L * t6) + 9.142L * Sin(nu) - 0.26L * Sin(zeta));
    el.Pericentre =
        Rad(ReduceDegrees(69.898L - 18.67088L * t8) - 12.872L * Sin(zeta) + 1.668L * SinN(2, zeta));
    el.Eccentricity = 0.103458L + 0.02303L * Cos(zeta) - 0.00212L * Cos(2 * zeta);
    el.Node = A + g * Sin(chi);
    el.Inclination = B + g * Cos(chi);
    return el;
}

SatelliteElements Iapetus(Extended jd, Extended tau)
{
    const Extended t10 = jd - 2409786.0L - tau;
    const Extended t11 = t10 / 36525;
    SatelliteElements el;
    el.MeanLongitude = Angle(76.3852L + 4.53795125L * t10);
    el.Pericentre = Angle(352.91L + 11.71L * t11);
    el.Node = Angle(143.198L - 3.919L * t11 + 0.116L * t11 * t11 + 0.008L * t11 * t11 * t11);
    el.Inclination = Angle(18.4602L - 0.9518L * t11 - 0.072L * t11 * t11 + 0.0054L * t11 * t11 * t11);
    el.Eccentricity = 0.028298L + 0.001156L * t11;
    return el;
}

// An orbit on Saturn's B1950 equator to the B1950 ecliptic: the orbit-plane point tilted by
// gamma, turned about the equator's pole by Omega - A, tilted by B about the node line, and
// turned by A about the ecliptic pole.
Vec3 SaturnEquatorToEcliptic(const OrbitPlanePoint& p, const SatelliteElements& el)
{
    const EquatorFactors& f = SaturnEquatorFactors();
    const Extended z1 = p.y * Cos(el.Inclination);
    const Extended z2 = p.y * Sin(el.Inclination);
    const Extended u = el.Node - SaturnEquatorB1950.Node;
    const Extended X1 = p.x * Cos(u) - z1 * Sin(u);
    const Extended Y1 = p.x * Sin(u) + z1 * Cos(u);
    const Extended Y2 = Y1 * f.CosB - z2 * f.SinB;
    const Extended Z = Y1 * f.SinB + z2 * f.CosB;
    return {X1 * f.CosA - Y2 * f.SinA, X1 * f.SinA + Y2 * f.CosA, Z};
}

// An orbit whose node and inclination are on the ecliptic itself.
Vec3 OrbitOnEcliptic(const OrbitPlanePoint& p, const SatelliteElements& el)
{
    const Extended z1 = p.y * Cos(el.Inclination);
    const Extended Z = p.y * Sin(el.Inclination);
    return {p.x * Cos(el.Node) - z1 * Sin(el.Node), p.x * Sin(el.Node) + z1 * Cos(el.Node), Z};
}

}  // namespace

SatelliteElements SaturnSatelliteElements(int k, Extended jd, Extended tau)
{
    assert(k >= 1 && k <= 8);
    SatelliteElements el;
    switch (k) {
    case 1: el = Mimas(MakeInnerArguments(jd, tau)); break;
    case 2: el = Enceladus(MakeInnerArguments(jd, tau)); break;
    case 3: el = Tethys(MakeInnerArguments(jd, tau)); break;
    case 4: el = Dione(MakeInnerArguments(jd, tau)); break;
    case 5: el = Rhea(MakeInnerArguments(jd, tau)); break;
    case 6: el = Titan(jd, tau); break;
    case 7: el = Hyperion(jd, tau); break;
    default: el = Iapetus(jd, tau); break;
    }
    el.SemiMajorAxisKm = SaturnSatelliteSemiMajorAxisKm[k];
    if (k != 3) SetMeanAnomaly(el);
    return el;
}

Vec3 SaturnSatelliteB1950(int k, const SatelliteElements& el)
{
    OrbitPlanePoint p;
    if (k == 3) {
        const Extended u = el.MeanLongitude - el.Node;
        p = {el.SemiMajorAxisKm * Cos(u), el.SemiMajorAxisKm * Sin(u)};
    } else {
        p = SolveKeplerOrbit(el);
    }
    return k <= 4 ? SaturnEquatorToEcliptic(p, el) : OrbitOnEcliptic(p, el);
}

namespace {

// The satellites first..last at jd, with the turn from the B1950 ecliptic to the ecliptic of date.
void PlaceSatellites(Extended jd, const Mat3& toDate, const SatelliteAxes& axes, int first, int last,
                     SatelliteSystem& system)
{
    for (int k = first; k <= last; ++k) {
        const SatelliteElements el = SaturnSatelliteElements(k, jd, axes.LightTimeDays);
        // The planet frame of the polar view is the ecliptic of date.
        system.PlanetFrame[k] = toDate * SaturnSatelliteB1950(k, el);
        system.Position[k] = axes.ToEquatorOfDate * system.PlanetFrame[k];
    }
}

}  // namespace

void PlaceSaturnSatellites(Extended jd, const SatelliteAxes& axes, int first, int last, SatelliteSystem& system)
{
    PlaceSatellites(jd, B1950EclipticToDate(EclipticPrecessionFromB1950(jd)), axes, first, last, system);
}

void ComputeSaturnSystem(const TheoryInstant& in, PlanetPlaces& places, SatelliteSystem& system)
{
    const Extended jd = in.JD;
    const Mat3 toDate = B1950EclipticToDate(EclipticPrecessionFromB1950(jd));

    SaturnApparent(jd, places);
    const PlanetPlace& saturn = places.Planet[Saturn];
    const Extended eps = places.TrueObliquity;

    system = BeginSystem(Saturn, places);
    system.Heliocentric = HeliocentricVectorOfDate(saturn.Helio, places.Nutation, eps);
    // Saturn's globe about the pole of its equator (the satellites' reference plane), carried
    // to the true equator of date as the satellites are. The pole drawn is the rings'.
    system.Pole = EclipticToEquator(toDate * PlanePole(SaturnEquatorB1950), eps);
    system.PolePA = places.PlanetPolePA;
    system.PhaseAngleSigned = SignedPhaseAngle(saturn, places.Earth);
    system.Rings = places.Rings;

    // The ecliptic of date to the true equator of date, as EclipticToEquator turns a vector.
    const Extended c = std::cos(eps), s = std::sin(eps);
    system.Axes = {saturn.Distance / SpeedOfLightKmPerDay, {{Vec3{1, 0, 0}, Vec3{0, c, -s}, Vec3{0, s, c}}}};
    PlaceSatellites(jd, toDate, system.Axes, 1, system.Count, system);
}

}  // namespace vireon
