#include "planning/runewordrows.h"

#include "gamedata/gametext.h"
#include "planning/upgraderows.h"

#include <algorithm>

using namespace Qt::StringLiterals;

namespace rcl {
namespace {

bool startsWithBlank(const QString &line)
{
    return !line.isEmpty() && (line.front() == u' ' || line.front() == u'\t');
}

RuneWordRow rowOf(const RuneWordFinder &finder, const RuneData &data, const RuneStock &stock, const QString &name,
                  const QHash<QString, QString> &otherNames)
{
    RuneWordRow row;
    row.name = name;
    const QString english = data.value(name, englishNameKey()).trimmed();
    row.markName = english.isEmpty() ? name : english;
    row.otherName = english.isEmpty() ? otherNames.value(name) : english;
    const Recipe recipe = finder.recipe(name);
    row.runes = recipe.runes;
    row.level = recipe.level;
    QStringList runeNames;
    for (const int index : recipe.runes)
        runeNames.append(index >= 0 ? data.runes().name(index) : u"?"_s);
    row.runeNames = runeNames.join(u" + "_s);
    row.allowed = finder.allowed(name);
    row.kinds = data.kinds().kindsOf(row.allowed);
    row.patch = finder.patch(name);
    row.mode = finder.mode(name);
    row.effects = joinedLines(finder.effects(name));
    row.status = makeStatus(data, stock, recipe, &row.plan);
    if (row.status == MakeStatus::WithUpgrades)
        row.upgrades = upgradePlanText(row.plan, data.runes());
    row.searchText = (name + u'\n' + row.otherName + u'\n' + row.effects.join(u'\n')).toCaseFolded();
    return row;
}

} // namespace

MakeStatus makeStatus(const RuneData &data, const RuneStock &stock, const Recipe &recipe, UpgradePlan *plan)
{
    const std::optional<QList<MissingRune>> missing = RuneWordFinder(data, stock).missingRunes(recipe);
    if (!missing)
        return MakeStatus::No;
    if (missing->isEmpty())
        return MakeStatus::Now;
    std::optional<UpgradePlan> upgrades = planRuneWord(data.upgrades(), stock, recipe);
    if (!upgrades)
        return MakeStatus::No;
    const bool possible = upgrades->possible;
    if (plan)
        *plan = std::move(*upgrades);
    return possible ? MakeStatus::WithUpgrades : MakeStatus::No;
}

RuneWordRows::RuneWordRows(const RuneData &data, const RuneStock &stock, const QStringList &names,
                           const QHash<QString, QString> &otherNames)
    : m_data(data)
    , m_stock(stock)
    , m_names(names)
{
    const RuneWordFinder finder(data, stock);
    m_byName.reserve(names.size());
    for (const QString &name : uniqueNames(names)) {
        m_byName.insert(name, m_rows.size());
        m_rows.append(rowOf(finder, data, stock, name, otherNames));
    }
}

const RuneWordRow *RuneWordRows::find(const QString &name) const
{
    const auto found = m_byName.constFind(name);
    return found == m_byName.cend() ? nullptr : &m_rows[*found];
}

QList<NearMissRow> RuneWordRows::nearMisses(int maxMissing, NearMissRanking ranking) const
{
    QList<NearMissRow> rows;
    const auto planOf = [this](const QString &name, const Recipe &) {
        const RuneWordRow *row = find(name);
        return row ? row->plan : UpgradePlan();
    };
    for (NearMiss &miss : rcl::nearMisses(m_data, m_stock, m_names, std::nullopt, maxMissing, ranking, planOf)) {
        if (const RuneWordRow *word = find(miss.name)) {
            QString missing = missingRunesText(miss.missing, m_data.runes());
            QString upgrades = nearMissUpgradesText(miss, m_data.upgrades(), m_data.runes());
            rows.append({std::move(miss), std::move(missing), std::move(upgrades), *word});
        }
    }
    return rows;
}

QList<RuneUseRow> RuneWordRows::uses(int index) const
{
    QList<RuneUseRow> rows;
    for (RuneUse &use : runeUses(m_data, m_stock, m_names, index)) {
        if (const RuneWordRow *word = find(use.name))
            rows.append({std::move(use), *word});
    }
    return rows;
}

QList<int> RuneWordRows::socketCounts() const
{
    QList<int> counts;
    for (const RuneWordRow &row : m_rows) {
        if (row.sockets() > 0 && !counts.contains(row.sockets()))
            counts.append(row.sockets());
    }
    std::sort(counts.begin(), counts.end());
    return counts;
}

QStringList RuneWordRows::patches() const
{
    QList<std::pair<QList<int>, QString>> versions;
    for (const RuneWordRow &row : m_rows) {
        const std::optional<QList<int>> numbers = versionNumbers(row.patch);
        if (numbers && std::none_of(versions.cbegin(), versions.cend(), [&](const auto &v) { return v.first == *numbers; }))
            versions.append({*numbers, row.patch});
    }
    std::sort(versions.begin(), versions.end(), [](const auto &a, const auto &b) { return versionLess(a.first, b.first); });
    QStringList patches;
    for (const auto &[numbers, text] : versions)
        patches.append(text);
    return patches;
}

QStringList joinedLines(const QStringList &lines)
{
    QStringList joined;
    for (const QString &line : lines) {
        if (!joined.isEmpty() && startsWithBlank(line))
            joined.last() += u' ' + line.trimmed();
        else
            joined.append(line);
    }
    return joined;
}

QString versionSortKey(const QString &version)
{
    const std::optional<QList<int>> numbers = versionNumbers(version);
    if (!numbers)
        return {};
    QString key;
    for (const int number : *numbers)
        key += u"%1."_s.arg(number, 10, 10, QChar(u'0'));
    return key;
}

} // namespace rcl
