#include "stockfiles.h"

#include "quantitytext.h"
#include "textlines.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStringDecoder>
#include <QStringEncoder>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace rcl {
namespace {

QString withTrailingSlash(QString path)
{
    if (!path.endsWith(u'/'))
        path.append(u'/');
    return path;
}

// Why a path cannot be used as a file: it is a link to a missing file. Empty
// for anything else.
QString danglingLink(const QString &path)
{
    const QFileInfo info(path);
    if (!info.isSymLink() || info.exists())
        return {};
    return QCoreApplication::translate("StockFiles", "It is a link to %1, which does not exist.")
        .arg(QDir::toNativeSeparators(info.symLinkTarget()));
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

QString decodeGroupName(const QByteArray &stored)
{
    // Code page 932 keeps ASCII as it is; only other names need the decoder,
    // which brings in the ICU tables.
    if (std::all_of(stored.cbegin(), stored.cend(), [](char c) { return uchar(c) < 0x80; }))
        return QString::fromLatin1(stored);
    QStringDecoder decoder("windows-31j");
    return decoder.isValid() ? decoder.decode(stored) : QString::fromLatin1(stored);
}

std::optional<QByteArray> encodeGroupName(const QString &name)
{
    if (name.contains(u'\r') || name.contains(u'\n'))
        return std::nullopt;
    QStringEncoder encoder("windows-31j");
    if (!encoder.isValid())
        return std::nullopt;
    QByteArray stored = encoder.encode(name);
    if (encoder.hasError())
        return std::nullopt;
    return stored;
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
    if (const QString dangling = danglingLink(path); !dangling.isEmpty())
        return FileResult::failure(path, dangling);
    QFile file(path);
    if (!file.exists())
        return {};
    if (!file.open(QIODevice::ReadOnly))
        return FileResult::failure(path, file.errorString());
    stock = parseSaveFile(file.read(MaxFileBytes));
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
    QFile file(path);
    if (file.exists() && !file.open(QIODevice::ReadOnly))
        return FileResult::failure(path, file.errorString());
    GroupNameLines names = file.isOpen() ? parseGroupNames(file.read(MaxFileBytes)) : GroupNameLines();
    file.close();
    names[std::size_t(group - 1)] = storedName;
    return writeWhole(path, formatGroupNames(names));
}

FileResult StockFiles::writeWhole(const QString &path, const QByteArray &content) const
{
    if (!makeSaveDirectory())
        return FileResult::failure(path, QCoreApplication::translate("StockFiles", "The folder %1 cannot be created.")
                                             .arg(QDir::toNativeSeparators(saveDirectory())));
    // A link to a missing file would have the save create a file elsewhere.
    if (const QString dangling = danglingLink(path); !dangling.isEmpty())
        return FileResult::failure(path, dangling);
    // Unbuffered, so that a write cut short (disk full, file size limit) is
    // seen here: the buffered flush at commit drops the rest of a partial
    // write without an error and would put a truncated file in place.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return FileResult::failure(path, file.errorString());
    if (file.write(content) != content.size()) {
        const QString reason = file.errorString();
        file.cancelWriting();
        return FileResult::failure(path, reason);
    }
    if (!file.commit())
        return FileResult::failure(path, file.errorString());
    return {};
}

GroupNameLines StockFiles::readGroupNameLines() const
{
    QFile file(groupNamesPath());
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return parseGroupNames(file.read(MaxFileBytes));
}

QString StockFiles::LoadGroupName(int group) const
{
    makeSaveDirectory();
    if (group < 1 || group > GroupCount)
        return {};
    return decodeGroupName(readGroupNameLines()[std::size_t(group - 1)]);
}

} // namespace rcl
