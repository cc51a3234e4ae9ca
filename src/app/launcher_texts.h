// What the installed launcher says before the game starts. It asks the program, which holds the
// catalogues, so that it speaks the desktop's language too.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "platform/translate.h"

namespace pv {

// The launcher's line called `name`, with `value` for its %1; none for a name it does not have.
std::optional<Sentence> LauncherText(std::string_view name, const std::string& value);

}  // namespace pv
