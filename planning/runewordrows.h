#pragma once

#include "rules/nearmiss.h"
#include "gamedata/runedata.h"
#include "stock/runestock.h"
#include "rules/runewordfinder.h"
#include "rules/upgrades.h"

#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

namespace rcl {

// Whether a group can make a rune word: now, or once the cube has upgraded
// spare runes into the missing ones (upgrades.h), or not.
enum class MakeStatus { Now, WithUpgrades, No };

// The one place that decides a rune word's status for a group's counts; the
// plan of the upgrades goes to plan where there is one.
[[nodiscard]] MakeStatus makeStatus(const RuneData &data, const RuneStock &stock, const Recipe &recipe,
                                    UpgradePlan *plan = nullptr);

// A rune word as the planner's lists show it, worked out once per list.
struct RuneWordRow
{
    QString name;
    // The name that favourites and hidden marks keep: the English name that
    // a Japanese section names (English=), else the name. A mark belongs to
    // the rune word, whichever game text shows it.
    QString markName;
    // The name in the other game text, where known; the search finds it too.
    QString otherName;
    // The rune index of each recipe entry in order, -1 for an entry that
    // names no rune; none when RuneNum is not a number.
    QList<int> runes;
    // "Tal + Eth"; "?" stands for an entry that names no rune.
    QString runeNames;
    int level = 0;
    QString allowed;
    // The kinds of the data's [Item Kinds] section that Allowed names.
    QList<int> kinds;
    QString patch;
    QString mode;
    // The effect lines, each whole: a line that the data wraps onto the
    // next, indented, is joined to it again.
    QStringList effects;
    MakeStatus status = MakeStatus::No;
    // The upgrades that make it, for a rune word made with upgrades:
    // "3 Tal → Ral; 1 Chipped Topaz".
    QString upgrades;
    // The plan those come from, also where they do not make it.
    UpgradePlan plan;
    // The name and the effects, case-folded, for a search (the runes are
    // searched by their indexes).
    QString searchText;

    [[nodiscard]] int sockets() const { return int(runes.size()); }
};

struct NearMissRow
{
    NearMiss miss;
    // The missing runes as a reader writes them: "Ist, 2 Ral".
    QString missingText;
    // What the cube's upgrades do for it (upgraderows.h).
    QString upgradesText;
    RuneWordRow word;
};

struct RuneUseRow
{
    RuneUse use;
    RuneWordRow word;
};

// The rune words of names, in their order and each once, for one group's
// counts, and the planner's lists of them. Keeps a reference to data, as a
// finder does.
class RuneWordRows final
{
public:
    // otherNames gives a rune word's name in the other game text, where the
    // data does not name it itself.
    RuneWordRows(const RuneData &data, const RuneStock &stock, const QStringList &names,
                 const QHash<QString, QString> &otherNames = {});

    [[nodiscard]] const QList<RuneWordRow> &rows() const { return m_rows; }
    // Null for a name that is not listed.
    [[nodiscard]] const RuneWordRow *find(const QString &name) const;
    // The near misses of every item kind and the uses of the rune at index
    // (nearmiss.h), with their rune words.
    [[nodiscard]] QList<NearMissRow> nearMisses(int maxMissing,
                                                NearMissRanking ranking = NearMissRanking::Missing) const;
    [[nodiscard]] QList<RuneUseRow> uses(int index) const;
    // The distinct game versions of the Patch values, oldest first.
    [[nodiscard]] QStringList patches() const;
    // The distinct numbers of runes the rune words take, fewest first.
    [[nodiscard]] QList<int> socketCounts() const;

private:
    const RuneData &m_data;
    RuneStock m_stock;
    QStringList m_names;
    QList<RuneWordRow> m_rows;
    QHash<QString, qsizetype> m_byName;
};

// Effect lines with every indented line after the first joined to the line
// before it, as one line.
[[nodiscard]] QStringList joinedLines(const QStringList &lines);

// versionNumbers and versionLess: gamedata/runewordrecipe.h.
// A text that sorts as the version does, empty for none.
[[nodiscard]] QString versionSortKey(const QString &version);

} // namespace rcl
