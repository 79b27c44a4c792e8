#pragma once

#include "mainwindow/formgeometry.h"
#include "mainwindow/gridaction.h"
#include "stock/runecatalogue.h"

#include <Qt>

#include <optional>

namespace rcl {

// What a key does on the rune grid while it has the focus: the arrows, Home
// and End move the selection, + and - edit the selected rune's count and
// Delete clears it.
enum class GridKey { Left, Right, Up, Down, RowStart, RowEnd, First, Last, Plus, Minus, Delete };

// None for a key the grid leaves to the window.
[[nodiscard]] constexpr std::optional<GridKey> gridKey(int key, Qt::KeyboardModifiers modifiers)
{
    const bool control = modifiers & Qt::ControlModifier;
    if (modifiers & (Qt::AltModifier | Qt::MetaModifier))
        return std::nullopt;
    switch (key) {
    case Qt::Key_Left:
        return GridKey::Left;
    case Qt::Key_Right:
        return GridKey::Right;
    case Qt::Key_Up:
        return GridKey::Up;
    case Qt::Key_Down:
        return GridKey::Down;
    case Qt::Key_Home:
        return control ? GridKey::First : GridKey::RowStart;
    case Qt::Key_End:
        return control ? GridKey::Last : GridKey::RowEnd;
    case Qt::Key_Plus:
        return GridKey::Plus;
    case Qt::Key_Minus:
        return GridKey::Minus;
    case Qt::Key_Delete:
        return GridKey::Delete;
    default:
        return std::nullopt;
    }
}

// The rune that a moving key selects: by columns within a row, by rows within
// a column, stopping at the edges. The last row holds five runes, so nothing
// lies below Ohm and Lo.
[[nodiscard]] constexpr int gridStep(int index, GridKey key)
{
    constexpr int Last = RuneCatalogue::Count - 1;
    const int column = grid::column(index);
    const int rowStart = index - column;
    const int rowEnd = rowStart + grid::Columns - 1 < Last ? rowStart + grid::Columns - 1 : Last;
    switch (key) {
    case GridKey::Left:
        return index > rowStart ? index - 1 : index;
    case GridKey::Right:
        return index < rowEnd ? index + 1 : index;
    case GridKey::Up:
        return index >= grid::Columns ? index - grid::Columns : index;
    case GridKey::Down:
        return index + grid::Columns <= Last ? index + grid::Columns : index;
    case GridKey::RowStart:
        return rowStart;
    case GridKey::RowEnd:
        return rowEnd;
    case GridKey::First:
        return 0;
    case GridKey::Last:
        return Last;
    default:
        return index;
    }
}

// Keys edit counts where the mouse may (hover and click mode), and in any
// other mode only select, as the mouse does there.
[[nodiscard]] constexpr GridAction gridKeyAction(GridKey key, InteractionMode mode)
{
    const bool edits = mode == InteractionMode::Hover || mode == InteractionMode::Click;
    switch (key) {
    case GridKey::Plus:
        return edits ? GridAction::AddOne : GridAction::Nothing;
    case GridKey::Minus:
        return edits ? GridAction::TakeOneOff : GridAction::Nothing;
    case GridKey::Delete:
        return edits ? GridAction::Clear : GridAction::Nothing;
    default:
        return GridAction::Select;
    }
}

} // namespace rcl
