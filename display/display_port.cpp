#include "display/display_port.h"

namespace vireon {
namespace {

DisplayPort* current = nullptr;

}  // namespace

// pbSatel is 753 x 603; the legend box under it 753 x 36.
NullDisplayPort::NullDisplayPort() : view_(753, 603), legend_(753, 36) {}

Canvas& NullDisplayPort::ViewCanvas() { return view_; }
Canvas& NullDisplayPort::LegendCanvas() { return legend_; }

DisplayPort& CurrentDisplayPort()
{
    static NullDisplayPort nullPort;  // NOLINT: the fallback port of a program without a window
    return current ? *current : nullPort;
}

void SetDisplayPort(DisplayPort* port) { current = port; }

}  // namespace vireon
