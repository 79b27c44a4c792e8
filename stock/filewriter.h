#pragma once

#include "stock/stockfiles.h"

#include <QByteArray>
#include <QString>

namespace rcl {

// Writes a file whole or not at all: the old file stays until the new one is
// complete on disk, and the folder is synced after, so that a power cut
// leaves one or the other. A link to a missing file is refused, as the write
// would create a file elsewhere. Where the folder takes no new file but the
// file itself may be written (a folder of another user), the file is
// rewritten in place instead. Every file the program writes goes through
// here, but the settings file: QSettings writes that one whole, and its
// folder is then synced through syncFolderOf.
[[nodiscard]] FileResult writeWholeFile(const QString &path, const QByteArray &content);

// Syncs the folder that holds path, as a whole-file write does at its end.
bool syncFolderOf(const QString &path);

// What syncs the folder after a write: the platform's syncFolder, unless a
// test puts in another to see that it is called. Returns the one replaced.
using FolderSync = bool (*)(const QString &folder);
FolderSync replaceFolderSync(FolderSync sync);

} // namespace rcl
