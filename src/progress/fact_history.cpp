#include "progress/fact_history.h"

#include <algorithm>

namespace pv {

void FactHistory::Add(const Answer& answer) {
    lastDay_ = asked_ == 0 ? answer.day : std::max(lastDay_, answer.day);
    ++asked_;
    if (!answer.rightFirstTime) {
        missesWhileWeak_ = Weak() ? missesWhileWeak_ + 1 : 1;
        missed_ = true;
        cleanDays_ = 0;
        return;
    }
    if (cleanDays_ == kDaysToKnow) return;
    // Days are compared, not just the last one, in case the clock was set back.
    auto counted = days_.begin() + cleanDays_;
    if (std::find(days_.begin(), counted, answer.day) == counted) days_[cleanDays_++] = answer.day;
}

}  // namespace pv
