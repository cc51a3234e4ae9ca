// Drawing helpers shared inside the Qt platform.
#pragma once

#include <QFont>

#include "platform/platform.h"

namespace pv::qt {

// The screen font for one of the game's fonts: a bold monospace near the size it asks for.
QFont FontFor(const GdiObject& object);

}  // namespace pv::qt
