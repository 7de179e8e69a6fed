// The satellite phenomena of one instant (see satellites/globe_phenomena.h).
//
// The spheroid of radii (a, a, b) is stretched along its pole by a/b into the sphere of radius
// a. The stretch is linear: lines stay lines, a line meets the spheroid exactly when its image
// meets the sphere, and a point lies on the outer side of a tangent plane of the spheroid
// exactly when its image lies on the outer side of the image plane. So every test is made on
// the sphere, from the line's point nearest the centre. Frame: planetocentric, true equator of
// the date, km; the Earth and the Sun are points at their true distances.
#include "satellites/globe_phenomena.h"

#include <algorithm>
#include <cmath>

namespace vireon {
namespace {

Vec3 Stretch(const Vec3& v, const Vec3& pole, Extended stretchMinusOne)
{
    return v + (stretchMinusOne * Dot(v, pole)) * pole;
}

// A line from an origin through the satellite, in the stretched space, against the sphere of
// radius a.
struct LinePass {
    Vec3 Direction;       // unit, from the origin through the satellite
    Vec3 Closest;         // the line's point nearest the centre, km
    Extended Miss = 0;    // |Closest| / a - 1, negative when the line meets the sphere
    Extended Beyond = 0;  // from the satellite to Closest along Direction, in radii: positive when the
                          // sphere lies beyond the satellite (the satellite is outside the sphere, so
                          // the sign never changes while the line meets it)
};

LinePass PassOf(const Vec3& origin, const Vec3& satellite, Extended a)
{
    LinePass pass;
    pass.Direction = Normalized(satellite - origin);
    const Extended along = -Dot(satellite, pass.Direction);
    pass.Closest = satellite + along * pass.Direction;
    pass.Miss = Norm(pass.Closest) / a - 1;
    pass.Beyond = along / a;
    return pass;
}

// Whether the shadow's point can be seen from the Earth: the first point where the sunlight
// meets the sphere (its chord's near end; the nearest point itself when the line misses) lies
// on the Earth's side of the tangent plane there, X.E > a^2. Given as (X.E - a^2) / (a |E|),
// the cosine of the angle between X and E less a / |E|: positive when it can be seen.
Extended ShadowSeen(const LinePass& sunlight, const Vec3& earth, Extended a)
{
    const Extended halfChord = std::sqrt(std::max(Extended{0}, a * a - Dot(sunlight.Closest, sunlight.Closest)));
    const Vec3 hit = sunlight.Closest - halfChord * sunlight.Direction;
    return (Dot(hit, earth) - a * a) / (a * Norm(earth));
}

}  // namespace

GlobeScene GlobeSceneOf(const SatelliteSystem& system)
{
    return {-system.Geocentric, -system.Heliocentric, system.Pole, system.EquatorialRadiusKm, system.PolarRadiusKm};
}

PhenomenonMargins PhenomenonMarginsOf(const GlobeScene& scene, const Vec3& satellite)
{
    const Extended a = scene.EquatorialRadiusKm;
    const Extended stretchMinusOne = a / scene.PolarRadiusKm - 1;
    const Vec3 s = Stretch(satellite, scene.Pole, stretchMinusOne);
    const Vec3 earth = Stretch(scene.Earth, scene.Pole, stretchMinusOne);
    const LinePass sight = PassOf(earth, s, a);
    const LinePass sunlight = PassOf(Stretch(scene.Sun, scene.Pole, stretchMinusOne), s, a);

    PhenomenonMargins m;
    m.LineOfSight = sight.Miss;
    m.Sunlight = sunlight.Miss;
    // A maximum of margins is negative exactly when all of them are, and stays continuous.
    m.Transit = std::max(sight.Miss, -sight.Beyond);
    m.Occultation = std::max(sight.Miss, sight.Beyond);
    m.Eclipse = std::max(sunlight.Miss, sunlight.Beyond);
    m.ShadowTransit = std::max({sunlight.Miss, -sunlight.Beyond, -ShadowSeen(sunlight, earth, a)});
    return m;
}

SatellitePhenomena HoldingPhenomena(const PhenomenonMargins& m)
{
    return {m.Transit < 0, m.Occultation < 0, m.ShadowTransit < 0, m.Eclipse < 0};
}

}  // namespace vireon
