#include "runewordfinder.h"

#include "decimalnumber.h"

#include <algorithm>
#include <array>
#include <utility>

namespace rcl {
namespace {

const QString RuneNumKey = QStringLiteral("RuneNum");
const QString AllowedKey = QStringLiteral("Allowed");
const QString EffectNumKey = QStringLiteral("EffectNum");

constexpr int LowestLevel = 13;

// "Rune1", "Rune2", ...: the names of the first few entries are made once.
QString runeKey(int k)
{
    static const QStringList common = [] {
        QStringList keys;
        for (int i = 0; i <= 8; ++i)
            keys.append(QStringLiteral("Rune") + QString::number(i));
        return keys;
    }();
    return k < common.size() ? common[k] : QStringLiteral("Rune") + QString::number(k);
}

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

std::optional<int> runeIndexOf(const QString &entry)
{
    return runeIndexOf(DecimalNumber::parse(entry));
}

std::optional<int> entryCountOf(const QString &value)
{
    const std::optional<DecimalNumber> number = DecimalNumber::parse(value);
    if (!number)
        return std::nullopt;
    const std::optional<qint32> count = number->rounded();
    if (!count)
        return std::nullopt;
    return std::clamp(*count, 0, RuneWordFinder::MaxEntries);
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

RuneWordFinder::RuneWordFinder(const ProfileData &data, const RuneStock &stock)
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
    return m_data.value(name, runeKey(k));
}

bool RuneWordFinder::IsRuneWordMakeable(const QString &name) const
{
    const std::optional<QList<MissingRune>> missing = missingRunes(recipe(name));
    return missing && missing->isEmpty();
}

Recipe RuneWordFinder::recipe(const QString &name) const
{
    Recipe recipe;
    recipe.level = LowestLevel;
    // Found once for all its keys: lists read the recipes of thousands of
    // rune words.
    const ProfileData::SectionHandle section = m_data.section(name);
    const std::optional<int> count = entryCountOf(m_data.value(section, RuneNumKey));
    if (!count)
        return recipe;
    recipe.readable = true;
    recipe.runes.reserve(*count);
    for (int k = 1; k <= *count; ++k) {
        const std::optional<DecimalNumber> number = DecimalNumber::parse(m_data.value(section, runeKey(k)));
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
        const qint64 lacking = std::exchange(needed[std::size_t(index)], 0) - std::max<qint64>(0, m_stock.at(index));
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
    return allowedMatches(allowed(name), choice);
}

bool RuneWordFinder::allowedMatches(const QString &allowed, const QString &choice)
{
    if (!allowed.isEmpty() && allowed.contains(choice.left(3), Qt::CaseSensitive))
        return true;
    return choice == QStringLiteral("All");
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

    QString runes = QStringLiteral("  Req Rune : ");
    const int count = entryCount(name, RuneNumKey).value_or(0);
    for (int k = 1; k <= count; ++k) {
        const QString text = entry(name, k);
        const std::optional<int> index = runeIndexOf(text);
        // An entry that names no rune is shown as it stands, with no frame.
        runes += index ? RuneCatalogue::name(*index) : text;
        if (k < count)
            runes += QStringLiteral(" + ");
        if (index && k <= FrameCount)
            details.frames.append({k, *index});
    }
    markOwned(details.frames, m_stock);
    using panelsize::RuneWordBody;
    print(runes, RuneWordBody);
    print(QStringLiteral("  Req Lv : ") + QString::number(RuneWordLevel(name)), RuneWordBody);
    print(QStringLiteral("  Item Type : ") + allowed(name), RuneWordBody);
    print(QString(), RuneWordBody);
    print(QStringLiteral(" Effect :"), panelsize::RuneWordHeading);
    const int effects = entryCount(name, EffectNumKey).value_or(0);
    for (int j = 1; j <= effects; ++j)
        print(QStringLiteral("    ") + m_data.value(name, QStringLiteral("Effect") + QString::number(j)), RuneWordBody);
    return details;
}

QStringList RuneWordFinder::makeable(const QStringList &names) const
{
    QStringList found;
    for (const QString &name : names) {
        if (IsRuneWordMakeable(name))
            found.append(name);
    }
    return found;
}

QStringList RuneWordFinder::makeableOfItemType(const QStringList &names, const QString &choice) const
{
    QStringList found;
    for (const QString &name : names) {
        if (IsRuneWordMakeable(name) && MatchesItemType(name, choice))
            found.append(name);
    }
    return found;
}

QStringList RuneWordFinder::ofItemType(const QStringList &names, const QString &choice) const
{
    QStringList found;
    for (const QString &name : names) {
        if (MatchesItemType(name, choice))
            found.append(name);
    }
    return found;
}

} // namespace rcl
