#include "rules/nearmiss.h"
#include "planning/upgraderows.h"
#include "rules/upgrades.h"
#include "testfiles.h"

#include <QLocale>

#include <gtest/gtest.h>

#include <limits>
#include <map>
#include <string>
#include <tuple>
#include <vector>

using namespace rcl;
using namespace Qt::StringLiterals;

namespace {

constexpr qint32 Most = std::numeric_limits<qint32>::max();
constexpr qint32 Least = std::numeric_limits<qint32>::min();

// Three of each rune make the next up to Amn and Sol, which take a gem; none
// makes Shae, and Dol takes two Shae.
const QByteArray Chain = "[Rune Upgrades]\nEld=3 El\nTir=3 Eld\nNef=3 Tir\nEth=3 Nef\nIth=3 Eth\nTal=3 Ith\n"
                         "Ral=3 Tal\nOrt=3 Ral\nThul=3 Ort\nAmn=3 Thul + Chipped Topaz\n"
                         "Sol=3 Amn + Chipped Amethyst\nDol=2 Shae + Ruby\n";

int rune(const char *name)
{
    return RuneTable().indexOf(QString::fromLatin1(name));
}

RuneStock stockOf(const std::map<const char *, qint32> &counts)
{
    RuneStock stock;
    for (const auto &[name, count] : counts)
        stock.set(rune(name), count);
    return stock;
}

// "possible|steps; gems|runes spent|still missing".
std::string planText(const UpgradePlan &plan)
{
    return u"%1|%2|%3|%4"_s.arg(int(plan.possible))
        .arg(upgradePlanText(plan, RuneTable()))
        .arg(plan.runesSpent)
        .arg(missingRunesText(plan.stillMissing, RuneTable()))
        .toStdString();
}

} // namespace

// Spare runes are those beyond what the rune word takes; its missing runes
// draw on them together, the lowest made first when they do not reach. Near
// misses can rank by what these plans leave missing.
TEST(UpgradePlan, runeWordsDrawOnOneSharedPool)
{
    const UpgradeRecipes recipes = RuneData::parse(Chain).upgrades();
    const std::tuple<std::map<const char *, qint32>, std::vector<const char *>, const char *> rows[] = {
        {{{"Tal", 81}}, {"Amn"}, "1|81 Tal → 27 Ral, 27 Ral → 9 Ort, 9 Ort → 3 Thul, 3 Thul → Amn; 1 Chipped Topaz|81|"},
        {{{"Tal", 20}, {"Ral", 2}, {"Ort", 1}}, {"Thul"}, "1|12 Tal → 4 Ral, 6 Ral → 2 Ort, 3 Ort → Thul|15|"},
        {{{"Tal", 12}}, {"Ort", "Ral"}, "1|12 Tal → 4 Ral, 3 Ral → Ort|12|"},
        {{{"Tal", 11}}, {"Ort", "Ral"}, "0|3 Tal → Ral|3|Ort"},
        {{{"Ral", 1}, {"Tal", 5}}, {"Ral", "Tal", "Ral", "Tal"}, "1|3 Tal → Ral|3|"},
        {{{"Ral", 1}, {"Tal", 4}}, {"Ral", "Tal", "Ral", "Tal"}, "0||0|Ral"},
        {{{"Shae", 3}}, {"Dol", "Dol"}, "0|2 Shae → Dol; 1 Ruby|2|Dol"},
        {{{"Amn", Most}}, {"Dol"}, "0||0|Dol"},
        {{{"Tal", Most}, {"Ral", Least}}, {"Ral"}, "1|3 Tal → Ral|3|"},
        {{{"Ral", 1}}, {"Ral"}, "1||0|"},
        {{}, {"Sol", "Ral"}, "0||0|Sol, Ral"},
    };
    for (const auto &[counts, names, expected] : rows) {
        Recipe recipe{true, {}, 0};
        for (const char *name : names)
            recipe.runes.append(rune(name));
        const std::optional<UpgradePlan> plan = planRuneWord(recipes, stockOf(counts), recipe);
        ASSERT_TRUE(plan);
        EXPECT_EQ(planText(*plan), expected);
    }
    EXPECT_FALSE(planRuneWord(recipes, RuneStock(), Recipe{true, {7, -1}, 0}));
    EXPECT_FALSE(planRuneWord(recipes, RuneStock(), Recipe{false, {}, 0}));

    // A near miss says how upgrades make it; without recipes both rankings
    // give today's list.
    const QByteArray words = "[Ist Ral]\nRuneNum=2\nRune1=24\nRune2=8\n[Ort Ral]\nRuneNum=2\nRune1=9\nRune2=8\n"
                             "[Tal]\nRuneNum=1\nRune1=7\n";
    const QStringList names{u"Ist Ral"_s, u"Ort Ral"_s, u"Tal"_s};
    const RuneStock stock = stockOf({{"Tal", 12}});
    const auto listed = [&](const QByteArray &file, NearMissRanking ranking) {
        const RuneData data = RuneData::parse(file);
        QStringList found;
        for (const NearMiss &miss : nearMisses(data, stock, names, std::nullopt, 2, ranking))
            found.append(u"%1:%2:%3"_s.arg(miss.name).arg(miss.upgrades.missingCount).arg(upgradePlanText(miss.upgrades, data.runes())));
        return found;
    };
    const QStringList today{u"Tal:0:"_s, u"Ist Ral:2:"_s, u"Ort Ral:2:"_s};
    EXPECT_EQ(listed(words, NearMissRanking::Missing), today);
    EXPECT_EQ(listed(words, NearMissRanking::MissingAfterUpgrades), today);
    EXPECT_EQ(listed(words + Chain, NearMissRanking::Missing),
              (QStringList{u"Tal:0:"_s, u"Ist Ral:1:3 Tal → Ral"_s, u"Ort Ral:0:12 Tal → 4 Ral, 3 Ral → Ort"_s}));
    EXPECT_EQ(listed(words + Chain, NearMissRanking::MissingAfterUpgrades),
              (QStringList{u"Tal:0:"_s, u"Ort Ral:0:12 Tal → 4 Ral, 3 Ral → Ort"_s, u"Ist Ral:1:3 Tal → Ral"_s}));
}

// The calculator: count of a rune from all the runes below it, and what it
// costs from each lower rune alone; counts beyond 64 bits saturate.
TEST(UpgradePlan, calculatorCountsFromTheRunesBelow)
{
    // Counts are grouped as the user's locale groups them.
    const QLocale system;
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    const UpgradeRecipes recipes = RuneData::parse(Chain).upgrades();
    const std::tuple<std::map<const char *, qint32>, const char *, qint64, const char *> rows[] = {
        {{{"Ral", 5}, {"Tal", 3}}, "Ral", 1, "1|3 Tal → Ral|3|"},
        {{{"Tal", 3}}, "Ral", 0, "1||0|"},
        {{{"Tal", 3}}, "Ral", -5, "1||0|"},
        {{{"El", Most}}, "Ral", MaxUpgradeCount,
         "0|2,147,483,097 El → 715,827,699 Eld, 715,827,699 Eld → 238,609,233 Tir, 238,609,233 Tir → 79,536,411 Nef, "
         "79,536,411 Nef → 26,512,137 Eth, 26,512,137 Eth → 8,837,379 Ith, 8,837,379 Ith → 2,945,793 Tal, "
         "2,945,793 Tal → 981,931 Ral|2147483097|9,223,372,036,853,793,876 Ral"},
    };
    for (const auto &[counts, name, count, expected] : rows)
        EXPECT_EQ(planText(planUpgrade(recipes, stockOf(counts), rune(name), count)), expected);
    EXPECT_EQ(calculateUpgrade(RuneData::parse(Chain), stockOf({{"Tal", 2}}), rune("Ral"), 1, false).answer,
              u"This group can make no Ral from the runes below it."_s);
    // They run into the trillions.
    const UpgradeCalculation million = calculateUpgrade(RuneData::parse(Chain), stockOf({{"Amn", 3'000'000}}), rune("Sol"), 1'000'000, false);
    EXPECT_EQ(million.costs.first().gems, u"1,000,000 Chipped Amethyst"_s);
    EXPECT_TRUE(million.answer.endsWith(u"That spends 3,000,000 Amn."_s)) << million.answer.toStdString();

    const QList<UpgradeCost> sol = upgradeCosts(recipes, rune("Sol"), 2);
    ASSERT_EQ(sol.size(), 11);
    EXPECT_EQ(sol.first(), (UpgradeCost{rune("Amn"), 6, {{{GemGrade::Chipped, GemKind::Amethyst}, 2}}}));
    EXPECT_EQ(u"%1 %2; %3"_s.arg(sol.last().index).arg(sol.last().runes).arg(gemsText(sol.last().gems)),
              u"0 354294; 6 Chipped Topaz, 2 Chipped Amethyst"_s);
    EXPECT_TRUE(upgradeCosts(recipes, rune("Dol"), 1).size() == 1 && upgradeCosts(recipes, 40, 1).isEmpty());

    // A rune that the data renames takes the recipe under its new name, and
    // its name is text, never a place for a number.
    const RuneData renamed = RuneData::parse("[Rune#8]\nName=Ra%1\nLevel=19\nWeapon1=w\nArmor1=a\n"
                                             "[Rune#13]\nName=Shael\nLevel=29\nWeapon1=w\nArmor1=a\n"
                                             "[Rune Upgrades]\nShae=2 Sol\nShael=3 Sol\nOrt=3 Ra%1\n");
    EXPECT_EQ(upgradeRecipeText(renamed.upgrades(), rune("Shae"), renamed.runes()), u"3 Sol → Shael"_s);
    EXPECT_EQ(upgradePlanText(planUpgrade(renamed.upgrades(), stockOf({{"Ral", 6}}), rune("Ort"), 2), renamed.runes()),
              u"6 Ra%1 → 2 Ort"_s);
    EXPECT_EQ(missingRunesText({{rune("Ral"), 2}, {rune("Tal"), 1}}, renamed.runes()), u"2 Ra%1, Tal"_s);
    QLocale::setDefault(system);

    // Every step of a plan takes the count of its own recipe: Um from Pul and
    // Lem with the shipped recipes crosses from three runes a step to two.
    const UpgradeRecipes shipped = RuneData::parse(readAll(QStringLiteral(RCL_DATA_DIR "/rune.dat"))).upgrades();
    EXPECT_EQ(planText(planUpgrade(shipped, stockOf({{"Pul", 1}, {"Lem", 3}}), rune("Um"), 1)),
              "1|3 Lem → Pul, 2 Pul → Um; 1 Flawed Emerald, 1 Flawed Diamond|4|");
    EXPECT_EQ(planText(planUpgrade(shipped, stockOf({{"Pul", 1}, {"Lem", 2}}), rune("Um"), 1)), "0||0|Um");
}
