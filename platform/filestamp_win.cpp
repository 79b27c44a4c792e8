#include "platform/filestamp.h"

#include <QDir>

#include <windows.h>

namespace rcl {

std::optional<FileStamp> fileStamp(const QString &path)
{
    // Opened for its attributes only and sharing everything, so that it never
    // stands in the way of an editor saving the file.
    const QString native = QDir::toNativeSeparators(path);
    const HANDLE file = ::CreateFileW(reinterpret_cast<const wchar_t *>(native.utf16()), FILE_READ_ATTRIBUTES,
                                      FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, OPEN_EXISTING,
                                      FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return std::nullopt;
    BY_HANDLE_FILE_INFORMATION info{};
    FILE_BASIC_INFO times{};
    const bool known = ::GetFileInformationByHandle(file, &info)
                       && ::GetFileInformationByHandleEx(file, FileBasicInfo, &times, sizeof times);
    ::CloseHandle(file);
    if (!known)
        return std::nullopt;
    // File times count 100 ns steps.
    const auto ns = [](const LARGE_INTEGER &time) { return qint64(time.QuadPart) * 100; };
    const quint64 size = (quint64(info.nFileSizeHigh) << 32) | info.nFileSizeLow;
    const quint64 index = (quint64(info.nFileIndexHigh) << 32) | info.nFileIndexLow;
    return FileStamp{qint64(size), ns(times.LastWriteTime), ns(times.ChangeTime),
                     index ^ (quint64(info.dwVolumeSerialNumber) << 32)};
}

} // namespace rcl
