#pragma once

#include "gamedata/panelline.h"
#include "profile/numberedkeys.h"
#include "gamedata/runedata.h"
#include "stock/runestock.h"
#include "gamedata/runewordrecipe.h"

#include <QList>
#include <QStringList>

#include <optional>

namespace rcl {

// A rune word's recipe entry shown on the grid: frame k (1..6) around the
// picture of the rune at index, owned when the group holds enough of it for
// this occurrence.
struct RecipeFrame
{
    int frame = 0;
    int index = 0;
    bool owned = false;

    friend bool operator==(const RecipeFrame &, const RecipeFrame &) = default;
};

// Marks each frame owned when the group holds more of its rune than the
// frames before it name: a rune named twice is owned twice only with two.
void markOwned(QList<RecipeFrame> &frames, const RuneStock &stock);

struct RuneWordDetails
{
    QList<PanelLine> lines;
    QList<RecipeFrame> frames;
};

// The rune words of one version of rune.dat, judged against one group's
// counts. Every lookup goes to the data as the user wrote it; nothing about a
// rune word is kept between calls.
class RuneWordFinder final
{
public:
    // More effect lines than this are not read: an EffectNum of two billion
    // must not hold the window for minutes.
    static constexpr int MaxEntries = 1000;
    static constexpr int FrameCount = 6;

    // The counts are copied: 33 numbers. The data must outlive the finder.
    RuneWordFinder(const RuneData &data, const RuneStock &stock);
    RuneWordFinder(const RuneData &&data, const RuneStock &stock) = delete;

    // Makeable when, for every rune, the group holds at least as many as the
    // recipe names it (a count of 0 or less holds none). A recipe entry that is
    // not a rune number 1..33, or a RuneNum that gives no rune count
    // (runeCountOf), is not.
    [[nodiscard]] bool IsRuneWordMakeable(const QString &name) const;
    // As itemTypeAllows.
    [[nodiscard]] bool MatchesItemType(const QString &name, const QString &choice) const;
    [[nodiscard]] int RuneWordLevel(const QString &name) const;
    [[nodiscard]] RuneWordDetails details(const QString &name) const;
    [[nodiscard]] QString allowed(const QString &name) const;
    // The game version that added the rune word, and where it can be made
    // ("Ladder", "Non-ladder"; empty for both); empty when the data does not
    // say.
    [[nodiscard]] QString patch(const QString &name) const;
    [[nodiscard]] QString mode(const QString &name) const;
    // Effect1 to EffectM as they stand, M being EffectNum.
    [[nodiscard]] QStringList effects(const QString &name) const;

    [[nodiscard]] Recipe recipe(const QString &name) const;
    [[nodiscard]] Recipe recipe(ProfileData::SectionHandle section) const;
    // The runes the group lacks, each once where the recipe first names it;
    // empty for a makeable rune word, none for one that no counts make.
    [[nodiscard]] std::optional<QList<MissingRune>> missingRunes(const Recipe &recipe) const;

    // The names, in their order, of the rune words that the group can make
    // (when makeableOnly) and that match the item type (when one is given):
    // the band's three lists.
    [[nodiscard]] QStringList select(const QStringList &names, bool makeableOnly,
                                     const std::optional<QString> &itemType) const;

private:
    [[nodiscard]] std::optional<int> entryCount(const QString &name, const QString &key) const;
    [[nodiscard]] QString entry(const QString &name, int k) const;

    const RuneData &m_data;
    mutable NumberedKeys m_runeKeys{QStringLiteral("Rune")};
    mutable NumberedKeys m_effectKeys{QStringLiteral("Effect")};
    const RuneStock m_stock;
};

// Whether an item type choice takes a rune word of this Allowed text: "All"
// takes everything. A choice that stands for a kind of the data's
// [Item Kinds] section takes as kinds fit (itemkinds.h); any other the first
// three characters of the choice, found in Allowed with letter case
// significant, so that no choice takes every non-empty Allowed. The band,
// the near misses and the planner's filter all match by this.
[[nodiscard]] bool itemTypeAllows(const ItemKinds &kinds, const QString &allowed, const QString &choice);
// The same with the choice's kind found once for many rune words: the kind
// that the choice stands for, -1 for none, where the text match applies.
[[nodiscard]] int itemKindOf(const ItemKinds &kinds, const QString &choice);
[[nodiscard]] bool itemTypeAllows(const ItemKinds &kinds, const QString &allowed, const QString &choice, int kind);

// The line of a rune word's details that says when and where it can be
// made: "  Patch : 1.10, ladder only"; empty when the data says neither.
[[nodiscard]] QString versionLine(const QString &patch, const QString &mode);

// The number of lines an EffectNum value gives: rounded, from 0 to
// RuneWordFinder::MaxEntries; none when it is not a number.
[[nodiscard]] std::optional<int> entryCountOf(const QString &value);
[[nodiscard]] std::optional<int> entryCountOf(QByteArrayView value);

// The rune index of a recipe entry: its rune number less one, rounded; none
// when that is not a number or not a rune.
[[nodiscard]] std::optional<int> runeIndexOf(const QString &entry);

} // namespace rcl
