#include "satellites/satellite_record.h"

#include <cassert>
#include <cmath>
#include <numbers>

#include "ephemeris/planet_data.h"

namespace vireon {
namespace {

constexpr Extended Pi = std::numbers::pi_v<Extended>;
constexpr Extended ArcsecPerRadian = 648000 / Pi;

const std::string Names[6][9] = {
    {"", "Phobos", "Deimos", "", "", "", "", "", ""},
    {"", "Io", "Europe", "Ganymède", "Callisto", "", "", "", ""},
    {"", "Mimas", "Encelade", "Téthys", "Dioné", "Rhéa", "Titan", "Hypérion", "Japet"},
    {"", "Miranda", "Ariel", "Umbriel", "Titania", "Obéron", "", "", ""},
    {"", "Triton", "Néréïde", "", "", "", "", "", ""},
    {"", "Charon", "", "", "", "", "", "", ""},
};

}  // namespace

SatelliteRecord Record;

const std::string& SatelliteName(PlanetId p, int k)
{
    assert(IsPlanetId(p) && k >= 1 && k <= 8);
    if (!IsPlanetId(p) || k < 1 || k > 8) return Names[0][0];
    return Names[p - FirstPlanet][k];
}

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

void StoreProjection(SatelliteRecord& record, int k, const SkyOffsets& o)
{
    record.SatOffsetX[k] = o.OffsetX;
    record.SatOffsetY[k] = o.OffsetY;
    record.SatDepth[k] = o.D;
    record.SatFarSide[k] = o.D < 0 ? 'E' : 'P';
}

void PolarFromLongitude(SatelliteRecord& record, int k)
{
    Extended& longitude = record.SatPlanetLongitude[k];
    if (longitude < 0) longitude += 2 * Pi;
    record.SatPolarX[k] = std::sin(longitude) * record.SatDistance[k];
    record.SatPolarY[k] = std::cos(longitude) * record.SatDistance[k];
}

void PolarFromOffsetsAndDepth(SatelliteRecord& record, int k, ViewMode viewMode, Orientation orientation, Extended east,
                              Extended north, Extended p, Extended equatorialDiameterKm)
{
    if (viewMode == ViewMode::Polar && orientation == Orientation::South) return;
    record.SatPolarX[k] = -(east * std::cos(p) - north * std::sin(p));
    record.SatPolarY[k] = record.SatDepth[k] / equatorialDiameterKm * record.PlanetApparentDiameter[1];
}

}  // namespace vireon
