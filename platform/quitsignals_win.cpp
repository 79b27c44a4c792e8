#include "platform/quitsignals.h"

#include <QMetaObject>
#include <QSocketNotifier>

#include <atomic>

#include <windows.h>

namespace rcl {
namespace {

std::atomic<QuitSignals *> receiver{nullptr};

// Runs on a thread that the system starts for the event. After a closed
// console, a logoff or a shutdown the system ends the process as soon as this
// returns, so it waits until the window's thread has handled the quit, which
// saves and ends the program.
BOOL WINAPI onConsoleEvent(DWORD event)
{
    QuitSignals *quitSignals = receiver.load();
    if (!quitSignals)
        return FALSE;
    QMetaObject::invokeMethod(
        quitSignals, [quitSignals, event] { Q_EMIT quitSignals->quitRequested(int(event)); },
        Qt::BlockingQueuedConnection);
    return TRUE;
}

} // namespace

QuitSignals::QuitSignals(QObject *parent)
    : QObject(parent)
{
    receiver.store(this);
    ::SetConsoleCtrlHandler(onConsoleEvent, TRUE);
}

QuitSignals::~QuitSignals()
{
    ::SetConsoleCtrlHandler(onConsoleEvent, FALSE);
    receiver.store(nullptr);
}

void QuitSignals::readSignal() {}

} // namespace rcl
