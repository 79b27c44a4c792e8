#include "runecontrols.h"

#include "formgeometry.h"

#include <QMouseEvent>
#include <QPainter>
#include <QPixmap>

namespace rcl {
namespace {

// Button codes as the handlers expect them: 1 left, 2 right, 4 middle. The
// codes name the one button that caused a press or a release; other buttons
// (back, forward) have none and do nothing on the grid.
int buttonCode(Qt::MouseButton button)
{
    switch (button) {
    case Qt::LeftButton:
        return 1;
    case Qt::RightButton:
        return 2;
    case Qt::MiddleButton:
        return 4;
    default:
        return 0;
    }
}

int buttonState(Qt::MouseButtons buttons)
{
    return (buttons & Qt::LeftButton ? 1 : 0) | (buttons & Qt::RightButton ? 2 : 0) | (buttons & Qt::MiddleButton ? 4 : 0);
}

// Shift state: 1 Shift, 2 Ctrl, 4 Alt.
int shiftState(Qt::KeyboardModifiers modifiers)
{
    return (modifiers & Qt::ShiftModifier ? 1 : 0) | (modifiers & Qt::ControlModifier ? 2 : 0)
        | (modifiers & Qt::AltModifier ? 4 : 0);
}

QPoint twipPosition(const QMouseEvent *event)
{
    const QPoint p = event->position().toPoint();
    return {pixelsToTwips(p.x()), pixelsToTwips(p.y())};
}

} // namespace

RuneEventArea::RuneEventArea(int index, QWidget *parent)
    : QWidget(parent)
    , m_index(index)
{
    setMouseTracking(true);
}

void RuneEventArea::mousePressEvent(QMouseEvent *event)
{
    const int button = buttonCode(event->button());
    const QPoint p = twipPosition(event);
    if (button != 0)
        Q_EMIT mouseDown(m_index, button, shiftState(event->modifiers()), p.x(), p.y());
}

void RuneEventArea::mouseReleaseEvent(QMouseEvent *event)
{
    const int button = buttonCode(event->button());
    const QPoint p = twipPosition(event);
    if (button != 0)
        Q_EMIT mouseUp(m_index, button, shiftState(event->modifiers()), p.x(), p.y());
}

// Only the left button double-clicks. Its second press is the double-click
// alone: it must not also count as a press, or one double-click would edit a
// count twice. A quick second press of another button is a press.
void RuneEventArea::mouseDoubleClickEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton)
        Q_EMIT dblClick(m_index);
    else
        mousePressEvent(event);
}

void RuneEventArea::mouseMoveEvent(QMouseEvent *event)
{
    const QPoint p = twipPosition(event);
    Q_EMIT mouseMove(m_index, buttonState(event->buttons()), shiftState(event->modifiers()), p.x(), p.y());
}

RuneLabel::RuneLabel(int index, const QString &caption, QWidget *parent)
    : QLabel(caption, parent)
    , m_index(index)
{
    setMouseTracking(true);
    setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    QPalette colours = palette();
    colours.setColor(QPalette::WindowText, Qt::white);
    setPalette(colours);
}

void RuneLabel::mousePressEvent(QMouseEvent *event)
{
    m_pressed = event->button();
    event->accept();
}

void RuneLabel::mouseReleaseEvent(QMouseEvent *event)
{
    const bool clicked = event->button() == m_pressed
        && (m_pressed == Qt::LeftButton || m_pressed == Qt::RightButton)
        && rect().contains(event->position().toPoint());
    m_pressed = Qt::NoButton;
    event->accept();
    if (clicked)
        Q_EMIT click(m_index);
}

void RuneLabel::mouseMoveEvent(QMouseEvent *event)
{
    const QPoint p = twipPosition(event);
    Q_EMIT mouseMove(m_index, buttonState(event->buttons()), shiftState(event->modifiers()), p.x(), p.y());
}

RunePicture::RunePicture(int index, QWidget *parent)
    : QLabel(parent)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setPixmap(QPixmap(QStringLiteral(":/pictures/rune%1.gif").arg(index, 2, 10, QLatin1Char('0'))));
}

OutlineShape::OutlineShape(const QColor &borderColour, QWidget *parent)
    : QWidget(parent)
    , m_colour(borderColour)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void OutlineShape::setBorderColour(const QColor &colour)
{
    m_colour = colour;
    update();
}

void OutlineShape::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setPen(QPen(m_colour, 1));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
}

} // namespace rcl
