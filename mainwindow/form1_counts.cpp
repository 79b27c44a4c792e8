#include "mainwindow/form1.h"

#include <QLineEdit>

#include <algorithm>

namespace rcl {

QString Form1::cellName(int index) const
{
    return tr("%1, %2 owned").arg(m_ui.Label1[std::size_t(index)]->text()).arg(m_stock.at(index));
}

void Form1::nameGrid()
{
    const QString name = cellName(m_selectedRune);
    if (m_ui.Grid1->accessibleName() != name)
        m_ui.Grid1->setAccessibleName(name);
}

// Only the runes whose count changed are drawn again, unless all are to be.
void Form1::showCounts(bool all)
{
    for (int i = 0; i < RuneCatalogue::Count; ++i) {
        if (!all && m_stock.at(i) == m_shownStock.at(i))
            continue;
        RunePicture *picture = m_ui.runeimg1[std::size_t(i)];
        picture->showCount(m_countsOnGrid ? std::optional(m_stock.at(i)) : std::nullopt);
        m_ui.runeimg2[std::size_t(i)]->setAccessibleName(cellName(i));
        if (all)
            picture->setAccessibleName(tr("Picture of %1").arg(m_ui.Label1[std::size_t(i)]->text()));
    }
    m_shownStock = m_stock;
    nameGrid();
}

void Form1::followState()
{
    const bool changed = m_stock != m_shownStock;
    if (changed)
        showCounts(false);
    const QString group = tr("Group %1 of %2").arg(currentGroup()).arg(GroupCount);
    if (m_ui.Text1->accessibleDescription() != group)
        m_ui.Text1->setAccessibleDescription(group);
    // Well within two seconds of the last change, late enough that a burst
    // of clicks is one write, and never long while clicks go on.
    constexpr qint64 AfterLastChange = 1000;
    constexpr qint64 AfterFirstChange = 5000;
    if (!m_group.autosaveDue()) {
        m_autosave.stop();
    } else if (changed) {
        if (!m_autosave.isActive())
            m_unsavedSince.start();
        m_autosave.start(int(std::clamp(AfterFirstChange - m_unsavedSince.elapsed(), qint64(0), AfterLastChange)));
    }
}

} // namespace rcl
