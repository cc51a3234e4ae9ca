// The progress report: one CSV table of every fact each player was ever asked, most often
// missed first, for a parent's spreadsheet.
#pragma once

#include <ostream>
#include <string>
#include <vector>

#include "progress/recorded_answer.h"

namespace pv {

struct PlayerAnswers {
    std::string name;
    std::vector<Answer> answers;
};

// CSV as RFC 4180 has it, UTF-8 with CRLF line ends, under the header
//   player,operation,question,answer,asked,right_first_time,wrong_clicks,
//   median_first_click_ms,last_asked
// and one row per player and fact asked (a player with no answers has none). Rows go by misses
// (asked - right_first_time), most first; then wrong clicks, most first; then player (byte
// order of the UTF-8 name), operation (addition, subtraction, multiplication, division), left
// and right, each ascending; players of the same name keep the order they were given in. A
// field with a comma, a quote, CR or LF is quoted, its quotes doubled; no other is.
void WriteReport(std::ostream& out, const std::vector<PlayerAnswers>& players);

// A field as CSV writes it.
std::string CsvField(const std::string& text);

}  // namespace pv
