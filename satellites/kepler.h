// Kepler's equation and the Keplerian orbit point, shared by every satellite theory.
#pragma once

#include "core/types.h"

namespace vireon {

// Eccentric anomaly E of E = M + e sin E (radians), by the fixed-point iteration
// E <- E + (e sin E + M - E) from E = M, stopped when the last correction is at most
// 0.001 arcsec (4.84813681109536e-9 rad) or after KeplerStepLimit steps, whichever comes first.
// The iterates are 64-bit. A non-finite M or e returns M; a |M| beyond 1000 rad is first
// reduced into [0, 2pi), so the sine keeps its precision and the iteration is the same as for
// the reduced anomaly.
Extended SolveKepler(Extended meanAnomaly, Extended eccentricity);

inline constexpr int KeplerStepLimit = 200;
inline constexpr Extended KeplerTolerance = 4.84813681109536e-9L;  // rad, 0.001 arcsec

// The orbit-plane coordinates from the centre (km) with x toward the pericentre:
// x' = a (cos E - e), y' = a sqrt(1 - e^2) sin E.
struct OrbitPlanePoint {
    Extended x = 0, y = 0;
};
OrbitPlanePoint KeplerOrbitPoint(Extended meanAnomaly, Extended eccentricity, Extended semiMajorAxisKm);

// Osculating elements of one satellite, as a theory evaluates them for one instant. Angles in
// radians, referred to the theory's own reference plane and origin of longitudes.
struct SatelliteElements {
    Extended MeanLongitude = 0;     // lambda
    Extended Pericentre = 0;        // varpi, longitude of the pericentre
    Extended Node = 0;              // Omega, longitude of the ascending node
    Extended Inclination = 0;       // i (or gamma on a planet's equator)
    Extended Eccentricity = 0;      // e
    Extended SemiMajorAxisKm = 0;   // a
    Extended MeanAnomaly = 0;       // M = lambda - varpi
};

// The satellite in its orbit plane (km) with x toward the ascending node and y 90 degrees
// ahead along the orbit: Kepler's equation for M and e, then the turn by the argument of the
// pericentre omega = varpi - Omega.
OrbitPlanePoint SolveKeplerOrbit(const SatelliteElements& elements);

}  // namespace vireon
