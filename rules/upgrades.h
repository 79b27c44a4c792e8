#pragma once

#include "gamedata/upgraderecipes.h"
#include "gamedata/runewordrecipe.h"
#include "stock/runestock.h"

#include <QList>
#include <QString>

#include <limits>
#include <optional>

namespace rcl {

struct RuneCount
{
    int index = 0;
    qint64 count = 0;

    friend bool operator==(const RuneCount &, const RuneCount &) = default;
};

struct GemCount
{
    Gem gem;
    qint64 count = 0;

    friend bool operator==(const GemCount &, const GemCount &) = default;
};

// One recipe used times over: runes of from (times x its count) make times
// of to, each with the recipe's gem.
struct UpgradeStep
{
    int from = 0;
    int to = 0;
    qint64 times = 0;
    qint64 runes = 0;
    std::optional<Gem> gem;

    friend bool operator==(const UpgradeStep &, const UpgradeStep &) = default;
};

// How spare runes are cubed up into missing ones. Spare runes at the level
// nearest below a missing rune go first, which spends the fewest runes. When
// not everything can be made, the plan makes as many of the missing runes as
// it can, the lowest first, and says what stays missing.
struct UpgradePlan
{
    // Everything missing is made (also when nothing was missing).
    bool possible = false;
    // In the order they are done: the lowest rune first.
    QList<UpgradeStep> steps;
    // Each gem once, in the order the steps first need it.
    QList<GemCount> gems;
    // The group's runes that the steps use up, by rune, and their sum.
    QList<RuneCount> spent;
    qint64 runesSpent = 0;
    // What the upgrades do not make, and its sum.
    QList<MissingRune> stillMissing;
    qint64 missingCount = 0;
};

// Counts of rune words, recipes and gems grow no further than this: a chain
// of 32 recipes of three is beyond 64 bits.
inline constexpr qint64 MaxUpgradeCount = std::numeric_limits<qint64>::max();

// The plan for a rune word: the runes the group holds beyond what the recipe
// takes are spare, and all its missing runes draw on them together. None for
// a recipe that no counts make (not readable, or an entry that is no rune).
[[nodiscard]] std::optional<UpgradePlan> planRuneWord(const UpgradeRecipes &recipes, const RuneStock &stock,
                                                      const Recipe &recipe);
// The plan for count more of the rune at index, from every rune the group
// holds below it.
[[nodiscard]] UpgradePlan planUpgrade(const UpgradeRecipes &recipes, const RuneStock &stock, int index, qint64 count);

// count of the rune at index from the runes of one lower rune alone, and the
// gems on the way; saturated at MaxUpgradeCount.
struct UpgradeCost
{
    int index = 0;
    qint64 runes = 0;
    QList<GemCount> gems;

    friend bool operator==(const UpgradeCost &, const UpgradeCost &) = default;
};
// For each rune below the one at index that its recipes reach, the nearest
// first; the last is the cost from scratch.
[[nodiscard]] QList<UpgradeCost> upgradeCosts(const UpgradeRecipes &recipes, int index, qint64 count);

// Runes as every text of the engine counts them: "Ral" for one, "2 Ral".
[[nodiscard]] QString runeCountText(int index, qint64 count, const RuneTable &runes);
// "3 Tal → Ral", "9 Tal → 3 Ral".
[[nodiscard]] QString upgradeStepText(const UpgradeStep &step, const RuneTable &runes);
// A count as the texts show it; one that reached MaxUpgradeCount is "at
// least" that.
[[nodiscard]] QString upgradeCountText(qint64 count);
// "1 Chipped Topaz", several joined by ", ".
[[nodiscard]] QString gemCountText(const GemCount &gems);
[[nodiscard]] QString gemsText(const QList<GemCount> &gems);
// The steps joined by ", ", then the gems after "; ":
// "3 Tal → Ral, 6 Thul → 2 Amn; 2 Chipped Topaz". Empty without steps.
[[nodiscard]] QString upgradePlanText(const UpgradePlan &plan, const RuneTable &runes);
// "3 Tal", "3 Thul + Chipped Topaz": what a recipe takes.
[[nodiscard]] QString upgradeTakesText(const UpgradeRecipe &recipe, const RuneTable &runes);
// A recipe as a reader writes it: "3 Thul + Chipped Topaz → Amn"; empty when
// the rune at index has none.
[[nodiscard]] QString upgradeRecipeText(const UpgradeRecipes &recipes, int index, const RuneTable &runes);

} // namespace rcl
