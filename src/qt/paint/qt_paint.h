// Drawing helpers shared inside the Qt platform.
#pragma once

#include <QFont>

#include "platform/platform.h"

namespace pv::qt {

// The screen font for one of the game's fonts: a bold monospace near the size it asks for.
QFont FontFor(const GdiObject& object);

// The same font `factor` times as large, in whichever unit it was given.
QFont Scaled(QFont font, int factor);

}  // namespace pv::qt
