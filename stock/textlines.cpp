#include "stock/textlines.h"

namespace rcl {
namespace {

template<typename View>
QList<View> splitLinesOf(View content)
{
    QList<View> lines;
    qsizetype start = 0;
    const qsizetype size = content.size();
    for (qsizetype i = 0; i < size; ++i) {
        const auto c = content[i];
        if (c != '\r' && c != '\n')
            continue;
        lines.append(content.sliced(start, i - start));
        if (c == '\r' && i + 1 < size && content[i + 1] == '\n')
            ++i;
        start = i + 1;
    }
    if (start < size)
        lines.append(content.sliced(start));
    return lines;
}

} // namespace

QList<QByteArrayView> splitLines(QByteArrayView content)
{
    return splitLinesOf(content);
}

QList<QStringView> splitLines(QStringView content)
{
    return splitLinesOf(content);
}

} // namespace rcl
