#include "platform/filestamp.h"

#include <QDateTime>
#include <QFileInfo>

namespace rcl {

// Milliseconds and no file identity: the best Qt tells everywhere.
std::optional<FileStamp> fileStamp(const QString &path)
{
    const QFileInfo info(path);
    const QDateTime modified = info.lastModified();
    if (!modified.isValid())
        return std::nullopt;
    return FileStamp{info.size(), modified.toMSecsSinceEpoch() * 1'000'000,
                     info.metadataChangeTime().toMSecsSinceEpoch() * 1'000'000,
                     quint64(info.birthTime().toMSecsSinceEpoch())};
}

} // namespace rcl
