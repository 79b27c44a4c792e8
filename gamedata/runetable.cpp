#include "gamedata/runetable.h"

#include "stock/decimalnumber.h"
#include "profile/numberedkeys.h"

using namespace Qt::StringLiterals;

namespace rcl {
namespace {

QStringList sectionLines(const ProfileData &data, ProfileData::SectionHandle section, const QString &stem)
{
    QStringList lines;
    NumberedKeys keys(stem);
    for (int k = 1; k <= RuneTable::MaxLines; ++k) {
        QString line = data.value(section, keys[k]);
        if (line.isEmpty())
            break;
        lines.append(std::move(line));
    }
    return lines;
}

void appendKind(QStringList &printed, const QString &prefix, const QStringList &lines)
{
    for (qsizetype i = 0; i < lines.size(); ++i)
        printed.append((i == 0 ? prefix : u"        "_s) + lines[i]);
}

} // namespace

QStringList printedEffectLines(const RuneTable::Effects &effects)
{
    // Helms and body armor take the same effects from every rune, and most
    // shields too: the panel has room for one armor line and the kinds that
    // differ from it.
    QStringList printed;
    appendKind(printed, u"  W: "_s, effects.weapon);
    appendKind(printed, u"  A : "_s, effects.armor);
    if (effects.helm != effects.armor)
        appendKind(printed, u"  H : "_s, effects.helm);
    if (effects.shield != effects.armor)
        appendKind(printed, u"  S : "_s, effects.shield);
    return printed;
}

RuneTable::RuneTable()
{
    for (int index = 0; index < RuneCatalogue::Count; ++index) {
        Rune &rune = m_runes[std::size_t(index)];
        rune.name = RuneCatalogue::name(index);
        rune.level = RuneCatalogue::requiredLevel(index);
        rune.lines = RuneCatalogue::effectLines(index);
    }
}

RuneTable RuneTable::fromData(const ProfileData &data)
{
    RuneTable table;
    for (int index = 0; index < RuneCatalogue::Count; ++index) {
        const ProfileData::SectionHandle section = data.section(sectionName(index));
        if (!section)
            continue;
        const QString name = data.value(section, u"Name"_s);
        const std::optional<DecimalNumber> level = DecimalNumber::parse(data.value(section, u"Level"_s));
        Effects effects{sectionLines(data, section, u"Weapon"_s), sectionLines(data, section, u"Armor"_s),
                        sectionLines(data, section, u"Helm"_s), sectionLines(data, section, u"Shield"_s)};
        if (name.isEmpty() || !level || level->compare(0) < 0 || level->compare(MaxLevel) > 0
            || level->compare(*level->rounded()) != 0 || effects.weapon.isEmpty() || effects.armor.isEmpty())
            continue;
        Rune &rune = table.m_runes[std::size_t(index)];
        rune = {name, *level->rounded(), printedEffectLines(effects), std::move(effects), true};
    }
    return table;
}

const RuneTable::Rune &RuneTable::rune(int index) const
{
    return m_runes.at(std::size_t(index));
}

QStringList RuneTable::names() const
{
    QStringList names;
    for (const Rune &rune : m_runes)
        names.append(rune.name);
    return names;
}

int RuneTable::indexOf(QStringView name) const
{
    for (int index = 0; index < RuneCatalogue::Count; ++index) {
        if (name.compare(m_runes[std::size_t(index)].name, Qt::CaseInsensitive) == 0)
            return index;
    }
    return -1;
}

QString RuneTable::sectionName(int index)
{
    return u"Rune#"_s + QString::number(index + 1);
}

} // namespace rcl
