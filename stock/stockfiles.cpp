#include "stock/stockfiles.h"

#include "stock/filereader.h"
#include "stock/filewriter.h"
#include "stock/quantitytext.h"
#include "stock/shiftjis.h"
#include "stock/textlines.h"

#include <QCoreApplication>
#include <QDir>

using namespace Qt::StringLiterals;

namespace rcl {
namespace {

QString withTrailingSlash(QString path)
{
    if (!path.endsWith(u'/'))
        path.append(u'/');
    return path;
}

} // namespace

QString AppDirectory()
{
    return withTrailingSlash(QCoreApplication::applicationDirPath());
}

QByteArray formatSaveFile(const RuneStock &stock)
{
    QByteArray content;
    for (int index = 0; index < RuneCatalogue::Count; ++index)
        content += formatQuantity(stock.at(index)) + "\r\n";
    return content;
}

RuneStock parseSaveFile(const QByteArray &content)
{
    RuneStock stock;
    const QList<QByteArrayView> lines = splitLines(content);
    for (int index = 0; index < RuneCatalogue::Count && index < lines.size(); ++index) {
        if (const auto quantity = parseQuantity(lines[index]))
            stock.set(index, *quantity);
    }
    return stock;
}

GroupNameLines parseGroupNames(const QByteArray &content)
{
    GroupNameLines names;
    const QList<QByteArrayView> lines = splitLines(content);
    for (int k = 0; k < GroupCount && k < lines.size(); ++k)
        names[std::size_t(k)] = lines[k].toByteArray();
    return names;
}

std::optional<QByteArray> encodeGroupName(const QString &name)
{
    if (name.contains(u'\r') || name.contains(u'\n'))
        return std::nullopt;
    return shiftjis::encode(name);
}

QByteArray formatGroupNames(const GroupNameLines &names)
{
    QByteArray content;
    for (const QByteArray &name : names)
        content += name + "\r\n";
    return content;
}

StockFiles::StockFiles(QString appDirectory)
    : m_appDirectory(withTrailingSlash(std::move(appDirectory)))
{
}

QString StockFiles::saveDirectory() const
{
    return m_appDirectory + u"save"_s;
}

QString StockFiles::saveFilePath(int group) const
{
    return saveDirectory() + u"/rune"_s + QString::number(group) + u".sav"_s;
}

QString StockFiles::groupNamesPath() const
{
    return saveDirectory() + u"/group.dat"_s;
}

bool StockFiles::makeSaveDirectory() const
{
    return QDir().mkpath(saveDirectory());
}

FileResult StockFiles::LoadRuneStock(RuneStock &stock, int group) const
{
    stock.clear();
    const QString path = saveFilePath(group);
    const FileContent file = readFile(path, MaxFileBytes);
    if (file.failed())
        return FileResult::failure(path, file.reason);
    stock = parseSaveFile(file.bytes);
    return {};
}

FileResult StockFiles::SaveRuneStock(const RuneStock &stock, int group) const
{
    return writeWhole(saveFilePath(group), formatSaveFile(stock));
}

FileResult StockFiles::renameGroup(int group, const QByteArray &storedName) const
{
    const QString path = groupNamesPath();
    if (group < 1 || group > GroupCount)
        return FileResult::failure(path, QStringLiteral("No group %1.").arg(group));
    // Names that are there but cannot be read must not be replaced by empty
    // ones.
    const FileContent file = readFile(path, MaxFileBytes);
    if (file.failed())
        return FileResult::failure(path, file.reason);
    GroupNameLines names = parseGroupNames(file.bytes);
    names[std::size_t(group - 1)] = storedName;
    return writeWhole(path, formatGroupNames(names));
}

FileResult StockFiles::writeWhole(const QString &path, const QByteArray &content) const
{
    if (!makeSaveDirectory())
        return FileResult::failure(path, QCoreApplication::translate("StockFiles", "The folder %1 cannot be created.")
                                             .arg(QDir::toNativeSeparators(saveDirectory())));
    return writeWholeFile(path, content);
}

GroupNameLines StockFiles::readGroupNameLines() const
{
    return parseGroupNames(readFile(groupNamesPath(), MaxFileBytes).bytes);
}

QString StockFiles::LoadGroupName(int group) const
{
    makeSaveDirectory();
    if (group < 1 || group > GroupCount)
        return {};
    // A copy of the line, not a view into the array: MinGW's GCC 12 warns of an
    // uninitialized read through the view.
    const QByteArray line = readGroupNameLines()[std::size_t(group - 1)];
    return shiftjis::decode(line);
}

} // namespace rcl
