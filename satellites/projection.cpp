// The projection of a satellite system onto the sky (see satellites/projection.h).
//
// Offsets are the angles subtended at the Earth by the satellite's east and north components,
// arctan(E / (Delta + D)) with Delta the planet's distance and D the satellite's depth toward the
// Earth, in arcseconds. Shadows: the point where the sunlight through the satellite meets the
// planet's spheroid (satellites/shadow.cpp), projected exactly as the satellite is.
#include "satellites/projection.h"

#include <cmath>

#include "core/angles.h"
#include "ephemeris/sine_cosine.h"
#include "satellites/globe_phenomena.h"

namespace vireon {
namespace {

// Position angle of the offsets, with a right angle by the sign of y on the y axis and 0 at the
// origin (Charon's polar pair).
Extended OffsetAngle(Extended x, Extended y)
{
    if (x == 0) return y > 0 ? HalfPi : (y < 0 ? -HalfPi : 0);
    return std::atan(y / x);
}

// What the projection of every satellite of one run shares: the sky frame, the pole's position
// angle with its cosine and sine, the globe's geometry.
struct Projection {
    const SatelliteSystem& System;
    const PlanetDescriptor& Planet;
    ViewMode View;
    Orientation Turn;
    SkyFrame Sky;
    SineAndCosine PA;
    ShadowGeometry Shadow;
    GlobeScene Globe;

    Projection(const SatelliteSystem& system, ViewMode view, Orientation orientation)
        : System(system), Planet(vireon::Planet(system.Planet)), View(view), Turn(orientation),
          Sky(MakeSkyFrame(system.Geocentric)), PA(SineCosineExtended(system.PolePA)),
          Shadow(ShadowGeometryOf(system)), Globe(GlobeSceneOf(system))
    {
    }
};

// OrientOffsets with the cosine and sine of the position angle.
void Orient(Orientation orientation, Extended cosPA, Extended sinPA, Extended& x, Extended& y)
{
    if (!IsPlanetary(orientation)) return;
    const Extended along = x * cosPA - y * sinPA;
    const Extended toward = x * sinPA + y * cosPA;
    const Extended sign = orientation == Orientation::PlanetNorth ? -1 : 1;
    x = sign * along;
    y = sign * toward;
}

// PolarFromOffsetsAndDepth with the cosine and sine of the position angle.
void PolarFromEquatorOffset(SatelliteRecord& record, int k, ViewMode view, Orientation orientation, Extended east,
                            Extended north, Extended cosPA, Extended sinPA, Extended equatorialDiameterKm)
{
    if (view == ViewMode::Polar && orientation == Orientation::South) return;
    record.SatPolarX[k] = -(east * cosPA - north * sinPA);
    record.SatPolarY[k] = record.SatDepth[k] / equatorialDiameterKm * record.PlanetApparentDiameter[1];
}

void StoreShadow(const Projection& p, int k, SatelliteRecord& record)
{
    const SkyOffsets shadow = ProjectOnSky(p.Sky, ShadowPoint(p.Shadow, p.Sky, p.System.Position[k]));
    Extended x = shadow.OffsetX;
    Extended y = shadow.OffsetY;
    Orient(p.Turn, p.PA.Cos, p.PA.Sin, x, y);
    record.SatShadowX[k] = x;
    record.SatShadowY[k] = y;
}

// The distance the data panel and the views take for satellite k.
Extended SatelliteDistance(const PlanetDescriptor& planet, const SatelliteRecord& record, int k, ViewMode view)
{
    if (view == ViewMode::Equatorial || planet.SkyDistanceInEveryView) {
        // The plain root of the sum of squares (the extended hypot's overflow guard costs four times
        // as much, for arcseconds).
        const Extended x = record.SatOffsetX[k], y = planet.SkyFlattening * record.SatOffsetY[k];
        return std::sqrt(x * x + y * y);
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
        // Reduced by Cody and Waite's two-part pi/2: the library's extended sine of an angle past
        // pi/4 goes through the general Payne-Hanek reduction, a third of a GUST86 run's time.
        const SineAndCosine l = SineCosineExtended(longitude);
        record.SatPolarX[k] = l.Sin * record.SatDistance[k];
        record.SatPolarY[k] = l.Cos * record.SatDistance[k];
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

void ProjectSatellite(const Projection& p, int k, SatelliteRecord& record)
{
    const PlanetDescriptor& planet = p.Planet;
    const SkyFrame& sky = p.Sky;
    const Vec3& v = p.System.Position[k];
    const Vec3& local = p.System.PlanetFrame[k];
    record.SatRadiusVector[k] = Norm(local);
    // The longitude in the planet frame serves the polar pair that is made from it.
    if (planet.Polar == PolarPair::FromLongitude) record.SatPlanetLongitude[k] = QuadrantAngle(local.x, local.y);
    record.SatPlanetLatTan[k] = local.z / std::sqrt(local.x * local.x + local.y * local.y);

    const SkyOffsets o = ProjectOnSky(sky, v);
    record.SatOffsetX[k] = o.OffsetX;
    record.SatOffsetY[k] = o.OffsetY;
    record.SatDepth[k] = o.D;
    record.SatFarSide[k] = o.D < 0 ? 'E' : 'P';
    record.SatApparentDiameter[k] = ApparentDiameterArcsec(planet.Satellites[k].RadiusKm, sky.Delta + o.D);
    if (planet.RecordsMagnitudes) record.SatMagnitude[k] = planet.Satellites[k].Magnitude;

    if (planet.Polar == PolarPair::FromEquatorOffsetAndDepth) {
        PolarFromEquatorOffset(record, k, p.View, p.Turn, o.OffsetX, o.OffsetY, p.PA.Cos, p.PA.Sin,
                               planet.EquatorialDiameterKm);
    }
    if (planet.OrientsOffsets) Orient(p.Turn, p.PA.Cos, p.PA.Sin, record.SatOffsetX[k], record.SatOffsetY[k]);
    record.SatDistance[k] = SatelliteDistance(planet, record, k, p.View);
    StorePolarPair(planet, record, k);

    if (planet.ComputesShadows) StoreShadow(p, k, record);
    record.SatPhenomena[k] =
        planet.DrawsShadows ? PhenomenaHolding(p.Globe, v) : SatellitePhenomena{};
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
    // The divisor is Delta + D for every theory. The ratios are formed in extended precision; a
    // 64-bit arctangent of them (relative error under 2e-16) is off by under 1e-12" at 3000".
    const Extended distance = sky.Delta + o.D;
    o.OffsetX = Extended{std::atan(static_cast<double>(o.E / distance))} * ArcsecPerRadian;
    o.OffsetY = Extended{std::atan(static_cast<double>(o.N / distance))} * ArcsecPerRadian;
    return o;
}

void OrientOffsets(Orientation orientation, Extended p, Extended& x, Extended& y)
{
    const SineAndCosine pa = SineCosineExtended(p);
    Orient(orientation, pa.Cos, pa.Sin, x, y);
}

Extended ApparentDiameterArcsec(Extended radiusKm, Extended distanceKm)
{
    // atan(radius / distance) is the angular radius; 1296000/pi is twice the arcsec per radian.
    // A 64-bit arctangent of the ratio (below 1e-3): under 1e-16 relative, 1e-14" on a planet.
    return Extended{std::atan(static_cast<double>(radiusKm / distanceKm))} * 1296000 / Pi;
}

void PolarFromOffsetsAndDepth(SatelliteRecord& record, int k, ViewMode viewMode, Orientation orientation,
                              Extended east, Extended north, Extended p, Extended equatorialDiameterKm)
{
    const SineAndCosine pa = SineCosineExtended(p);
    PolarFromEquatorOffset(record, k, viewMode, orientation, east, north, pa.Cos, pa.Sin, equatorialDiameterKm);
}

ShadowGeometry ShadowGeometryOf(const SatelliteSystem& system)
{
    return {system.Heliocentric, system.Pole, system.EquatorialRadiusKm, system.PolarRadiusKm};
}

void ProjectSystem(const SatelliteSystem& system, ViewMode view, Orientation orientation, SatelliteRecord& record)
{
    const Projection projection(system, view, orientation);
    const PlanetDescriptor& planet = projection.Planet;
    record.PlanetApparentDiameter[1] = ApparentDiameterArcsec(system.EquatorialRadiusKm, projection.Sky.Delta);
    record.PlanetApparentDiameter[2] = ApparentDiameterArcsec(system.PolarRadiusKm, projection.Sky.Delta);
    record.PlanetPolePA = system.PolePA;
    record.PhaseAngleSigned = system.PhaseAngleSigned;
    record.SatTheoryTime = system.TheoryTime;
    if (planet.HasRings) {
        record.Rings = system.Rings;
        // The rings are drawn from the side the Earth sees, turned over with celestial north up.
        const double b = orientation == Orientation::North ? -system.Rings.EarthLatitude : system.Rings.EarthLatitude;
        record.Rings.RingSide = b < 0 ? -1 : 1;
    }
    for (int k = 1; k <= system.Count; ++k) ProjectSatellite(projection, k, record);
}

}  // namespace vireon
