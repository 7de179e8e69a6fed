// The projection of a satellite system onto the sky (see satellites/projection.h).
//
// Offsets are the angles subtended at the Earth by the satellite's east and north components,
// arctan(E / (Delta + D)) with Delta the planet's distance and D the satellite's depth toward the
// Earth, in arcseconds. Shadows: the point where the sunlight through the satellite meets the
// planet's spheroid (satellites/shadow.cpp), projected exactly as the satellite is.
#include "satellites/projection.h"

#include <cmath>

#include "core/angles.h"

namespace vireon {
namespace {

// Position angle of the offsets, with a right angle by the sign of y on the y axis and 0 at the
// origin (Charon's polar pair).
Extended OffsetAngle(Extended x, Extended y)
{
    if (x == 0) return y > 0 ? HalfPi : (y < 0 ? -HalfPi : 0);
    return std::atan(y / x);
}

void StoreShadow(SatelliteRecord& record, int k, const ShadowGeometry& geometry, const SkyFrame& sky,
                 const Vec3& satellite, Orientation orientation, Extended polePA)
{
    const SkyOffsets shadow = ProjectOnSky(sky, ShadowPoint(geometry, sky, satellite));
    Extended x = shadow.OffsetX;
    Extended y = shadow.OffsetY;
    OrientOffsets(orientation, polePA, x, y);
    record.SatShadowX[k] = x;
    record.SatShadowY[k] = y;
}

// The distance the data panel and the views take for satellite k.
Extended SatelliteDistance(const PlanetDescriptor& planet, const SatelliteRecord& record, int k, ViewMode view)
{
    if (view == ViewMode::Equatorial || planet.SkyDistanceInEveryView) {
        return std::hypot(record.SatOffsetX[k], planet.SkyFlattening * record.SatOffsetY[k]);
    }
    // The true distance on the planet's angular scale.
    return record.SatRadiusVector[k] / planet.EquatorialDiameterKm * planet.TrueDistanceScale *
           record.PlanetApparentDiameter[1];
}

void StorePolarPair(const PlanetDescriptor& planet, SatelliteRecord& record, int k)
{
    switch (planet.Polar) {
    case PolarPair::FromLongitude: {
        Extended& longitude = record.SatPlanetLongitude[k];
        if (longitude < 0) longitude += TwoPi;
        record.SatPolarX[k] = std::sin(longitude) * record.SatDistance[k];
        record.SatPolarY[k] = std::cos(longitude) * record.SatDistance[k];
        break;
    }
    case PolarPair::SkyDistanceAndAngle:
        record.SatPolarX[k] = record.SatDistance[k];
        record.SatPolarY[k] = OffsetAngle(record.SatOffsetX[k], record.SatOffsetY[k]);
        break;
    case PolarPair::FromEquatorOffsetAndDepth:
        break;  // from the offsets before the orientation turns them, in ProjectSatellite
    }
}

void ProjectSatellite(const SatelliteSystem& system, const PlanetDescriptor& planet, const SkyFrame& sky,
                      ViewMode view, Orientation orientation, int k, SatelliteRecord& record)
{
    const Vec3& v = system.Position[k];
    const Vec3& local = system.PlanetFrame[k];
    record.SatRadiusVector[k] = Norm(local);
    record.SatPlanetLongitude[k] = QuadrantAngle(local.x, local.y);
    record.SatPlanetLatTan[k] = local.z / std::hypot(local.x, local.y);

    const SkyOffsets o = ProjectOnSky(sky, v);
    record.SatOffsetX[k] = o.OffsetX;
    record.SatOffsetY[k] = o.OffsetY;
    record.SatDepth[k] = o.D;
    record.SatFarSide[k] = o.D < 0 ? 'E' : 'P';
    record.SatApparentDiameter[k] = ApparentDiameterArcsec(planet.Satellites[k].RadiusKm, sky.Delta + o.D);
    if (planet.RecordsMagnitudes) record.SatMagnitude[k] = planet.Satellites[k].Magnitude;

    if (planet.Polar == PolarPair::FromEquatorOffsetAndDepth) {
        PolarFromOffsetsAndDepth(record, k, view, orientation, o.OffsetX, o.OffsetY, system.PolePA,
                                 planet.EquatorialDiameterKm);
    }
    if (planet.OrientsOffsets) OrientOffsets(orientation, system.PolePA, record.SatOffsetX[k], record.SatOffsetY[k]);
    record.SatDistance[k] = SatelliteDistance(planet, record, k, view);
    StorePolarPair(planet, record, k);

    if (planet.ComputesShadows) {
        StoreShadow(record, k, ShadowGeometryOf(system), sky, v, orientation, system.PolePA);
    }
}

}  // namespace

SkyFrame MakeSkyFrame(const Vec3& planet)
{
    SkyFrame sky;
    sky.Delta = Norm(planet);
    const Vec3 u = (-1 / sky.Delta) * planet;
    const Extended w = std::sqrt(1 - u.z * u.z);
    sky.Toward = u;
    sky.East = {u.y / w, -u.x / w, 0};
    sky.North = {-u.x * u.z / w, -u.y * u.z / w, w};
    return sky;
}

SkyOffsets ProjectOnSky(const SkyFrame& sky, const Vec3& v)
{
    SkyOffsets o;
    o.E = Dot(v, sky.East);
    o.N = Dot(v, sky.North);
    o.D = Dot(v, sky.Toward);
    // The divisor is Delta + D for every theory.
    o.OffsetX = std::atan(o.E / (sky.Delta + o.D)) * ArcsecPerRadian;
    o.OffsetY = std::atan(o.N / (sky.Delta + o.D)) * ArcsecPerRadian;
    return o;
}

void OrientOffsets(Orientation orientation, Extended p, Extended& x, Extended& y)
{
    if (!IsPlanetary(orientation)) return;
    const Extended along = x * std::cos(p) - y * std::sin(p);
    const Extended toward = x * std::sin(p) + y * std::cos(p);
    const Extended sign = orientation == Orientation::PlanetNorth ? -1 : 1;
    x = sign * along;
    y = sign * toward;
}

Extended ApparentDiameterArcsec(Extended radiusKm, Extended distanceKm)
{
    // atan(radius / distance) is the angular radius; 1296000/pi is twice the arcsec per radian.
    return std::atan(radiusKm / distanceKm) * 1296000 / Pi;
}

void PolarFromOffsetsAndDepth(SatelliteRecord& record, int k, ViewMode viewMode, Orientation orientation,
                              Extended east, Extended north, Extended p, Extended equatorialDiameterKm)
{
    if (viewMode == ViewMode::Polar && orientation == Orientation::South) return;
    record.SatPolarX[k] = -(east * std::cos(p) - north * std::sin(p));
    record.SatPolarY[k] = record.SatDepth[k] / equatorialDiameterKm * record.PlanetApparentDiameter[1];
}

ShadowGeometry ShadowGeometryOf(const SatelliteSystem& system)
{
    return {system.Heliocentric, system.Pole, system.EquatorialRadiusKm, system.PolarRadiusKm};
}

void ProjectSystem(const SatelliteSystem& system, ViewMode view, Orientation orientation, SatelliteRecord& record)
{
    const PlanetDescriptor& planet = Planet(system.Planet);
    const SkyFrame sky = MakeSkyFrame(system.Geocentric);
    record.PlanetApparentDiameter[1] = ApparentDiameterArcsec(system.EquatorialRadiusKm, sky.Delta);
    record.PlanetApparentDiameter[2] = ApparentDiameterArcsec(system.PolarRadiusKm, sky.Delta);
    record.PlanetPolePA = system.PolePA;
    record.PhaseAngleSigned = system.PhaseAngleSigned;
    record.SatTheoryTime = system.TheoryTime;
    if (planet.HasRings) {
        record.Rings = system.Rings;
        // The rings are drawn from the side the Earth sees, turned over with celestial north up.
        const double b = orientation == Orientation::North ? -system.Rings.EarthLatitude : system.Rings.EarthLatitude;
        record.Rings.RingSide = b < 0 ? -1 : 1;
    }
    for (int k = 1; k <= system.Count; ++k) ProjectSatellite(system, planet, sky, view, orientation, k, record);
}

}  // namespace vireon
