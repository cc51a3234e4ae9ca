// What a screen reader finds in the game's window (Qt accessibility, over AT-SPI on Linux): every
// control named and given a role that makes sense read aloud, the picture buttons pressable
// without a pointer, and the game's verdicts and questions said as they come.
#pragma once

#include <QWidget>

#include "platform/platform.h"

namespace pv::qt {

// Teaches Qt how to present the game's widgets. Once, before any of them is made.
void InstallAccessibility();

// The control's widget has just been made from its model.
void DescribeForReaders(QWidget* widget, const Window& control);

// The control's widget has just been brought up to date after a change of its model.
void ReflectForReaders(QWidget* widget, const Window& control, Change what);

}  // namespace pv::qt
