#pragma once

#include "stock/decimalnumber.h"

#include <QList>
#include <QString>
#include <QStringView>
#include <QtGlobal>

#include <optional>

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
// RuneNum gives no rune count (runeCountOf).
struct Recipe
{
    bool readable = false;
    QList<int> runes;
    int level = 0;
};

// The rules of a rune word's section, which the finder follows and the data
// check holds rune.dat to.

// No item has more sockets than this.
inline constexpr int MaxRecipeRunes = 7;

// The number of runes a RuneNum value names: rounded, as every number of the
// file is read, and from 1 to MaxRecipeRunes; none for any other value, and
// the rune word can then never be made.
[[nodiscard]] std::optional<int> runeCountOf(const std::optional<DecimalNumber> &runeNum);

// A Patch value's numbers, "1.10" giving 1 and 10: two or more parts of the
// digits 0 to 9, each part a number an int holds; none for any other text.
[[nodiscard]] std::optional<QList<int>> versionNumbers(QStringView version);
// Versions compare number by number: 1.9 < 1.10 < 1.11 < 2.4 < 3.0.
[[nodiscard]] bool versionLess(const QList<int> &a, const QList<int> &b);

// Where a rune word can be made, as its Mode value says: missing for both,
// else one of the two words, in any letter case.
enum class PlayMode { Both, Ladder, NonLadder, Unknown };
[[nodiscard]] PlayMode playModeOf(const QString &mode);
// "Ladder", "Non-ladder"; empty for the others.
[[nodiscard]] QString playModeWord(PlayMode mode);

} // namespace rcl
