#pragma once

#include "gamedata/panelline.h"

#include <QList>
#include <QPolygon>
#include <QRect>
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

// Which of the panel's lines show when they are taller than the panel: the
// lines from first() down, as many as the height holds, the last one maybe
// cut. Empty lines at the end take no room, so that a text printed with a
// line end after it scrolls no further than its last words, and a text that
// fits without them does not scroll. Heights are in pixels.
class PanelScroll final
{
public:
    void clear();
    void append(int lineHeight, bool empty);
    // A taller panel may show more from a line nearer the top.
    void setViewHeight(int height);

    [[nodiscard]] int first() const { return m_first; }
    [[nodiscard]] bool scrolls() const { return heightFrom(0) > m_viewHeight; }
    [[nodiscard]] bool moreAbove() const { return m_first > 0; }
    [[nodiscard]] bool moreBelow() const { return heightFrom(m_first) > m_viewHeight; }

    // Each moves first() and says whether it moved. A page down starts at
    // the first line that did not show whole; a page up ends where the shown
    // page began. Both move one line at least.
    bool scrollBy(int lines);
    bool pageDown();
    bool pageUp();

private:
    [[nodiscard]] int heightFrom(qsizetype line) const;
    [[nodiscard]] int lastFirst() const;
    bool moveTo(int line);

    QList<int> m_heights;
    // The lines up to the last one that is not empty.
    qsizetype m_content = 0;
    int m_viewHeight = 0;
    int m_first = 0;
};

// The small triangle in the right corner of the panel's area, at its top
// pointing up or at its bottom pointing down, that says more lines lie there.
[[nodiscard]] QPolygon scrollMarker(const QRect &area, bool below);

} // namespace rcl
