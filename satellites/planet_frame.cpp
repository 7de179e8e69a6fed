#include "satellites/planet_frame.h"

#include <cmath>

#include "ephemeris/sine_cosine.h"

namespace vireon {

Mat3 FrameRotation1(Extended t)
{
    const SineAndCosine a = SineCosineExtended(t);
    return {{Vec3{1, 0, 0}, Vec3{0, a.Cos, a.Sin}, Vec3{0, -a.Sin, a.Cos}}};
}

Mat3 FrameRotation3(Extended t)
{
    const SineAndCosine a = SineCosineExtended(t);
    return {{Vec3{a.Cos, a.Sin, 0}, Vec3{-a.Sin, a.Cos, 0}, Vec3{0, 0, 1}}};
}

EclipticPrecession EclipticPrecessionFromB1950(Extended jd)
{
    const Extended T = (jd - 2433282.423L) / 365250;
    EclipticPrecession a;
    a.p = (50279.85475L * T + 111.1151L * T * T - 0.006L * T * T * T) * RadiansPerArcsec;
    a.eta = (470.360625L * T - 3.3319L * T * T + 0.06L * T * T * T) * RadiansPerArcsec;
    a.Pi = (627910.3871875L - 8695.5644375L * T + 3.536L * T * T) * RadiansPerArcsec;
    return a;
}

Mat3 B1950EclipticToDate(const EclipticPrecession& a)
{
    return FrameRotation3(-(a.Pi + a.p)) * FrameRotation1(a.eta) * FrameRotation3(a.Pi);
}

PlaneOrientation PlaneOnEclipticOfDate(const PlaneOrientation& b1950, const EclipticPrecession& a)
{
    const SineAndCosine i0 = SineCosineExtended(b1950.Inclination), u = SineCosineExtended(b1950.Node - a.Pi);
    const Extended sinB0 = i0.Sin, cosB0 = i0.Cos;
    // The plane's pole turned by R1(eta) R3(Pi): x = sin i cos(node), y = sin i sin(node), z = cos i
    // with the node counted from the node of the ecliptic of date.
    const Extended x = sinB0 * u.Cos * std::cos(a.eta) - cosB0 * std::sin(a.eta);
    const Extended y = sinB0 * u.Sin;
    const Extended z = sinB0 * u.Cos * std::sin(a.eta) + cosB0 * std::cos(a.eta);
    PlaneOrientation plane;
    if (z == 0) {
        plane.Inclination = Pi / 2;
    } else {
        plane.Inclination = std::atan(std::sqrt(x * x + y * y) / z);
        if (z < 0) plane.Inclination += Pi;
    }
    Extended node = QuadrantAngle(x, y) + a.p + a.Pi;
    if (node < 0 || node > TwoPi) {
        node = std::fmod(node, TwoPi);
        if (node < 0) node += TwoPi;
    }
    plane.Node = node;
    return plane;
}

Vec3 PlanePole(const PlaneOrientation& plane)
{
    const SineAndCosine i = SineCosineExtended(plane.Inclination), node = SineCosineExtended(plane.Node);
    return {i.Sin * node.Sin, -i.Sin * node.Cos, i.Cos};
}

Vec3 EclipticToEquator(const Vec3& v, Extended eps)
{
    const Extended c = std::cos(eps), s = std::sin(eps);
    return {v.x, v.y * c - v.z * s, v.y * s + v.z * c};
}

Vec3 HeliocentricVectorOfDate(const HeliocentricPlace& h, const NutationAngles& nutation, Extended eps)
{
    const Extended lambda = h.L + nutation.Longitude * RadiansPerArcsec;
    const Extended cosB = std::cos(h.B), sinB = std::sin(h.B);
    // The longitude runs round the circle: reduced by Cody and Waite, not the library's general method.
    const SineAndCosine l = SineCosineExtended(lambda);
    const Extended sinL = l.Sin;
    return {h.R * l.Cos * cosB, h.R * (cosB * sinL * std::cos(eps) - sinB * std::sin(eps)),
            h.R * (cosB * sinL * std::sin(eps) + sinB * std::cos(eps))};
}

Extended SignedPhaseAngle(const PlanetPlace& planet, const EarthPlace& earth)
{
    const Extended r = planet.Helio.R;
    const Extended delta = planet.Distance;
    const Extended R = earth.Helio.R;
    const Extended q = (r * r + delta * delta - R * R) / (2 * r * delta);
    const Extended i = std::abs(q) <= 1 ? std::acos(q) : 0;
    Extended d = std::fmod(planet.Helio.L - earth.Helio.L, TwoPi);
    if (d > Pi) d -= TwoPi;
    if (d <= -Pi) d += TwoPi;
    return d > 0 && d < Pi ? i : -i;
}

Vec3 PrecessEquatorial(Extended zeta, Extended z, Extended theta, const Vec3& v)
{
    const Extended cz = std::cos(zeta), sz = std::sin(zeta);
    const Extended ct = std::cos(theta), st = std::sin(theta);
    const Extended cZ = std::cos(z), sZ = std::sin(z);
    return {(cZ * ct * cz - sZ * sz) * v.x + (-cZ * ct * sz - sZ * cz) * v.y - cZ * st * v.z,
            (sZ * ct * cz + cZ * sz) * v.x + (-sZ * ct * sz + cZ * cz) * v.y - sZ * st * v.z,
            st * cz * v.x - st * sz * v.y + ct * v.z};
}

Vec3 PrecessFromB1950(Extended jd, const Vec3& v)
{
    // Angles in arcseconds x pi/648000, T in Julian millennia from 1950 January 1.0.
    const Extended T = (jd - 2433282.5L) / 365250;
    const Extended zeta = Pi * T * (23055350 + 30205 * T + 17998 * T * T) / 648000000;
    const Extended z = Pi * T * (23055350 + 109465 * T + 18203 * T * T) / 648000000;
    const Extended theta = Pi * T * (20047282 - 42654 * T - 41833 * T * T) / 648000000;
    return PrecessEquatorial(zeta, z, theta, v);
}

}  // namespace vireon
