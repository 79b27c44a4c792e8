#pragma once

#include <QObject>

#include <memory>

class QSocketNotifier;

namespace rcl {

// Turns SIGTERM, SIGINT and SIGHUP (a logout or shutdown, Ctrl+C, a closed
// terminal) into a signal on the event loop, so that the program can save the
// current group before it ends. The handlers only write to a socket; all the
// work happens on the window's thread. On Windows the same comes of the
// console's events (Ctrl+C, Ctrl+Break, a closed console, a logoff or
// shutdown seen by a console); a logoff or shutdown reaches the window itself
// through Qt's session manager. Elsewhere it does nothing.
class QuitSignals final : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(QuitSignals)

public:
    explicit QuitSignals(QObject *parent = nullptr);
    ~QuitSignals() override;

Q_SIGNALS:
    void quitRequested(int signalNumber);

private:
    void readSignal();

    std::unique_ptr<QSocketNotifier> m_notifier;
};

} // namespace rcl
