#pragma once

#include "gamedata/runedata.h"
#include "stock/runestock.h"
#include "rules/runewordfinder.h"
#include "rules/upgrades.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <functional>
#include <optional>

namespace rcl {

// A rune word that a group could make with a few more runes.
struct NearMiss
{
    QString name;
    QList<MissingRune> missing;
    qint64 missingCount = 0;
    QString allowed;
    int level = 0;
    // How the group's spare runes are cubed up into the missing ones; without
    // recipes it makes nothing and everything stays missing.
    UpgradePlan upgrades;
};

enum class NearMissRanking {
    // Fewest runes missing first.
    Missing,
    // Fewest runes missing after upgrades first, then fewest missing.
    MissingAfterUpgrades,
};

// The names in their order, a name that runename.dat lists twice once, where
// it first stands.
[[nodiscard]] QStringList uniqueNames(const QStringList &names);

// The rune words of names that lack at most maxMissing runes, ranked and
// otherwise in the order of names; a name listed twice comes once. Without
// an item type every rune word counts, whatever its Allowed text; with one,
// as the band's filter takes it. Rune words that no counts make are left out.
// The upgrade plan of a rune word that lacks runes is planRuneWord's, or
// planOf's where the caller has made the plans already.
using UpgradePlanOf = std::function<UpgradePlan(const QString &name, const Recipe &recipe)>;
[[nodiscard]] QList<NearMiss> nearMisses(const RuneData &data, const RuneStock &stock, const QStringList &names,
                                         const std::optional<QString> &itemType, int maxMissing,
                                         NearMissRanking ranking = NearMissRanking::Missing,
                                         const UpgradePlanOf &planOf = {});

// The missing runes as a reader writes them: "Ist, 2 Ral".
[[nodiscard]] QString missingRunesText(const QList<MissingRune> &missing, const RuneTable &runes);

// A rune word whose recipe names a rune, how many of it the recipe takes,
// and whether the group can make it now. What the rune is made from and into
// is the data's upgrades(): recipe(index) and madeInto(index).
struct RuneUse
{
    QString name;
    int count = 0;
    bool makeable = false;
};

// Every rune word of names whose recipe names the rune at index, in the
// order of names and each once.
[[nodiscard]] QList<RuneUse> runeUses(const RuneData &data, const RuneStock &stock, const QStringList &names,
                                      int index);

} // namespace rcl
