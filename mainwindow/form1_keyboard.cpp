#include "mainwindow/form1.h"

#include "mainwindow/gridkeys.h"

#include <QPushButton>
#include <QShortcut>

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

// Ctrl+Page Down and Ctrl+Page Up press Next and Prev, so that they save,
// ask and stop at groups 1 and 9 as the buttons do: a disabled button takes
// no press. No control of the window takes these keys for itself.
void Form1::connectWindowKeys()
{
    new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_PageDown), this, m_ui.Command2, &QPushButton::click);
    new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_PageUp), this, m_ui.Command1, &QPushButton::click);
    new QShortcut(QKeySequence(Qt::Key_F1), this, this, &Form1::ShowHelp);
}

} // namespace rcl
