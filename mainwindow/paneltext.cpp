#include "mainwindow/paneltext.h"

#include "stock/textlines.h"

#include <algorithm>
#include <utility>

namespace rcl {

// Printing always ends a line, so a text that ends in a line end, or none at
// all, leaves one empty line more than the file readers would count.
void PanelText::print(const QString &text)
{
    for (const QStringView line : splitLines(text))
        m_lines.append({line.toString(), m_pointSize, m_bold});
    if (text.isEmpty() || text.endsWith(u'\r') || text.endsWith(u'\n'))
        m_lines.append({QString(), m_pointSize, m_bold});
}

QStringList PanelText::texts() const
{
    QStringList result;
    for (const PanelLine &line : m_lines)
        result.append(line.text);
    return result;
}

void PanelScroll::clear()
{
    m_heights.clear();
    m_content = 0;
    m_first = 0;
}

void PanelScroll::append(int lineHeight, bool empty)
{
    m_heights.append(lineHeight);
    if (!empty)
        m_content = m_heights.size();
}

void PanelScroll::setViewHeight(int height)
{
    m_viewHeight = height;
    moveTo(m_first);
}

int PanelScroll::heightFrom(qsizetype line) const
{
    int height = 0;
    for (qsizetype i = line; i < m_content; ++i)
        height += m_heights[i];
    return height;
}

// The first line from which the rest shows whole; a last line taller than
// the panel still gets a view of its own.
int PanelScroll::lastFirst() const
{
    qsizetype line = m_content;
    int height = 0;
    while (line > 0 && height + m_heights[line - 1] <= m_viewHeight)
        height += m_heights[--line];
    return int(line == m_content && line > 0 ? line - 1 : line);
}

bool PanelScroll::moveTo(int line)
{
    const int moved = std::clamp(line, 0, lastFirst());
    return std::exchange(m_first, moved) != moved;
}

bool PanelScroll::scrollBy(int lines)
{
    return moveTo(m_first + lines);
}

bool PanelScroll::pageDown()
{
    qsizetype line = m_first;
    int height = 0;
    while (line < m_content && height + m_heights[line] <= m_viewHeight)
        height += m_heights[line++];
    return moveTo(std::max(int(line), m_first + 1));
}

bool PanelScroll::pageUp()
{
    qsizetype line = m_first;
    int height = 0;
    while (line > 0 && height + m_heights[line - 1] <= m_viewHeight)
        height += m_heights[--line];
    return moveTo(std::min(int(line), m_first - 1));
}

QPolygon scrollMarker(const QRect &area, bool below)
{
    constexpr int Width = 11;
    constexpr int Height = 6;
    constexpr int Margin = 2;
    const int right = area.right() - Margin;
    const int left = right - Width + 1;
    const int middle = left + Width / 2;
    if (below) {
        const int bottom = area.bottom() - Margin;
        return QPolygon({QPoint(left, bottom - Height + 1), QPoint(right, bottom - Height + 1), QPoint(middle, bottom)});
    }
    const int top = area.top() + Margin;
    return QPolygon({QPoint(left, top + Height - 1), QPoint(right, top + Height - 1), QPoint(middle, top)});
}

} // namespace rcl
