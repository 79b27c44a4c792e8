#include "form1.h"

#include <QLineEdit>

namespace rcl {

QString Form1::cellName(int index) const
{
    return tr("%1, %2 owned").arg(RuneCatalogue::name(index)).arg(m_stock.at(index));
}

void Form1::nameGrid()
{
    const QString name = cellName(m_selectedRune);
    if (m_ui.Grid1->accessibleName() != name)
        m_ui.Grid1->setAccessibleName(name);
}

// Only the runes whose count changed are drawn again.
void Form1::showCounts(bool all)
{
    for (int i = 0; i < RuneCatalogue::Count; ++i) {
        if (!all && m_stock.at(i) == m_shownStock.at(i))
            continue;
        m_ui.runeimg1[std::size_t(i)]->showCount(m_countsOnGrid ? std::optional(m_stock.at(i)) : std::nullopt);
        m_ui.runeimg2[std::size_t(i)]->setAccessibleName(cellName(i));
    }
    m_shownStock = m_stock;
    nameGrid();
}

void Form1::followState()
{
    const bool changed = m_stock != m_shownStock;
    if (changed)
        showCounts(false);
    const QString group = tr("Group %1 of %2").arg(m_currentGroup).arg(GroupCount);
    if (m_ui.Text1->accessibleDescription() != group)
        m_ui.Text1->setAccessibleDescription(group);
    if (!m_loadFailure.ok || m_stock == m_storedStock)
        m_autosave.stop();
    else if (changed)
        m_autosave.start();
}

} // namespace rcl
