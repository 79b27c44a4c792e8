#include "runewordfinder.h"

#include "decimalnumber.h"

#include <algorithm>
#include <array>

namespace rcl {
namespace {

const QString RuneNumKey = QStringLiteral("RuneNum");
const QString AllowedKey = QStringLiteral("Allowed");
const QString EffectNumKey = QStringLiteral("EffectNum");

constexpr int LowestLevel = 13;

} // namespace

std::optional<int> runeIndexOf(const QString &entry)
{
    const std::optional<DecimalNumber> number = DecimalNumber::parse(entry);
    if (!number)
        return std::nullopt;
    const std::optional<qint32> index = number->plus(-1).rounded();
    if (!index || !RuneStock::isIndex(*index))
        return std::nullopt;
    return *index;
}

RuneWordFinder::RuneWordFinder(const ProfileData &data, const RuneStock &stock)
    : m_data(data)
    , m_stock(stock)
{
}

std::optional<int> RuneWordFinder::entryCount(const QString &name, const QString &key) const
{
    const std::optional<DecimalNumber> number = DecimalNumber::parse(m_data.value(name, key));
    if (!number)
        return std::nullopt;
    const std::optional<qint32> count = number->rounded();
    if (!count)
        return std::nullopt;
    return std::clamp(*count, 0, MaxEntries);
}

QString RuneWordFinder::entry(const QString &name, int k) const
{
    return m_data.value(name, QStringLiteral("Rune") + QString::number(k));
}

bool RuneWordFinder::IsRuneWordMakeable(const QString &name) const
{
    const std::optional<int> count = entryCount(name, RuneNumKey);
    if (!count)
        return false;
    std::array<qint64, RuneCatalogue::Count> needed{};
    for (int k = 1; k <= *count; ++k) {
        const std::optional<int> index = runeIndexOf(entry(name, k));
        if (!index)
            return false;
        ++needed[std::size_t(*index)];
    }
    for (int index = 0; index < RuneCatalogue::Count; ++index) {
        if (needed[std::size_t(index)] > std::max<qint64>(0, m_stock.at(index)))
            return false;
    }
    return true;
}

bool RuneWordFinder::MatchesItemType(const QString &name, const QString &choice) const
{
    const QString allowed = m_data.value(name, AllowedKey);
    if (!allowed.isEmpty() && allowed.contains(choice.left(3), Qt::CaseSensitive))
        return true;
    return choice == QStringLiteral("All");
}

// The level is worked out from the rune numbers alone, not from the runes'
// own levels: at least 13, and 2 x (number - 1) + 5 for each rune from
// number 5 on, so Hel (15) counts 33.
int RuneWordFinder::RuneWordLevel(const QString &name) const
{
    int level = LowestLevel;
    const int count = entryCount(name, RuneNumKey).value_or(0);
    for (int k = 1; k <= count; ++k) {
        const std::optional<DecimalNumber> number = DecimalNumber::parse(entry(name, k));
        if (!number || number->compare(5) < 0)
            continue;
        if (const std::optional<qint32> runeLevel = number->times(2).plus(3).rounded())
            level = std::max(level, *runeLevel);
    }
    return level;
}

RuneWordDetails RuneWordFinder::details(const QString &name) const
{
    RuneWordDetails details;
    const auto print = [&details](const QString &text, qreal size) { details.lines.append({text, size, true}); };
    print(QStringLiteral("  ") + name, panelsize::RuneWordName);

    QString runes = QStringLiteral("  Req Rune : ");
    const int count = entryCount(name, RuneNumKey).value_or(0);
    std::array<qint64, RuneCatalogue::Count> used{};
    for (int k = 1; k <= count; ++k) {
        const QString text = entry(name, k);
        const std::optional<int> index = runeIndexOf(text);
        // An entry that names no rune is shown as it stands, with no frame.
        runes += index ? RuneCatalogue::name(*index) : text;
        if (k < count)
            runes += QStringLiteral(" + ");
        if (index && k <= FrameCount) {
            qint64 &taken = used[std::size_t(*index)];
            details.frames.append({k, *index, m_stock.at(*index) > taken});
            ++taken;
        }
    }
    using panelsize::RuneWordBody;
    print(runes, RuneWordBody);
    print(QStringLiteral("  Req Lv : ") + QString::number(RuneWordLevel(name)), RuneWordBody);
    print(QStringLiteral("  Item Type : ") + m_data.value(name, AllowedKey), RuneWordBody);
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
