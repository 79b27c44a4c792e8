#pragma once

#include "profile/profiledata.h"
#include "gamedata/runetable.h"
#include "stock/runestock.h"

#include <QList>
#include <QString>
#include <QStringView>

#include <array>
#include <optional>

namespace rcl {

// The cube's rune recipes, from rune.dat's optional [Rune Upgrades] section:
// each key the rune made, its value how many of the rune directly below it
// that takes and, from some point on, a gem.
//
//   [Rune Upgrades]
//   Ral=3 Tal
//   Amn=3 Thul + Chipped Topaz
//   Mal=2 Um + Topaz
//
// A gem is a kind (Topaz, Amethyst, Sapphire, Ruby, Emerald, Diamond, Skull)
// after an optional grade (Chipped, Flawed, Flawless, Perfect); no grade is
// the standard gem. Runes are named as the rune table names them, or by
// their built-in names where the data renamed them, without regard to ASCII
// letter case; where both names have a value, the table's wins. Only a
// recipe from the rune directly below counts.

enum class GemGrade { Chipped, Flawed, Standard, Flawless, Perfect };
enum class GemKind { Topaz, Amethyst, Sapphire, Ruby, Emerald, Diamond, Skull };

struct Gem
{
    GemGrade grade = GemGrade::Standard;
    GemKind kind = GemKind::Topaz;

    friend bool operator==(const Gem &, const Gem &) = default;
};

// "Chipped Topaz", "Topaz".
[[nodiscard]] QString gemName(const Gem &gem);
[[nodiscard]] std::optional<Gem> gemOf(QStringView text);

struct UpgradeRecipe
{
    int from = -1;
    qint32 count = 0;
    std::optional<Gem> gem;

    friend bool operator==(const UpgradeRecipe &, const UpgradeRecipe &) = default;
};

// One value of the section as it reads, for the section's parse and for the
// data check, which says why a value is no recipe.
struct UpgradeValue
{
    enum class Problem {
        None,
        Incomplete,   // no count, no rune, or nothing after the '+'
        NotWhole,     // a count that is no whole number of 32 bits
        FewerThanOne,
        UnknownRune,
        UnknownGem,
    };

    Problem problem = Problem::None;
    // The piece at fault: the count, the rune's or the gem's name.
    QString piece;
    UpgradeRecipe recipe;
};
[[nodiscard]] UpgradeValue readUpgradeValue(QStringView value, const RuneTable &runes);
// The rune of a name in the section: as the table names it, else by its
// built-in name; -1 for none.
[[nodiscard]] int upgradeRuneIndex(QStringView name, const RuneTable &runes);
// The value that stands for the rune at index in the section.
[[nodiscard]] QString upgradeValueOf(const ProfileData &data, ProfileData::SectionHandle section, int index,
                                     const RuneTable &runes);

class UpgradeRecipes final
{
public:
    [[nodiscard]] static QString sectionName();
    [[nodiscard]] static UpgradeRecipes fromData(const ProfileData &data, const RuneTable &runes);

    [[nodiscard]] bool isEmpty() const;
    // How the rune at index is made; none when the data has no recipe for it.
    [[nodiscard]] const std::optional<UpgradeRecipe> &recipe(int index) const;
    // The rune that the rune at index is made into; -1 for none.
    [[nodiscard]] int madeInto(int index) const;

private:
    std::array<std::optional<UpgradeRecipe>, RuneCatalogue::Count> m_recipes;
};

} // namespace rcl
