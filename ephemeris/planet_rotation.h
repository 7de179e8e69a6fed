// The rotation of Mars, Jupiter and Saturn: their IAU poles and prime-meridian angles W, the
// central meridian seen from the Earth in each rotation system, and the instants at which
// Jupiter's System II central meridian reaches a given longitude (the Great Red Spot's transits).
//
// Models: the IAU/IAG Working Group on Cartographic Coordinates and Rotational Elements
// (Seidelmann et al. 2002, Celest. Mech. Dyn. Astron. 82, 83; unchanged for these planets in
// Archinal et al. 2011, 109, 101): the north pole (alpha0, delta0) in the ICRF, taken here as
// the mean equator and equinox of J2000.0, and W, the angle along the body's equator from its
// ascending node on that equator to the prime meridian, increasing with time. Jupiter's
// Systems I and II are the Astronomical Almanac's (Explanatory Supplement to the Astronomical
// Almanac, Seidelmann 1992, sec. 7.4), with the same pole.
#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "core/types.h"
#include "ephemeris/apparent_place.h"

namespace vireon {

// A planet's north pole, mean equator and equinox of J2000.0, radians.
struct PoleDirection {
    Extended Alpha0 = 0;
    Extended Delta0 = 0;
};

// Whether the program has a rotation model of planet p (Mars, Jupiter, Saturn).
bool HasRotationModel(PlanetId p);

// The IAU pole of planet p (one with a rotation model) at jd, T = (jd - 2451545) / 36525.
PoleDirection IauPoleJ2000(PlanetId p, Extended jd);

// Central meridians (degrees in [0, 360)) and the sub-Earth latitude: the planetographic west
// longitude and the planetocentric latitude (degrees, north positive) of the point of the globe
// whose zenith is the Earth. Absent for a planet or system without a model.
struct CentralMeridians {
    std::optional<Extended> Main;      // Mars; System III of Jupiter and of Saturn
    std::optional<Extended> SystemI;   // Jupiter's equatorial belt
    std::optional<Extended> SystemII;  // Jupiter's temperate latitudes
    std::optional<Extended> SubEarthLatitude;
};

// The central meridians of planet p seen from the Earth at jd (the Julian Day as entered, no
// Delta T): the planet as the light left it, W at jd minus the light time, and the Earth's
// direction from the planet turned from the true equator and equinox of jd back to the mean
// equator and equinox of J2000.0, in which W is counted.
//   planet: p's apparent place at jd (the geocentric vector, true equator of jd, km, with the
//           light time and the aberration applied; its distance gives the light time);
//   nutation: at jd, arcseconds (the frame of the vector).
// All absent for a planet without a rotation model.
CentralMeridians CentralMeridiansOf(PlanetId p, Extended jd, const PlanetPlace& planet, const NutationAngles& nutation);

// Jupiter's System II central meridian at jd (degrees in [0, 360)): its apparent place and
// CentralMeridiansOf.
Extended JupiterSystemIIMeridian(Extended jd);

// The instants from firstJD to lastJD (both included) at which Jupiter's System II central
// meridian equals longitudeII (degrees, 0 to 360): the transits of a feature at that System II
// longitude, such as the Great Red Spot, once a rotation (about 9 h 56 min). Each instant is
// a program instant (JD of a whole second of the calendar), the second nearest the transit;
// sorted, increasing.
std::vector<Extended> RedSpotTransits(Extended firstJD, Extended lastJD, Extended longitudeII);

}  // namespace vireon
