// The game's few words on stderr: a refusal that every save or answer would repeat is said once
// a run.
#pragma once

#include <string>

namespace pv {

// Writes "pondivar: <line>" and a line end to stderr, unless the same line was said before in
// this run.
void SayOnce(const std::string& line);

}  // namespace pv
