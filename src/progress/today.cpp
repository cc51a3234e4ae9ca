#include "progress/today.h"

#include "progress/recorded_answer.h"

namespace pv {

std::int32_t Today(Platform& platform) {
    SYSTEMTIME now;
    platform.GetLocalTime(&now);
    return DayNumber(now.wYear, now.wMonth, now.wDay);
}

}  // namespace pv
