#include "planning/runewordfilter.h"

#include <algorithm>

using namespace Qt::StringLiterals;

namespace rcl {
namespace {

bool modeAccepts(RuneWordFilter::Mode wanted, const QString &mode)
{
    const PlayMode only = wanted == RuneWordFilter::Mode::Ladder ? PlayMode::Ladder : PlayMode::NonLadder;
    return wanted == RuneWordFilter::Mode::Any || mode.isEmpty() || playModeOf(mode) == only;
}

} // namespace

QStringList RuneWordFilter::searchTerms(const QString &text)
{
    return text.toCaseFolded().simplified().split(u' ', Qt::SkipEmptyParts);
}

bool RuneWordFilter::accepts(const RuneWordRow &row, const RuneData &data, const RuneWordMarks &marks) const
{
    if (!showHidden && marks.isHidden(row.markName))
        return false;
    if (favouritesOnly && !marks.isFavourite(row.markName))
        return false;
    if (sockets > 0 && row.sockets() != sockets)
        return false;
    if (maxLevel > 0 && row.level > maxLevel)
        return false;
    if (!modeAccepts(mode, row.mode))
        return false;
    if (!patch.isEmpty()) {
        const std::optional<QList<int>> limit = versionNumbers(patch);
        const std::optional<QList<int>> version = versionNumbers(row.patch);
        if (!limit || !version || versionLess(*limit, *version))
            return false;
    }
    if (kind >= 0 && !data.kinds().fits(row.kinds, kind))
        return false;
    if (kind < 0 && !itemType.isEmpty() && !itemTypeAllows(data.kinds(), row.allowed, itemType))
        return false;
    return searchMatches(row, terms, data.runes());
}

bool searchMatches(const RuneWordRow &row, const QStringList &terms, const RuneTable &runes)
{
    return std::all_of(terms.cbegin(), terms.cend(), [&](const QString &term) {
        if (const int rune = runes.indexOf(term); rune >= 0)
            return row.runes.contains(rune);
        return row.searchText.contains(term);
    });
}

} // namespace rcl
