#include "rules/runewordfinder.h"

#include "stock/decimalnumber.h"
#include "rules/itemtypechoice.h"

#include <algorithm>
#include <array>
#include <utility>

namespace rcl {
namespace {

const QString RuneNumKey = QStringLiteral("RuneNum");
const QString AllowedKey = QStringLiteral("Allowed");
const QString EffectNumKey = QStringLiteral("EffectNum");
const QString PatchKey = QStringLiteral("Patch");
const QString ModeKey = QStringLiteral("Mode");

constexpr int LowestLevel = 13;

std::optional<int> runeIndexOf(const std::optional<DecimalNumber> &number)
{
    if (!number)
        return std::nullopt;
    const std::optional<qint32> index = number->plus(-1).rounded();
    if (!index || !RuneStock::isIndex(*index))
        return std::nullopt;
    return *index;
}

// The level is worked out from the rune numbers alone, not from the runes'
// own levels: at least 13, and 2 x (number - 1) + 5 for each rune from
// number 5 on, so Hel (15) counts 33.
int levelOf(const std::optional<DecimalNumber> &number)
{
    if (!number || number->compare(5) < 0)
        return LowestLevel;
    return std::max(LowestLevel, number->times(2).plus(3).rounded().value_or(LowestLevel));
}

} // namespace

QString versionLine(const QString &patch, const QString &mode)
{
    QString modeText = mode;
    if (const PlayMode only = playModeOf(mode); only == PlayMode::Ladder || only == PlayMode::NonLadder)
        modeText = playModeWord(only).toLower() + QStringLiteral(" only");
    if (patch.isEmpty())
        return modeText.isEmpty() ? QString() : QStringLiteral("  ") + modeText.left(1).toUpper() + modeText.mid(1);
    return QStringLiteral("  Patch : ") + patch + (modeText.isEmpty() ? QString() : QStringLiteral(", ") + modeText);
}

std::optional<int> runeIndexOf(const QString &entry)
{
    return runeIndexOf(DecimalNumber::parse(entry));
}

namespace {

std::optional<int> entryCountOf(const std::optional<DecimalNumber> &number)
{
    if (!number)
        return std::nullopt;
    const std::optional<qint32> count = number->rounded();
    if (!count)
        return std::nullopt;
    return std::clamp(*count, 0, RuneWordFinder::MaxEntries);
}

} // namespace

std::optional<int> entryCountOf(const QString &value)
{
    return entryCountOf(DecimalNumber::parse(value));
}

std::optional<int> entryCountOf(QByteArrayView value)
{
    return entryCountOf(DecimalNumber::parse(value));
}

void markOwned(QList<RecipeFrame> &frames, const RuneStock &stock)
{
    std::array<qint64, RuneCatalogue::Count> taken{};
    for (RecipeFrame &frame : frames) {
        if (!RuneStock::isIndex(frame.index)) {
            frame.owned = false;
            continue;
        }
        qint64 &before = taken[std::size_t(frame.index)];
        frame.owned = stock.at(frame.index) > before;
        ++before;
    }
}

RuneWordFinder::RuneWordFinder(const RuneData &data, const RuneStock &stock)
    : m_data(data)
    , m_stock(stock)
{
}

std::optional<int> RuneWordFinder::entryCount(const QString &name, const QString &key) const
{
    return entryCountOf(m_data.value(name, key));
}

QString RuneWordFinder::entry(const QString &name, int k) const
{
    return m_data.value(name, m_runeKeys[k]);
}

bool RuneWordFinder::IsRuneWordMakeable(const QString &name) const
{
    const std::optional<QList<MissingRune>> missing = missingRunes(recipe(name));
    return missing && missing->isEmpty();
}

Recipe RuneWordFinder::recipe(const QString &name) const
{
    return recipe(m_data.profile().section(name));
}

// The numbers are read from the value's bytes: lists read the recipes of
// thousands of rune words, and no number needs decoding.
Recipe RuneWordFinder::recipe(ProfileData::SectionHandle section) const
{
    Recipe recipe;
    recipe.level = LowestLevel;
    const ProfileData &data = m_data.profile();
    const std::optional<int> count = runeCountOf(DecimalNumber::parse(data.rawValue(section, RuneNumKey)));
    if (!count)
        return recipe;
    recipe.readable = true;
    recipe.runes.reserve(*count);
    for (int k = 1; k <= *count; ++k) {
        const std::optional<DecimalNumber> number = DecimalNumber::parse(data.rawValue(section, m_runeKeys[k]));
        recipe.runes.append(runeIndexOf(number).value_or(-1));
        recipe.level = std::max(recipe.level, levelOf(number));
    }
    return recipe;
}

std::optional<QList<MissingRune>> RuneWordFinder::missingRunes(const Recipe &recipe) const
{
    if (!recipe.readable || recipe.runes.contains(-1))
        return std::nullopt;
    std::array<qint64, RuneCatalogue::Count> needed{};
    for (const int index : recipe.runes)
        ++needed[std::size_t(index)];
    QList<MissingRune> missing;
    for (const int index : recipe.runes) {
        // Taken once, at the rune's first entry.
        const qint64 lacking = std::exchange(needed[std::size_t(index)], 0) - m_stock.held(index);
        if (lacking > 0)
            missing.append({index, lacking});
    }
    return missing;
}

QString RuneWordFinder::allowed(const QString &name) const
{
    return m_data.value(name, AllowedKey);
}

bool RuneWordFinder::MatchesItemType(const QString &name, const QString &choice) const
{
    return itemTypeAllows(m_data.kinds(), allowed(name), choice);
}

QString RuneWordFinder::patch(const QString &name) const
{
    return m_data.value(name, PatchKey);
}

QString RuneWordFinder::mode(const QString &name) const
{
    return m_data.value(name, ModeKey);
}

QStringList RuneWordFinder::effects(const QString &name) const
{
    QStringList lines;
    const int count = entryCount(name, EffectNumKey).value_or(0);
    for (int j = 1; j <= count; ++j)
        lines.append(m_data.value(name, m_effectKeys[j]));
    return lines;
}

int itemKindOf(const ItemKinds &kinds, const QString &choice)
{
    return choice.isEmpty() || kinds.isEmpty() ? -1 : kinds.indexOf(kindOfChoice(choice));
}

bool itemTypeAllows(const ItemKinds &kinds, const QString &allowed, const QString &choice, int kind)
{
    if (choice == QStringLiteral("All"))
        return true;
    if (kind >= 0)
        return kinds.fits(allowed, kind);
    return !allowed.isEmpty() && allowed.contains(choice.left(3), Qt::CaseSensitive);
}

bool itemTypeAllows(const ItemKinds &kinds, const QString &allowed, const QString &choice)
{
    return itemTypeAllows(kinds, allowed, choice, itemKindOf(kinds, choice));
}

int RuneWordFinder::RuneWordLevel(const QString &name) const
{
    return recipe(name).level;
}

RuneWordDetails RuneWordFinder::details(const QString &name) const
{
    RuneWordDetails details;
    const auto print = [&details](const QString &text, qreal size) { details.lines.append({text, size, true}); };
    print(QStringLiteral("  ") + name, panelsize::RuneWordName);

    const Recipe recipe = this->recipe(name);
    QStringList runes;
    for (int k = 1; k <= recipe.runes.size(); ++k) {
        const int index = recipe.runes[k - 1];
        // An entry that names no rune is shown as it stands, with no frame.
        runes.append(index >= 0 ? m_data.runes().name(index) : entry(name, k));
        if (index >= 0 && k <= FrameCount)
            details.frames.append({k, index});
    }
    markOwned(details.frames, m_stock);
    using panelsize::RuneWordBody;
    print(QStringLiteral("  Req Rune : ") + runes.join(QStringLiteral(" + ")), RuneWordBody);
    print(QStringLiteral("  Req Lv : ") + QString::number(recipe.level), RuneWordBody);
    print(QStringLiteral("  Item Type : ") + allowed(name), RuneWordBody);
    // The line under the item types is empty, unless the data says when and
    // where the rune word can be made.
    print(versionLine(patch(name), mode(name)), RuneWordBody);
    print(QStringLiteral(" Effect :"), panelsize::RuneWordHeading);
    for (const QString &effect : effects(name))
        print(QStringLiteral("    ") + effect, RuneWordBody);
    return details;
}

QStringList RuneWordFinder::select(const QStringList &names, bool makeableOnly,
                                   const std::optional<QString> &itemType) const
{
    const ProfileData &data = m_data.profile();
    const int kind = itemType ? itemKindOf(m_data.kinds(), *itemType) : -1;
    QStringList found;
    for (const QString &name : names) {
        const ProfileData::SectionHandle section = data.section(name);
        if (makeableOnly) {
            const std::optional<QList<MissingRune>> missing = missingRunes(recipe(section));
            if (!missing || !missing->isEmpty())
                continue;
        }
        if (itemType && !itemTypeAllows(m_data.kinds(), data.value(section, AllowedKey), *itemType, kind))
            continue;
        found.append(name);
    }
    return found;
}

} // namespace rcl
