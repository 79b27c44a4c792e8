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

    // Case-folded words that the name, the rune names or the effects must
    // all contain; see searchTerms().
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

} // namespace rcl
