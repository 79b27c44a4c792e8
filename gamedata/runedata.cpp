#include "gamedata/runedata.h"

namespace rcl {

RuneData::RuneData(ProfileData profile)
    : m_profile(std::move(profile))
    , m_runes(RuneTable::fromData(m_profile))
    , m_kinds(ItemKinds::fromData(m_profile))
    , m_upgrades(UpgradeRecipes::fromData(m_profile, m_runes))
{
}

} // namespace rcl
