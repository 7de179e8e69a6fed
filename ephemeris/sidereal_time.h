// Greenwich sidereal time: the Earth's rotation angle measured from the equinox.
//
// Mean sidereal time of the IAU 1982 system (Aoki et al. 1982, A&A 105, 359; Meeus, Astronomical
// Algorithms, ch. 12, eq. 12.4, whose coefficients are these in degrees), from the UT1 Julian Day;
// apparent sidereal time adds the equation of the equinoxes, delta psi cos(epsilon), with the
// program's IAU 1980 nutation (ephemeris/nutation.h, 63 terms) and true obliquity at the TT Julian
// Day. Deviations: the small terms that the IAU added to the equation of the equinoxes in 1994
// (0.00264" sin Omega + 0.000063" sin 2 Omega) are left out, as are polar motion and the
// difference between UT1 and UTC (at most 0.9 s, which the caller may fold into jdUT1).
#pragma once

#include "core/types.h"
#include "ephemeris/apparent_place.h"

namespace vireon {

// Greenwich mean sidereal time at the UT1 Julian Day jdUT1, radians in [0, 2pi).
Extended GreenwichMeanSiderealTime(Extended jdUT1);

// The equation of the equinoxes, delta psi cos(epsilon), radians, from the nutation (arcseconds)
// and the true obliquity (radians) of one instant.
Extended EquationOfTheEquinoxes(const NutationAngles& nutation, Extended trueObliquity);

// Greenwich apparent sidereal time, radians in [0, 2pi): the rotation at jdUT1, the nutation and
// obliquity at jdTT (the same instant on the TT scale).
Extended GreenwichApparentSiderealTime(Extended jdUT1, Extended jdTT);
// The same with the nutation (arcseconds) and true obliquity (radians) of jdTT already at hand,
// e.g. PlanetPlaces::Nutation and ::TrueObliquity after an apparent place at jdTT.
Extended GreenwichApparentSiderealTime(Extended jdUT1, const NutationAngles& nutation, Extended trueObliquity);

}  // namespace vireon
