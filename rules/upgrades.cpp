#include "rules/upgrades.h"

#include <QLocale>

#include <algorithm>
#include <array>

using namespace Qt::StringLiterals;

namespace rcl {
namespace {

constexpr int Levels = RuneCatalogue::Count;
using PerRune = std::array<qint64, Levels>;


// Counts here are never negative.
qint64 added(qint64 a, qint64 b)
{
    return a > MaxUpgradeCount - b ? MaxUpgradeCount : a + b;
}

qint64 multiplied(qint64 a, qint64 b)
{
    if (a == 0 || b == 0)
        return 0;
    return a > MaxUpgradeCount / b ? MaxUpgradeCount : a * b;
}

void addGem(QList<GemCount> &gems, const Gem &gem, qint64 count, bool atFront = false)
{
    for (GemCount &entry : gems) {
        if (entry.gem == gem) {
            entry.count = added(entry.count, count);
            return;
        }
    }
    if (atFront)
        gems.prepend({gem, count});
    else
        gems.append({gem, count});
}


// The demand at each level met from the top down: spare runes of a level
// first, then the recipe from the level below for the rest. Spares serve
// nothing but the demand at their own level, so this is the cheapest way,
// and whether it meets everything is whether anything does.
struct Flow
{
    bool met = true;
    // Spare runes used, and runes made, at each level.
    PerRune used{};
    PerRune made{};
};

Flow flowOf(const UpgradeRecipes &recipes, const PerRune &spares, PerRune demand)
{
    Flow flow;
    for (int level = Levels - 1; level >= 0; --level) {
        const auto i = std::size_t(level);
        flow.used[i] = std::min(spares[i], demand[i]);
        const qint64 rest = demand[i] - flow.used[i];
        if (rest == 0)
            continue;
        const std::optional<UpgradeRecipe> &recipe = recipes.recipe(level);
        if (!recipe || level == 0) {
            flow.met = false;
            return flow;
        }
        flow.made[i] = rest;
        demand[i - 1] = added(demand[i - 1], multiplied(rest, recipe->count));
    }
    return flow;
}

// All of missing when the spares make it; else as much as they make, the
// lowest rune first: a higher rune is made through the levels of a lower one
// and costs at least one of it, so this makes the most runes.
UpgradePlan planFor(const UpgradeRecipes &recipes, const PerRune &spares, const PerRune &missing)
{
    PerRune made = missing;
    Flow flow = flowOf(recipes, spares, made);
    if (!flow.met) {
        // The flow of what is made so far; of nothing at first.
        flow = Flow();
        made.fill(0);
        for (std::size_t level = 0; level < missing.size(); ++level) {
            if (missing[level] == 0)
                continue;
            made[level] = missing[level];
            if (Flow tried = flowOf(recipes, spares, made); tried.met) {
                flow = tried;
                continue;
            }
            // Making lo is met, making hi is not.
            qint64 lo = 0;
            qint64 hi = missing[level];
            while (hi - lo > 1) {
                made[level] = lo + (hi - lo) / 2;
                if (Flow tried = flowOf(recipes, spares, made); tried.met) {
                    lo = made[level];
                    flow = tried;
                } else {
                    hi = made[level];
                }
            }
            made[level] = lo;
        }
    }

    UpgradePlan plan;
    plan.possible = made == missing;
    for (int level = 1; level < Levels; ++level) {
        const qint64 times = flow.made[std::size_t(level)];
        if (times == 0)
            continue;
        const UpgradeRecipe &recipe = *recipes.recipe(level);
        plan.steps.append({recipe.from, level, times, multiplied(times, recipe.count), recipe.gem});
        if (recipe.gem)
            addGem(plan.gems, *recipe.gem, times);
    }
    for (int level = 0; level < Levels; ++level) {
        const auto i = std::size_t(level);
        if (flow.used[i] > 0) {
            plan.spent.append({level, flow.used[i]});
            plan.runesSpent = added(plan.runesSpent, flow.used[i]);
        }
        if (missing[i] > made[i]) {
            plan.stillMissing.append({level, missing[i] - made[i]});
            plan.missingCount = added(plan.missingCount, missing[i] - made[i]);
        }
    }
    return plan;
}


} // namespace

std::optional<UpgradePlan> planRuneWord(const UpgradeRecipes &recipes, const RuneStock &stock, const Recipe &recipe)
{
    if (!recipe.readable || recipe.runes.contains(-1))
        return std::nullopt;
    PerRune needed{};
    for (const int index : recipe.runes)
        ++needed[std::size_t(index)];
    PerRune spares{};
    PerRune missing{};
    for (int index = 0; index < Levels; ++index) {
        const auto i = std::size_t(index);
        spares[i] = std::max<qint64>(0, stock.held(index) - needed[i]);
        missing[i] = std::max<qint64>(0, needed[i] - stock.held(index));
    }
    UpgradePlan plan = planFor(recipes, spares, missing);
    // What stays missing in the recipe's order, as the near misses name it.
    if (plan.stillMissing.size() > 1)
        std::stable_sort(plan.stillMissing.begin(), plan.stillMissing.end(),
                         [&recipe](const MissingRune &a, const MissingRune &b) {
                             return recipe.runes.indexOf(a.index) < recipe.runes.indexOf(b.index);
                         });
    return plan;
}

UpgradePlan planUpgrade(const UpgradeRecipes &recipes, const RuneStock &stock, int index, qint64 count)
{
    if (!RuneStock::isIndex(index))
        return {};
    PerRune spares{};
    for (int below = 0; below < index; ++below)
        spares[std::size_t(below)] = stock.held(below);
    PerRune missing{};
    missing[std::size_t(index)] = std::max<qint64>(0, count);
    return planFor(recipes, spares, missing);
}

QList<UpgradeCost> upgradeCosts(const UpgradeRecipes &recipes, int index, qint64 count)
{
    QList<UpgradeCost> costs;
    qint64 runes = std::max<qint64>(0, count);
    QList<GemCount> gems;
    for (int level = index; runes > 0 && recipes.recipe(level); --level) {
        const UpgradeRecipe &recipe = *recipes.recipe(level);
        // Lower steps are done first, so their gems go in front.
        if (recipe.gem)
            addGem(gems, *recipe.gem, runes, true);
        runes = multiplied(runes, recipe.count);
        costs.append({recipe.from, runes, gems});
    }
    return costs;
}

QString runeCountText(int index, qint64 count, const RuneTable &runes)
{
    return count == 1 ? runes.name(index) : u"%1 %2"_s.arg(upgradeCountText(count), runes.name(index));
}

QString upgradeStepText(const UpgradeStep &step, const RuneTable &runes)
{
    return u"%1 %2 \u2192 %3"_s.arg(upgradeCountText(step.runes), runes.name(step.from),
                                    runeCountText(step.to, step.times, runes));
}

QString upgradeCountText(qint64 count)
{
    return count < MaxUpgradeCount ? QLocale().toString(count) : u"at least %L1"_s.arg(MaxUpgradeCount);
}

QString gemCountText(const GemCount &gems)
{
    return u"%1 %2"_s.arg(upgradeCountText(gems.count), gemName(gems.gem));
}

QString gemsText(const QList<GemCount> &gems)
{
    QStringList parts;
    for (const GemCount &entry : gems)
        parts.append(gemCountText(entry));
    return parts.join(u", "_s);
}

QString upgradePlanText(const UpgradePlan &plan, const RuneTable &runes)
{
    QStringList steps;
    for (const UpgradeStep &step : plan.steps)
        steps.append(upgradeStepText(step, runes));
    QString text = steps.join(u", "_s);
    if (!plan.gems.isEmpty())
        text += u"; "_s + gemsText(plan.gems);
    return text;
}

QString upgradeTakesText(const UpgradeRecipe &recipe, const RuneTable &runes)
{
    const QString gem = recipe.gem ? u" + "_s + gemName(*recipe.gem) : QString();
    return u"%1 %2%3"_s.arg(QString::number(recipe.count), runes.name(recipe.from), gem);
}

QString upgradeRecipeText(const UpgradeRecipes &recipes, int index, const RuneTable &runes)
{
    const std::optional<UpgradeRecipe> &recipe = recipes.recipe(index);
    if (!recipe)
        return {};
    return u"%1 \u2192 %2"_s.arg(upgradeTakesText(*recipe, runes), runes.name(index));
}

} // namespace rcl