#include "mainwindow/paneltext.h"

#include "stock/textlines.h"

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

} // namespace rcl
