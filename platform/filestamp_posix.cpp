#include "platform/filestamp.h"

#include <QFile>

#include <sys/stat.h>

namespace rcl {

std::optional<FileStamp> fileStamp(const QString &path)
{
    struct stat status{};
    if (::stat(QFile::encodeName(path).constData(), &status) != 0)
        return std::nullopt;
    const auto ns = [](const timespec &time) { return qint64(time.tv_sec) * 1'000'000'000 + time.tv_nsec; };
    return FileStamp{qint64(status.st_size), ns(status.st_mtim), ns(status.st_ctim), quint64(status.st_ino)};
}

} // namespace rcl
