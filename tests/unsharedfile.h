#pragma once

#include <QDir>
#include <QString>

#include <windows.h>

// A handle on a file that shares nothing, as another program may hold one:
// while it lives the file can be neither read, written nor replaced. Made
// empty where there is no file.
class UnsharedFile final
{
public:
    explicit UnsharedFile(const QString &path)
        : m_handle(::CreateFileW(reinterpret_cast<const wchar_t *>(QDir::toNativeSeparators(path).utf16()),
                                 GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr))
    {
    }
    ~UnsharedFile()
    {
        if (isOpen())
            ::CloseHandle(m_handle);
    }
    Q_DISABLE_COPY_MOVE(UnsharedFile)

    [[nodiscard]] bool isOpen() const { return m_handle != INVALID_HANDLE_VALUE; }

private:
    HANDLE m_handle;
};
