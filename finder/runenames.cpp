#include "runenames.h"

#include "legacytext.h"
#include "textlines.h"

#include <QFile>

#include <algorithm>

namespace rcl {

QStringList parseRuneNames(QByteArray content)
{
    const TextEncoding encoding = takeEncoding(content);
    QStringList names;
    for (const QByteArrayView line : splitLines(content)) {
        if (names.size() == MaxNames)
            break;
        const bool blank = std::all_of(line.cbegin(), line.cend(), [](char c) { return c == ' ' || c == '\t'; });
        if (!blank)
            names.append(decodeText(line.toByteArray(), encoding));
    }
    return names;
}

QStringList ReadRuneNames(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return parseRuneNames(file.read(MaxNamesFileBytes));
}

} // namespace rcl
