// Dates in the progress window as the player's language writes them.
#pragma once

#include <QDate>
#include <QString>

#include <cstdint>

namespace pv::qt {

// A day as the answer log counts them (days since 1970-01-01).
QDate DateOf(std::int32_t day);
// Whether the window speaks English, whose sentences and dates keep the forms they always had.
bool InEnglish();
// A day in a list or a tip: "2026-12-08" in English, else the language's short date ("08.12.26").
QString ShownDay(std::int32_t day);

}  // namespace pv::qt
