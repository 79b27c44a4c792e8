#pragma once

#include "mainwindow/paneltext.h"

#include <QFrame>

namespace rcl {

// The info panel: a sunken box in the button face colour into which the
// program prints lines. It keeps what was printed and draws it again whenever
// the window is repainted. Lines taller than the panel scroll by the wheel,
// and by Page Up, Page Down, the arrows, Home and End while it has the focus;
// a small triangle at its right edge says that more lies above or below. A
// new print after Cls() starts at the top. When a line is wider than the
// panel, or the lines taller, its tooltip holds the whole text before the
// hint.
class InfoPanel final : public QFrame
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(InfoPanel)

public:
    explicit InfoPanel(QWidget *parent = nullptr);

    void Cls();
    void setFontSize(qreal pointSize);
    void setBold(bool bold);
    void print(const QString &text = {});
    // Prints each line in its own size and weight, as print() one by one.
    void print(const QList<PanelLine> &lines);
    // What the tooltip says after the text, or alone.
    void setHint(const QString &hint);

    [[nodiscard]] const PanelText &text() const { return m_text; }
    [[nodiscard]] const PanelScroll &scroll() const { return m_scroll; }

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void wheelEvent(QWheelEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    [[nodiscard]] QFont lineFont(const PanelLine &line) const;
    void printed(qsizetype firstNewLine);
    void fitToHeight();
    void showScrolled(bool moved);

    PanelText m_text;
    PanelScroll m_scroll;
    QString m_hint;
    bool m_cut = false;
    // The part of a wheel's turn too small to move a line yet.
    int m_wheelRest = 0;
};

} // namespace rcl
