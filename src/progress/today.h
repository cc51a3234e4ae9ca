// The day the answers are kept under, read from the platform's clock: the one calendar the drill
// and the progress window both go by, so that a test can put it at any midnight.
#pragma once

#include <cstdint>

#include "platform/platform.h"

namespace pv {

// The platform's local date, as days since 1970-01-01 (see DayNumber).
std::int32_t Today(Platform& platform);

}  // namespace pv
