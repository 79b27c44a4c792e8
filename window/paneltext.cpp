#include "paneltext.h"

namespace rcl {

void PanelText::print(const QString &text)
{
    qsizetype start = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c != u'\r' && c != u'\n')
            continue;
        m_lines.append({text.mid(start, i - start), m_pointSize, m_bold});
        if (c == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n')
            ++i;
        start = i + 1;
    }
    m_lines.append({text.mid(start), m_pointSize, m_bold});
}

QStringList PanelText::texts() const
{
    QStringList result;
    for (const PanelLine &line : m_lines)
        result.append(line.text);
    return result;
}

} // namespace rcl
