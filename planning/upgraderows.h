#pragma once

#include "rules/nearmiss.h"
#include "gamedata/runedata.h"
#include "stock/runestock.h"
#include "rules/upgrades.h"

#include <QList>
#include <QString>
#include <QVariant>

namespace rcl {

// What the planner shows of the cube's rune upgrades (upgrades.h): a near
// miss's upgrades, what a rune is made from and into, and the upgrade
// calculator. Without recipes in rune.dat each says nothing, or that there
// are none.

// A near miss's upgrades: the steps and gems where the cube makes every
// missing rune ("3 Tal → Ral; 1 Chipped Topaz"), those it can do and what
// they leave missing where it makes only some ("3 Tal → Ral; still missing
// Ort"), "No" where it makes none. Empty where nothing is missing, and
// where rune.dat has no recipes.
[[nodiscard]] QString nearMissUpgradesText(const NearMiss &miss, const UpgradeRecipes &recipes, const RuneTable &runes);

// "Tal upgrades into Ral (3 Tal) and is made from 3 Ith."; one half for a
// rune with a recipe only above or below it, empty for one with neither.
[[nodiscard]] QString runeUpgradesText(const UpgradeRecipes &recipes, int index, const RuneTable &runes);

// A count of the calculator as a table shows it: the number, or at
// MaxUpgradeCount, where counting stopped, a text saying the count is at
// least that.
[[nodiscard]] QVariant upgradeCountCell(qint64 count);

// What the wanted runes take from one lower rune alone.
struct UpgradeCostRow
{
    int index = 0;
    QString rune;
    qint64 runes = 0;
    // "6 Chipped Topaz, 2 Chipped Amethyst", the lowest step's first.
    QString gems;
};

struct UpgradeCalculation
{
    // From each lower rune that the recipes reach, the nearest first; the
    // last is the cost from scratch. Empty where no recipe makes the rune.
    QList<UpgradeCostRow> costs;
    // Whether the counts make the runes from the runes below, and how:
    // "This group can make 2 Ral: 6 Tal → 2 Ral. That spends 6 Tal." Where
    // nothing makes the rune, it says so.
    QString answer;
};

// count of the rune at index, judged by the counts of stock: a group's, or
// all groups' together.
[[nodiscard]] UpgradeCalculation calculateUpgrade(const RuneData &data, const RuneStock &stock, int index,
                                                  qint64 count, bool allGroups);

} // namespace rcl
