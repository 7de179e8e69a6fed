// The three epochs of the apparent-place pipeline: one day before an instant, the instant
// itself, one day after it. The planet and the Earth are evaluated at the three, and the
// geocentric vector is interpolated back by the light time between them.
#pragma once

#include "core/types.h"

namespace vireon {

// One quantity at the three epochs.
template <typename Value>
struct AroundInstant {
    Value DayBefore{};
    Value Instant{};
    Value DayAfter{};
};

}  // namespace vireon
