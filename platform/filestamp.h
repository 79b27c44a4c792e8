#pragma once

#include <QString>

#include <optional>

namespace rcl {

// What tells one version of a file from another without reading it: its size,
// its times to the finest step the file system keeps, and which file it is,
// so that a file put in the place of another is a new version even with the
// same size and times.
struct FileStamp
{
    qint64 size = 0;
    qint64 modifiedNs = 0;
    qint64 changedNs = 0;
    quint64 identity = 0;

    friend bool operator==(const FileStamp &, const FileStamp &) = default;
};

// None when there is no such file or it cannot be asked about. Asks the file
// system afresh at every call: no cache stands between.
[[nodiscard]] std::optional<FileStamp> fileStamp(const QString &path);

} // namespace rcl
