// Saturn's eight major satellites: the stages of the theory, exposed for tests.
// The theory itself is ComputeSaturnSatellites (satellites/theories.h).
#pragma once

#include "core/types.h"
#include "satellites/kepler.h"
#include "satellites/planet_frame.h"
#include "core/vector3.h"

namespace vireon {

// Saturn's equator of B1950.0 on the B1950 ecliptic: node A0 = 168.8112 deg,
// inclination B0 = 28.0817 deg.
inline constexpr PlaneOrientation SaturnEquatorB1950{2.9463112542426515L, 0.49011812455729165L};

// Semi-major axes (km) of Mimas .. Iapetus, index 1..8.
inline constexpr Extended SaturnSatelliteSemiMajorAxisKm[9] = {0,      185535, 238198,  294992, 377654,
                                                               527367, 1221803, 1481066, 3561846};

// Elements of satellite k (1..8) at the Julian Day jd, the light time lightTimeDays (days) taken
// off the time arguments. Mimas .. Dione: node and inclination on Saturn's B1950 equator, the
// longitudes counted along the B1950 ecliptic to that equator's node and then along it; Rhea ..
// Iapetus: on the B1950 ecliptic. Tethys is circular (e = 0, pericentre 0).
SatelliteElements SaturnSatelliteElements(int k, Extended jd, Extended lightTimeDays);

// Satellite k's planetocentric position (km) in the B1950 ecliptic frame.
Vec3 SaturnSatelliteB1950(int k, const SatelliteElements& elements);

}  // namespace vireon
