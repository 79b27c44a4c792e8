#include "groupstable.h"
#include "nearmiss.h"

#include <QDir>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <map>

using namespace rcl;
using namespace Qt::StringLiterals;

namespace {

RuneStock stockOf(const std::map<int, qint32> &counts)
{
    RuneStock stock;
    for (const auto &[index, count] : counts)
        stock.set(index, count);
    return stock;
}

constexpr int Tal = 6, Ral = 7, Ist = 23;

} // namespace

TEST(NearMisses, fewestMissingFirstThenFileOrder)
{
    const ProfileData data = ProfileData::parse("[Trio]\nRuneNum=3\nRune1=24\nRune2=8\nRune3=8\nAllowed=Armor\n"
                                                "[Pair]\nRuneNum=2\nRune1=8\nRune2=8\nAllowed=Sword\n"
                                                "[Bad]\nRuneNum=2\nRune1=8\nRune2=34\nAllowed=Sword\n"
                                                "[Text]\nRuneNum=x\nAllowed=Sword\n[None]\nRuneNum=0\n"
                                                "[Tal]\nRuneNum=1\nRune1=7\nAllowed=Melee Weapon\n");
    const QStringList names{u"Trio"_s, u"Pair"_s, u"Bad"_s, u"Text"_s, u"None"_s, u"Tal"_s, u"Pair"_s};
    const std::tuple<std::map<int, qint32>, std::optional<QString>, int, QStringList> rows[] = {
        {{}, {}, 7, {u"None::0"_s, u"Tal:Tal:1"_s, u"Pair:Ral x2:2"_s, u"Trio:Ist, Ral x2:3"_s}},
        {{{Ral, 1}}, {}, 2, {u"None::0"_s, u"Pair:Ral:1"_s, u"Tal:Tal:1"_s, u"Trio:Ist, Ral:2"_s}},
        {{{Ral, -3}, {Tal, 0}}, u"Sword"_s, 2, {u"Pair:Ral x2:2"_s}},
        {{{Ral, 2}}, u"All"_s, 0, {u"Pair::0"_s, u"None::0"_s}},
        {{{Ist, 1}, {Ral, 5}}, u"Armor"_s, 0, {u"Trio::0"_s}},
    };
    for (const auto &[counts, itemType, limit, expected] : rows) {
        QStringList found;
        for (const NearMiss &miss : nearMisses(data, stockOf(counts), names, itemType, limit))
            found.append(u"%1:%2:%3"_s.arg(miss.name, missingRunesText(miss.missing)).arg(miss.missingCount));
        EXPECT_EQ(found, expected) << itemType.value_or(u"any"_s).toStdString() << " " << limit;
    }
    const NearMiss trio = nearMisses(data, RuneStock(), names, u"Armor"_s, 7).value(0);
    EXPECT_EQ(u"%1 %2"_s.arg(trio.allowed).arg(trio.level), u"Armor 51"_s);

    QStringList uses;
    for (const RuneUse &use : runeUses(data, stockOf({{Ral, 2}}), names, Ral))
        uses.append(u"%1:%2:%3"_s.arg(use.name).arg(use.count).arg(use.makeable));
    EXPECT_EQ(uses, (QStringList{u"Trio:2:0"_s, u"Pair:2:1"_s, u"Bad:1:0"_s}));
}

// Group 1 is current: its counts in memory win over its file. Group 3's
// file cannot be read; groups 4 to 9 were never saved.
TEST(GroupsTable, columnsTotalsAndCsv)
{
    QTemporaryDir dir;
    const StockFiles files(dir.path());
    ASSERT_TRUE(files.SaveRuneStock(stockOf({{0, 9}}), 1).ok);
    ASSERT_TRUE(files.SaveRuneStock(stockOf({{0, 2}, {Ral, 1}}), 2).ok);
    ASSERT_TRUE(QDir().mkpath(files.saveFilePath(3)));
    ASSERT_TRUE(files.SaveRuneStock(stockOf({{Ral, 3}}), 4).ok);
    ASSERT_TRUE(files.renameGroup(1, "Main, best").ok);
    ASSERT_TRUE(files.renameGroup(2, "\"Q\"").ok);

    const GroupsTable table = GroupsTable::read(files, 1, stockOf({{0, 5}, {Ral, -2}}));
    EXPECT_EQ(table.unreadableGroups(), QList<int>{3});
    EXPECT_EQ(table.combined(), stockOf({{0, 7}, {Ral, 4}}));
    const QList<QByteArray> lines = table.csv().split('\n');
    ASSERT_EQ(lines.size(), 35);
    EXPECT_EQ(lines[0], "\xEF\xBB\xBFRune,\"Main, best\",\"\"\"Q\"\"\",Group 3 (unreadable),Group 4,Group 5,Group 6,"
                        "Group 7,Group 8,Group 9,Total\r");
    EXPECT_EQ(lines[1], "El,5,2,,0,0,0,0,0,0,7\r");
    EXPECT_EQ(lines[8], "Ral,-2,1,,3,0,0,0,0,0,2\r");
    EXPECT_EQ(lines[34], "");
}
