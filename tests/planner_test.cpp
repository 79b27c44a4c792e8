#include "gamedata/gametext.h"
#include "rules/itemtypechoice.h"
#include "checks/datacheck.h"
#include "stock/datalocation.h"
#include "stock/groupstable.h"
#include "rules/nearmiss.h"
#include "gamedata/runenames.h"
#include "planning/columnfit.h"
#include "planning/runewordfilter.h"
#include "rules/runewordfinder.h"
#include "planning/runewordrows.h"
#include "testfiles.h"

#include <QCryptographicHash>
#include <QDir>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <algorithm>
#include <map>

using namespace rcl;
using namespace Qt::StringLiterals;

namespace {

constexpr int Ith = 5, Tal = 6, Ral = 7, Ist = 23;

} // namespace

TEST(NearMisses, fewestMissingFirstThenFileOrder)
{
    const RuneData data = RuneData::parse("[Trio]\nRuneNum=3\nRune1=24\nRune2=8\nRune3=8\nAllowed=Armor\n"
                                                "[Pair]\nRuneNum=2\nRune1=8\nRune2=8\nAllowed=Sword\n"
                                                "[Bad]\nRuneNum=2\nRune1=8\nRune2=34\nAllowed=Sword\n"
                                                "[Text]\nRuneNum=x\nAllowed=Sword\n[None]\nRuneNum=0\n"
                                                "[Tal]\nRuneNum=1\nRune1=7\nAllowed=Melee Weapon\n");
    const QStringList names{u"Trio"_s, u"Pair"_s, u"Bad"_s, u"Text"_s, u"None"_s, u"Tal"_s, u"Pair"_s};
    const std::tuple<std::map<int, qint32>, std::optional<QString>, int, QStringList> rows[] = {
        {{}, {}, 7, {u"Tal:Tal:1"_s, u"Pair:2 Ral:2"_s, u"Trio:Ist, 2 Ral:3"_s}},
        {{{Ral, 1}}, {}, 2, {u"Pair:Ral:1"_s, u"Tal:Tal:1"_s, u"Trio:Ist, Ral:2"_s}},
        {{{Ral, -3}, {Tal, 0}}, u"Sword"_s, 2, {u"Pair:2 Ral:2"_s}},
        {{{Ral, 2}}, u"All"_s, 0, {u"Pair::0"_s}},
        {{{Ist, 1}, {Ral, 5}}, u"Armor"_s, 0, {u"Trio::0"_s}},
    };
    for (const auto &[counts, itemType, limit, expected] : rows) {
        QStringList found;
        for (const NearMiss &miss : nearMisses(data, stockOf(counts), names, itemType, limit))
            found.append(u"%1:%2:%3"_s.arg(miss.name, missingRunesText(miss.missing, data.runes())).arg(miss.missingCount));
        EXPECT_EQ(found, expected) << itemType.value_or(u"any"_s).toStdString() << " " << limit;
    }
    // Among equals the file order stands, however many ties there are.
    QByteArray many;
    QStringList manyNames;
    QStringList oneFirst[2];
    for (int i = 0; i < 48; ++i) {
        const QString name = u"W%1"_s.arg(i);
        many += "[" + name.toLatin1() + "]\nRuneNum=" + QByteArray::number(1 + i % 2) + "\nRune1=8\nRune2=8\n";
        manyNames.append(name);
        oneFirst[i % 2].append(name);
    }
    QStringList ranked;
    for (const NearMiss &miss : nearMisses(RuneData::parse(many), RuneStock(), manyNames, {}, 7))
        ranked.append(miss.name);
    EXPECT_EQ(ranked, oneFirst[0] + oneFirst[1]);
}

// The rows of the planner's rune word lists: each name once, its runes
// named ("?" for an entry that names none), effects wrapped for the panel
// joined again, and whether the group can make it, now or with the cube's
// upgrades; near misses and uses with their rune words; the filter bar's
// choice of them.
TEST(RuneWordRows, eachNameOnceWithWhatTheListsShowAndTheFilterLetsThrough)
{
    const RuneData data = RuneData::parse("[Bad]\nRuneNum=2\nRune1=8\nRune2=34\nPatch=1.10\n"
                                          "[Tal]\nRuneNum=1\nRune1=7\nAllowed=Swords\nPatch=1.9\nMode=Ladder\n"
                                          "EffectNum=4\nEffect1=2% Chance to cast level 10\nEffect2=\"  Psychic Ward\"\n"
                                          "Effect3=\"\twhen struck\"\nEffect4=+1 To Light Radius\n"
                                          "[Tal Tal]\nRuneNum=2\nRune1=7\nRune2=7\nPatch=1.010\n"
                                          "[Text]\nRuneNum=x\nPatch=v2\n[Ral]\nRuneNum=1\nRune1=8\n[Rune Upgrades]\nTal=3 Ith\n");
    const RuneWordRows words(data, stockOf({{Tal, 1}, {Ith, 3}}), {u"Bad"_s, u"Tal"_s, u"Tal Tal"_s, u"Tal"_s, u"Text"_s, u"Ral"_s});
    QStringList shown;
    for (const RuneWordRow &row : words.rows())
        shown.append(u"%1:%2:%3:%4:%5"_s.arg(row.name, row.runeNames).arg(row.sockets()).arg(row.level).arg(int(row.status)));
    EXPECT_EQ(shown, (QStringList{u"Bad:Ral + ?:2:71:2"_s, u"Tal:Tal:1:17:0"_s, u"Tal Tal:Tal + Tal:2:17:1"_s, u"Text::0:13:2"_s,
                           u"Ral:Ral:1:19:2"_s}));
    EXPECT_EQ(words.find(u"Tal Tal"_s)->upgrades, u"3 Ith → Tal"_s);
    const RuneWordRow &tal = *words.find(u"Tal"_s);
    EXPECT_EQ(tal.effects, (QStringList{u"2% Chance to cast level 10 Psychic Ward when struck"_s, u"+1 To Light Radius"_s}));
    EXPECT_EQ(u"%1 %2 %3"_s.arg(tal.allowed, tal.patch, tal.mode), u"Swords 1.9 Ladder"_s);
    EXPECT_TRUE(tal.searchText.contains(u"psychic ward when"_s));
    // Versions by their numbers, each once: 1.010 is 1.10.
    EXPECT_EQ(words.patches(), (QStringList{u"1.9"_s, u"1.10"_s}));

    QStringList misses;
    for (const NearMissRow &row : words.nearMisses(1))
        misses.append(u"%1:%2:%3:%4"_s.arg(row.miss.name, row.missingText, row.word.runeNames, row.upgradesText));
    EXPECT_EQ(misses, (QStringList{u"Tal::Tal:"_s, u"Tal Tal:Tal:Tal + Tal:3 Ith → Tal"_s, u"Ral:Ral:Ral:No"_s}));
    const QList<RuneUseRow> uses = words.uses(Tal);
    ASSERT_EQ(uses.size(), 2);
    EXPECT_EQ(uses[1].use.count, 2);
    EXPECT_EQ(uses[1].word.name, u"Tal Tal"_s);
    EXPECT_TRUE(uses[0].use.makeable && !uses[1].use.makeable);

    // Each part of the filter bar alone, as rows; every row keeps some rune
    // words and leaves others out, and a row of several parts combines them.
    const QByteArray filtered = "[Steel]\nRuneNum=2\nRune1=3\nRune2=1\nAllowed=Swords\nPatch=1.9\n"
                                "EffectNum=2\nEffect1=+20% Increased Attack Speed\nEffect2=+10 to Vitality\n"
                                "[Spirit]\nRuneNum=4\nRune1=7\nRune2=10\nRune3=9\nRune4=11\nAllowed=Swords, Shields\n"
                                "Patch=1.10\nMode=Ladder\nEffectNum=1\nEffect1=+2 To All Skills\n"
                                "[Lore]\nRuneNum=2\nRune1=9\nRune2=12\nAllowed=Helms\nPatch=1.11\nMode=non-LADDER\n"
                                "EffectNum=1\nEffect1=+1 To All Skills\n"
                                "[Zephyr]\nRuneNum=2\nRune1=9\nRune2=5\nAllowed=Bows\nMode=Seasonal\n";
    const QByteArray kinds = "[Item Kinds]\nWeapons=\nSwords=Weapons\nBows=Weapons\nArmor=\nHelms=Armor\nShields=Armor\n";
    const RuneData withKinds = RuneData::parse(filtered + kinds);
    const RuneData withoutKinds = RuneData::parse(filtered);
    Settings settings{QString()};
    RuneWordMarks marks(settings);
    marks.setFavourite(u"Lore"_s, true);
    marks.setFavourite(u"Zephyr"_s, true);
    marks.setHidden(u"Zephyr"_s, true);
    using Mode = RuneWordFilter::Mode;
    const auto kind = [&](const char *name) { return int(withKinds.kinds().indexOf(QString::fromLatin1(name))); };
    const auto terms = [](const QString &text) { return RuneWordFilter::searchTerms(text); };
    const std::tuple<const RuneData *, RuneWordFilter, QStringList> rows[] = {
        {&withKinds, {}, {u"Steel"_s, u"Spirit"_s, u"Lore"_s}},
        {&withKinds, {.showHidden = true}, {u"Steel"_s, u"Spirit"_s, u"Lore"_s, u"Zephyr"_s}},
        {&withKinds, {.terms = terms(u" ALL  skills "_s)}, {u"Spirit"_s, u"Lore"_s}},
        {&withKinds, {.terms = terms(u"tir el"_s)}, {u"Steel"_s}},
        // A rune's name finds the rune words with that rune, not "Vitality";
        // other words do not search the runes.
        {&withKinds, {.terms = terms(u"tal"_s)}, {u"Spirit"_s}},
        {&withKinds, {.terms = terms(u"Ort SOL"_s), .showHidden = true}, {u"Lore"_s}},
        {&withKinds, {.terms = terms(u"ta"_s)}, {u"Steel"_s}},
        {&withKinds, {.terms = terms(u"ste skill"_s)}, {}},
        {&withoutKinds, {.itemType = u"Shield"_s}, {u"Spirit"_s}},
        {&withKinds, {.mode = Mode::Ladder, .showHidden = true}, {u"Steel"_s, u"Spirit"_s}},
        {&withKinds, {.favouritesOnly = true}, {u"Lore"_s}},
        {&withKinds, {.kind = kind("Swords"), .mode = Mode::NonLadder, .patch = u"1.11"_s}, {u"Steel"_s}},
        // Zephyr has no Patch: no version passes it.
        {&withKinds, {.patch = u"1.11"_s, .showHidden = true}, {u"Steel"_s, u"Spirit"_s, u"Lore"_s}},
    };
    for (const auto &row : rows) {
        const auto &[data, filter, expected] = row;
        const RuneWordRows table(*data, RuneStock(), {u"Steel"_s, u"Spirit"_s, u"Lore"_s, u"Zephyr"_s});
        QStringList passed;
        for (const RuneWordRow &word : table.rows()) {
            if (filter.accepts(word, *data, marks))
                passed.append(word.name);
        }
        EXPECT_EQ(passed, expected) << "row " << &row - rows;
    }
}

// The planner's columns in the width of the view: the widest give way
// first, to one limit; the widths as the settings keep them.
TEST(ColumnFit, widestGiveWayFirstAndWidthsReadBack)
{
    const std::tuple<QList<int>, int, QList<int>> rows[] = {
        {{30, 100, 50}, 180, {30, 100, 50}},
        {{30, 300, 200}, 300, {30, 135, 135}},
        {{100, 20, 100}, 120, {50, 20, 50}},
        {{100, 100}, 50, {40, 40}},
    };
    for (const auto &[wanted, available, expected] : rows)
        EXPECT_EQ(fitColumns(wanted, available, 40), expected) << available;
    EXPECT_EQ(columnWidthsOf(columnWidthsText({120, 48, 300}), 3), (QList<int>{120, 48, 300}));
    for (const QString &damaged : {u"120 48"_s, u"120 x 300"_s, u"120 0 300"_s, QString()})
        EXPECT_EQ(columnWidthsOf(damaged, 3), QList<int>()) << damaged.toStdString();
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

// One table: the two files' contents, and what the check finds where. Rows
// add to a clean rune.dat of seven lines.
TEST(DataCheck, eachProblemAtItsLine)
{
    const QByteArray clean = "[OverAll]\r\nRune Elect=1\r\n[A]\r\nRuneNum=1\r\nRune1=8\r\nEffectNum=1\r\nEffect1=x\r\n";
    const std::tuple<QByteArray, QByteArray, std::vector<std::tuple<const char *, int, const char *>>> rows[] = {
        {clean, "\r\nA\nB\n", {{"runename.dat", 3, "\"B\" has no section"}}},
        {clean + "[C]\nRuneNum=0\n", "A",
         {{"rune.dat", 8, "[C] is not in runename.dat"}, {"rune.dat", 9, "not a whole number from 1 to 7, so it can never"}}},
        {"[OverAll]\n[A]\nRuneNum=2.5\nRune1=8\nRune2=8\n", "A", {{"rune.dat", 3, "from 1 to 7; it is read as 2."}}},
        {"[A]\nRuneNum=8\n", "A", {{"rune.dat", 2, "not a whole number"}}},
        {"[A]\nRuneNum=-1\n", "A", {{"rune.dat", 2, "not a whole number"}}},
        {"[A]\nRuneNum=7\nRune1=1\nRune2=1\nRune3=1\nRune4=1\nRune5=1\nRune6=1\nRune7=1\n", "A", {}},
        {"[A]\n", "A", {{"rune.dat", 1, "no RuneNum"}}},
        {"[A]\r\rRuneNum=2\rRune1=8\r", "A", {{"rune.dat", 3, "no Rune2"}}},
        {"[A]\nRuneNum=2\nRune1=34\nRune2=Ral\n", "A",
         {{"rune.dat", 3, "Rune1 of [A] is \"34\", not a rune number"}, {"rune.dat", 4, "Rune2"}}},
        {"[A]\nRuneNum=0\nEffectNum=3\nEffect3=y\n", "A",
         {{"rune.dat", 2, "RuneNum"}, {"rune.dat", 3, "Effect1, Effect2 are missing"}}},
        {clean + "Effect2=y\n", "A", {{"rune.dat", 8, "Effect2 of [A] is never shown"}}},
        {"[A]\nRuneNum=0\nEffect1=y\n", "A", {{"rune.dat", 2, "RuneNum"}, {"rune.dat", 3, "EffectNum is missing"}}},
        {clean + "[a]\nRuneNum=9\n", "A", {{"rune.dat", 8, "second section [a]"}}},
        {clean + "RUNENUM=2\n", "A", {{"rune.dat", 8, "second RUNENUM in [A]"}}},
        {"RuneNum=1\n" + clean + "Rune 2\n", "A", {{"rune.dat", 1, "before the first section"}, {"rune.dat", 9, "no '='"}}},
        {clean + "[B\xFF]\nRuneNum=1\nRune1=1\n", "A\nB\xFF\n", {{"rune.dat", 8, "not valid Shift-JIS"}, {"runename.dat", 2, "not valid Shift-JIS"}}},
        {"\xEF\xBB\xBF" + clean + "; \x82\xA0\n", "A", {{"rune.dat", 8, "not valid UTF-8"}}},
        {clean, " A\t\n", {{"runename.dat", 1, "blanks around it"}}},
        {"[OverAll]\nRune Elect=2\n", "", {{"rune.dat", 2, "neither 0 nor 1"}}},
        {"[overall]\nrune elect=one\n", "", {{"rune.dat", 2, "not a number"}}},
        {"[OverAll]\nRune Elect=\n", "", {}},
        // The lists read at most 100,000 names, a name listed twice twice.
        {clean, "A\n" + QByteArray("A\n").repeated(99'999) + "\nA\n", {{"runename.dat", 100'002, "not read"}}},
        // Patch, Mode, rune sections and item kinds.
        {clean + "Patch=1.10\nMode=ladder\n", "A", {}},
        {clean + "Patch=1.99999999999\n", "A", {{"rune.dat", 8, "not a game version"}}},
        {clean + "Patch=v2\nMode=Seasonal\n", "A", {{"rune.dat", 8, "not a game version"}, {"rune.dat", 9, "Ladder or Non-ladder"}}},
        {"[Rune#7]\nName=Tal\nLevel=17\nWeapon1=w\nArmor1=a\n[Rune#8]\nName=tal\nLevel=19\nWeapon1=w\nArmor1=a\n", "",
         {{"rune.dat", 7, "two runes of one name"}}},
        {"[Rune#8]\nName=Ra%1\nLevel=19\nWeapon1=w\nArmor1=a\n[Rune#9]\nName=ra%1\nLevel=21\nWeapon1=w\nArmor1=a\n", "",
         {{"rune.dat", 7, "names its rune ra%1, as rune 8 is named"}}},
        {"[Rune#7]\nName=Tal\nLevel=17.5\nArmor1=a\n[Rune#34]\n[rune#07]\n", "",
         {{"rune.dat", 1, "no Level from 0 to 99, no Weapon1"}, {"rune.dat", 5, "names no rune"}, {"rune.dat", 6, "names no rune"}}},
        {clean + "Allowed=Swords, Wands\n[Item Kinds]\nWeapons=\nSwords=Weapons, Blades\nA=B\nB=A\n", "A",
         {{"rune.dat", 8, "\"Wands\", which [Item Kinds] does not know"}, {"rune.dat", 11, "\"Blades\""},
          {"rune.dat", 12, "loop"}, {"rune.dat", 13, "loop"}}},
        // Rune upgrades.
        {"[Rune Upgrades]\nRal=3 Tal\nAmn=3 thul + chipped TOPAZ\nMal=2 Um+Topaz\n", "", {}},
        {"[Rune Upgrades]\nOrt=3\nThul=3 Ort +\nAmn=0 Thul\nSol=2.5 Amn\n", "",
         {{"rune.dat", 2, "incomplete"}, {"rune.dat", 3, "incomplete"}, {"rune.dat", 4, "fewer than 1"},
          {"rune.dat", 5, "not a whole number"}}},
        {"[Rune Upgrades]\nOrt=3 Foo\nFoo=3 Ral\nAmn=3 Thul + Onyx\nEl=3 El\nTal=3 Eth\n", "",
         {{"rune.dat", 2, "names Foo, which is no rune"}, {"rune.dat", 3, "recipe for Foo"},
          {"rune.dat", 4, "\"Onyx\", which is no gem"}, {"rune.dat", 5, "nothing is below"},
          {"rune.dat", 6, "not from Ith"}}},
        {"[Rune#13]\nName=Shael\nLevel=29\nWeapon1=w\nArmor1=a\n[Rune Upgrades]\nShae=3 Sol\nShael=3 Sol\n"
         "Dol=3 Shae + Ruby\n", "", {{"rune.dat", 7, "second recipe for Shael"}}},
    };
    for (const auto &[data, names, expected] : rows) {
        const QList<DataProblem> found = checkRuneData(data, names);
        ASSERT_EQ(found.size(), qsizetype(expected.size())) << data.toStdString();
        for (qsizetype i = 0; i < found.size(); ++i) {
            const auto &[file, line, fragment] = expected[std::size_t(i)];
            EXPECT_TRUE(found[i].file == QString::fromUtf8(file) && found[i].line == line
                        && found[i].text.contains(QString::fromUtf8(fragment)))
                << file << ':' << line << " got " << found[i].line << ": " << found[i].text.toStdString();
        }
    }
}

// The shipped files, the English pair and the Japanese: clean by the data
// check, every rune from its section, and the band's item types fitting
// kinds, not text: a sword takes the rune words of melee weapons, and armor
// means body armor. The Japanese pair finds the same rune words for every
// item type, its kinds reached through their English names.
TEST(ShippedData, checksCleanAndFitsKinds)
{
    const QString dir = QStringLiteral(RCL_DATA_DIR) + u'/';
    std::vector<std::pair<RuneData, QStringList>> pairs;
    for (const GameText text : {GameText::English, GameText::Japanese}) {
        const GameTextFiles files = gameTextFiles(text);
        for (const DataProblem &problem : checkRuneDataFiles(dir + files.runeData, dir + files.runeNames))
            ADD_FAILURE() << problem.file.toStdString() << ':' << problem.line << ' ' << problem.text.toStdString();
        const QByteArray bytes = readAll(dir + files.runeData);
        // A later package may replace the copies of these files that users
        // never edited only if it knows them.
        for (const QByteArray &shipped : {bytes, readAll(dir + files.runeNames)})
            EXPECT_TRUE(shippedVersions().contains(QCryptographicHash::hash(shipped, QCryptographicHash::Sha256).toHex()));
        pairs.emplace_back(RuneData::parse(bytes), ReadRuneNames(dir + files.runeNames));
        for (int index = 0; index < RuneCatalogue::Count; ++index)
            EXPECT_TRUE(pairs.back().first.runes().fromData(index)) << index;
    }

    const auto &[data, names] = pairs[0];
    QStringList sorted = names;
    std::sort(sorted.begin(), sorted.end(), [](const QString &a, const QString &b) { return a.compare(b, Qt::CaseInsensitive) < 0; });
    EXPECT_EQ(names, sorted);
    const RuneStock none;
    const RuneWordFinder finder(data, none);
    const std::tuple<QString, QStringList, QStringList> rows[] = {
        {u"Sword"_s, {u"Honor"_s, u"Steel"_s, u"Breath of the Dying"_s, u"Spirit"_s}, {u"Harmony"_s}},
        {u"Armor"_s, {u"Enigma"_s, u"Stealth"_s}, {u"Lore"_s, u"Rhyme"_s}},
        {u"Staff"_s, {u"Memory"_s, u"Insight"_s, u"Honor"_s}, {u"White"_s}},
        {u"Shield"_s, {u"Exile"_s, u"Spirit"_s}, {u"Lore"_s}},
    };
    for (const auto &[choice, listed, left] : rows) {
        const QStringList found = finder.select(names, false, choice);
        for (const QString &name : listed)
            EXPECT_TRUE(found.contains(name)) << choice.toStdString() << ": " << name.toStdString();
        for (const QString &name : left)
            EXPECT_FALSE(found.contains(name)) << choice.toStdString() << ": " << name.toStdString();
    }

    const auto &[japanese, japaneseNames] = pairs[1];
    ASSERT_EQ(japaneseNames.size(), names.size());
    const RuneWordFinder japaneseFinder(japanese, none);
    for (const ItemTypeChoice &choice : itemTypeChoices()) {
        QList<qsizetype> english, found;
        for (const QString &name : finder.select(names, false, choice.text))
            english.append(names.indexOf(name));
        for (const QString &name : japaneseFinder.select(japaneseNames, false, choice.text))
            found.append(japaneseNames.indexOf(name));
        EXPECT_EQ(found, english) << choice.text.toStdString();
    }
}
