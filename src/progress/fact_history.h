// A fact's way from missed to known, answer by answer in the order they were given. A miss
// makes a fact weak; it stays weak until it has been answered right the first time on three
// different days after its last miss. Days, not answers, because a fact drilled ten times in one
// sitting is remembered for the sitting, not yet for good.
#pragma once

#include <array>
#include <cstdint>

#include "progress/recorded_answer.h"

namespace pv {

constexpr std::uint32_t kDaysToKnow = 3;

class FactHistory {
  public:
    void Add(const Answer& answer);

    std::uint32_t Asked() const { return asked_; }
    bool Missed() const { return missed_; }  // ever
    // Different days on which it was right the first time since its last miss (since its first
    // answer when never missed), counted up to kDaysToKnow.
    std::uint32_t CleanDays() const { return cleanDays_; }
    bool Weak() const { return missed_ && cleanDays_ < kDaysToKnow; }
    // Misses since it last became weak; 0 when it is not weak.
    std::uint32_t MissesWhileWeak() const { return Weak() ? missesWhileWeak_ : 0; }
    std::int32_t LastDay() const { return lastDay_; }  // the latest day it was asked

  private:
    std::uint32_t asked_ = 0;
    bool missed_ = false;
    std::uint32_t missesWhileWeak_ = 0;
    std::uint32_t cleanDays_ = 0;
    std::array<std::int32_t, kDaysToKnow> days_{};  // the clean days counted so far
    std::int32_t lastDay_ = 0;
};

}  // namespace pv
