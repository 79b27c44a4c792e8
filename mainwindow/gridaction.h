#pragma once

#include "gamedata/interactionmode.h"

namespace rcl {

// What a mouse event on the rune grid does, by event, button and mode.
enum class GridEvent { Press, Release, DoubleClick, LabelClick };

enum class GridAction { Nothing, AddOne, TakeOneOff, Clear, Select };

// Button codes name the one button that caused a press or a release:
// 1 left, 2 right, 4 middle.
[[nodiscard]] constexpr GridAction gridAction(GridEvent event, int button, InteractionMode mode)
{
    switch (event) {
    case GridEvent::Press:
        if (mode != InteractionMode::Hover)
            return GridAction::Select;
        return button == 1 ? GridAction::AddOne : button == 2 ? GridAction::TakeOneOff : GridAction::Clear;
    case GridEvent::Release:
        return mode == InteractionMode::Click && button == 2 ? GridAction::TakeOneOff : GridAction::Nothing;
    case GridEvent::DoubleClick:
        // In click mode it is the one edit of a double-click, whose first
        // press selects; in hover mode it is the second of two quick left
        // presses and adds one as the first did.
        return mode == InteractionMode::Click || mode == InteractionMode::Hover ? GridAction::AddOne
                                                                               : GridAction::Nothing;
    case GridEvent::LabelClick:
        // A label click carries no button, so in hover mode it neither edits
        // nor asks anything.
        return mode == InteractionMode::Hover ? GridAction::Nothing : GridAction::Select;
    }
    return GridAction::Nothing;
}

} // namespace rcl
