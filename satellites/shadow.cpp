// Where a satellite's shadow falls, as seen from the Earth (Mars, Jupiter, Saturn).
//
// The shadow is the point where sunlight grazing the satellite meets the planet: the ray from
// the Sun through the satellite's centre, continued beyond it, intersected with the planet's
// globe, an oblate spheroid of the planet's equatorial and polar radii about its north pole.
// A ray that misses the globe has no shadow on the planet; its point is then taken where the
// line crosses the plane through the planet's centre perpendicular to the line of sight, so
// the value stays continuous and lies beside the disc. Geometry in the true equatorial frame
// of the date, km, planetocentric. The Sun is taken as a point (the umbra's centre line).
#include <cmath>

#include "satellites/projection.h"

namespace vireon {
namespace {

// Stretches a vector along the pole by a/b, which maps the spheroid of radii (a, a, b) onto
// the sphere of radius a.
Vec3 StretchAlongPole(const Vec3& v, const Vec3& pole, Extended stretchMinusOne)
{
    return v + (stretchMinusOne * Dot(v, pole)) * pole;
}

}  // namespace

Vec3 ShadowPoint(const ShadowGeometry& g, const SkyFrame& sky, const Vec3& satellite)
{
    const Vec3 fromSun = g.SunToPlanet + satellite;
    const Extended sunDistance = Norm(fromSun);
    if (!(sunDistance > 0)) return satellite;
    const Vec3 d = (1 / sunDistance) * fromSun;  // unit direction of the sunlight at the satellite

    // Intersection with the globe: |s' + t d'|^2 = a^2 in the stretched space, t > 0 only
    // (beyond the satellite, away from the Sun); the smaller root is the first contact.
    const Extended a = g.EquatorialRadiusKm;
    const Extended b = g.PolarRadiusKm;
    if (a > 0 && b > 0) {
        const Extended stretchMinusOne = a / b - 1;
        const Vec3 s1 = StretchAlongPole(satellite, g.Pole, stretchMinusOne);
        const Vec3 d1 = StretchAlongPole(d, g.Pole, stretchMinusOne);
        const Extended qa = Dot(d1, d1);
        const Extended qb = Dot(s1, d1);
        const Extended qc = Dot(s1, s1) - a * a;
        const Extended discriminant = qb * qb - qa * qc;
        if (qc > 0 && discriminant >= 0) {
            // Written as c / (-b + sqrt) to keep the near root accurate when the satellite is far
            // from the globe (qb^2 >> qa qc).
            const Extended root = std::sqrt(discriminant);
            const Extended t = -qb > 0 ? qc / (-qb + root) : (-qb - root) / qa;
            if (t > 0) return satellite + t * d;
        }
    }

    // Missed: the crossing of the line with the plane of the sky through the planet's centre.
    const Extended towardEarth = Dot(d, sky.Toward);
    if (towardEarth == 0) return satellite;  // light parallel to that plane: no crossing
    const Extended t = -Dot(satellite, sky.Toward) / towardEarth;
    return satellite + t * d;
}

}  // namespace vireon
