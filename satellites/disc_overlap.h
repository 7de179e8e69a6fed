// Two discs on the sky, one covering the other: the area they share, and how much light a
// uniform disc loses behind another disc or in the shadow of a sphere lit by the Sun's disc.
// Pure plane geometry; any unit of length, the same for every argument.
#pragma once

#include "core/types.h"

namespace vireon {

// The area common to two discs of radii r1 and r2 whose centres are d apart (all >= 0).
Extended DiscOverlapArea(Extended r1, Extended r2, Extended d);

// The fraction of the diameter of a disc of radius disc, along the line through both centres,
// that a disc of radius cover centred separation away covers (0..1).
Extended CoveredDiameterFraction(Extended cover, Extended disc, Extended separation);

// The fraction of the light of a uniform disc of radius back lost behind a disc of radius
// front centred separation away.
Extended OccultedFraction(Extended front, Extended back, Extended separation);

// A sphere's shadow across a receiving disc, every length in the plane through the receiver
// perpendicular to the shadow's axis, as seen from the Sun: a point of that plane at distance r
// from the axis sees the caster's disc, of radius Caster, and the Sun's disc, of radius Sun,
// with their centres r apart (lengths scaled by the point's distance from the caster over the
// caster's from the Sun). The umbra is r < Caster - Sun, the antumbra r < Sun - Caster, the
// penumbra reaches to Caster + Sun.
struct ShadowDiscs {
    Extended Caster = 0;
    Extended Sun = 0;
    Extended Receiver = 0;    // the receiving disc's radius
    Extended Separation = 0;  // from the shadow's axis to the receiver's centre
};

// The fraction of the Sun's disc (taken uniform) that the caster hides from a point at r from
// the shadow's axis.
Extended HiddenSunFraction(const ShadowDiscs& shadow, Extended r);

// The fraction of the sunlight a uniform receiving disc loses in the shadow: the hidden part of
// the Sun averaged over the disc, by Gauss-Legendre quadrature over circles about the axis.
Extended EclipsedFraction(const ShadowDiscs& shadow);

}  // namespace vireon
