#pragma once

#include <QStringView>

namespace rcl {

// How the mouse works on the rune grid, chosen by the "Rune Elect" setting.
enum class InteractionMode {
    Hover,      // pointing shows a rune, presses edit its count
    Click,      // presses select, a double-click adds one, a right release takes one off
    SelectOnly, // every press selects, nothing edits a count
};

// The "Rune Elect" setting read as a number, as the save files' numbers are,
// and compared without rounding: 0 is hover mode, 1 click mode, any other
// number only selects. A value that is not a number, the empty one included,
// counts as hover mode, so the program works without any rune.dat at all.
[[nodiscard]] InteractionMode parseInteractionMode(QStringView setting);

} // namespace rcl
