#include "planner/placement.h"

#include <algorithm>

namespace rcl {

QRect placeBeside(const QRect &mainFrame, QSize size, const QRect &available)
{
    size = size.boundedTo(available.size());
    int left = mainFrame.right() + 1;
    if (left + size.width() > available.right() + 1) {
        const int onTheLeft = mainFrame.left() - size.width();
        left = onTheLeft >= available.left() ? onTheLeft : available.right() + 1 - size.width();
    }
    const int top = std::clamp(mainFrame.top(), available.top(), available.bottom() + 1 - size.height());
    return {QPoint(left, top), size};
}

} // namespace rcl
