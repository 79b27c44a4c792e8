#include "stock/filewriter.h"

#include "stock/filereader.h"
#include "platform/foldersync.h"

#include <QFileInfo>
#include <QSaveFile>

#include <utility>

namespace rcl {
namespace {

FolderSync folderSync = &syncFolder;

} // namespace

FolderSync replaceFolderSync(FolderSync sync)
{
    return std::exchange(folderSync, sync);
}

FileResult writeWholeFile(const QString &path, const QByteArray &content)
{
    if (const QString dangling = danglingLink(path); !dangling.isEmpty())
        return FileResult::failure(path, dangling);
    // Unbuffered, so that a write cut short (disk full, file size limit) is
    // seen here: the buffered flush at commit drops the rest of a partial
    // write without an error and would put a truncated file in place.
    QSaveFile file(path);
    file.setDirectWriteFallback(true);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return FileResult::failure(path, file.errorString());
    if (file.write(content) != content.size()) {
        const QString reason = file.errorString();
        file.cancelWriting();
        return FileResult::failure(path, reason);
    }
    if (!file.commit())
        return FileResult::failure(path, file.errorString());
    // The rename is on disk only once the folder is.
    (void)syncFolderOf(path);
    return {};
}

bool syncFolderOf(const QString &path)
{
    return folderSync(QFileInfo(path).absolutePath());
}

} // namespace rcl
