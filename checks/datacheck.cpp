#include "checks/datacheck.h"

#include "checks/checker.h"
#include "gamedata/runedatafile.h"
#include "gamedata/runenames.h"
#include "stock/filereader.h"

using namespace Qt::StringLiterals;

namespace rcl {

using namespace datacheck;

QList<DataProblem> checkRuneData(const QByteArray &runeData, const QByteArray &runeNames)
{
    Checker checker;
    QByteArray data = runeData;
    const TextEncoding dataEncoding = takeEncoding(data);
    const QList<QByteArrayView> dataLines = splitLines(data);
    checker.checkBytes(DataFile, data, dataLines, dataEncoding);
    const RuneData parsed = RuneData::parse(runeData);
    checker.readSections(dataLines, dataEncoding, parsed.profile());

    QByteArray names = runeNames;
    const TextEncoding namesEncoding = takeEncoding(names);
    const QList<QByteArrayView> nameLines = splitLines(names);
    checker.checkBytes(NamesFile, names, nameLines, namesEncoding);
    checker.checkSections(checker.readNames(nameLines, namesEncoding), parsed);
    return checker.sorted();
}

QList<DataProblem> checkRuneDataFiles(const QString &runeDataPath, const QString &runeNamesPath)
{
    const FileContent data = readFile(runeDataPath, RuneDataFile::MaxFileBytes);
    const FileContent names = readFile(runeNamesPath, MaxNamesFileBytes);
    QList<DataProblem> problems;
    for (const auto &[file, content] : {std::pair{DataFile, &data}, std::pair{NamesFile, &names}}) {
        if (content->state == FileContent::State::Missing) {
            problems.append({file, 0, file == DataFile ? u"rune.dat is missing, so no rune word can be made."_s
                                                        : u"runename.dat is missing, so every list is empty."_s});
        } else if (content->failed()) {
            problems.append({file, 0, u"%1 cannot be read: %2"_s.arg(file, content->reason)});
        }
    }
    if (!problems.isEmpty())
        return problems;
    return checkRuneData(data.bytes, names.bytes);
}

} // namespace rcl
