#include "mainwindow/infopanel.h"

#include <QPainter>

namespace rcl {

InfoPanel::InfoPanel(QWidget *parent)
    : QFrame(parent)
    , m_text(parent ? parent->font().pointSizeF() : 9)
{
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setLineWidth(2);
    setAutoFillBackground(true);
    QPalette colours = palette();
    colours.setColor(QPalette::Window, colours.color(QPalette::Button));
    colours.setColor(QPalette::WindowText, colours.color(QPalette::ButtonText));
    setPalette(colours);
}

void InfoPanel::Cls()
{
    m_text.clear();
    m_cut = false;
    setToolTip(QString());
    update();
}

void InfoPanel::setFontSize(qreal pointSize)
{
    m_text.setFontSize(pointSize);
}

void InfoPanel::setBold(bool bold)
{
    m_text.setBold(bold);
}

void InfoPanel::print(const QString &text)
{
    const qsizetype first = m_text.lines().size();
    m_text.print(text);
    printed(first);
}

void InfoPanel::print(const QList<PanelLine> &lines)
{
    const qsizetype first = m_text.lines().size();
    for (const PanelLine &line : lines) {
        m_text.setFontSize(line.pointSize);
        m_text.setBold(line.bold);
        m_text.print(line.text);
    }
    printed(first);
}

// Only the new lines are measured, and the tooltip is made once per print.
void InfoPanel::printed(qsizetype firstNewLine)
{
    const QList<PanelLine> &lines = m_text.lines();
    const int width = contentsRect().width();
    for (qsizetype i = firstNewLine; i < lines.size() && !m_cut; ++i)
        m_cut = QFontMetrics(lineFont(lines[i])).horizontalAdvance(lines[i].text) > width;
    if (m_cut)
        setToolTip(m_text.texts().join(u'\n'));
    update();
}

QFont InfoPanel::lineFont(const PanelLine &line) const
{
    QFont lineFont = font();
    lineFont.setPointSizeF(line.pointSize);
    lineFont.setBold(line.bold);
    return lineFont;
}

void InfoPanel::paintEvent(QPaintEvent *event)
{
    QFrame::paintEvent(event);
    QPainter painter(this);
    const QRect area = contentsRect();
    painter.setClipRect(area);
    painter.setPen(palette().color(QPalette::WindowText));
    int top = area.top();
    for (const PanelLine &line : m_text.lines()) {
        const QFont lineFont = this->lineFont(line);
        const QFontMetrics metrics(lineFont);
        if (!line.text.isEmpty()) {
            painter.setFont(lineFont);
            painter.drawText(area.left(), top + metrics.ascent(), line.text);
        }
        top += metrics.height();
        if (top > area.bottom())
            break;
    }
}

} // namespace rcl
