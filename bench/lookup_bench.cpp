// rune.dat lookups in a file of 10,000 rune words: through RuneDataFile, which
// parses again only when the file changed, and the naive way, reading and
// parsing the whole file at every lookup; the three rune word lists built
// over that file and a runename.dat of the same 10,000 names, as the window's
// handlers build them; and show all on a 14 MB file whose one rune word has a
// million other keys before its RuneNum and 900 effects. Then the rune
// planner's work: near misses and the data check over the same 10,000 rune
// words, near misses again with the cube's rune upgrades and as the near-miss
// tab shows them, the upgrade calculator, the table of nine groups' files,
// and the rune words table of the 10,000 rune words refiltered at a
// keystroke in the search box and sorted by a column.

#include "checks/datacheck.h"
#include "stock/groupstable.h"
#include "rules/nearmiss.h"
#include "planner/plannermodels.h"
#include "planner/plannerproxy.h"
#include "profile/profiledata.h"
#include "gamedata/runedatafile.h"
#include "gamedata/runenames.h"
#include "rules/runewordfinder.h"
#include "planning/runewordrows.h"
#include "stock/settings.h"
#include "planning/upgraderows.h"
#include "rules/upgrades.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <algorithm>

namespace {

constexpr int WordCount = 10'000;

QString wordName(int i)
{
    return QStringLiteral("Rune Word %1").arg(i);
}

QTemporaryDir &folder()
{
    static QTemporaryDir dir;
    return dir;
}

const QString &namesFile()
{
    static const QString path = [] {
        const QString file = folder().filePath(QStringLiteral("runename.dat"));
        QByteArray content;
        for (int i = 0; i < WordCount; ++i)
            content += wordName(i).toLatin1() + "\r\n";
        QFile out(file);
        if (out.open(QIODevice::WriteOnly))
            out.write(content);
        return file;
    }();
    return path;
}

const QString &dataFile()
{
    static const QString path = [] {
        const QString file = folder().filePath(QStringLiteral("rune.dat"));
        QByteArray content = "[OverAll]\r\nRune Elect=0\r\n";
        for (int i = 0; i < WordCount; ++i) {
            content += "\r\n[" + wordName(i).toLatin1() + "]\r\nRuneNum=3\r\nRune1=" + QByteArray::number(i % 33 + 1)
                + "\r\nRune2=" + QByteArray::number((i * 7) % 33 + 1) + "\r\nRune3=" + QByteArray::number((i * 13) % 33 + 1)
                + "\r\nAllowed=Sword, Axe, Melee Weapon\r\nEffectNum=3\r\nEffect1=+" + QByteArray::number(i % 400)
                + "% Enhanced Damage\r\nEffect2=+1 To All Skills\r\nEffect3=Fire Resist +30%\r\n";
        }
        QFile out(file);
        if (out.open(QIODevice::WriteOnly))
            out.write(content);
        return file;
    }();
    return path;
}

void BM_LookupUnchangedFile(benchmark::State &state)
{
    rcl::RuneDataFile data(dataFile());
    int i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(data.ReadRuneData(wordName(i), QStringLiteral("Rune2")));
        i = (i + 7919) % WordCount;
    }
}
BENCHMARK(BM_LookupUnchangedFile);

void BM_LookupParsingEveryTime(benchmark::State &state)
{
    int i = 0;
    for (auto _ : state) {
        QFile file(dataFile());
        if (!file.open(QIODevice::ReadOnly))
            state.SkipWithError("rune.dat cannot be read");
        const rcl::ProfileData data = rcl::ProfileData::parse(file.readAll());
        benchmark::DoNotOptimize(data.value(wordName(i), QStringLiteral("Rune2")));
        i = (i + 7919) % WordCount;
    }
    state.SetLabel("naive: reads and parses the whole file");
}
BENCHMARK(BM_LookupParsingEveryTime)->Unit(benchmark::kMillisecond);

// A group holding two of every rune makes every word.
rcl::RuneStock richGroup()
{
    rcl::RuneStock stock;
    for (int i = 0; i < rcl::RuneCatalogue::Count; ++i)
        stock.set(i, 2);
    return stock;
}

enum class List { Makeable, MakeableOfItemType, OfItemType };

void BM_BuildList(benchmark::State &state)
{
    const List list = List(state.range(0));
    rcl::RuneDataFile data(dataFile());
    const rcl::RuneStock stock = richGroup();
    const QString choice = QStringLiteral("Sword");
    qsizetype found = 0;
    for (auto _ : state) {
        const auto current = data.current();
        const rcl::RuneWordFinder finder(*current, stock);
        const QStringList names = rcl::ReadRuneNames(namesFile());
        switch (list) {
        case List::Makeable:
            found = finder.select(names, true, std::nullopt).size();
            break;
        case List::MakeableOfItemType:
            found = finder.select(names, true, choice).size();
            break;
        case List::OfItemType:
            found = finder.select(names, false, choice).size();
            break;
        }
    }
    state.counters["entries"] = double(found);
}
BENCHMARK(BM_BuildList)->Arg(int(List::Makeable))->Arg(int(List::MakeableOfItemType))->Arg(int(List::OfItemType))
    ->ArgName("list")->Unit(benchmark::kMillisecond);

const QString &largeSectionFolder()
{
    static QTemporaryDir dir;
    static const bool written = [] {
        QByteArray content = "[OverAll]\r\nRune Elect=0\r\n[Huge]\r\n";
        for (int i = 0; i < 1'000'000; ++i)
            content += "Other" + QByteArray::number(i) + "=x\r\n";
        content += "RuneNum=3\r\nRune1=8\r\nRune2=8\r\nRune3=33\r\nAllowed=Sword\r\nEffectNum=900\r\n";
        for (int i = 1; i <= 900; ++i)
            content += "Effect" + QByteArray::number(i) + "=+" + QByteArray::number(i) + " To Something\r\n";
        QFile data(dir.filePath(QStringLiteral("rune.dat")));
        QFile names(dir.filePath(QStringLiteral("runename.dat")));
        return data.open(QIODevice::WriteOnly) && data.write(content) == content.size()
            && names.open(QIODevice::WriteOnly) && names.write("Huge\r\n") > 0;
    }();
    static const QString path = written ? dir.path() : QString();
    return path;
}

// Show all as the window's handler does it, from a file not read before:
// read and parse, list by item type, then the details of the first entry.
void BM_ShowAllLargeSection(benchmark::State &state)
{
    const QDir folder(largeSectionFolder());
    if (folder.path().isEmpty())
        state.SkipWithError("the files cannot be written");
    const rcl::RuneStock stock = richGroup();
    qsizetype lines = 0;
    for (auto _ : state) {
        rcl::RuneDataFile data(folder.filePath(QStringLiteral("rune.dat")));
        const auto current = data.current();
        const rcl::RuneWordFinder finder(*current, stock);
        const QStringList listed = finder.select(rcl::ReadRuneNames(folder.filePath(QStringLiteral("runename.dat"))),
                                                     false, QStringLiteral("Sword"));
        lines = listed.isEmpty() ? 0 : finder.details(listed.first()).lines.size();
    }
    state.counters["panel lines"] = double(lines);
    state.counters["MB"] = double(QFileInfo(folder.filePath(QStringLiteral("rune.dat"))).size()) / 1e6;
}
BENCHMARK(BM_ShowAllLargeSection)->Unit(benchmark::kMillisecond);

// One of every rune lists every word: those that name a rune twice lack one.
void BM_NearMisses(benchmark::State &state)
{
    rcl::RuneDataFile data(dataFile());
    rcl::RuneStock stock;
    for (int i = 0; i < rcl::RuneCatalogue::Count; ++i)
        stock.set(i, 1);
    qsizetype found = 0;
    for (auto _ : state) {
        const auto current = data.current();
        found = rcl::nearMisses(*current, stock, rcl::ReadRuneNames(namesFile()), std::nullopt, 2).size();
    }
    state.counters["entries"] = double(found);
}
BENCHMARK(BM_NearMisses)->Unit(benchmark::kMillisecond);

// Today's recipes: three runes up to Pul, two from Um; from Amn on a gem, its
// kind going round topaz to diamond, its grade one step up every six runes.
QByteArray upgradeSection()
{
    QByteArray section = "\r\n[Rune Upgrades]\r\n";
    const char *grades[] = {"Chipped ", "Flawed ", "", "Flawless "};
    const char *kinds[] = {"Topaz", "Amethyst", "Sapphire", "Ruby", "Emerald", "Diamond"};
    for (int index = 1; index < rcl::RuneCatalogue::Count; ++index) {
        section += rcl::RuneCatalogue::name(index).toLatin1() + (index <= 20 ? "=3 " : "=2 ")
            + rcl::RuneCatalogue::name(index - 1).toLatin1();
        if (index >= 10)
            section += QByteArray(" + ") + grades[(index - 10) / 6] + kinds[(index - 10) % 6];
        section += "\r\n";
    }
    return section;
}

// A group of a few of each rune, 0 to 4 by turns: every rune word lacks
// something, and many could be cubed up, some only in part.
rcl::RuneStock mixedGroup()
{
    rcl::RuneStock stock;
    for (int i = 0; i < rcl::RuneCatalogue::Count; ++i)
        stock.set(i, i % 5);
    return stock;
}

// Every one of the 10,000 rune words is a near miss (up to 7 runes missing)
// and gets its plan; ranked by the runes missing after upgrades.
void BM_NearMissesWithUpgrades(benchmark::State &state)
{
    QFile file(dataFile());
    if (!file.open(QIODevice::ReadOnly))
        state.SkipWithError("rune.dat cannot be read");
    const rcl::RuneData data = rcl::RuneData::parse(file.readAll() + upgradeSection());
    const QStringList names = rcl::ReadRuneNames(namesFile());
    const rcl::RuneStock stock = mixedGroup();
    qsizetype found = 0;
    qsizetype upgraded = 0;
    for (auto _ : state) {
        const QList<rcl::NearMiss> misses =
            rcl::nearMisses(data, stock, names, std::nullopt, 7, rcl::NearMissRanking::MissingAfterUpgrades);
        found = misses.size();
        upgraded = std::count_if(misses.begin(), misses.end(),
                                 [](const rcl::NearMiss &miss) { return !miss.upgrades.steps.isEmpty(); });
    }
    state.counters["entries"] = double(found);
    state.counters["with upgrades"] = double(upgraded);
}
BENCHMARK(BM_NearMissesWithUpgrades)->Unit(benchmark::kMillisecond);

// The near-miss tab made anew, as at a click on the grid: the rows of the
// 10,000 rune words with whether upgrades make them, then the near misses
// ranked after upgrades with the text of their Upgrades column.
void BM_PlannerNearMissRows(benchmark::State &state)
{
    QFile file(dataFile());
    if (!file.open(QIODevice::ReadOnly))
        state.SkipWithError("rune.dat cannot be read");
    const rcl::RuneData data = rcl::RuneData::parse(file.readAll() + upgradeSection());
    const QStringList names = rcl::ReadRuneNames(namesFile());
    const rcl::RuneStock stock = mixedGroup();
    qsizetype found = 0;
    for (auto _ : state) {
        const rcl::RuneWordRows rows(data, stock, names);
        found = rows.nearMisses(7, rcl::NearMissRanking::MissingAfterUpgrades).size();
    }
    state.counters["entries"] = double(found);
}
BENCHMARK(BM_PlannerNearMissRows)->Unit(benchmark::kMillisecond);

// The calculator for count of Zod: its cost from each lower rune, and the
// group's plan, which for a large count finds how many it can make, with the
// texts the tab shows.
void BM_UpgradeCalculator(benchmark::State &state)
{
    const rcl::RuneData data = rcl::RuneData::parse(upgradeSection());
    const rcl::RuneStock stock = mixedGroup();
    const qint64 count = state.range(0);
    qsizetype rows = 0;
    for (auto _ : state)
        rows = rcl::calculateUpgrade(data, stock, 32, count, false).costs.size();
    state.counters["cost rows"] = double(rows);
}
BENCHMARK(BM_UpgradeCalculator)->Arg(1)->Arg(1'000'000'000)->ArgName("count")->Unit(benchmark::kMicrosecond);

void BM_DataCheck(benchmark::State &state)
{
    qsizetype problems = 0;
    for (auto _ : state)
        problems = rcl::checkRuneDataFiles(dataFile(), namesFile()).size();
    state.counters["problems"] = double(problems);
}
BENCHMARK(BM_DataCheck)->Unit(benchmark::kMillisecond);

// Group 1 in memory, the eight others and the group names from their files.
void BM_GroupsTable(benchmark::State &state)
{
    QTemporaryDir dir;
    const rcl::StockFiles files(dir.path());
    const rcl::RuneStock stock = richGroup();
    bool written = true;
    for (int group = 1; group <= rcl::GroupCount; ++group)
        written = written && files.SaveRuneStock(stock, group).ok;
    written = written && files.renameGroup(3, "Third, \"quoted\"").ok;
    if (!written)
        state.SkipWithError("the save files cannot be written");
    qsizetype bytes = 0;
    for (auto _ : state)
        bytes = rcl::GroupsTable::read(files, 1, stock).csv().size();
    state.counters["CSV bytes"] = double(bytes);
}
BENCHMARK(BM_GroupsTable)->Unit(benchmark::kMillisecond);

// The rune words table as the planner shows it: the 10,000 rows in a model
// behind the planner's proxy, sorted by name.
struct RuneWordsTable
{
    RuneWordsTable()
    {
        rcl::RuneDataFile file(dataFile());
        data = file.current();
        model->setRows(rcl::RuneWordRows(*data, richGroup(), rcl::ReadRuneNames(namesFile())).rows());
        proxy.setSourceModel(model.get());
        proxy.sort(1);
    }

    rcl::Settings settings{QString()};
    rcl::RuneWordMarks marks{settings};
    std::shared_ptr<const rcl::RuneData> data;
    std::unique_ptr<rcl::RowsModel<rcl::RuneWordRow>> model{rcl::runeWordsModel(marks, nullptr)};
    rcl::PlannerProxy proxy{marks, nullptr};
};

// Typing the third letter of a search and taking it back again, in turn:
// each iteration is one keystroke, half of them narrowing the list and half
// widening it again into the sorted rows.
void BM_PlannerSearchKeystroke(benchmark::State &state)
{
    RuneWordsTable table;
    rcl::RuneWordFilter shorter;
    shorter.terms = rcl::RuneWordFilter::searchTerms(QStringLiteral("+1"));
    rcl::RuneWordFilter longer;
    longer.terms = rcl::RuneWordFilter::searchTerms(QStringLiteral("+12"));
    bool typed = false;
    for (auto _ : state) {
        typed = !typed;
        table.proxy.setFilter(typed ? longer : shorter, table.data);
        benchmark::DoNotOptimize(table.proxy.rowCount());
    }
    state.counters["rows"] = double(table.model->rowCount());
}
BENCHMARK(BM_PlannerSearchKeystroke)->Unit(benchmark::kMillisecond);

// Clicks on two headers: the table sorted by one column, then by the marks
// column, each time from keys worked out anew. The time is that of the two.
void BM_PlannerSort(benchmark::State &state)
{
    RuneWordsTable table;
    const int column = int(state.range(0));
    for (auto _ : state) {
        table.proxy.sort(column, Qt::DescendingOrder);
        table.proxy.sort(0);
    }
    state.SetLabel(table.model->headerData(column, Qt::Horizontal, Qt::DisplayRole).toString().toStdString()
                   + " then the marks");
}
BENCHMARK(BM_PlannerSort)->Arg(1)->Arg(6)->Arg(7)->ArgName("column")->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
