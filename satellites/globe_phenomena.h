// What the planet's globe does to a satellite at one instant: the line of sight from the Earth
// through the satellite's centre, or the sunlight through it, meets the globe (an oblate
// spheroid of the planet's equatorial and polar radii about the theory's pole), in front of or
// behind the satellite. Jupiter and Saturn; their rings neither hide nor shadow anything.
//
//   transit        the line of sight meets the globe beyond the satellite
//   occultation    the line of sight meets the globe before it reaches the satellite
//   shadow transit the sunlight meets the globe beyond the satellite, at a point on the side of
//                  the globe that faces the Earth (a shadow on the far side cannot be seen)
//   eclipse        the sunlight meets the globe before it reaches the satellite
//
// Each is given as a signed margin, negative exactly while the phenomenon holds and continuous
// in time, so that the views (through the record's flags) and the phenomena search
// (satellites/phenomena.h) decide every instant alike.
#pragma once

#include "core/types.h"
#include "core/vector3.h"
#include "satellites/satellite_record.h"
#include "satellites/theory.h"

namespace vireon {

// The globe and the two points the lines come from: planetocentric, km, true equator of the date.
struct GlobeScene {
    Vec3 Earth;  // the Earth's centre: minus the planet's apparent geocentric vector
    Vec3 Sun;    // the Sun's centre: minus the planet's heliocentric vector
    Vec3 Pole;   // unit vector of the globe's north pole
    Extended EquatorialRadiusKm = 0;
    Extended PolarRadiusKm = 0;
};
GlobeScene GlobeSceneOf(const SatelliteSystem& system);

// The margins of one satellite, dimensionless (about equatorial radii): negative exactly while
// the phenomenon holds. Where the globe does not stand on a line the margin is how far the line
// passes from it; where the globe stands on the wrong side of the satellite it is at least the
// satellite's distance along the line, a few radii.
struct PhenomenonMargins {
    Extended Transit = 1;
    Extended Occultation = 1;
    Extended ShadowTransit = 1;
    Extended Eclipse = 1;
    // How far the line of sight and the sunlight pass outside the globe, in equatorial radii of
    // the spheroid stretched into a sphere (negative when they meet it). Each is no larger than
    // the margins of its two phenomena, and moves no faster than the satellite does.
    Extended LineOfSight = 1;
    Extended Sunlight = 1;
};
// satellite: planetocentric position, km, true equator of the date, as the theory gives it.
PhenomenonMargins PhenomenonMarginsOf(const GlobeScene& scene, const Vec3& satellite);

// The phenomena that hold (each margin below zero), straight from the geometry, for the views:
// the margins' signs without their sizes.
SatellitePhenomena PhenomenaHolding(const GlobeScene& scene, const Vec3& satellite);

}  // namespace vireon
