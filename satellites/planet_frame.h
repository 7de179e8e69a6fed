// Frames and output steps shared by the satellite theories.
//
// - Frame rotations R1, R3.
// - The ecliptic precession from B1950.0 (the angles p, eta, Pi of Lieske et al. 1977,
//   A&A 58, 1, written for the epoch B1950.0), the turn of a B1950 ecliptic vector to the
//   ecliptic of date, and a plane of the B1950 ecliptic frame referred to the ecliptic of date.
// - Ecliptic to equator of date, the planet's heliocentric vector in the true equator of date,
//   the signed phase angle.
#pragma once

#include "core/angles.h"
#include "core/types.h"
#include "core/vector3.h"
#include "ephemeris/apparent_place.h"

namespace vireon {

// Frame rotations about the first and third axes: R1 rows (1, 0, 0), (0, cos, sin),
// (0, -sin, cos); R3 rows (cos, sin, 0), (-sin, cos, 0), (0, 0, 1).
Mat3 FrameRotation1(Extended theta);
Mat3 FrameRotation3(Extended theta);

// Ecliptic precession from B1950.0 to the instant, radians: p the general precession in
// longitude, eta the inclination of the ecliptic of date on the B1950 ecliptic, Pi the
// longitude (on the B1950 ecliptic) of its ascending node. T in Julian millennia from
// JD 2433282.423.
struct EclipticPrecession {
    Extended p = 0;
    Extended eta = 0;
    Extended Pi = 0;
};
EclipticPrecession EclipticPrecessionFromB1950(Extended jd);

// The turn R3(-(Pi + p)) R1(eta) R3(Pi) of a vector of the B1950 ecliptic frame to the mean
// ecliptic and equinox of date.
Mat3 B1950EclipticToDate(const EclipticPrecession& precession);

// Equatorial precession by the angles zeta, z, theta (radians): the matrix
// P = R3(-z) R2(theta) R3(-zeta) applied to v (IAU 1976 form, Lieske et al. 1977).
Vec3 PrecessEquatorial(Extended zeta, Extended z, Extended theta, const Vec3& v);
// From the mean equator and equinox of B1950 (1950 January 1.0, JD 2433282.5) to those of jd.
Vec3 PrecessFromB1950(Extended jd, const Vec3& v);

// A plane given by its ascending node and inclination (radians) on one ecliptic.
struct PlaneOrientation {
    Extended Node = 0;         // in [0, 2pi]
    Extended Inclination = 0;  // in [0, pi]
};
// The plane of node A0 and inclination B0 on the B1950 ecliptic, referred to the ecliptic of date.
PlaneOrientation PlaneOnEclipticOfDate(const PlaneOrientation& b1950, const EclipticPrecession& precession);

// Unit normal of a plane (the side from which its motion is counter-clockwise):
// (sin i sin Omega, -sin i cos Omega, cos i).
Vec3 PlanePole(const PlaneOrientation& plane);

// Ecliptic of date to equator of date: (X, Y cos eps - Z sin eps, Y sin eps + Z cos eps).
Vec3 EclipticToEquator(const Vec3& v, Extended obliquity);

// The planet's heliocentric vector (km) in the true equator and equinox of date, formed from
// its heliocentric L, B, R as the planet's geocentric vector is (longitude plus the nutation
// in longitude, true obliquity).
Vec3 HeliocentricVectorOfDate(const HeliocentricPlace& helio, const NutationAngles& nutation, Extended trueObliquity);

// Phase angle Sun-planet-Earth (radians) from the triangle r, Delta, R, 0 when the cosine
// leaves [-1, 1] by rounding; positive when the planet's heliocentric longitude is 0..pi
// ahead of the Earth's, negative otherwise.
Extended SignedPhaseAngle(const PlanetPlace& planet, const EarthPlace& earth);

}  // namespace vireon
