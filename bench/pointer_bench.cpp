// One pointer movement over the grid in hover mode, from the mouse event to
// the repainted window: the panel printed again, and the frame moved when
// the pointer comes to another rune. With and without counts on the grid, to
// show what drawing the counts adds.

#include "mainwindow/form1.h"
#include "prompts/prompter.h"

#include <QApplication>
#include <QFile>
#include <QMouseEvent>
#include <QTemporaryDir>

#include "widgetbench.h"

#include <benchmark/benchmark.h>

namespace {

void pointerMove(benchmark::State &state)
{
    const bool counts = state.range(0) != 0;
    const bool toAnotherRune = state.range(1) != 0;
    QTemporaryDir dir;
    QDir().mkpath(dir.filePath(QStringLiteral("save")));
    QFile save(dir.filePath(QStringLiteral("save/rune1.sav")));
    if (!save.open(QIODevice::WriteOnly))
        state.SkipWithError("no save file");
    for (int i = 0; i < rcl::RuneCatalogue::Count; ++i)
        save.write(QByteArray::number(i * 37 % 150) + "\r\n");
    save.close();

    rcl::DialogPrompter prompter;
    rcl::Settings settings{QString()};
    rcl::Form1 form(prompter, dir.path(), &settings);
    form.setOption(rcl::Settings::Key::CountsOnGrid, counts, &form);
    form.show();
    for (int i = 0; i < 10; ++i)
        QCoreApplication::processEvents();
    PaintCounter counter;
    form.controls().runeimg1[9]->installEventFilter(&counter);

    int step = 0;
    for (auto _ : state) {
        rcl::RuneEventArea *area = form.controls().runeimg2[toAnotherRune && step++ % 2 ? 10 : 9];
        const QPointF at(20, 20);
        QMouseEvent move(QEvent::MouseMove, at, area->mapToGlobal(at), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
        QCoreApplication::sendEvent(area, &move);
        QCoreApplication::processEvents();
    }
    state.counters["Thul painted"] = benchmark::Counter(counter.paints, benchmark::Counter::kAvgIterations);
}

} // namespace

BENCHMARK(pointerMove)->ArgNames({"counts", "another rune"})->ArgsProduct({{0, 1}, {0, 1}})->Unit(benchmark::kMicrosecond);

int main(int argc, char **argv)
{
    return runWidgetBenchmarks(argc, argv);
}
