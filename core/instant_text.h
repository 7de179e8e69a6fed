// The ISO 8601 texts of instants that vireon-ephem writes and the program's exported lists
// repeat.
#pragma once

#include <string>

#include "core/time_base.h"
#include "core/time_scale.h"
#include "core/types.h"

namespace vireon {

// "YYYY-MM-DDTHH:MM:SS", in the program's calendar.
std::string FormatInstant(const CalendarFields& instant);

// The instant jdTT on a clock, with the ISO 8601 suffix of its scale: nothing for TT, "Z" for
// UT, the zone's offset for local time ("+01:00"; "+00:09:21" where it has seconds).
std::string FormatInstantOnScale(const TimeScale& scale, Extended jdTT, SecondRounding rounding = SecondRounding::Nearest);

}  // namespace vireon
