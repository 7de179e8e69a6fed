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
#include "ephemeris/sine_cosine.h"

namespace vireon {
namespace {

constexpr Extended Pi = std::numbers::pi_v<Extended>;
constexpr Extended RadiansPerArcsec = Pi / 648000;

// The obliquity of the ecliptic at J2000.0 (84381.448"), radians.
constexpr Extended ObliquityJ2000 = 0.40909280422232897L;

using Matrix = Extended[3][3];

// Frame rotations about the first and the third axis by an angle of cosine c and sine s.
void RotationX(Extended c, Extended s, Matrix& m)
{
    const Matrix r = {{1, 0, 0}, {0, c, s}, {0, -s, c}};
    for (int i = 0; i < 3; ++i)
        for (int j = 0; j < 3; ++j) m[i][j] = r[i][j];
}

void RotationZ(Extended c, Extended s, Matrix& m)
{
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

}  // namespace

void ApparentFromJ2000(Extended jd, Extended& alpha, Extended& delta)
{
    const Extended t = JulianMillenniaOf(jd);
    const NutationAngles nutation = Nutation(t);
    const Extended trueObliquity = TrueObliquity(t, nutation);
    ApparentFromJ2000(jd, nutation, trueObliquity, EarthPosition(t, nutation, trueObliquity), alpha, delta);
}

void ApparentFromJ2000(Extended jd, const NutationAngles& nutation, Extended trueObliquity, const EarthPlace& earth,
                       Extended& alpha, Extended& delta)
{
    const Extended t = JulianMillenniaOf(jd);
    const Extended eps = trueObliquity;
    const Extended piA = (470.029L * t - 3.302L * t * t + 0.06L * t * t * t) * RadiansPerArcsec;
    const Extended bigPiA = (629554.982L - 8698.089L * t + 3.536L * t * t) * RadiansPerArcsec;
    const Extended P = (50290.966L * t + 111.113L * t * t - 0.006L * t * t * t) * RadiansPerArcsec + bigPiA +
                       nutation.Longitude * RadiansPerArcsec;
    const SineAndCosine epsJ2000 = SineCosineExtended(ObliquityJ2000), bigPi = SineCosineExtended(bigPiA),
                        smallPi = SineCosineExtended(piA), p = SineCosineExtended(P), e = SineCosineExtended(eps);

    // R1(-eps) R3(-P) R1(pi_A) R3(Pi_A) R1(eps0): J2000 equator -> J2000 ecliptic -> ecliptic of
    // the date (with the nutation in longitude) -> true equator of the date.
    Matrix m, r;
    RotationX(epsJ2000.Cos, epsJ2000.Sin, m);
    RotationZ(bigPi.Cos, bigPi.Sin, r);
    MultiplyLeft(r, m);
    RotationX(smallPi.Cos, smallPi.Sin, r);
    MultiplyLeft(r, m);
    RotationZ(p.Cos, -p.Sin, r);
    MultiplyLeft(r, m);
    RotationX(e.Cos, -e.Sin, r);
    MultiplyLeft(r, m);

    const SineAndCosine a0 = SineCosineExtended(alpha), d0 = SineCosineExtended(delta);
    const Extended x0 = a0.Cos * d0.Cos, y0 = a0.Sin * d0.Cos, z0 = d0.Sin;
    const Extended u = m[0][0] * x0 + m[0][1] * y0 + m[0][2] * z0;
    const Extended v = m[1][0] * x0 + m[1][1] * y0 + m[1][2] * z0;
    const Extended w = m[2][0] * x0 + m[2][1] * y0 + m[2][2] * z0;

    Extended a = u != 0 ? std::atan(v / u) : (v > 0 ? Pi / 2 : (v < 0 ? -Pi / 2 : 0));
    if (u < 0) a += Pi;
    if (a < 0) a += 2 * Pi;
    const Extended rho = std::sqrt(u * u + v * v);
    const Extended d = rho != 0 ? std::atan(w / rho) : (w > 0 ? Pi / 2 : (w < 0 ? -Pi / 2 : 0));

    // Annual aberration (Meeus 23.3, with the Earth's heliocentric longitude in place of the Sun's).
    // The sines and cosines of a and d come from the vector itself: (u, v) = rho (cos a, sin a),
    // (rho, w) = |(u, v, w)| (cos d, sin d).
    const Extended c = earth.AberrationC1 + earth.AberrationC2;
    const Extended dd = earth.AberrationD1 + earth.AberrationD2;
    const Extended length = std::sqrt(rho * rho + w * w);
    const Extended cosA = rho != 0 ? u / rho : 1, sinA = rho != 0 ? v / rho : 0;
    const Extended cosD = rho / length, sinD = w / length;
    // On the celestial pole itself the right ascension has no meaning and keeps its value.
    const Extended deltaAlpha = rho != 0 ? (cosA * c + sinA * dd) / cosD : 0;
    const Extended deltaDelta = (e.Sin / e.Cos * cosD - sinA * sinD) * c + sinD * cosA * dd;
    alpha = a - deltaAlpha;
    delta = d - deltaDelta;
}

}  // namespace vireon
