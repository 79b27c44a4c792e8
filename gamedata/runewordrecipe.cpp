#include "gamedata/runewordrecipe.h"

#include <algorithm>

using namespace Qt::StringLiterals;

namespace rcl {

std::optional<int> runeCountOf(const std::optional<DecimalNumber> &runeNum)
{
    const std::optional<qint32> count = runeNum ? runeNum->rounded() : std::nullopt;
    if (!count || *count < 1 || *count > MaxRecipeRunes)
        return std::nullopt;
    return *count;
}

std::optional<QList<int>> versionNumbers(QStringView version)
{
    QList<int> numbers;
    for (const QStringView part : version.split(u'.')) {
        const bool digits =
            !part.isEmpty() && std::all_of(part.begin(), part.end(), [](QChar c) { return c >= u'0' && c <= u'9'; });
        bool ok = false;
        const int number = digits ? part.toInt(&ok) : 0;
        if (!ok)
            return std::nullopt;
        numbers.append(number);
    }
    if (numbers.size() < 2)
        return std::nullopt;
    return numbers;
}

bool versionLess(const QList<int> &a, const QList<int> &b)
{
    return std::lexicographical_compare(a.cbegin(), a.cend(), b.cbegin(), b.cend());
}

PlayMode playModeOf(const QString &mode)
{
    if (mode.isEmpty())
        return PlayMode::Both;
    for (const PlayMode only : {PlayMode::Ladder, PlayMode::NonLadder}) {
        if (mode.compare(playModeWord(only), Qt::CaseInsensitive) == 0)
            return only;
    }
    return PlayMode::Unknown;
}

QString playModeWord(PlayMode mode)
{
    switch (mode) {
    case PlayMode::Ladder:
        return u"Ladder"_s;
    case PlayMode::NonLadder:
        return u"Non-ladder"_s;
    case PlayMode::Both:
    case PlayMode::Unknown:
        break;
    }
    return {};
}

} // namespace rcl
