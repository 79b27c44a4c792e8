#include "mainwindow/runecontrols.h"

#include "mainwindow/formgeometry.h"
#include "mainwindow/gridkeys.h"
#include "stock/quantitytext.h"

#include <QFocusEvent>
#include <QKeyEvent>
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

RuneEventArea::RuneEventArea(int index, RuneGridEvents &events, QWidget *parent)
    : QWidget(parent)
    , m_index(index)
    , m_events(events)
{
    setMouseTracking(true);
    // The right button counts on a rune; it opens no menu there.
    setContextMenuPolicy(Qt::PreventContextMenu);
}

void RuneEventArea::mousePressEvent(QMouseEvent *event)
{
    const int button = buttonCode(event->button());
    const QPoint p = twipPosition(event);
    if (button != 0)
        m_events.runeMouseDown(m_index, button, shiftState(event->modifiers()), p.x(), p.y());
}

void RuneEventArea::mouseReleaseEvent(QMouseEvent *event)
{
    const int button = buttonCode(event->button());
    const QPoint p = twipPosition(event);
    if (button != 0)
        m_events.runeMouseUp(m_index, button, shiftState(event->modifiers()), p.x(), p.y());
}

// Only the left button double-clicks. Its second press is the double-click
// alone: it must not also count as a press, or one double-click would edit a
// count twice. A quick second press of another button is a press.
void RuneEventArea::mouseDoubleClickEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton)
        m_events.runeDblClick(m_index);
    else
        mousePressEvent(event);
}

void RuneEventArea::mouseMoveEvent(QMouseEvent *event)
{
    const QPoint p = twipPosition(event);
    m_events.runeMouseMove(m_index, buttonState(event->buttons()), shiftState(event->modifiers()), p.x(), p.y());
}

RuneLabel::RuneLabel(int index, const QString &caption, RuneGridEvents &events, QWidget *parent)
    : QLabel(caption, parent)
    , m_index(index)
    , m_events(events)
{
    setMouseTracking(true);
    setContextMenuPolicy(Qt::PreventContextMenu);
    setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    // A rune's name comes from rune.dat.
    setTextFormat(Qt::PlainText);
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
        m_events.labelClick(m_index);
}

void RuneLabel::mouseMoveEvent(QMouseEvent *event)
{
    const QPoint p = twipPosition(event);
    m_events.labelMouseMove(m_index, buttonState(event->buttons()), shiftState(event->modifiers()), p.x(), p.y());
}

RunePicture::RunePicture(int index, QWidget *parent)
    : QLabel(parent)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setPixmap(QPixmap(QStringLiteral(":/pictures/rune%1.gif").arg(index, 2, 10, QLatin1Char('0'))));
    QFont countFont = font();
    countFont.setPixelSize(9);
    countFont.setBold(true);
    setFont(countFont);
    m_countText.setTextFormat(Qt::PlainText);
    m_countText.setPerformanceHint(QStaticText::AggressiveCaching);
}

// The box and the text are laid out here, so that a repaint (the frames move
// over the pictures at every pointer movement) only fills and draws.
void RunePicture::showCount(std::optional<qint32> count)
{
    const QString text = count ? countBadgeText(*count) : QString();
    if (text == m_countText.text())
        return;
    m_countText.setText(text);
    m_zero = count == 0;
    if (!text.isEmpty()) {
        m_countText.prepare({}, font());
        const QSize size = m_countText.size().toSize() + QSize(2, 0);
        const QSize picture = pixmap().size();
        m_countBox = QRect(QPoint(picture.width() - size.width(), picture.height() - size.height()), size);
    }
    update();
}

void RunePicture::paintEvent(QPaintEvent *event)
{
    QLabel::paintEvent(event);
    if (m_countText.text().isEmpty())
        return;
    QPainter painter(this);
    painter.fillRect(m_countBox, Qt::black);
    painter.setFont(font());
    painter.setPen(m_zero ? QColor(160, 160, 160) : QColor(Qt::white));
    painter.drawStaticText(m_countBox.topLeft() + QPoint(1, 0), m_countText);
}

RuneGridFocus::RuneGridFocus(QWidget *parent)
    : QWidget(parent)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::StrongFocus);
}

void RuneGridFocus::keyPressEvent(QKeyEvent *event)
{
    if (!gridKey(event->key(), event->modifiers())) {
        QWidget::keyPressEvent(event);
        return;
    }
    if (!m_focusShown) {
        m_focusShown = true;
        update();
    }
    Q_EMIT keyDown(event->key(), shiftState(event->modifiers()));
}

// Focus that comes by a click stays unmarked until a key is pressed; focus
// that comes back from a box or another window keeps its mark as it was.
void RuneGridFocus::focusInEvent(QFocusEvent *event)
{
    if (event->reason() == Qt::TabFocusReason || event->reason() == Qt::BacktabFocusReason
        || event->reason() == Qt::ShortcutFocusReason)
        m_focusShown = true;
    else if (event->reason() == Qt::MouseFocusReason)
        m_focusShown = false;
    update();
}

void RuneGridFocus::focusOutEvent(QFocusEvent *)
{
    update();
}

void RuneGridFocus::paintEvent(QPaintEvent *)
{
    if (!focusShown())
        return;
    // Inside the selection frame, in the black margin around the picture.
    QPainter painter(this);
    painter.setPen(QPen(Qt::white, 1, Qt::DotLine));
    painter.drawRect(rect().adjusted(3, 3, -4, -4));
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
