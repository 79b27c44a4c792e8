#pragma once

#include <QRect>

namespace rcl {

// Where a second window of the given size goes beside a main window whose
// frame is mainFrame, within the available part of the main window's
// screen: to its right, else to its left, else as far to the right as the
// screen allows, over the main window; top edges level where the screen
// allows. Never larger than the screen.
[[nodiscard]] QRect placeBeside(const QRect &mainFrame, QSize size, const QRect &available);

} // namespace rcl
