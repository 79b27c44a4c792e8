#include "stock/filereader.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace rcl {

QString danglingLink(const QString &path)
{
    const QFileInfo info(path);
    if (!info.isSymLink() || info.exists())
        return {};
    return QCoreApplication::translate("StockFiles", "It is a link to %1, which does not exist.")
        .arg(QDir::toNativeSeparators(info.symLinkTarget()));
}

FileContent readFile(const QString &path, qint64 maxBytes)
{
    if (QString dangling = danglingLink(path); !dangling.isEmpty())
        return {FileContent::State::Failed, {}, std::move(dangling)};
    QFile file(path);
    if (!file.exists())
        return {};
    // Read in one piece: a buffer in between would only be copied through.
    if (!file.open(QIODevice::ReadOnly | QIODevice::Unbuffered))
        return {FileContent::State::Failed, {}, file.errorString()};
    // A read of maxBytes would first take that much memory, whatever the
    // file's size: a file that says its size is read in one piece of it.
    const qint64 size = file.isSequential() ? 0 : file.size();
    QByteArray bytes = file.read(size > 0 && size < maxBytes ? size : maxBytes);
    if (file.error() != QFileDevice::NoError)
        return {FileContent::State::Failed, {}, file.errorString()};
    return {FileContent::State::Read, std::move(bytes), {}};
}

} // namespace rcl
