#include "rules/nearmiss.h"

#include <QSet>

#include <algorithm>
#include <utility>
#include <vector>

namespace rcl {

QStringList uniqueNames(const QStringList &names)
{
    QStringList unique;
    QSet<QString> seen;
    seen.reserve(names.size());
    for (const QString &name : names) {
        if (!seen.contains(name)) {
            seen.insert(name);
            unique.append(name);
        }
    }
    return unique;
}

QList<NearMiss> nearMisses(const RuneData &data, const RuneStock &stock, const QStringList &names,
                           const std::optional<QString> &itemType, int maxMissing, NearMissRanking ranking,
                           const UpgradePlanOf &planOf)
{
    const RuneWordFinder finder(data, stock);
    const int kind = itemType ? itemKindOf(data.kinds(), *itemType) : -1;
    QList<NearMiss> found;
    for (const QString &name : uniqueNames(names)) {
        QString allowed = finder.allowed(name);
        if (itemType && !itemTypeAllows(data.kinds(), allowed, *itemType, kind))
            continue;
        const Recipe recipe = finder.recipe(name);
        std::optional<QList<MissingRune>> missing = finder.missingRunes(recipe);
        if (!missing)
            continue;
        qint64 count = 0;
        for (const MissingRune &rune : *missing)
            count += rune.count;
        if (count > maxMissing)
            continue;
        UpgradePlan plan;
        if (count == 0)
            plan.possible = true;
        else
            plan = planOf ? planOf(name, recipe) : planRuneWord(data.upgrades(), stock, recipe).value_or(UpgradePlan());
        found.append({name, std::move(*missing), count, std::move(allowed), recipe.level, std::move(plan)});
    }
    // Ranked by their places, not moved about: a near miss is large.
    std::vector<std::pair<std::pair<qint64, qint64>, qsizetype>> order;
    order.reserve(std::size_t(found.size()));
    for (qsizetype i = 0; i < found.size(); ++i) {
        const NearMiss &miss = found[i];
        order.push_back({ranking == NearMissRanking::MissingAfterUpgrades
                             ? std::pair(miss.upgrades.missingCount, miss.missingCount)
                             : std::pair(miss.missingCount, qint64(0)),
                         i});
    }
    std::sort(order.begin(), order.end());
    QList<NearMiss> ranked;
    ranked.reserve(found.size());
    for (const auto &entry : order)
        ranked.append(std::move(found[entry.second]));
    return ranked;
}

QString missingRunesText(const QList<MissingRune> &missing, const RuneTable &runes)
{
    QStringList parts;
    for (const MissingRune &rune : missing)
        parts.append(runeCountText(rune.index, rune.count, runes));
    return parts.join(QStringLiteral(", "));
}

QList<RuneUse> runeUses(const RuneData &data, const RuneStock &stock, const QStringList &names, int index)
{
    const RuneWordFinder finder(data, stock);
    QList<RuneUse> uses;
    for (const QString &name : uniqueNames(names)) {
        const Recipe recipe = finder.recipe(name);
        const auto count = int(recipe.runes.count(index));
        if (count > 0) {
            const std::optional<QList<MissingRune>> missing = finder.missingRunes(recipe);
            uses.append({name, count, missing && missing->isEmpty()});
        }
    }
    return uses;
}

} // namespace rcl
