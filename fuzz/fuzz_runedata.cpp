// rune.dat as any bytes: parsing, the rune, item kind and rune upgrade
// sections, lookups of the names the program asks for, the rune word views
// and upgrade plans built from them with what the planner says of them, and
// the data check.
#include "checks/datacheck.h"
#include "gamedata/interactionmode.h"
#include "gamedata/runedata.h"
#include "rules/runewordfinder.h"
#include "planning/upgraderows.h"
#include "rules/upgrades.h"

#include <QString>

#include <cstddef>
#include <cstdint>
#include <limits>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *bytes, std::size_t size)
{
    const QByteArray content(reinterpret_cast<const char *>(bytes), qsizetype(size));
    const rcl::RuneData data = rcl::RuneData::parse(content);
    (void)data.kinds().tree();
    (void)data.kinds().loops();
    (void)rcl::parseInteractionMode(data.value(QStringLiteral("OverAll"), QStringLiteral("Rune Elect")));

    rcl::RuneStock stock;
    for (int i = 0; i < rcl::RuneCatalogue::Count; ++i)
        stock.set(i, i % 4 == 3 ? std::numeric_limits<qint32>::max() : i % 3);
    const rcl::RuneWordFinder finder(data, stock);
    const rcl::UpgradeRecipes &upgrades = data.upgrades();
    // Section names taken from the input itself reach real sections.
    const QStringList names = QString::fromLatin1(content.left(512)).split(u'\n');
    for (const QString &line : names) {
        const QString name = line.trimmed().remove(u'[').remove(u']');
        (void)finder.IsRuneWordMakeable(name);
        (void)finder.MatchesItemType(name, QStringLiteral("Weapon "));
        (void)finder.MatchesItemType(name, name);
        (void)finder.details(name);
        if (const std::optional<rcl::UpgradePlan> plan = rcl::planRuneWord(upgrades, stock, finder.recipe(name)))
            (void)rcl::upgradePlanText(*plan, data.runes());
    }
    for (const rcl::NearMiss &miss : rcl::nearMisses(data, stock, names, std::nullopt, 7,
                                                    rcl::NearMissRanking::MissingAfterUpgrades))
        (void)rcl::nearMissUpgradesText(miss, upgrades, data.runes());
    for (int index = 0; index < rcl::RuneCatalogue::Count; ++index) {
        const rcl::UpgradePlan plan = rcl::planUpgrade(upgrades, stock, index, index == 32 ? rcl::MaxUpgradeCount : 5);
        if (plan.possible != plan.stillMissing.isEmpty())
            __builtin_trap();
        (void)rcl::upgradePlanText(plan, data.runes());
        (void)rcl::upgradeCosts(upgrades, index, std::numeric_limits<qint32>::max());
        (void)rcl::upgradeRecipeText(upgrades, index, data.runes());
        (void)rcl::runeUpgradesText(upgrades, index, data.runes());
        (void)rcl::calculateUpgrade(data, stock, index, index % 2 ? std::numeric_limits<qint32>::max() : 1, index % 3 == 0);
    }
    (void)rcl::checkRuneData(content, content.left(4096));
    return 0;
}
