// A mean place of J2000.0 carried to the true equator and equinox of the date: precession by the
// ecliptic angles of the IAU 1976 system (Lieske et al. 1977, A&A 58, 1; Lieske 1979, A&A 73,
// 282: pi_A, Pi_A, p_A referred to J2000.0), nutation in longitude and obliquity (IAU 1980) and
// the annual aberration with the eccentricity terms (Meeus, Astronomical Algorithms, ch. 23).
// Deliberate convention: the aberration correction is subtracted from the precessed place, where
// Meeus adds it; the planets' poles and frames are computed this way throughout the program. The
// difference is at most twice the constant of aberration (41") on a pole direction.
#include <cmath>
#include <numbers>

#include "ephemeris/apparent_place.h"

namespace vireon {
namespace {

constexpr Extended Pi = std::numbers::pi_v<Extended>;
constexpr Extended RadiansPerArcsec = Pi / 648000;

// The obliquity of the ecliptic at J2000.0 (84381.448"), radians.
constexpr Extended ObliquityJ2000 = 0.40909280422232897L;

using Matrix = Extended[3][3];

// Frame rotations about the first and the third axis.
void RotationX(Extended theta, Matrix& m)
{
    const Extended c = std::cos(theta), s = std::sin(theta);
    const Matrix r = {{1, 0, 0}, {0, c, s}, {0, -s, c}};
    for (int i = 0; i < 3; ++i)
        for (int j = 0; j < 3; ++j) m[i][j] = r[i][j];
}

void RotationZ(Extended theta, Matrix& m)
{
    const Extended c = std::cos(theta), s = std::sin(theta);
    const Matrix r = {{c, s, 0}, {-s, c, 0}, {0, 0, 1}};
    for (int i = 0; i < 3; ++i)
        for (int j = 0; j < 3; ++j) m[i][j] = r[i][j];
}

// m := a * m
void MultiplyLeft(const Matrix& a, Matrix& m)
{
    Matrix product = {};
    for (int i = 0; i < 3; ++i)
        for (int j = 0; j < 3; ++j)
            for (int k = 0; k < 3; ++k) product[i][j] += a[i][k] * m[k][j];
    for (int i = 0; i < 3; ++i)
        for (int j = 0; j < 3; ++j) m[i][j] = product[i][j];
}

// Obliquity of the date, radians: the mean obliquity of the IAU 1976 system (Lieske et al.
// 1977) plus the nutation in obliquity (arcseconds).
Extended ObliquityOfDate(Extended t, const NutationAngles& nutation)
{
    return ObliquityJ2000 + (-468.15L * t - 0.059L * t * t + 1.813L * t * t * t) * RadiansPerArcsec +
           nutation.Obliquity * RadiansPerArcsec;
}

// The angles of the turn from the J2000.0 equator to the true equator of the date, radians:
// R1(-eps) R3(-P) R1(pi_A) R3(Pi_A) R1(eps0), J2000 equator -> J2000 ecliptic -> ecliptic of the
// date (with the nutation in longitude) -> true equator of the date.
struct EclipticTurn {
    Extended eps = 0;     // obliquity of the date
    Extended piA = 0;     // inclination of the ecliptic of the date on the J2000 ecliptic
    Extended bigPiA = 0;  // longitude of its ascending node
    Extended P = 0;       // Pi_A + p_A + delta psi
};

EclipticTurn EclipticTurnOf(Extended t, const NutationAngles& nutation)
{
    EclipticTurn a;
    a.eps = ObliquityOfDate(t, nutation);
    a.piA = (470.029L * t - 3.302L * t * t + 0.06L * t * t * t) * RadiansPerArcsec;
    a.bigPiA = (629554.982L - 8698.089L * t + 3.536L * t * t) * RadiansPerArcsec;
    a.P = (50290.966L * t + 111.113L * t * t - 0.006L * t * t * t) * RadiansPerArcsec + a.bigPiA +
          nutation.Longitude * RadiansPerArcsec;
    return a;
}

// A vector turned about the first or the third axis by the frame rotation R1 or R3, with the
// angle's 64-bit cosine and sine: under 1e-16 rad of rounding, 2e-11".
EquatorialVector TurnX(Extended theta, const EquatorialVector& v)
{
    const double angle = static_cast<double>(theta);
    const Extended c = std::cos(angle), s = std::sin(angle);
    return {v.X, c * v.Y + s * v.Z, -s * v.Y + c * v.Z};
}

EquatorialVector TurnZ(Extended theta, const EquatorialVector& v)
{
    const double angle = static_cast<double>(theta);
    const Extended c = std::cos(angle), s = std::sin(angle);
    return {c * v.X + s * v.Y, -s * v.X + c * v.Y, v.Z};
}

}  // namespace

RotationMatrix J2000ToEquatorOfDate(Extended t, const NutationAngles& nutation)
{
    const EclipticTurn a = EclipticTurnOf(t, nutation);
    RotationMatrix rotation;
    Matrix& m = rotation.M;
    Matrix r;
    RotationX(ObliquityJ2000, m);
    RotationZ(a.bigPiA, r);
    MultiplyLeft(r, m);
    RotationX(a.piA, r);
    MultiplyLeft(r, m);
    RotationZ(-a.P, r);
    MultiplyLeft(r, m);
    RotationX(-a.eps, r);
    MultiplyLeft(r, m);
    return rotation;
}

EquatorialVector EquatorOfDateToJ2000(Extended t, const NutationAngles& nutation, const EquatorialVector& v)
{
    // The transpose, R1(-eps0) R3(-Pi_A) R1(-pi_A) R3(P) R1(eps), one axis at a time.
    const EclipticTurn a = EclipticTurnOf(t, nutation);
    return TurnX(-ObliquityJ2000, TurnZ(-a.bigPiA, TurnX(-a.piA, TurnZ(a.P, TurnX(a.eps, v)))));
}

void ApparentFromJ2000(Extended jd, Extended& alpha, Extended& delta)
{
    const Extended t = JulianMillenniaOf(jd);
    const NutationAngles nutation = Nutation(t);
    const Extended trueObliquity = TrueObliquity(t, nutation);
    const EarthPlace earth = EarthPosition(t, nutation, trueObliquity);
    const Extended eps = ObliquityOfDate(t, nutation);
    const RotationMatrix rotation = J2000ToEquatorOfDate(t, nutation);
    const Matrix& m = rotation.M;

    const Extended x0 = std::cos(alpha) * std::cos(delta), y0 = std::sin(alpha) * std::cos(delta), z0 = std::sin(delta);
    const Extended u = m[0][0] * x0 + m[0][1] * y0 + m[0][2] * z0;
    const Extended v = m[1][0] * x0 + m[1][1] * y0 + m[1][2] * z0;
    const Extended w = m[2][0] * x0 + m[2][1] * y0 + m[2][2] * z0;

    Extended a = u != 0 ? std::atan(v / u) : (v > 0 ? Pi / 2 : (v < 0 ? -Pi / 2 : 0));
    if (u < 0) a += Pi;
    if (a < 0) a += 2 * Pi;
    const Extended rho = std::sqrt(u * u + v * v);
    const Extended d = rho != 0 ? std::atan(w / rho) : (w > 0 ? Pi / 2 : (w < 0 ? -Pi / 2 : 0));

    // Annual aberration (Meeus 23.3, with the Earth's heliocentric longitude in place of the Sun's).
    const Extended c = earth.AberrationC1 + earth.AberrationC2;
    const Extended dd = earth.AberrationD1 + earth.AberrationD2;
    const Extended deltaAlpha = (std::cos(a) * c + std::sin(a) * dd) / std::cos(d);
    const Extended deltaDelta = (std::tan(eps) * std::cos(d) - std::sin(a) * std::sin(d)) * c + std::sin(d) * std::cos(a) * dd;
    alpha = a - deltaAlpha;
    delta = d - deltaDelta;
}

}  // namespace vireon
