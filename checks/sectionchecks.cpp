#include "checks/checker.h"

using namespace Qt::StringLiterals;

namespace rcl::datacheck {

void Checker::checkSections(const QSet<QString> &listed, const RuneData &data)
{
    const QString settings = u"overall"_s;
    const QString kinds = foldedProfileName(ItemKinds::sectionName());
    static const QRegularExpression runeSection(u"^rune#(.*)$"_s);
    for (std::size_t section = 0; section < m_sections.size(); ++section) {
        const QString folded = foldedProfileName(m_sections[section].name);
        if (folded == settings) {
            checkSettings(section);
            continue;
        }
        if (folded == kinds) {
            checkKinds(section, data.kinds());
            continue;
        }
        if (folded == foldedProfileName(ItemKinds::namesSectionName())) {
            checkKindNames(section, data);
            continue;
        }
        if (folded == foldedProfileName(UpgradeRecipes::sectionName())) {
            checkUpgrades(section, data.runes());
            continue;
        }
        if (const QRegularExpressionMatch rune = runeSection.match(folded); rune.hasMatch()) {
            bool number = false;
            const int n = rune.captured(1).toInt(&number);
            if (number && n >= 1 && n <= RuneCatalogue::Count && rune.captured(1) == QString::number(n)) {
                checkRune(section, n - 1, data.runes());
            } else {
                add(DataFile, m_sections[section].line,
                    u"[%1] names no rune: rune sections are [Rune#1] (El) to [Rune#33] (Zod), so this one is never "
                    u"read."_s.arg(m_sections[section].name));
            }
            continue;
        }
        if (!listed.contains(folded)) {
            add(DataFile, m_sections[section].line,
                u"The section [%1] is not in runename.dat, so no list shows it."_s.arg(m_sections[section].name));
        }
        checkRecipe(section);
        checkEffects(section);
        checkVersion(section);
        checkAllowed(section, data.kinds());
    }
}

void Checker::checkKindNames(std::size_t section, const RuneData &data)
{
    const ProfileData &profile = data.profile();
    for (const auto &[kind, english] : profile.keys(profile.section(m_sections[section].name))) {
        if (data.kinds().indexOf(kind) < 0) {
            add(DataFile, m_sections[section].line,
                u"[%1] names %2, which is no kind of [%3], so it is never used."_s.arg(
                    m_sections[section].name, kind, ItemKinds::sectionName()));
        }
    }
}

void Checker::checkVersion(std::size_t section)
{
    const SectionLines &lines = m_sections[section];
    if (const KeyLine *patch = key(section, u"patch"_s); patch && !versionNumbers(value(patch))) {
        add(DataFile, patch->line, u"Patch of [%1] is \"%2\", not a game version such as 1.10 or 2.4."_s
                                       .arg(lines.name, value(patch)));
    }
    if (const KeyLine *mode = key(section, u"mode"_s)) {
        const QString text = value(mode);
        if (const PlayMode only = playModeOf(text); only != PlayMode::Ladder && only != PlayMode::NonLadder) {
            add(DataFile, mode->line, u"Mode of [%1] is \"%2\": it is %3 or %4 where the rune word can be made only "
                                      u"there, and missing where it can be made in both."_s
                                          .arg(lines.name, text, playModeWord(PlayMode::Ladder),
                                               playModeWord(PlayMode::NonLadder)));
        }
    }
}

void Checker::checkAllowed(std::size_t section, const ItemKinds &kinds)
{
    const KeyLine *allowed = key(section, u"allowed"_s);
    if (kinds.isEmpty() || !allowed)
        return;
    QStringList unknown;
    (void)kinds.kindsOf(value(allowed), &unknown);
    if (!unknown.isEmpty()) {
        add(DataFile, allowed->line,
            u"Allowed of [%1] names %2, which [%3] does not know: the item type filters pass over it."_s.arg(
                m_sections[section].name, u"\""_s + unknown.join(u"\", \""_s) + u"\""_s, ItemKinds::sectionName()));
    }
}

void Checker::checkRune(std::size_t section, int index, const RuneTable &runes)
{
    const SectionLines &lines = m_sections[section];
    QStringList gaps;
    const QString name = value(key(section, u"name"_s));
    if (name.isEmpty())
        gaps.append(u"no Name"_s);
    const KeyLine *levelKey = key(section, u"level"_s);
    const std::optional<DecimalNumber> level = DecimalNumber::parse(value(levelKey));
    if (!level || level->compare(0) < 0 || level->compare(RuneTable::MaxLevel) > 0
        || level->compare(*level->rounded()) != 0)
        gaps.append(u"no Level from 0 to %1"_s.arg(RuneTable::MaxLevel));
    for (const QString &kind : {u"Weapon"_s, u"Armor"_s}) {
        if (value(key(section, foldedProfileName(kind + u'1'))).isEmpty())
            gaps.append(u"no %1"_s.arg(kind + u'1'));
    }
    if (!gaps.isEmpty()) {
        add(DataFile, lines.line, u"[%1] has %2, so rune %3 shows as the program has it built in (%4)."_s.arg(
                                      lines.name, gaps.join(u", "_s), QString::number(index + 1), RuneCatalogue::name(index)));
        return;
    }
    const int first = runes.indexOf(name);
    if (first != index) {
        add(DataFile, key(section, u"name"_s)->line,
            u"[%1] names its rune %2, as rune %3 is named: the grid and the lists show two runes of one name."_s
                .arg(lines.name, name, QString::number(first + 1)));
    }
}

void Checker::checkKinds(std::size_t section, const ItemKinds &kinds)
{
    const QString sectionName = m_sections[section].name;
    const QList<int> looped = kinds.loops();
    for (const auto &[name, line] : m_kindLines) {
        const int kind = kinds.indexOf(name);
        if (kind < 0)
            continue;
        const ItemKinds::Kind &entry = kinds.kinds()[std::size_t(kind)];
        if (!entry.unknownParents.isEmpty()) {
            add(DataFile, line, u"The kind %1 belongs to %2, which [%3] does not list: that part of its place is "
                                u"lost."_s.arg(name, u"\""_s + entry.unknownParents.join(u"\", \""_s) + u"\""_s,
                                               sectionName));
        }
        if (looped.contains(kind)) {
            add(DataFile, line, u"The kind %1 lies inside itself through the kinds it belongs to: a loop, so what "
                                u"it contains is unclear."_s.arg(name));
        }
    }
}

void Checker::checkUpgrades(std::size_t section, const RuneTable &runes)
{
    using enum UpgradeValue::Problem;
    const QString sectionName = m_sections[section].name;
    // A rune's recipe under its name in the table and under its built-in name.
    std::array<std::pair<const KeyLine *, const KeyLine *>, RuneCatalogue::Count> keys{};
    for (const auto &[name, key] : m_upgradeLines) {
        const int index = upgradeRuneIndex(name, runes);
        if (index < 0) {
            add(DataFile, key.line, u"[%1] has a recipe for %2, which is no rune, so it is never used."_s.arg(
                                        sectionName, name));
            continue;
        }
        auto &[table, builtIn] = keys[std::size_t(index)];
        (name.compare(runes.name(index), Qt::CaseInsensitive) == 0 ? table : builtIn) = &key;
    }
    for (int index = 0; index < RuneCatalogue::Count; ++index) {
        const auto [table, builtIn] = keys[std::size_t(index)];
        const KeyLine *used = (table && !value(table).isEmpty()) || !builtIn ? table : builtIn;
        if (!used)
            continue;
        const QString made = runes.name(index);
        if (const KeyLine *other = used == table ? builtIn : table) {
            add(DataFile, other->line, u"A second recipe for %1 in [%2], under another of its names: only the one on "
                                       u"line %3 is used."_s.arg(made, sectionName, QString::number(used->line)));
        }
        const QString text = value(used);
        const UpgradeValue read = readUpgradeValue(text, runes);
        const QString never = u"so %1 is never made by upgrading."_s.arg(made);
        switch (read.problem) {
        case Incomplete:
            add(DataFile, used->line, u"The recipe for %1 is \"%2\", incomplete: it is a count and a rune, and a gem "
                                      u"after a '+' where one is taken (\"3 Thul + Chipped Topaz\"), %3"_s
                                          .arg(made, text, never));
            break;
        case NotWhole:
            add(DataFile, used->line, u"The recipe for %1 asks for \"%2\" runes, not a whole number up to 2147483647, %3"_s.arg(
                                          made, read.piece, never));
            break;
        case FewerThanOne:
            add(DataFile, used->line, u"The recipe for %1 asks for %2 runes, fewer than 1, %3"_s.arg(made, read.piece, never));
            break;
        case UnknownRune:
            add(DataFile, used->line, u"The recipe for %1 names %2, which is no rune, %3"_s.arg(made, read.piece, never));
            break;
        case UnknownGem:
            add(DataFile, used->line, u"The recipe for %1 names the gem \"%2\", which is no gem (a Chipped, Flawed, "
                                      u"Flawless or Perfect, or plain, Topaz, Amethyst, Sapphire, Ruby, Emerald, "
                                      u"Diamond or Skull), %3"_s.arg(made, read.piece, never));
            break;
        case None:
            if (read.recipe.from != index - 1) {
                add(DataFile, used->line,
                    u"The recipe for %1 makes it from %2, %3, %4"_s.arg(
                        made, runes.name(read.recipe.from),
                        index > 0 ? u"not from %1, the rune directly below it"_s.arg(runes.name(index - 1))
                                  : u"but nothing is below the lowest rune"_s,
                        never));
            }
            break;
        }
    }
}

void Checker::checkRecipe(std::size_t section)
{
    const SectionLines &lines = m_sections[section];
    const KeyLine *runeNum = key(section, u"runenum"_s);
    if (!runeNum) {
        add(DataFile, lines.line, u"[%1] has no RuneNum, so it can never be made."_s.arg(lines.name));
        return;
    }
    const QString text = value(runeNum);
    const std::optional<DecimalNumber> number = DecimalNumber::parse(text);
    const std::optional<int> count = runeCountOf(number);
    if (!count || number->compare(*count) != 0) {
        add(DataFile, runeNum->line,
            u"RuneNum of [%1] is \"%2\", not a whole number from 1 to %3%4"_s.arg(
                lines.name, text, QString::number(MaxRecipeRunes),
                count ? u"; it is read as %1."_s.arg(*count) : u", so it can never be made."_s));
        if (!count)
            return;
    }
    for (int k = 1; k <= *count; ++k) {
        const KeyLine *entry = key(section, m_runeKeys[k]);
        if (!entry) {
            add(DataFile, runeNum->line, u"[%1] has RuneNum %2 but no Rune%3, so it can never be made."_s.arg(
                                             lines.name, QString::number(*count), QString::number(k)));
        } else if (const QString rune = value(entry); !runeIndexOf(rune)) {
            add(DataFile, entry->line, u"Rune%1 of [%2] is \"%3\", not a rune number from 1 to 33, so the rune word "
                                       u"can never be made."_s.arg(QString::number(k), lines.name, rune));
        }
    }
}

// The panel prints EffectNum lines, whatever keys there are.
void Checker::checkEffects(std::size_t section)
{
    const SectionLines &lines = m_sections[section];
    const KeyLine *effectNum = key(section, u"effectnum"_s);
    const QString text = value(effectNum);
    const int count = entryCountOf(text).value_or(0);
    QStringList missing;
    for (int k = 1; k <= count; ++k) {
        if (!key(section, m_effectKeys[k]))
            missing.append(u"Effect%1"_s.arg(k));
    }
    if (!missing.isEmpty()) {
        QString keys = missing.mid(0, NamedKeys).join(u", "_s);
        if (missing.size() > NamedKeys)
            keys += u" and %1 more"_s.arg(missing.size() - NamedKeys);
        add(DataFile, effectNum->line,
            u"EffectNum of [%1] is %2, but %3 %4"_s.arg(lines.name, text, keys,
                                                        missing.size() == 1
                                                            ? u"is missing: the panel shows an empty line instead."_s
                                                            : u"are missing: the panel shows empty lines instead."_s));
    }
    if (const KeyLine *next = key(section, m_effectKeys[count + 1])) {
        add(DataFile, next->line, u"Effect%1 of [%2] is never shown: EffectNum is %3."_s.arg(
                                      QString::number(count + 1), lines.name,
                                      effectNum ? u"\""_s + text + u"\""_s : u"missing"_s));
    }
}

void Checker::checkSettings(std::size_t section)
{
    const KeyLine *setting = key(section, u"rune elect"_s);
    const QString text = value(setting);
    if (text.isEmpty())
        return;
    if (!DecimalNumber::parse(text)) {
        add(DataFile, setting->line, u"Rune Elect is \"%1\", not a number, so the grid works as with 0: pointing "
                                     u"shows a rune and presses count."_s.arg(text));
    } else if (parseInteractionMode(text) == InteractionMode::SelectOnly) {
        add(DataFile, setting->line, u"Rune Elect is \"%1\", neither 0 nor 1, so clicks on the grid only show runes "
                                     u"and never count."_s.arg(text));
    }
}

} // namespace rcl::datacheck
