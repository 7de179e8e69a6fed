// View options and the animation's state: orientation, mirror, traces, numbers, the view
// switches' enabling table, erasing the view. Each keeps the menus, tool buttons and the
// caption bar panNS in step with GlobalSettings through the DisplayPort.
#pragma once

#include "core/settings.h"
#include "display/display_port.h"

namespace vireon {

// Grey-bordered black fill of the whole view; sets ViewCleared.
void EraseView(DisplayPort& port, GlobalSettings& settings);

// Orientation 'N', 'S', 'B' or 'A': panNS caption and the eight orientation items' checks
// follow; then EraseView. Does not redraw.
void SetOrientation(DisplayPort& port, GlobalSettings& settings, Orientation orientation);
// SetOrientation('N'), then MirrorView flips (miInversionRC1/2 checked when set).
void ToggleMirror(DisplayPort& port, GlobalSettings& settings);
// MirrorView flips alone (the R key): menu checks and status panel 4 follow, orientation kept.
void FlipMirrorKeepingOrientation(DisplayPort& port, GlobalSettings& settings);
void ToggleTraces(DisplayPort& port, GlobalSettings& settings);
void ToggleNumbers(DisplayPort& port, GlobalSettings& settings);
// ShowCentralMeridian flips; the "Vue" menu's item follows. Does not redraw.
void ToggleCentralMeridian(DisplayPort& port, GlobalSettings& settings);

// panNS caption and the eight orientation items' checks for an orientation (nothing for an
// unknown letter).
void ShowOrientation(DisplayPort& port, Orientation orientation);

// Sets the view mode with the whole enabling table: the view's menu items and button checked,
// the orientation, mirror, animation, field, ruler and increment-dialog controls enabled as
// the view allows; labEO emptied and hidden. Draws nothing (app/view_commands.h does).
void SwitchView(DisplayPort& port, GlobalSettings& settings, ViewMode mode);

// Starts (run = true) or stops the animation: flags, menu checks and buttons. Starting while
// running only changes direction and buttons. Starting schedules the first frame
// (app/view_commands.h draws the frames).
void Animate(DisplayPort& port, GlobalSettings& settings, bool run);

}  // namespace vireon
