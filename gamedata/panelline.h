#pragma once

#include <QString>

namespace rcl {

// One line of the info panel with the font size (points) and weight it is
// printed in.
struct PanelLine
{
    QString text;
    qreal pointSize = 9;
    bool bold = false;

    friend bool operator==(const PanelLine &, const PanelLine &) = default;
};

// The sizes the info panel prints in, in points.
namespace panelsize {
inline constexpr qreal RuneHeader = 15;      // a rune's name, level and quantity
inline constexpr qreal Effects = 14;         // its effect lines, and the size the panel is left in
inline constexpr qreal RuneWordName = 17;
inline constexpr qreal RuneWordBody = 12;    // the recipe, level, item types and effects
inline constexpr qreal RuneWordHeading = 14; // " Effect :"
} // namespace panelsize

} // namespace rcl
