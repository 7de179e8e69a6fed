// Commands that change the view and then recompute: the three view switches and the animation
// frames. They sit above display/ because they end in the recompute driver.
#pragma once

#include "core/settings.h"
#include "display/display_port.h"

namespace vireon {

// The view switches, with the whole enabling table; equatorial and polar end with EraseView
// and RecomputeAndDraw, the graph is drawn directly.
void SetEquatorialView(DisplayPort& port, GlobalSettings& settings);
void SetPolarView(DisplayPort& port, GlobalSettings& settings);
void SetGraphView(DisplayPort& port, GlobalSettings& settings);

// One animation frame: steps the date by AnimationDirection x IncrementDays, recomputes and
// draws, and schedules the next frame after AnimationDelayMs. At the limits of the supported
// range the animation stops and the date stays. Does nothing when the animation is stopped.
void AnimationFrame(DisplayPort& port, GlobalSettings& settings);

}  // namespace vireon
