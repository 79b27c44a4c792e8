#include "runenames.h"

#include "filereader.h"
#include "legacytext.h"
#include "profiledata.h"
#include "textlines.h"

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
