#pragma once

#include "mainwindow/paneltext.h"

#include <QFrame>

namespace rcl {

// The info panel: a sunken box in the button face colour into which the
// program prints lines. It keeps what was printed and draws it again whenever
// the window is repainted. When a line is wider than the panel, its tooltip
// holds the whole text.
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

    [[nodiscard]] const PanelText &text() const { return m_text; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    [[nodiscard]] QFont lineFont(const PanelLine &line) const;
    void printed(qsizetype firstNewLine);

    PanelText m_text;
    bool m_cut = false;
};

} // namespace rcl
