#include "gamedata/upgraderecipes.h"

#include "stock/decimalnumber.h"

#include <algorithm>
#include <array>

using namespace Qt::StringLiterals;

namespace rcl {
namespace {

const std::array<QString, 5> GradeNames{u"Chipped"_s, u"Flawed"_s, QString(), u"Flawless"_s, u"Perfect"_s};
const std::array<QString, 7> KindNames{u"Topaz"_s,   u"Amethyst"_s, u"Sapphire"_s, u"Ruby"_s,
                                       u"Emerald"_s, u"Diamond"_s,  u"Skull"_s};


template<std::size_t N>
int nameIndex(const std::array<QString, N> &names, QStringView name)
{
    for (std::size_t i = 0; i < N; ++i) {
        if (!names[i].isEmpty() && name.compare(names[i], Qt::CaseInsensitive) == 0)
            return int(i);
    }
    return -1;
}

// Where the first blank stands, or the end.
qsizetype firstBlank(QStringView text)
{
    const auto blank = std::find_if(text.begin(), text.end(), [](QChar c) { return c.isSpace(); });
    return blank - text.begin();
}

} // namespace

QString gemName(const Gem &gem)
{
    const QString &grade = GradeNames[std::size_t(gem.grade)];
    const QString &kind = KindNames[std::size_t(gem.kind)];
    return grade.isEmpty() ? kind : grade + u' ' + kind;
}

std::optional<Gem> gemOf(QStringView text)
{
    QList<QStringView> words;
    for (QStringView rest = text.trimmed(); !rest.isEmpty(); rest = rest.sliced(firstBlank(rest)).trimmed())
        words.append(rest.first(firstBlank(rest)));
    if (words.isEmpty() || words.size() > 2)
        return std::nullopt;
    const int kind = nameIndex(KindNames, words.back());
    const int grade = words.size() == 2 ? nameIndex(GradeNames, words.front()) : int(GemGrade::Standard);
    if (kind < 0 || grade < 0)
        return std::nullopt;
    return Gem{GemGrade(grade), GemKind(kind)};
}

int upgradeRuneIndex(QStringView name, const RuneTable &runes)
{
    if (const int index = runes.indexOf(name); index >= 0)
        return index;
    for (int index = 0; index < RuneCatalogue::Count; ++index) {
        if (name.compare(RuneCatalogue::name(index), Qt::CaseInsensitive) == 0)
            return index;
    }
    return -1;
}

UpgradeValue readUpgradeValue(QStringView value, const RuneTable &runes)
{
    using enum UpgradeValue::Problem;
    value = value.trimmed();
    const qsizetype blank = firstBlank(value);
    const QStringView countText = value.first(blank);
    const QStringView rest = value.sliced(blank).trimmed();
    const qsizetype plus = rest.indexOf(u'+');
    const QStringView rune = plus < 0 ? rest : rest.first(plus).trimmed();
    const QStringView gem = plus < 0 ? QStringView() : rest.sliced(plus + 1).trimmed();
    if (rune.isEmpty() || (plus >= 0 && gem.isEmpty()))
        return {Incomplete, value.toString(), {}};

    UpgradeValue read;
    const std::optional<DecimalNumber> number = DecimalNumber::parse(countText);
    const std::optional<qint32> count = number ? number->rounded() : std::nullopt;
    if (!count || number->compare(*count) != 0)
        return {NotWhole, countText.toString(), {}};
    if (*count < 1)
        return {FewerThanOne, countText.toString(), {}};
    read.recipe.count = *count;
    read.recipe.from = upgradeRuneIndex(rune, runes);
    if (read.recipe.from < 0)
        return {UnknownRune, rune.toString(), {}};
    if (plus >= 0) {
        read.recipe.gem = gemOf(gem);
        if (!read.recipe.gem)
            return {UnknownGem, gem.toString(), {}};
    }
    return read;
}

QString UpgradeRecipes::sectionName()
{
    return u"Rune Upgrades"_s;
}

UpgradeRecipes UpgradeRecipes::fromData(const ProfileData &data, const RuneTable &runes)
{
    UpgradeRecipes recipes;
    const ProfileData::SectionHandle section = data.section(sectionName());
    if (!section)
        return recipes;
    // Each rune's keys are looked up, not every key read: a section of a
    // million other keys costs nothing here.
    for (int index = 1; index < RuneCatalogue::Count; ++index) {
        const UpgradeValue read = readUpgradeValue(upgradeValueOf(data, section, index, runes), runes);
        if (read.problem == UpgradeValue::Problem::None && read.recipe.from == index - 1)
            recipes.m_recipes[std::size_t(index)] = read.recipe;
    }
    return recipes;
}

QString upgradeValueOf(const ProfileData &data, ProfileData::SectionHandle section, int index, const RuneTable &runes)
{
    QString value = data.value(section, runes.name(index));
    const QString builtIn = RuneCatalogue::name(index);
    if (value.isEmpty() && upgradeRuneIndex(builtIn, runes) == index)
        value = data.value(section, builtIn);
    return value;
}

bool UpgradeRecipes::isEmpty() const
{
    return std::none_of(m_recipes.begin(), m_recipes.end(), [](const auto &recipe) { return recipe.has_value(); });
}

const std::optional<UpgradeRecipe> &UpgradeRecipes::recipe(int index) const
{
    static const std::optional<UpgradeRecipe> none;
    return RuneStock::isIndex(index) ? m_recipes[std::size_t(index)] : none;
}

int UpgradeRecipes::madeInto(int index) const
{
    return RuneStock::isIndex(index) && recipe(index + 1) ? index + 1 : -1;
}

} // namespace rcl
