#pragma once

#include <QList>
#include <QtGlobal>

namespace rcl {

// A rune that a group lacks for a recipe, and how many more of it.
struct MissingRune
{
    int index = 0;
    qint64 count = 0;

    friend bool operator==(const MissingRune &, const MissingRune &) = default;
};

// A recipe as the finder reads it: the rune index of each entry in order, -1
// for an entry that names no rune, and the required level. Not readable when
// RuneNum is not a number.
struct Recipe
{
    bool readable = false;
    QList<int> runes;
    int level = 0;
};

} // namespace rcl
