// How often the autosave writes while a user clicks fast. Each pattern adds
// one Thul at a time for a minute (--seconds N for another length), then
// waits for the last autosave; every save puts a new file in place, and each
// new modification time of the save file is counted as one write.
//
//   autosave_writes [--seconds N]

#include "mainwindow/form1.h"
#include "prompts/prompter.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QMouseEvent>
#include <QTemporaryDir>
#include <QTimer>

#include <cstdio>
#include <cstring>
#include <functional>

namespace {

struct Pattern
{
    const char *name;
    // Milliseconds before click n (from 0).
    std::function<int(int)> pause;
};

void click(QWidget *area)
{
    const QPointF at(20, 20);
    for (const QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease}) {
        QMouseEvent event(type, at, area->mapToGlobal(at), Qt::LeftButton,
                          type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton, Qt::NoModifier);
        QCoreApplication::sendEvent(area, &event);
    }
}

void run(const Pattern &pattern, int seconds)
{
    QTemporaryDir dir;
    rcl::DialogPrompter prompter;
    rcl::Settings settings{QString()};
    rcl::Form1 form(prompter, dir.path(), &settings);
    const QString saveFile = dir.filePath(QStringLiteral("save/rune1.sav"));
    QDateTime lastWrite;
    int writes = 0;
    int clicks = 0;
    int writesWhileClicking = 0;
    QTimer watch;
    QObject::connect(&watch, &QTimer::timeout, &form, [&] {
        const QDateTime modified = QFileInfo(saveFile).lastModified();
        if (modified.isValid() && modified != lastWrite) {
            lastWrite = modified;
            ++writes;
        }
    });
    watch.start(5);
    QElapsedTimer clock;
    clock.start();
    QEventLoop loop;
    std::function<void()> next = [&] {
        if (clock.elapsed() >= seconds * 1000LL) {
            writesWhileClicking = writes;
            // The write after the last click, then the end.
            QTimer::singleShot(2000, &loop, &QEventLoop::quit);
            return;
        }
        click(form.controls().runeimg2[9]);
        ++clicks;
        QTimer::singleShot(pattern.pause(clicks), &form, next);
    };
    QTimer::singleShot(0, &form, next);
    loop.exec();
    std::printf("%-44s %5d clicks in %d s: %3d writes while clicking, %3d in all\n", pattern.name, clicks, seconds,
                writesWhileClicking, writes);
}

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    int seconds = 60;
    if (argc == 3 && std::strcmp(argv[1], "--seconds") == 0)
        seconds = std::atoi(argv[2]);
    const Pattern patterns[] = {
        {"steady, a click every 150 ms", [](int) { return 150; }},
        {"bursts of 5 clicks 150 ms apart, 1.5 s pause", [](int n) { return n % 5 == 0 ? 1500 : 150; }},
        {"a click every 1.2 s", [](int) { return 1200; }},
    };
    for (const Pattern &pattern : patterns)
        run(pattern, seconds);
    return 0;
}
