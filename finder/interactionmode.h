#pragma once

#include "gridaction.h"

#include <QStringView>

namespace rcl {

// The "Rune Elect" setting read as a number, as the save files' numbers are,
// and compared without rounding: 0 is hover mode, 1 click mode, any other
// number only selects. A value that is not a number, the empty one included,
// counts as hover mode, so the program works without any rune.dat at all.
[[nodiscard]] InteractionMode parseInteractionMode(QStringView setting);

} // namespace rcl
