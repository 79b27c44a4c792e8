#pragma once

#include "profile/profiledata.h"
#include "stock/runecatalogue.h"

#include <QString>
#include <QStringList>

#include <array>

namespace rcl {

// The 33 runes as the program shows them. Each rune comes from the built-in
// catalogue, unless rune.dat has a complete section for it, [Rune#n] for rune
// number n:
//
//   [Rune#13]
//   Name=Shael
//   Level=29
//   Weapon1=20% Increased Attack Speed
//   Armor1=20% Faster Hit Recovery
//   Helm1=20% Faster Hit Recovery
//   Shield1=20% Faster Block Rate
//
// Name, Level (a whole number from 0 to 99), Weapon1 and Armor1 make a section
// complete; Weapon2, Armor2, ... and the Helm and Shield lines are optional.
// No rune word name has a '#', so these sections cannot stand for a rune word.
class RuneTable final
{
public:
    // The effects of a rune in each kind of item, one entry a printed line.
    struct Effects
    {
        QStringList weapon;
        QStringList armor;
        QStringList helm;
        QStringList shield;

        friend bool operator==(const Effects &, const Effects &) = default;
    };

    static constexpr int MaxLevel = 99;
    // More lines than this of one kind are not read.
    static constexpr int MaxLines = 8;

    // The built-in catalogue.
    RuneTable();
    [[nodiscard]] static RuneTable fromData(const ProfileData &data);

    [[nodiscard]] QString name(int index) const { return rune(index).name; }
    [[nodiscard]] int requiredLevel(int index) const { return rune(index).level; }
    // The lines the info panel prints, prefixes and indents included: the
    // built-in catalogue's as they stand; a section's as "  W: " and "  A : "
    // lines, with "  H : " and "  S : " lines where helms and shields differ
    // from armor, and further lines of a kind indented under the first.
    [[nodiscard]] QStringList effectLines(int index) const { return rune(index).lines; }
    // Empty for a rune of the built-in catalogue.
    [[nodiscard]] const Effects &effects(int index) const { return rune(index).effects; }
    [[nodiscard]] bool fromData(int index) const { return rune(index).fromData; }
    [[nodiscard]] QStringList names() const;
    // The rune of a name, without regard to ASCII letter case; -1 for none.
    [[nodiscard]] int indexOf(QStringView name) const;

    [[nodiscard]] static QString sectionName(int index);

private:
    struct Rune
    {
        QString name;
        int level = 0;
        QStringList lines;
        Effects effects;
        bool fromData = false;
    };

    [[nodiscard]] const Rune &rune(int index) const;

    std::array<Rune, RuneCatalogue::Count> m_runes;
};

// The printed effect lines of a complete section's effects.
[[nodiscard]] QStringList printedEffectLines(const RuneTable::Effects &effects);

} // namespace rcl
