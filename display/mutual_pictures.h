// The two pictures of a mutual event in the dialog "Phénomènes mutuels": the light curve of the
// two satellites together, and their discs (or the passive one and the shadow) at the maximum.
// An observer judges from them whether the event is worth setting up for.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "core/types.h"
#include "display/canvas.h"
#include "satellites/mutual_events.h"

namespace vireon {

// The combined light of the pair (1 outside the event) against time, in seconds from the
// event's maximum, and the contacts on the same scale.
struct LightCurve {
    std::vector<Extended> Seconds;
    std::vector<Extended> Light;
    Extended Start = 0, End = 0;
    std::optional<Extended> UmbralStart, UmbralEnd;
};

// count samples (at least 3) evenly spread from a little before the start to a little after the
// end (a fifth of the event's length, at least half a minute, each side), with the maximum
// itself among them.
LightCurve MakeLightCurve(PlanetId planet, const MutualEvent& event, int count);

// The texts written under the marks of the start, the maximum and the end (their instants, in
// the scale the dialog shows).
struct LightCurveLabels {
    std::string Start, Maximum, End;
};

// The curve in white on black, the level 1 and the lowest level in grey with their values, the
// contacts (grey) and the umbral contacts (blue) as vertical lines, the maximum in red.
void DrawLightCurve(Canvas& canvas, const LightCurve& curve, const LightCurveLabels& labels);

// The discs at the maximum, celestial north up and east to the left as in the equatorial view,
// P in the middle: an occultation's A drawn over P, each in its satellite's colour; an
// eclipse's umbra filled in dark blue over P and re-outlined, or its antumbra outlined, and its
// penumbra outlined in grey. P's name at the top left, A's at the bottom left, in their colours.
void DrawEventDiscs(Canvas& canvas, const MutualEvent& event, const MutualAspect& atMaximum,
                    const std::string& activeName, const std::string& passiveName);

}  // namespace vireon
