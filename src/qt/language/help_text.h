// The usage text of --help in the desktop's language, printed before any window exists.
#pragma once

#include <string>

namespace pv::qt {

std::string HelpText();

}  // namespace pv::qt
