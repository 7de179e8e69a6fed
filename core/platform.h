// What the computation core needs from the platform: a message box, the computer clock and
// the system's "open this address". The Qt side implements it in ui/ and installs it at start.
#pragma once

#include <string>

#include "core/time_base.h"

namespace vireon {

class Platform {
public:
    enum class Buttons { Ok, YesNo };
    enum class Answer { Ok, Yes, No };

    virtual ~Platform() = default;
    // Modal message box; returns the button pressed.
    virtual Answer ShowMessage(const std::string& text, Buttons buttons) = 0;
    // Computer clock, local time and UTC, to the millisecond.
    virtual CalendarFields LocalNow() = 0;
    virtual CalendarFields UtcNow() = 0;
    // Asks the system to open an address (the default browser for a web page).
    virtual void OpenAddress(const std::string& address) = 0;
};

// The platform in use; never null (a silent default answers Ok and reads the system clock).
Platform& CurrentPlatform();
void SetPlatform(Platform* platform);

}  // namespace vireon
