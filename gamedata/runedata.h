#pragma once

#include "gamedata/itemkinds.h"
#include "profile/profiledata.h"
#include "gamedata/runetable.h"
#include "gamedata/upgraderecipes.h"

#include <QByteArray>

namespace rcl {

// One version of rune.dat as the program reads it: the values of its
// sections, and what the rune sections, the item kinds section and the rune
// upgrades section make of them, worked out once.
class RuneData final
{
public:
    RuneData() = default;
    explicit RuneData(ProfileData profile);
    [[nodiscard]] static RuneData parse(QByteArray content) { return RuneData(ProfileData::parse(std::move(content))); }

    [[nodiscard]] const ProfileData &profile() const { return m_profile; }
    [[nodiscard]] QString value(QStringView section, QStringView key) const { return m_profile.value(section, key); }
    [[nodiscard]] const RuneTable &runes() const { return m_runes; }
    [[nodiscard]] const ItemKinds &kinds() const { return m_kinds; }
    [[nodiscard]] const UpgradeRecipes &upgrades() const { return m_upgrades; }

private:
    ProfileData m_profile;
    RuneTable m_runes;
    ItemKinds m_kinds;
    UpgradeRecipes m_upgrades;
};

} // namespace rcl
