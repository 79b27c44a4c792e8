#pragma once

#include "gamedata/panelline.h"
#include "gamedata/runetable.h"

#include <QList>

namespace rcl {

// The info panel for one rune: its name, required level, the count held and
// its effect lines.
[[nodiscard]] QList<PanelLine> runeInfoLines(const RuneTable &runes, int index, qint32 quantity);

// The panel at start and after a change of group, which always shows rune 0.
// It differs from runeInfoLines(runes, 0, quantity) on purpose, as users have always
// seen it: the effect heading ends in a blank, and no empty line follows the
// effects.
[[nodiscard]] QList<PanelLine> firstRuneLines(const RuneTable &runes, qint32 quantity);

} // namespace rcl
