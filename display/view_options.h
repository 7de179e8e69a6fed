// View options and the animation: orientation, mirror, traces, numbers, the view switches,
// erasing the view, and the animation frames. Each keeps the menus, tool buttons and the
// caption bar panNS in step with GlobalSettings through the DisplayPort.
#pragma once

#include "core/settings.h"
#include "display/display_port.h"

namespace vireon {

// Grey-bordered black fill of the whole view; sets ViewCleared.
void EraseView(DisplayPort& port, GlobalSettings& settings);

// Orientation 'N', 'S', 'B' or 'A': panNS caption and the eight orientation items' checks
// follow; then EraseView. Does not redraw.
void SetOrientation(DisplayPort& port, GlobalSettings& settings, char orientation);
// SetOrientation('N'), then MirrorView flips (miInversionRC1/2 checked when set).
void ToggleMirror(DisplayPort& port, GlobalSettings& settings);
// MirrorView flips alone (the R key): menu checks and status panel 4 follow, orientation kept.
void FlipMirrorKeepingOrientation(DisplayPort& port, GlobalSettings& settings);
void ToggleTraces(DisplayPort& port, GlobalSettings& settings);
void ToggleNumbers(DisplayPort& port, GlobalSettings& settings);

// The view switches, with the whole enabling table; equatorial and polar end with EraseView
// and RecomputeAndDraw, the graph is drawn directly.
void SetEquatorialView(DisplayPort& port, GlobalSettings& settings);
void SetPolarView(DisplayPort& port, GlobalSettings& settings);
void SetGraphView(DisplayPort& port, GlobalSettings& settings);

// Starts (run = true) or stops the animation: flags, menu checks and buttons. Starting while
// running only changes direction and buttons. Starting schedules the first frame.
void Animate(DisplayPort& port, GlobalSettings& settings, bool run);
// One animation frame: steps the date by AnimationDirection x IncrementDays, recomputes and
// draws, and schedules the next frame after AnimationDelayMs. At the limits of the supported
// range the animation stops and the date stays. Does nothing when the animation is stopped.
void AnimationFrame(DisplayPort& port, GlobalSettings& settings);

}  // namespace vireon
