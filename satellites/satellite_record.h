// The satellite record: what every satellite theory writes and every view reads, and the
// sky projection shared by the theories.
#pragma once

#include <array>
#include <string>

#include "core/types.h"
#include "satellites/vector3.h"

namespace vireon {

// Per-satellite values are indexed 1..8 (slot 0 unused), as the satellites are numbered
// within their planet. A theory writes entries 1..SatelliteCount only; the entries above keep
// what an earlier planet left there and are never read for the current planet.
struct SatelliteRecord {
    using PerSatellite = std::array<Extended, 9>;

    PerSatellite SatOffsetX{};           // arcsec, sky offset, horizontal axis (east for 'N'/'S')
    PerSatellite SatOffsetY{};           // arcsec, sky offset, vertical axis (north for 'N'/'S')
    PerSatellite SatDistance{};          // arcsec: sky distance in 'E', true distance on the planet's scale in 'P'/'G'
    PerSatellite SatApparentDiameter{};  // arcsec
    PerSatellite SatMagnitude{};         // visual magnitude
    std::array<char, 9> SatFarSide{};    // 'E' farther than the planet's centre, 'P' nearer (depth >= 0)
    PerSatellite SatPolarX{};            // polar-view coordinates (see each theory)
    PerSatellite SatPolarY{};
    PerSatellite SatShadowX{};           // arcsec, sky position of the satellite's shadow (Mars, Jupiter, Saturn)
    PerSatellite SatShadowY{};

    // Working values shared by the theories, not read by the display.
    PerSatellite SatDepth{};            // km, component toward the Earth
    PerSatellite SatRadiusVector{};     // km, distance from the planet's centre
    PerSatellite SatPlanetLongitude{};  // rad, planetocentric longitude in the planet's frame
    PerSatellite SatPlanetLatTan{};     // tangent of the planetocentric latitude

    std::array<Extended, 3> PlanetApparentDiameter{};  // [1] equatorial, [2] polar, arcsec
    Extended PlanetPolePA = 0;      // rad, position angle of the planet's north pole, from north through east
    Extended PhaseAngleSigned = 0;  // rad, phase angle signed by the side of the Sun
    Extended SatTheoryTime = 0;     // days from the theory's epoch less light time (Uranus)
};

// The one record of the program.
extern SatelliteRecord Record;

// Name of satellite k (1..8) of planet p as shown to the user (UTF-8); empty for unused slots.
const std::string& SatelliteName(PlanetId p, int k);

// --- Sky projection shared by all theories ---

// Sky basis at the planet: u from the planet toward the Earth, east and north axes.
struct SkyFrame {
    Vec3 Toward;  // u = -P / Delta
    Vec3 East;
    Vec3 North;
    Extended Delta = 0;  // km
};
// planet: the planet's apparent geocentric vector (km, true equator of date).
SkyFrame MakeSkyFrame(const Vec3& planet);

struct SkyOffsets {
    Extended E = 0, N = 0, D = 0;       // km along east, north, toward the Earth
    Extended OffsetX = 0, OffsetY = 0;  // arcsec: atan(E / (Delta + D)), atan(N / (Delta + D))
};
// v: planetocentric position (km, true equator of date).
SkyOffsets ProjectOnSky(const SkyFrame& sky, const Vec3& v);

// Turns east/north offsets (arcsec) onto the planet's axes for the planetary orientations:
// 'A' gives (X', Y') = (E cos p - N sin p, E sin p + N cos p), 'B' gives (-X', -Y');
// 'N' and 'S' leave (E, N).
void OrientOffsets(Orientation orientation, Extended polePA, Extended& x, Extended& y);

// Apparent diameter in arcsec of a body of the given radius at the given distance (km).
Extended ApparentDiameterArcsec(Extended radiusKm, Extended distanceKm);

// Writes slot k from a projection: offsets, depth, far side flag.
void StoreProjection(SatelliteRecord& record, int k, const SkyOffsets& offsets);

// Polar-view pair from the planetocentric longitude (Mars, Uranus, Neptune): the longitude
// is brought into [0, 2pi) and stored so; X = sin(l) x SatDistance, Y = cos(l) x SatDistance.
void PolarFromLongitude(SatelliteRecord& record, int k);

// Polar-view pair from the sky offsets and the depth (Jupiter, Saturn): X is the offset along
// the planet's projected equator, negated, -(E cos p - N sin p) with E, N the east/north
// offsets (arcsec) before any orientation change and p = polePA; Y is SatDepth[k] (km) on the
// planet's angular scale, SatDepth / equatorialDiameterKm x PlanetApparentDiameter[1]. Needs
// SatDepth[k] and PlanetApparentDiameter[1] of this run. The pair is written for every view
// and orientation except the polar view with south up ('P', 'S'), which keeps the values of
// the previous run (the polar view shows them so).
void PolarFromOffsetsAndDepth(SatelliteRecord& record, int k, ViewMode viewMode, Orientation orientation, Extended eastArcsec,
                              Extended northArcsec, Extended polePA, Extended equatorialDiameterKm);

// --- Shadows (Mars, Jupiter, Saturn) ---

// The geometry of the planet's globe and the Sun for the shadow construction.
struct ShadowGeometry {
    Vec3 SunToPlanet;  // heliocentric vector of the planet, true equator of date, km
    Vec3 Pole;         // unit vector of the planet's north pole, true equator of date
    Extended EquatorialRadiusKm = 0;
    Extended PolarRadiusKm = 0;
};
// The planetocentric point (km, true equator of date) where the ray from the Sun through the
// satellite, continued away from the Sun, first meets the planet's spheroid; when it misses,
// the point where it crosses the plane through the planet's centre perpendicular to the line
// of sight. The caller projects it exactly as it projects the satellite.
Vec3 ShadowPoint(const ShadowGeometry& geometry, const SkyFrame& sky, const Vec3& satellite);

// Writes SatShadowX/Y[k]: ShadowPoint projected exactly as the satellite is (ProjectOnSky, the
// same divisor Delta + D with the point's own depth, then OrientOffsets with the orientation
// and pole position angle the satellite's offsets were turned with).
void StoreShadow(SatelliteRecord& record, int k, const ShadowGeometry& geometry, const SkyFrame& sky,
                 const Vec3& satellite, Orientation orientation, Extended polePA);

}  // namespace vireon
