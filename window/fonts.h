#pragma once

#include <QFont>

namespace rcl::fonts {

// The window was drawn with "Terminal" (in its Japanese character set) for the
// buttons and the group name, "Times New Roman" for the list, the item-type
// choice and the info panel, and "MS Sans Serif" as the default. Where those
// are missing, the nearest fonts that carry the same glyphs stand in.
[[nodiscard]] QFont terminal(qreal pointSize);
[[nodiscard]] QFont timesNewRoman(qreal pointSize);
[[nodiscard]] QFont windowDefault();

} // namespace rcl::fonts
