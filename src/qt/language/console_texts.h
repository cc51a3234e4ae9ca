// What the program says on the console, before any window: in the desktop's language.
#pragma once

#include <string>

#include "platform/translate.h"

namespace pv::qt {

// The desktop's catalogue, read on the first text asked for: most starts say nothing.
Translation DesktopCatalogue();

// The text of --help.
std::string HelpText();

}  // namespace pv::qt
