#include "platform/foldersync.h"

#include <QDir>

#include <windows.h>

namespace rcl {

// The replacing rename that a save ends with is logged by NTFS but written
// out lazily; flushing the folder's handle writes it now. A folder can only
// be flushed when opened for writing, which a folder that just took a save
// allows.
bool syncFolder(const QString &path)
{
    const QString native = QDir::toNativeSeparators(path);
    const HANDLE folder = ::CreateFileW(reinterpret_cast<const wchar_t *>(native.utf16()), GENERIC_WRITE,
                                        FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, OPEN_EXISTING,
                                        FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    if (folder == INVALID_HANDLE_VALUE)
        return false;
    const bool synced = ::FlushFileBuffers(folder) != 0;
    ::CloseHandle(folder);
    return synced;
}

} // namespace rcl
