#pragma once

#include "paneltext.h"

#include <QFrame>

namespace rcl {

// The info panel: a sunken box in the button face colour into which the
// program prints lines. It keeps what was printed and draws it again whenever
// the window is repainted.
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

    [[nodiscard]] const PanelText &text() const { return m_text; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    PanelText m_text;
};

} // namespace rcl
