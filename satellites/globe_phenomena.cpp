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

// Whether the shadow's point can be seen from the Earth, as a margin in the plane through the
// centre across the sunlight, where the sunlight's nearest point q stands. The first point
// where the sunlight meets the sphere is X = q - h d, h = sqrt(a^2 - |q|^2), d the sunlight's
// direction; it faces the Earth E when X.E > a^2. With E = -p d + e u (u across the sunlight,
// p > 0: the Earth on the Sun's side of the planet, always so for a planet beyond the Earth's
// orbit) and q = x u + y v, that is x e + h p > a^2: true wherever x e >= a^2 on the disc, and
// elsewhere exactly inside the ellipse
//     |E|^2 (x - x0)^2 + p^2 y^2 < a^2 p^2 (1 - a^2 / |E|^2),  x0 = a^2 e / |E|^2,
// which lies within the disc. The margin is the disc's normalised radius on the one side and the
// ellipse's on the other: both meet on the boundary, and together they are the gauge of a convex
// region (to a ten-thousandth across the line x e = a^2), so the margin has a single minimum
// as a shadow crosses the planet.
Extended ShadowSeenMargin(const LinePass& sunlight, const Vec3& earth, Extended a)
{
    const Vec3& q = sunlight.Closest;
    const Extended along = Dot(earth, sunlight.Direction);
    const Vec3 across = earth - along * sunlight.Direction;
    const Extended p = -along;
    const Extended e = Norm(across);
    const Extended x = e > 0 ? Dot(q, across) / e : 0;
    const Extended earth2 = Dot(earth, earth);
    if (!(p > 0)) {
        // The Earth beyond the planet from the Sun: the direct test X.E > a^2, as a margin.
        const Extended h = std::sqrt(std::max(Extended{0}, a * a - Dot(q, q)));
        return (a * a - x * e - h * p) / (a * std::sqrt(earth2));
    }
    if (x * e >= a * a) return sunlight.Miss;
    const Extended y = std::sqrt(std::max(Extended{0}, Dot(q, q) - x * x));
    const Extended k = std::sqrt(1 - a * a / earth2);
    const Extended semiAxisX = a * p * k / std::sqrt(earth2);
    const Extended semiAxisY = a * k;
    const Extended x0 = a * a * e / earth2;
    // The plain root of the sum of squares: the extended hypot guards against an overflow these
    // ratios of order 1 never reach, at four times the cost.
    const Extended u = (x - x0) / semiAxisX, v = y / semiAxisY;
    return std::sqrt(u * u + v * v) - 1;
}

// The two lines through one satellite, in the stretched space.
struct GlobePasses {
    Extended A = 0;
    Vec3 Earth;
    LinePass Sight, Sunlight;
};

GlobePasses PassesOf(const GlobeScene& scene, const Vec3& satellite)
{
    GlobePasses g;
    g.A = scene.EquatorialRadiusKm;
    const Extended stretchMinusOne = g.A / scene.PolarRadiusKm - 1;
    const Vec3 s = Stretch(satellite, scene.Pole, stretchMinusOne);
    g.Earth = Stretch(scene.Earth, scene.Pole, stretchMinusOne);
    g.Sight = PassOf(g.Earth, s, g.A);
    g.Sunlight = PassOf(Stretch(scene.Sun, scene.Pole, stretchMinusOne), s, g.A);
    return g;
}

}  // namespace

GlobeScene GlobeSceneOf(const SatelliteSystem& system)
{
    return {-system.Geocentric, -system.Heliocentric, system.Pole, system.EquatorialRadiusKm, system.PolarRadiusKm};
}

PhenomenonMargins PhenomenonMarginsOf(const GlobeScene& scene, const Vec3& satellite)
{
    const GlobePasses g = PassesOf(scene, satellite);
    const LinePass& sight = g.Sight;
    const LinePass& sunlight = g.Sunlight;

    PhenomenonMargins m;
    m.LineOfSight = sight.Miss;
    m.Sunlight = sunlight.Miss;
    // A maximum of margins is negative exactly when all of them are, and stays continuous.
    m.Transit = std::max(sight.Miss, -sight.Beyond);
    m.Occultation = std::max(sight.Miss, sight.Beyond);
    m.Eclipse = std::max(sunlight.Miss, sunlight.Beyond);
    m.ShadowTransit = std::max({sunlight.Miss, -sunlight.Beyond, ShadowSeenMargin(sunlight, g.Earth, g.A)});
    return m;
}

SatellitePhenomena PhenomenaHolding(const GlobeScene& scene, const Vec3& satellite)
{
    const GlobePasses g = PassesOf(scene, satellite);
    const LinePass& sight = g.Sight;
    const LinePass& sunlight = g.Sunlight;
    // Each margin is the largest of its parts: the shadow's visibility, the costly part, is
    // only worked out for a shadow that falls on the globe beyond the satellite.
    const bool shadowOnGlobe = sunlight.Miss < 0 && -sunlight.Beyond < 0;
    return {sight.Miss < 0 && -sight.Beyond < 0, sight.Miss < 0 && sight.Beyond < 0,
            shadowOnGlobe && ShadowSeenMargin(sunlight, g.Earth, g.A) < 0, sunlight.Miss < 0 && sunlight.Beyond < 0};
}

}  // namespace vireon
