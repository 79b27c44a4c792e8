#include "stock/stockfiles.h"
#include "testfiles.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <vector>

#include <windows.h>

using namespace rcl;

namespace {

std::vector<HWND> topLevelWindows(qint64 processId)
{
    struct Search
    {
        DWORD processId;
        std::vector<HWND> found;
    } search{DWORD(processId), {}};
    ::EnumWindows(
        [](HWND window, LPARAM data) -> BOOL {
            auto &search = *reinterpret_cast<Search *>(data);
            DWORD owner = 0;
            ::GetWindowThreadProcessId(window, &owner);
            if (owner == search.processId)
                search.found.push_back(window);
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.found;
}

// Once the main window shows, the program's thread answers messages.
bool mainWindowShows(qint64 processId)
{
    for (const HWND window : topLevelWindows(processId)) {
        wchar_t title[64] = {};
        ::GetWindowTextW(window, title, 64);
        if (::IsWindowVisible(window) && QString::fromWCharArray(title).startsWith(u"Rune Check List"))
            return true;
    }
    return false;
}

} // namespace

// A logoff or shutdown asks every window whether the session may end and then
// tells it that it ends, after which the system ends the process: the program
// saves the current group on the way, as a quit signal makes it do on POSIX
// systems. Needs the Windows platform and so a screen.
TEST(ProcessEnd, sessionEndSavesTheGroup)
{
    QTemporaryDir dir;
    const QString program = dir.filePath(QStringLiteral("runechecklist.exe"));
    ASSERT_TRUE(QFile::copy(QStringLiteral(RCL_PROGRAM_PATH), program));
    const QString saveFile = dir.filePath(QStringLiteral("save/rune1.sav"));
    writeAll(saveFile, "7\r\n");

    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("windows"));
    process.setProcessEnvironment(environment);
    process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    process.start(program, {});
    ASSERT_TRUE(process.waitForStarted());
    ASSERT_TRUE(QTest::qWaitFor([&] { return mainWindowShows(process.processId()); }, 120000));

    for (const HWND window : topLevelWindows(process.processId())) {
        DWORD_PTR mayEnd = 0;
        EXPECT_NE(::SendMessageTimeoutW(window, WM_QUERYENDSESSION, 0, ENDSESSION_LOGOFF, SMTO_NORMAL, 60000, &mayEnd), 0);
    }
    for (const HWND window : topLevelWindows(process.processId()))
        ::SendMessageTimeoutW(window, WM_ENDSESSION, TRUE, ENDSESSION_LOGOFF, SMTO_NORMAL, 60000, nullptr);
    if (!process.waitForFinished(60000)) {
        process.kill();
        process.waitForFinished();
    }

    EXPECT_EQ(readAll(saveFile), formatSaveFile(stockOf({{0, 7}})));
}
