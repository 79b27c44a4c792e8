#pragma once

#include "gamedata/runedata.h"
#include "planning/runewordmarks.h"
#include "planning/runewordrows.h"

#include <QList>
#include <QString>
#include <QStringList>

namespace rcl {

// What the planner's filter bar lets through; each part left at its default
// lets every rune word through, and the parts combine.
struct RuneWordFilter
{
    enum class Mode { Any, Ladder, NonLadder };

    // Case-folded words that must all match (searchMatches()); see
    // searchTerms().
    QStringList terms = {};
    // A kind of the data's [Item Kinds] section, fitting as the band's item
    // types fit; or, without one, a band choice (itemtypechoice.h) that
    // matches as the band matches.
    int kind = -1;
    QString itemType = {};
    // The number of runes; 0 for any.
    int sockets = 0;
    // The highest required level; 0 for any.
    int maxLevel = 0;
    // A rune word without a Mode can be made in both.
    Mode mode = Mode::Any;
    // Rune words of this version or older; a rune word without a Patch
    // passes only when this is empty.
    QString patch = {};
    bool favouritesOnly = false;
    bool showHidden = false;

    [[nodiscard]] static QStringList searchTerms(const QString &text);
    [[nodiscard]] bool accepts(const RuneWordRow &row, const RuneData &data, const RuneWordMarks &marks) const;
};

// Whether a rune word matches every search word. A word that is a rune's
// name, whole and in any letter case, matches the rune words that use that
// rune ("Tal Ral": those with both); any other word matches a name or an
// effect that contains it. Players look rune words up by their runes, and
// "tal" inside "Vitality" is not what they mean.
[[nodiscard]] bool searchMatches(const RuneWordRow &row, const QStringList &terms, const RuneTable &runes);

} // namespace rcl
