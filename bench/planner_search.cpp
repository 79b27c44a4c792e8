// A keystroke in the planner's search box, from the key event to the
// repainted table of the Rune words tab: the list filtered anew, the count
// and the filters line updated, the rows painted. Over the shipped rune.dat
// and runename.dat, and over 10,000 rune words made up here and added to the
// shipped file. Each iteration is one key, completing "Ta" to "Tal" (a rune's
// name: the rune words with Tal) or taking the "l" back (a word that names
// and effects contain).

#include "mainwindow/form1.h"
#include "planner/planner.h"
#include "prompts/prompter.h"

#include <QApplication>
#include <QFile>
#include <QKeyEvent>
#include <QLineEdit>
#include <QTabWidget>
#include <QTableView>
#include <QTemporaryDir>

#include "widgetbench.h"

#include <benchmark/benchmark.h>

namespace {

QByteArray readShipped(const char *name)
{
    QFile file(QStringLiteral(RCL_DATA_DIR "/") + QString::fromLatin1(name));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool writeFile(const QString &path, const QByteArray &content)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(content) == content.size();
}

// count rune words of two to six runes, spread over the runes, with the
// effects and kinds that rune words have.
void addRuneWords(QByteArray *runeDat, QByteArray *runeNames, int count)
{
    const char *const kinds[] = {"Swords", "Body Armor", "Helms", "Shields, Swords", "Polearms, Staves"};
    const char *const effects[] = {"+2 to All Skills", "+25% Faster Cast Rate", "+10 to Vitality",
                                   "Adds 3-14 cold damage", "+1 to Light Radius"};
    for (int i = 0; i < count; ++i) {
        const QByteArray name = "Made Up " + QByteArray::number(i);
        const int runes = 2 + i % 5;
        QByteArray section = "[" + name + "]\r\nRuneNum=" + QByteArray::number(runes) + "\r\n";
        for (int r = 1; r <= runes; ++r)
            section += "Rune" + QByteArray::number(r) + "=" + QByteArray::number(1 + (i * 7 + r * 11) % 33) + "\r\n";
        section += QByteArray("Allowed=") + kinds[i % 5] + "\r\nPatch=1." + QByteArray::number(9 + i % 3) +
                   "\r\nEffectNum=3\r\n";
        for (int e = 1; e <= 3; ++e)
            section += "Effect" + QByteArray::number(e) + "=" + effects[(i + e) % 5] + "\r\n";
        *runeDat += section;
        *runeNames += name + "\r\n";
    }
}

void searchKeystroke(benchmark::State &state)
{
    QTemporaryDir dir;
    QByteArray runeDat = readShipped("rune.dat");
    QByteArray runeNames = readShipped("runename.dat");
    if (runeDat.isEmpty() || runeNames.isEmpty())
        state.SkipWithError("no shipped rune.dat or runename.dat");
    if (const int madeUp = int(state.range(0)); madeUp > 0) {
        // The shipped words out of the list, so that it holds madeUp.
        runeNames.clear();
        addRuneWords(&runeDat, &runeNames, madeUp);
    }
    QDir().mkpath(dir.filePath(QStringLiteral("save")));
    QByteArray save;
    for (int i = 0; i < rcl::RuneCatalogue::Count; ++i)
        save += QByteArray::number(i % 4) + "\r\n";
    if (!writeFile(dir.filePath(QStringLiteral("rune.dat")), runeDat) ||
        !writeFile(dir.filePath(QStringLiteral("runename.dat")), runeNames) ||
        !writeFile(dir.filePath(QStringLiteral("save/rune1.sav")), save))
        state.SkipWithError("cannot write the files");

    rcl::DialogPrompter prompter;
    rcl::Settings settings{QString()};
    rcl::Form1 form(prompter, dir.path(), &settings);
    form.show();
    form.openPlanner();
    auto *planner = form.findChild<rcl::RunePlanner *>();
    planner->findChild<QTabWidget *>()->setCurrentIndex(rcl::RunePlanner::RuneWords);
    auto *search = planner->findChild<QLineEdit *>(QStringLiteral("search"));
    auto *table = planner->findChild<QTableView *>(QStringLiteral("runeWords"));
    search->setFocus();
    search->setText(QStringLiteral("Ta"));
    for (int i = 0; i < 10; ++i)
        QCoreApplication::processEvents();
    PaintCounter counter;
    table->viewport()->installEventFilter(&counter);

    bool complete = true;
    for (auto _ : state) {
        const int key = complete ? Qt::Key_L : Qt::Key_Backspace;
        const QString text = complete ? QStringLiteral("l") : QString();
        QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
        QCoreApplication::sendEvent(search, &press);
        QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, text);
        QCoreApplication::sendEvent(search, &release);
        QCoreApplication::processEvents();
        complete = !complete;
    }
    state.counters["rows"] = double(table->model()->rowCount());
    state.counters["table painted"] = benchmark::Counter(counter.paints, benchmark::Counter::kAvgIterations);
}

} // namespace

BENCHMARK(searchKeystroke)->ArgName("made-up rune words")->Arg(0)->Arg(10'000)->Unit(benchmark::kMillisecond);

int main(int argc, char **argv)
{
    return runWidgetBenchmarks(argc, argv);
}
