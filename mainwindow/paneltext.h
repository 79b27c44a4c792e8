#pragma once

#include "gamedata/panelline.h"

#include <QList>
#include <QString>
#include <QStringList>

namespace rcl {

// What has been printed into the info panel, line by line. Printing a text
// writes it on a new line; CR LF (or a lone CR or LF) inside the text starts
// another one. Each line keeps the font size and weight in force when it was
// printed, so the panel can be drawn again at any time.
class PanelText final
{
public:
    explicit PanelText(qreal pointSize = 9) : m_pointSize(pointSize) {}

    void clear() { m_lines.clear(); }
    void setFontSize(qreal pointSize) { m_pointSize = pointSize; }
    void setBold(bool bold) { m_bold = bold; }
    void print(const QString &text);

    [[nodiscard]] qreal fontSize() const { return m_pointSize; }
    [[nodiscard]] bool bold() const { return m_bold; }
    [[nodiscard]] const QList<PanelLine> &lines() const { return m_lines; }
    [[nodiscard]] QStringList texts() const;

private:
    QList<PanelLine> m_lines;
    qreal m_pointSize;
    bool m_bold = false;
};

} // namespace rcl
