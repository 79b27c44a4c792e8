#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

namespace rcl {

// Something in rune.dat or runename.dat that makes a rune word vanish or show
// wrong: the file, the line (1-based, 0 for the file as a whole) and what the
// user should know, in a sentence.
struct DataProblem
{
    QString file;
    int line = 0;
    QString text;
};

// The problems of the two files' contents, by file and then by line. Only
// reads; the rules are those of the lookup and the finder.
[[nodiscard]] QList<DataProblem> checkRuneData(const QByteArray &runeData, const QByteArray &runeNames);
// The same for the files themselves; one that is missing or cannot be read
// is a problem of its own.
[[nodiscard]] QList<DataProblem> checkRuneDataFiles(const QString &runeDataPath, const QString &runeNamesPath);

} // namespace rcl
