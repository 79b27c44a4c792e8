#include "mainwindow/form1.h"

#include "mainwindow/gridkeys.h"

namespace rcl {

// The selected rune is the one the frame stands on. A key that edits shows
// the rune again, so that the new count can be read in the panel.
void Form1::Grid1_KeyDown(int keyCode, int shift)
{
    const std::optional<GridKey> key = gridKey(keyCode, shift & 2 ? Qt::ControlModifier : Qt::NoModifier);
    if (!key)
        return;
    const int index = m_selectedRune;
    const GridAction action = gridKeyAction(*key, readInteractionMode());
    if (action == GridAction::Select) {
        ShowRuneInfo(gridStep(index, *key));
    } else if (action != GridAction::Nothing) {
        applyGridAction(action, index);
        ShowRuneInfo(index);
    }
}

} // namespace rcl
