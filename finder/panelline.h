#pragma once

#include <QString>

namespace rcl {

// One line of the info panel with the font size (points) and weight it is
// printed in.
struct PanelLine
{
    QString text;
    qreal pointSize = 9;
    bool bold = false;

    friend bool operator==(const PanelLine &, const PanelLine &) = default;
};

} // namespace rcl
