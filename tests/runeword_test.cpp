#include "runewordfinder.h"

#include <gtest/gtest.h>

#include <map>

using namespace rcl;
using namespace Qt::StringLiterals;

namespace {

const QByteArray Words =
    "[Ral Ral]\nRuneNum=2\nRune1=8\nRune2=8\nAllowed=Sword\n"
    "[Tal Eth]\nRuneNum=2\nRune1=7\nRune2=5\nAllowed=Melee Weapons\nEffectNum=2\nEffect1=+20 Poison Damage\nEffect2=\n"
    "[No RuneNum]\nRune1=1\nAllowed=Axe\n"
    "[Bad RuneNum]\nRuneNum=two\nAllowed=Axe\n"
    "[No runes]\nRuneNum=0\n"
    "[Rune 34]\nRuneNum=2\nRune1=8\nRune2=34\nAllowed=Helm\n"
    "[Rune by name]\nRuneNum=1\nRune1=Ral\n"
    "[Lower case]\nRuneNum=1\nRune1=1\nAllowed=sword\n"
    "[Plural]\nRuneNum=1\nRune1=1\nAllowed=Swords\n"
    "[Missile]\nAllowed=Missile Weapon\n"
    "[Seven]\nRuneNum=7\nRune1=1\nRune2=2\nRune3=3\nRune4=4\nRune5=5\nRune6=6\nRune7=7\nEffectNum=0\n";

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
