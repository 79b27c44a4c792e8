#include "planning/columnfit.h"

#include <QString>
#include <QStringList>

#include <algorithm>
#include <numeric>

using namespace Qt::StringLiterals;

namespace rcl {

QList<int> fitColumns(const QList<int> &wanted, int available, int least)
{
    if (std::accumulate(wanted.cbegin(), wanted.cend(), 0) <= available)
        return wanted;
    QList<int> ascending = wanted;
    std::sort(ascending.begin(), ascending.end());
    int left = available;
    int limit = 0;
    for (qsizetype i = 0; i < ascending.size(); ++i) {
        limit = left / int(ascending.size() - i);
        if (ascending[i] > limit)
            break;
        left -= ascending[i];
    }
    limit = std::max(limit, least);
    QList<int> widths;
    for (const int width : wanted)
        widths.append(std::min(width, limit));
    return widths;
}

QString columnWidthsText(const QList<int> &widths)
{
    QStringList parts;
    for (const int width : widths)
        parts.append(QString::number(width));
    return parts.join(u' ');
}

QList<int> columnWidthsOf(const QString &text, int count)
{
    const QStringList parts = text.split(u' ', Qt::SkipEmptyParts);
    if (parts.size() != count)
        return {};
    QList<int> widths;
    for (const QString &part : parts) {
        bool ok = false;
        const int width = part.toInt(&ok);
        if (!ok || width <= 0)
            return {};
        widths.append(width);
    }
    return widths;
}

} // namespace rcl
