// Kepler's equation, shared by every satellite theory.
#pragma once

#include "core/types.h"

namespace vireon {

// Eccentric anomaly E of E = M + e sin E (radians), by the fixed-point iteration
// E <- E + (e sin E + M - E) from E = M, stopped when the last correction is at most
// 0.001 arcsec (4.84813681109536e-9 rad) or after 200 steps. A non-finite M or e returns M;
// a |M| beyond 1000 rad is first reduced into [0, 2pi).
Extended SolveKepler(Extended meanAnomaly, Extended eccentricity);

inline constexpr int KeplerStepLimit = 200;

// The orbit-plane coordinates from the centre (km) with x toward the pericentre:
// x' = a (cos E - e), y' = a sqrt(1 - e^2) sin E.
struct OrbitPlanePoint {
    Extended x = 0, y = 0;
};
OrbitPlanePoint KeplerOrbitPoint(Extended meanAnomaly, Extended eccentricity, Extended semiMajorAxisKm);

}  // namespace vireon
