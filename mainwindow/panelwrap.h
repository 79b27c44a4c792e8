#pragma once

#include "gamedata/panelline.h"

#include <QList>
#include <QStringView>

#include <functional>

namespace rcl {

// A line's width in the panel, in its font.
using LineWidth = std::function<int(const PanelLine &line)>;

// The lines as the panel can show them whole: a line wider than width is
// broken after the last " + ", ", " or blank that keeps its piece within
// it, or, where the text has none (Japanese), after the last character that
// does; the rest goes on in lines indented four blanks more than the line's
// own indent. Lines that fit are left as they are.
[[nodiscard]] QList<PanelLine> wrapPanelLines(const QList<PanelLine> &lines, int width, const LineWidth &widthOf);

} // namespace rcl
