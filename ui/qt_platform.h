// The Qt side of the platform interface: message boxes, the clock, opening an address.
#pragma once

#include "core/platform.h"

namespace vireon {

class QtPlatform final : public Platform {
public:
    Answer ShowMessage(const std::string& text, Buttons buttons) override;
    CalendarFields LocalNow() override;
    CalendarFields UtcNow() override;
    void OpenAddress(const std::string& address) override;
};

}  // namespace vireon
