#include "planning/upgraderows.h"

#include <QLocale>
#include <QStringList>

using namespace Qt::StringLiterals;

namespace rcl {
namespace {

QString runeCountsText(const QList<RuneCount> &counts, const RuneTable &runes)
{
    QStringList parts;
    for (const RuneCount &entry : counts)
        parts.append(u"%1 %2"_s.arg(upgradeCountText(entry.count), runes.name(entry.index)));
    return parts.join(u", "_s);
}

QString answerText(const UpgradePlan &plan, int index, qint64 count, const RuneTable &runes, bool allGroups)
{
    const QString who = allGroups ? u"All groups together"_s : u"This group"_s;
    const QString rune = runes.name(index);
    const qint64 made = count - plan.missingCount;
    if (made <= 0)
        return u"%1 can make no %2 from the runes below it."_s.arg(who, rune);
    const QString wanted = plan.possible ? u"%1 %2"_s.arg(upgradeCountText(made), rune)
                                         : u"%1 of the %2 %3"_s.arg(upgradeCountText(made), upgradeCountText(count), rune);
    return u"%1 can make %2: %3. That spends %4."_s.arg(who, wanted, upgradePlanText(plan, runes),
                                                       runeCountsText(plan.spent, runes));
}

} // namespace

QString nearMissUpgradesText(const NearMiss &miss, const UpgradeRecipes &recipes, const RuneTable &runes)
{
    if (miss.missingCount == 0 || recipes.isEmpty())
        return {};
    if (miss.upgrades.steps.isEmpty())
        return u"No"_s;
    QString text = upgradePlanText(miss.upgrades, runes);
    if (!miss.upgrades.possible)
        text += u"; still missing "_s + missingRunesText(miss.upgrades.stillMissing, runes);
    return text;
}

QString runeUpgradesText(const UpgradeRecipes &recipes, int index, const RuneTable &runes)
{
    QStringList parts;
    if (const int into = recipes.madeInto(index); into >= 0)
        parts.append(u"upgrades into %1 (%2)"_s.arg(runes.name(into), upgradeTakesText(*recipes.recipe(into), runes)));
    if (const std::optional<UpgradeRecipe> &recipe = recipes.recipe(index))
        parts.append(u"is made from "_s + upgradeTakesText(*recipe, runes));
    if (parts.isEmpty())
        return {};
    return u"%1 %2."_s.arg(runes.name(index), parts.join(u" and "_s));
}

QVariant upgradeCountCell(qint64 count)
{
    return count < MaxUpgradeCount ? QVariant(count) : QVariant(upgradeCountText(count));
}

UpgradeCalculation calculateUpgrade(const RuneData &data, const RuneStock &stock, int index, qint64 count,
                                    bool allGroups)
{
    const UpgradeRecipes &recipes = data.upgrades();
    const RuneTable &runes = data.runes();
    UpgradeCalculation calculation;
    if (recipes.isEmpty()) {
        calculation.answer = u"rune.dat has no rune upgrades: they are the recipes of its [%1] section."_s.arg(
            UpgradeRecipes::sectionName());
        return calculation;
    }
    if (!recipes.recipe(index)) {
        calculation.answer = u"No recipe of rune.dat makes %1."_s.arg(runes.name(index));
        return calculation;
    }
    for (const UpgradeCost &cost : upgradeCosts(recipes, index, count)) {
        QStringList gems;
        for (const GemCount &gem : cost.gems)
            gems.append(gemCountText(gem));
        calculation.costs.append({cost.index, runes.name(cost.index), cost.runes, gems.join(u", "_s)});
    }
    calculation.answer = answerText(planUpgrade(recipes, stock, index, count), index, count, runes, allGroups);
    return calculation;
}

} // namespace rcl
