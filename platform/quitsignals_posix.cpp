#include "platform/quitsignals.h"

#include <QSocketNotifier>

#include <array>
#include <cerrno>
#include <csignal>

#include <fcntl.h>
#include <sys/socket.h>
#include <unistd.h>

namespace rcl {
namespace {

constexpr std::array QuitSignalNumbers{SIGTERM, SIGINT, SIGHUP};
int signalSockets[2] = {-1, -1};
// The signals this program handles; one it was started with ignored (SIGHUP
// under nohup) stays ignored.
std::array<bool, QuitSignalNumbers.size()> handled{};

extern "C" void onQuitSignal(int signalNumber)
{
    // Only the write is safe here. The socket does not block: when it is
    // full, a quit is already on its way. errno belongs to the code that
    // was interrupted.
    const int savedErrno = errno;
    const char byte = char(signalNumber);
    [[maybe_unused]] const ssize_t written = ::write(signalSockets[0], &byte, 1);
    errno = savedErrno;
}

} // namespace

QuitSignals::QuitSignals(QObject *parent)
    : QObject(parent)
{
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, signalSockets) != 0)
        return;
    ::fcntl(signalSockets[0], F_SETFL, ::fcntl(signalSockets[0], F_GETFL) | O_NONBLOCK);
    m_notifier = std::make_unique<QSocketNotifier>(signalSockets[1], QSocketNotifier::Read);
    connect(m_notifier.get(), &QSocketNotifier::activated, this, &QuitSignals::readSignal);
    struct sigaction action{};
    action.sa_handler = onQuitSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (std::size_t i = 0; i < QuitSignalNumbers.size(); ++i) {
        struct sigaction inherited{};
        ::sigaction(QuitSignalNumbers[i], nullptr, &inherited);
        handled[i] = inherited.sa_handler != SIG_IGN;
        if (handled[i])
            ::sigaction(QuitSignalNumbers[i], &action, nullptr);
    }
}

QuitSignals::~QuitSignals()
{
    if (!m_notifier)
        return;
    struct sigaction action{};
    action.sa_handler = SIG_DFL;
    sigemptyset(&action.sa_mask);
    for (std::size_t i = 0; i < QuitSignalNumbers.size(); ++i) {
        if (handled[i])
            ::sigaction(QuitSignalNumbers[i], &action, nullptr);
    }
    m_notifier.reset();
    ::close(signalSockets[0]);
    ::close(signalSockets[1]);
    signalSockets[0] = signalSockets[1] = -1;
}

void QuitSignals::readSignal()
{
    char byte = 0;
    if (::read(signalSockets[1], &byte, 1) == 1)
        Q_EMIT quitRequested(int(byte));
}

} // namespace rcl
