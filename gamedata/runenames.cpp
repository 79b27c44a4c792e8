#include "gamedata/runenames.h"

#include "stock/filereader.h"
#include "profile/legacytext.h"
#include "profile/profiledata.h"
#include "stock/textlines.h"

namespace rcl {

QStringList parseRuneNames(QByteArray content)
{
    const TextEncoding encoding = takeEncoding(content);
    QStringList names;
    for (const QByteArrayView line : splitLines(content)) {
        if (names.size() == MaxNames)
            break;
        if (!trimmedProfileBlanks(line).isEmpty())
            names.append(decodeText(line, encoding));
    }
    return names;
}

QStringList ReadRuneNames(const QString &path)
{
    return parseRuneNames(readFile(path, MaxNamesFileBytes).bytes);
}

} // namespace rcl
