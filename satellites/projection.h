// The one projection of a satellite system onto the sky, shared by every theory: from the
// planetocentric positions a theory computes (km, true equator and equinox of the date) to the
// SatelliteRecord the views read, for a view and an orientation. The per-planet rules are the
// planet's descriptor (satellites/planet_descriptor.h).
#pragma once

#include "core/types.h"
#include "core/vector3.h"
#include "satellites/satellite_record.h"
#include "satellites/theory.h"

namespace vireon {

// Writes the record for the view and orientation: the planet's apparent diameters, pole
// position angle, phase angle, rings and theory time, and for each satellite 1..Count its sky
// offsets, depth, far-side flag, apparent diameter, magnitude, distance, polar pair and shadow.
// Slots above Count keep what they held; so does the polar pair of the planets whose pair is
// the equator offset and the depth in the polar view with south up.
void ProjectSystem(const SatelliteSystem& system, ViewMode view, Orientation orientation, SatelliteRecord& record);

// --- The steps, exposed for the phenomena and for tests ---

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

// Polar-view pair from the sky offsets and the depth (Jupiter, Saturn): X is the offset along
// the planet's projected equator, negated, -(E cos p - N sin p) with E, N the east/north
// offsets (arcsec) before any orientation change and p = polePA; Y is SatDepth[k] (km) on the
// planet's angular scale, SatDepth / equatorialDiameterKm x PlanetApparentDiameter[1]. Needs
// SatDepth[k] and PlanetApparentDiameter[1] of this run. The pair is written for every view
// and orientation except the polar view with south up ('P', 'S'), which keeps the values of
// the previous run (the polar view shows them so).
void PolarFromOffsetsAndDepth(SatelliteRecord& record, int k, ViewMode viewMode, Orientation orientation,
                              Extended eastArcsec, Extended northArcsec, Extended polePA,
                              Extended equatorialDiameterKm);

// The geometry of the planet's globe and the Sun for the shadow construction.
struct ShadowGeometry {
    Vec3 SunToPlanet;  // heliocentric vector of the planet, true equator of date, km
    Vec3 Pole;         // unit vector of the planet's north pole, true equator of date
    Extended EquatorialRadiusKm = 0;
    Extended PolarRadiusKm = 0;
};
ShadowGeometry ShadowGeometryOf(const SatelliteSystem& system);

// The planetocentric point (km, true equator of date) where the ray from the Sun through the
// satellite, continued away from the Sun, first meets the planet's spheroid; when it misses,
// the point where it crosses the plane through the planet's centre perpendicular to the line
// of sight. The caller projects it exactly as it projects the satellite.
Vec3 ShadowPoint(const ShadowGeometry& geometry, const SkyFrame& sky, const Vec3& satellite);

}  // namespace vireon
