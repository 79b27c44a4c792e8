#include "runewordfinder.h"

#include <gtest/gtest.h>

#include <map>

using namespace rcl;
using namespace Qt::StringLiterals;

namespace {

const QByteArray Words = R"([Ral Ral]
RuneNum=2
Rune1=8
Rune2=8
Allowed=Sword
[Tal Eth]
RuneNum=2
Rune1=7
Rune2=5
Allowed=Melee Weapons
EffectNum=2
Effect1=+20 Poison Damage
Effect2=
[No RuneNum]
Rune1=1
Allowed=Axe
[Bad RuneNum]
RuneNum=two
Allowed=Axe
[No runes]
RuneNum=0
[Rune 34]
RuneNum=2
Rune1=8
Rune2=34
Allowed=Helm
[Rune by name]
RuneNum=1
Rune1=Ral
[Lower case]
RuneNum=1
Rune1=1
Allowed=sword
[Plural]
RuneNum=1
Rune1=1
Allowed=Swords
[Missile]
Allowed=Missile Weapon
[Seven]
RuneNum=7
Rune1=1
Rune2=2
Rune3=3
Rune4=4
Rune5=5
Rune6=6
Rune7=7
EffectNum=0
)";

// Counts by rune name.
RuneStock stockOf(const std::map<QString, qint32> &counts)
{
    RuneStock stock;
    for (int i = 0; i < RuneCatalogue::Count; ++i) {
        const auto found = counts.find(RuneCatalogue::name(i));
        if (found != counts.end())
            stock.set(i, found->second);
    }
    return stock;
}

class RuneWordTest : public ::testing::Test
{
protected:
    const ProfileData data = ProfileData::parse(Words);
};

} // namespace

TEST_F(RuneWordTest, makeableWhenEveryRuneIsOwnedOftenEnough)
{
    const struct
    {
        const char *name;
        std::map<QString, qint32> counts;
        bool expected;
    } rows[] = {
        {"Ral Ral", {{u"Ral"_qs, 1}}, false},
        {"Ral Ral", {{u"Ral"_qs, 2}}, true},
        {"Ral Ral", {{u"Ral"_qs, -1}}, false},
        {"Tal Eth", {{u"Tal"_qs, 1}, {u"Eth"_qs, 1}}, true},
        {"Tal Eth", {{u"Tal"_qs, 1}}, false},
        {"Tal Eth", {{u"Tal"_qs, 5}, {u"Eth"_qs, 0}}, false},
        {"No RuneNum", {{u"El"_qs, 9}}, false},
        {"Bad RuneNum", {{u"El"_qs, 9}}, false},
        {"No runes", {}, true},
        {"Rune 34", {{u"Ral"_qs, 5}, {u"Zod"_qs, 5}}, false},
        {"Rune by name", {{u"Ral"_qs, 5}}, false},
        {"Nowhere", {}, false},
    };
    for (const auto &row : rows) {
        const RuneStock stock = stockOf(row.counts);
        EXPECT_EQ(RuneWordFinder(data, stock).IsRuneWordMakeable(QString::fromUtf8(row.name)), row.expected)
            << row.name;
    }
}

TEST_F(RuneWordTest, itemTypeMatchesTheFirstThreeCharacters)
{
    const struct
    {
        const char *name;
        const char *choice;
        bool expected;
    } rows[] = {
        {"Plural", "Sword", true},          {"Lower case", "Sword", false},
        {"Lower case", "All", true},        {"Ral Ral", "", true},
        {"No runes", "", false},            {"No runes", "All", true},
        {"Missile", "Weapon ", true},       {"Tal Eth", "Weapon ", true},
        {"Tal Eth", "Melee Weapon", true},  {"Tal Eth", "Missile Weapon", false},
        {"Rune 34", "Helm", true},          {"Ral Ral", "Axe", false},
    };
    const RuneStock stock;
    for (const auto &row : rows) {
        EXPECT_EQ(RuneWordFinder(data, stock).MatchesItemType(QString::fromUtf8(row.name), QString::fromUtf8(row.choice)),
                  row.expected)
            << row.name << " / \"" << row.choice << '"';
    }
}

TEST_F(RuneWordTest, listsKeepFileOrderAndRepeats)
{
    const RuneStock stock = stockOf({{u"Ral"_qs, 2}, {u"El"_qs, 1}});
    const RuneWordFinder finder(data, stock);
    const QStringList names{u"Plural"_qs, u"Ral Ral"_qs, u"No runes"_qs, u"Tal Eth"_qs, u"Ral Ral"_qs, u"Lower case"_qs};
    EXPECT_EQ(finder.makeable(names),
              (QStringList{u"Plural"_qs, u"Ral Ral"_qs, u"No runes"_qs, u"Ral Ral"_qs, u"Lower case"_qs}));
    EXPECT_EQ(finder.makeableOfItemType(names, u"Sword"_qs),
              (QStringList{u"Plural"_qs, u"Ral Ral"_qs, u"Ral Ral"_qs}));
    EXPECT_EQ(finder.ofItemType(names, u"Melee Weapon"_qs), QStringList{u"Tal Eth"_qs});
    EXPECT_EQ(finder.makeableOfItemType(names, QString()),
              (QStringList{u"Plural"_qs, u"Ral Ral"_qs, u"Ral Ral"_qs, u"Lower case"_qs}));
}

TEST(RuneWordLevel, comesFromTheRuneNumbersAlone)
{
    const struct
    {
        const char *runes;
        int expected;
    } rows[] = {
        {"", 13}, {"1 2", 13}, {"4", 13}, {"5", 13}, {"6", 15}, {"8 8", 19},
        {"15", 33}, {"33", 69}, {"7 5", 17}, {"x 9", 21}, {"1 33 2", 69},
    };
    for (const auto &row : rows) {
        const QStringList runes = QString::fromUtf8(row.runes).split(u' ', Qt::SkipEmptyParts);
        QByteArray file = "[W]\nRuneNum=" + QByteArray::number(runes.size()) + "\n";
        for (int k = 0; k < runes.size(); ++k)
            file += "Rune" + QByteArray::number(k + 1) + "=" + runes[k].toLatin1() + "\n";
        const ProfileData data = ProfileData::parse(file);
        EXPECT_EQ(RuneWordFinder(data, RuneStock()).RuneWordLevel(u"W"_qs), row.expected) << row.runes;
    }
}

TEST_F(RuneWordTest, framesFollowOwnershipOccurrenceByOccurrence)
{
    const RuneStock stock = stockOf({{u"Ral"_qs, 1}});
    const RuneWordDetails details = RuneWordFinder(data, stock).details(u"Ral Ral"_qs);
    EXPECT_EQ(details.lines[1].text, u"  Req Rune : Ral + Ral"_qs);
    EXPECT_EQ(details.lines[2].text, u"  Req Lv : 19"_qs);
    EXPECT_EQ(details.frames, (QList<RecipeFrame>{{1, 7, true}, {2, 7, false}}));
}

TEST_F(RuneWordTest, detailsOfOddRecipes)
{
    const RuneStock stock;
    const RuneWordFinder finder(data, stock);

    const RuneWordDetails seven = finder.details(u"Seven"_qs);
    EXPECT_EQ(seven.lines[1].text, u"  Req Rune : El + Eld + Tir + Nef + Eth + Ith + Tal"_qs);
    EXPECT_EQ(seven.frames.size(), 6);
    EXPECT_EQ(seven.lines.last().text, u" Effect :"_qs);

    const RuneWordDetails bad = finder.details(u"Rune 34"_qs);
    EXPECT_EQ(bad.lines[1].text, u"  Req Rune : Ral + 34"_qs);
    EXPECT_EQ(bad.frames, (QList<RecipeFrame>{{1, 7, false}}));

    const RuneWordDetails none = finder.details(u"No RuneNum"_qs);
    EXPECT_EQ(none.lines[1].text, u"  Req Rune : "_qs);
    EXPECT_EQ(none.lines[2].text, u"  Req Lv : 13"_qs);
    EXPECT_TRUE(none.frames.isEmpty());
}
