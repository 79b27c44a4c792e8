#pragma once

#include <QColor>
#include <QLabel>
#include <QStaticText>
#include <QWidget>

#include <optional>

namespace rcl {

// The controls of the rune grid. Each element knows its index in its array and
// passes it with every event, so one handler serves all 33. Positions in event
// arguments are in twips.

// What the grid's control arrays report, each control with its index: the
// window takes the events of all 66 controls, at no cost per control.
class RuneGridEvents
{
public:
    virtual void runeMouseDown(int index, int button, int shift, int x, int y) = 0;
    virtual void runeMouseUp(int index, int button, int shift, int x, int y) = 0;
    virtual void runeMouseMove(int index, int button, int shift, int x, int y) = 0;
    virtual void runeDblClick(int index) = 0;
    // A press and a release of the left or the right button over the label.
    virtual void labelClick(int index) = 0;
    virtual void labelMouseMove(int index, int button, int shift, int x, int y) = 0;

protected:
    RuneGridEvents() = default;
    ~RuneGridEvents() = default;
    Q_DISABLE_COPY_MOVE(RuneGridEvents)
};

// runeimg2: the invisible area over a rune's picture and most of its label
// that receives the mouse.
class RuneEventArea final : public QWidget
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(RuneEventArea)

public:
    RuneEventArea(int index, RuneGridEvents &events, QWidget *parent);
    [[nodiscard]] int index() const { return m_index; }

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;

private:
    int m_index;
    RuneGridEvents &m_events;
};

// Label1: a rune's name under its picture. Only the strips that no event area
// covers reach it.
class RuneLabel final : public QLabel
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(RuneLabel)

public:
    RuneLabel(int index, const QString &caption, RuneGridEvents &events, QWidget *parent);
    [[nodiscard]] int index() const { return m_index; }

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;

private:
    int m_index;
    RuneGridEvents &m_events;
    Qt::MouseButton m_pressed = Qt::NoButton;
};

// runeimg1: a rune's picture; it takes no events. It can show a count in
// the bottom right corner of the picture, white on black (grey for 0) so that
// it reads on every picture.
class RunePicture final : public QLabel
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(RunePicture)

public:
    RunePicture(int index, QWidget *parent);

    // None hides the count. Repaints only when the text shown changes.
    void showCount(std::optional<qint32> count);
    // The count as shown; empty when none is.
    [[nodiscard]] QString countText() const { return m_countText.text(); }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QStaticText m_countText;
    QRect m_countBox;
    bool m_zero = false;
};

// Grid1: the one keyboard stop of the rune grid. It stands over the
// selection frame and marks the focus inside it, but only once the keyboard
// is in use (Tab, or a key), so that a click on a rune changes no pixel. The
// mouse passes through it to the runes, whose clicks give it the focus.
class RuneGridFocus final : public QWidget
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(RuneGridFocus)

public:
    explicit RuneGridFocus(QWidget *parent);
    [[nodiscard]] bool focusShown() const { return m_focusShown && hasFocus(); }

Q_SIGNALS:
    // A key that the grid takes (gridkeys.h); shift as for the mouse events.
    void keyDown(int keyCode, int shift);

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    bool m_focusShown = false;
};

// Shape1 and Shape2: a one-pixel rectangle outline over the grid, transparent
// inside and to the mouse.
class OutlineShape final : public QWidget
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(OutlineShape)

public:
    OutlineShape(const QColor &borderColour, QWidget *parent);

    void setBorderColour(const QColor &colour);
    [[nodiscard]] QColor borderColour() const { return m_colour; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QColor m_colour;
};

} // namespace rcl
