// Opens the main window the way the program does (the data folder's lock,
// the start-up checks, then the window), or, with --bare, a plain window of
// the same size; waits for its first paint, prints how long that took and
// the peak memory, and exits. bench/startup.sh runs both side by side.
//
//   firstpaint [--bare] [--since NANOSECONDS]
//
// --since takes the wall-clock time (date +%s%N) taken just before the
// process was started, so the figure covers loading the program too.

#include "checklist.h"
#include "prompter.h"

#include <QApplication>
#include <QTemporaryDir>
#include <QTimer>

#include <chrono>
#include <cstdio>
#include <cstring>
#include <memory>

#include <sys/resource.h>

namespace {

qint64 nowNanoseconds()
{
    return std::chrono::duration_cast<std::chrono::nanoseconds>(
               std::chrono::system_clock::now().time_since_epoch())
        .count();
}

class FirstPaint final : public QObject
{
public:
    explicit FirstPaint(qint64 since) : m_since(since) {}

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Paint && !m_seen) {
            m_seen = true;
            // Report once the paint has been handled, then leave.
            QTimer::singleShot(0, this, [this] {
                rusage usage{};
                getrusage(RUSAGE_SELF, &usage);
                std::printf("first paint %.1f ms, peak memory %ld KiB\n", double(nowNanoseconds() - m_since) / 1e6,
                            usage.ru_maxrss);
                QCoreApplication::quit();
            });
        }
        return QObject::eventFilter(watched, event);
    }

private:
    qint64 m_since;
    bool m_seen = false;
};

} // namespace

int main(int argc, char *argv[])
{
    qint64 since = nowNanoseconds();
    bool bare = false;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--bare") == 0)
            bare = true;
        else if (std::strcmp(argv[i], "--since") == 0 && i + 1 < argc)
            since = std::atoll(argv[++i]);
    }

    QApplication app(argc, argv);
    QTemporaryDir folder;
    rcl::DialogPrompter prompter;
    std::unique_ptr<QWidget> bareWindow;
    rcl::Checklist checklist(prompter, rcl::DataLocation{folder.path(), {}});
    QWidget *window = nullptr;
    if (bare) {
        bareWindow = std::make_unique<QWidget>();
        bareWindow->setFixedSize(704, 324);
        window = bareWindow.get();
    } else if (checklist.open()) {
        window = &checklist.form();
    } else {
        return 1;
    }
    FirstPaint probe(since);
    window->installEventFilter(&probe);
    window->show();
    return app.exec();
}
