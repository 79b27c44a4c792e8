#include "mainwindow/infopanel.h"

#include "prompts/plaintext.h"

#include <QApplication>
#include <QKeyEvent>
#include <QPainter>
#include <QWheelEvent>

#include <limits>

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
    m_scroll.clear();
    m_cut = false;
    m_wheelRest = 0;
    fitToHeight();
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

void InfoPanel::setHint(const QString &hint)
{
    m_hint = hint;
    fitToHeight();
}

// Only the new lines are measured, and the tooltip is made once per print.
void InfoPanel::printed(qsizetype firstNewLine)
{
    const QList<PanelLine> &lines = m_text.lines();
    const int width = contentsRect().width();
    for (qsizetype i = firstNewLine; i < lines.size(); ++i) {
        const QFontMetrics metrics(lineFont(lines[i]));
        m_scroll.append(metrics.height(), lines[i].text.isEmpty());
        m_cut = m_cut || metrics.horizontalAdvance(lines[i].text) > width;
    }
    fitToHeight();
    update();
}

// The panel's height changes with the band; what scrolls, and so the
// tooltip, follows it.
void InfoPanel::fitToHeight()
{
    m_scroll.setViewHeight(contentsRect().height());
    QStringList tip;
    if (m_cut || m_scroll.scrolls())
        tip.append(m_text.texts().join(u'\n'));
    if (m_scroll.scrolls())
        tip.append(tr("The mouse wheel, or Page Up and Page Down, show the lines that do not fit."));
    if (!m_hint.isEmpty())
        tip.append(m_hint);
    const QString joined = plainToolTip(tip.join(QStringLiteral("\n\n")));
    if (joined != toolTip())
        setToolTip(joined);
}

void InfoPanel::resizeEvent(QResizeEvent *event)
{
    QFrame::resizeEvent(event);
    fitToHeight();
}

void InfoPanel::showScrolled(bool moved)
{
    if (moved)
        update();
}

// A panel whose lines fit leaves the wheel and the keys to the window, as
// it always did.
void InfoPanel::wheelEvent(QWheelEvent *event)
{
    if (!m_scroll.scrolls()) {
        QFrame::wheelEvent(event);
        return;
    }
    constexpr int Notch = 120;
    m_wheelRest += event->angleDelta().y();
    const int notches = m_wheelRest / Notch;
    m_wheelRest -= notches * Notch;
    showScrolled(m_scroll.scrollBy(-notches * QApplication::wheelScrollLines()));
    event->accept();
}

void InfoPanel::keyPressEvent(QKeyEvent *event)
{
    if (!m_scroll.scrolls() || event->modifiers() != Qt::NoModifier) {
        QFrame::keyPressEvent(event);
        return;
    }
    constexpr int AllLines = std::numeric_limits<int>::max() / 2;
    switch (event->key()) {
    case Qt::Key_PageDown:
        showScrolled(m_scroll.pageDown());
        break;
    case Qt::Key_PageUp:
        showScrolled(m_scroll.pageUp());
        break;
    case Qt::Key_Down:
        showScrolled(m_scroll.scrollBy(1));
        break;
    case Qt::Key_Up:
        showScrolled(m_scroll.scrollBy(-1));
        break;
    case Qt::Key_Home:
        showScrolled(m_scroll.scrollBy(-AllLines));
        break;
    case Qt::Key_End:
        showScrolled(m_scroll.scrollBy(AllLines));
        break;
    default:
        QFrame::keyPressEvent(event);
        return;
    }
    event->accept();
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
    const QList<PanelLine> &lines = m_text.lines();
    for (qsizetype i = m_scroll.first(); i < lines.size(); ++i) {
        const PanelLine &line = lines[i];
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
    // Each marker on a patch of the panel's colour, so that it reads over a
    // line that runs to the edge.
    for (const bool below : {false, true}) {
        if (below ? !m_scroll.moreBelow() : !m_scroll.moreAbove())
            continue;
        const QPolygon marker = scrollMarker(area, below);
        painter.fillRect(marker.boundingRect().adjusted(-2, -2, 2, 2), palette().color(QPalette::Window));
        painter.setBrush(palette().color(QPalette::WindowText));
        painter.setPen(Qt::NoPen);
        painter.drawPolygon(marker);
        painter.setPen(palette().color(QPalette::WindowText));
    }
}

} // namespace rcl
