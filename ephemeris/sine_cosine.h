// Sine and cosine of many angles given in arcseconds, for the periodic terms of the series
// (VSOP87D, the IAU 1980 nutation, Pluto's theory), in 64-bit floating point.
//
// Each angle is reduced exactly to the nearest quarter turn (324000") in double, and the sine
// and cosine of the remainder (at most pi/4 rad) come from polynomials of degree 13 and 14
// fitted to them (truncation below 1e-17). Against the 80-bit sine and cosine of the angle
// reduced modulo 1296000", at most 1.7e-16 off in absolute value over two million angles up to
// 1.6e11" (tests/ephemeris/sine_cosine_test.cpp allows 2.5e-16). The loop has no branch, so the
// compiler evaluates two angles at once (four on processors with AVX2, for which a second copy
// is compiled and chosen at load time; without fused multiply-add the two give the same bits).
// Valid for |angle| < 7e20"; the series reach 1.3e11" over years 1 to 9999.
#pragma once

#include <span>

#include "core/types.h"
#include "core/vector3.h"

namespace vireon {

// sine[i] = sin(arcsec[i]"), cosine[i] = cos(arcsec[i]"); both outputs hold at least
// arcsec.size() elements and do not overlap the input.
void SineCosineArcsec(std::span<const double> arcsec, std::span<double> sine, std::span<double> cosine);

// Sine and cosine of one angle in radians in extended precision, for the frames (|angle| below
// 1e9 rad). The angle is first brought within pi/4 of the nearest multiple of pi/2 by Cody and
// Waite's subtraction of pi/2 in two parts (exact to the last place of the 80-bit remainder):
// the library's extended sine and cosine reduce any larger angle by the general Payne-Hanek
// method, three times as slow.
struct SineAndCosine {
    Extended Sin = 0;
    Extended Cos = 1;
};
SineAndCosine SineCosineExtended(Extended radians);

// The same from the sine and cosine of a nearby angle (the same quantity one day apart): when
// radians - reference, taken modulo 2 pi, is below 1/16 rad, by angle addition with its Taylor
// series (exact to 1e-20 relative), otherwise directly. Within 5e-19 of SineCosineExtended.
SineAndCosine SineCosineNear(Extended radians, Extended reference, const SineAndCosine& atReference);

// Unit vector of right ascension (or longitude) alpha and declination (or latitude) delta, rad,
// from the extended sines and cosines above.
Vec3 UnitVector(Extended alpha, Extended delta);

}  // namespace vireon
