#include "infopanel.h"

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
    m_text.print(text);
    update();
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
        QFont lineFont = font();
        lineFont.setPointSizeF(line.pointSize);
        lineFont.setBold(line.bold);
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
