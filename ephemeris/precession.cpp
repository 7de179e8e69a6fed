// A mean place of J2000.0 carried to the true equator and equinox of the date: precession by the
// ecliptic angles of the IAU 1976 system (Lieske et al. 1977, A&A 58, 1; Lieske 1979, A&A 73,
// 282: pi_A, Pi_A, p_A referred to J2000.0), nutation in longitude and obliquity (IAU 1980) and
// the annual aberration with the eccentricity terms (Meeus, Astronomical Algorithms, ch. 23).
// Deliberate convention: the aberration correction is subtracted from the precessed place, where
// Meeus adds it; the planets' poles and frames are computed this way throughout the program. The
// difference is at most twice the constant of aberration (41") on a pole direction.
#include <cmath>

#include "core/angles.h"
#include "ephemeris/apparent_place.h"
#include "ephemeris/sine_cosine.h"

namespace vireon {
namespace {


// The obliquity of the ecliptic at J2000.0 (84381.448") and Pi_A at J2000.0 (629554.982"),
// radians, with their sines and cosines to 25 digits.
constexpr Extended ObliquityJ2000 = 84381.448L * RadiansPerArcsec;
constexpr SineAndCosine SinCosObliquityJ2000 = {0.3977771559319137192032129L, 0.9174820620691818181108509L};
constexpr Extended PiAJ2000 = 629554.982L * RadiansPerArcsec;
constexpr SineAndCosine SinCosPiAJ2000 = {0.0893048364097466804891801L, -0.9960043404492916082197912L};

// Frame rotations of a vector about its first and third axis by an angle (sine and cosine).
void RotateX(const SineAndCosine& angle, Extended& y, Extended& z)
{
    const Extended yy = angle.Cos * y + angle.Sin * z;
    z = -angle.Sin * y + angle.Cos * z;
    y = yy;
}

void RotateZ(const SineAndCosine& angle, Extended& x, Extended& y)
{
    const Extended xx = angle.Cos * x + angle.Sin * y;
    y = -angle.Sin * x + angle.Cos * y;
    x = xx;
}

SineAndCosine Negated(const SineAndCosine& angle) { return {-angle.Sin, angle.Cos}; }

// The five turns R1(-eps) R3(-P) R1(pi_A) R3(Pi_A) R1(eps0) from the J2000 equator to the true
// equator of the date: J2000 equator -> J2000 ecliptic -> ecliptic of the date (with the nutation
// in longitude) -> true equator of the date. eps is the true obliquity of the date.
struct TurnsToDate {
    SineAndCosine BigPi, SmallPi, P, Eps;

    TurnsToDate(Extended t, const NutationAngles& nutation, Extended eps)
    {
        const Extended piA = (470.029L * t - 3.302L * t * t + 0.06L * t * t * t) * RadiansPerArcsec;
        const Extended bigPiA = (629554.982L - 8698.089L * t + 3.536L * t * t) * RadiansPerArcsec;
        const Extended p = (50290.966L * t + 111.113L * t * t - 0.006L * t * t * t) * RadiansPerArcsec + bigPiA +
                           nutation.Longitude * RadiansPerArcsec;
        // Pi_A and P stay within a few degrees of Pi_A at J2000.0 and the obliquity within 0.1 deg
        // of its value then: their sines and cosines follow from those by angle addition.
        BigPi = SineCosineNear(bigPiA, PiAJ2000, SinCosPiAJ2000);
        SmallPi = SineCosineExtended(piA);
        P = SineCosineNear(p, PiAJ2000, SinCosPiAJ2000);
        Eps = SineCosineNear(eps, ObliquityJ2000, SinCosObliquityJ2000);
    }

    // The first four turns: to the ecliptic and equinox of the date.
    void ToEclipticOfDate(Extended& u, Extended& v, Extended& w) const
    {
        RotateX(SinCosObliquityJ2000, v, w);
        RotateZ(BigPi, u, v);
        RotateX(SmallPi, v, w);
        RotateZ(Negated(P), u, v);
    }

    void Apply(Extended& u, Extended& v, Extended& w) const
    {
        ToEclipticOfDate(u, v, w);
        RotateX(Negated(Eps), v, w);
    }

    // The reverse turn: the same five, taken back in the opposite order.
    void Undo(Extended& u, Extended& v, Extended& w) const
    {
        RotateX(Eps, v, w);
        RotateZ(P, u, v);
        RotateX(Negated(SmallPi), v, w);
        RotateZ(Negated(BigPi), u, v);
        RotateX(Negated(SinCosObliquityJ2000), v, w);
    }
};

}  // namespace

Mat3 J2000ToEquatorOfDate(Extended t, const NutationAngles& nutation)
{
    const TurnsToDate turns(t, nutation, TrueObliquity(t, nutation));
    // The columns are the turned axes of the J2000 frame.
    Vec3 column[3] = {{1, 0, 0}, {0, 1, 0}, {0, 0, 1}};
    for (Vec3& c : column) turns.Apply(c.x, c.y, c.z);
    return Transposed({{column[0], column[1], column[2]}});
}

Vec3 EquatorOfDateToJ2000(Extended t, const NutationAngles& nutation, const Vec3& v)
{
    const TurnsToDate turns(t, nutation, TrueObliquity(t, nutation));
    Vec3 turned = v;
    turns.Undo(turned.x, turned.y, turned.z);
    return turned;
}

Vec3 J2000EquatorToEclipticOfDate(Extended t, const Vec3& v)
{
    const TurnsToDate turns(t, NutationAngles{}, ObliquityJ2000);
    Vec3 turned = v;
    turns.ToEclipticOfDate(turned.x, turned.y, turned.z);
    return turned;
}

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
    const TurnsToDate turns(JulianMillenniaOf(jd), nutation, trueObliquity);
    const SineAndCosine a0 = SineCosineExtended(alpha), d0 = SineCosineExtended(delta);
    Extended u = a0.Cos * d0.Cos, v = a0.Sin * d0.Cos, w = d0.Sin;
    turns.Apply(u, v, w);

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
    const Extended deltaDelta = (turns.Eps.Sin / turns.Eps.Cos * cosD - sinA * sinD) * c + sinD * cosA * dd;
    alpha = a - deltaAlpha;
    delta = d - deltaDelta;
}

}  // namespace vireon
