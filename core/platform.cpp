#include "core/platform.h"

#include <chrono>
#include <ctime>

namespace vireon {
namespace {

class DefaultPlatform final : public Platform {
public:
    Answer ShowMessage(const std::string&, Buttons buttons) override
    {
        return buttons == Buttons::Ok ? Answer::Ok : Answer::No;
    }
    CalendarFields LocalNow() override { return Now(false); }
    CalendarFields UtcNow() override { return Now(true); }
    void OpenAddress(const std::string&) override {}

private:
    static CalendarFields Now(bool utc)
    {
        const auto now = std::chrono::system_clock::now();
        const std::time_t seconds = std::chrono::system_clock::to_time_t(now);
        std::tm local{};
        if (utc) gmtime_r(&seconds, &local);
        else localtime_r(&seconds, &local);
        const auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(now.time_since_epoch()).count() % 1000;
        CalendarFields f;
        f.Day = static_cast<std::uint16_t>(local.tm_mday);
        f.Month = static_cast<std::uint16_t>(local.tm_mon + 1);
        f.Year = static_cast<std::uint16_t>(local.tm_year + 1900);
        f.Hour = static_cast<std::uint16_t>(local.tm_hour);
        f.Minute = static_cast<std::uint16_t>(local.tm_min);
        f.Second = static_cast<std::uint16_t>(local.tm_sec > 59 ? 59 : local.tm_sec);
        f.Millisecond = static_cast<std::uint16_t>(ms);
        return f;
    }
};

DefaultPlatform defaultPlatform;
Platform* current = &defaultPlatform;

}  // namespace

Platform& CurrentPlatform() { return *current; }

void SetPlatform(Platform* platform) { current = platform ? platform : &defaultPlatform; }

}  // namespace vireon
