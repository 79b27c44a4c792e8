#pragma once

#include <QFont>

namespace rcl::fonts {

// The window was drawn with "Terminal" (in its Japanese character set) for the
// buttons and the group name, "Times New Roman" for the list, the item-type
// choice and the info panel, and "MS Sans Serif" as the default. Where those
// are missing or are bitmap fonts, the nearest fonts that carry the same
// glyphs stand in: on Windows "Microsoft Sans Serif" or "Tahoma" and
// "MS Gothic", "Yu Gothic" or "Meiryo", elsewhere metric-compatible free
// fonts.
[[nodiscard]] QFont terminal(qreal pointSize);
[[nodiscard]] QFont timesNewRoman(qreal pointSize);
[[nodiscard]] QFont windowDefault();
// The default font, with a letter-safe fallback for the rune names' labels.
[[nodiscard]] QFont runeLabel();

} // namespace rcl::fonts
