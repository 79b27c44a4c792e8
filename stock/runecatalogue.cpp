#include "stock/runecatalogue.h"

namespace rcl {
namespace {

constexpr std::array<RuneEntry, RuneCatalogue::Count> Runes{{
    {"El", 11, {"  W: +50 to Attack Rating", "        +1 Light Radius", "  A : +15 Defence,", "        +1 Light Radius"}, 4},
    {"Eld", 11, {"  W: +75% Damage To Undead, ", "        +50 Attack Rating Against Undead", "  A : 15% Slower Stamina Drain", "  S : Increased Chance of Blocking"}, 4},
    {"Tir", 13, {"  W: +2 To Mana After Each Kill", "  A : +2 To Mana After Each Kill"}, 2},
    {"Nef", 13, {"  W: Knockback", "  A : +30 Defense Vs. Missile"}, 2},
    {"Eth", 15, {"  W: -25% Target Defense", "  A : Regenerate Mana 15%"}, 2},
    {"Ith", 15, {"  W: +9 To Maximum Damage", "  A : 15% Damage Taken Goes to Mana"}, 2},
    {"Tal", 17, {"  W: +20 Poison Damage", "                 Over 1 Seconds", "  A : Poison Resist 30%,", "  S : Poison Resist 35%"}, 4},
    {"Ral", 19, {"  W: Adds 5-30 Fire Damage", "  A : Fire Resist 30%,", "  S : Fire Resist 35%"}, 3},
    {"Ort", 21, {"  W: Adds 1-50 Lightning Damage", "  A : Lightning Resist 30%,", "  S : Lightning Resist 35%"}, 3},
    {"Thul", 23, {"  W: Adds 3-14 Cold Damage", "  A : Cold Resist 30%,", "  S : Cold Resist 35%"}, 3},
    {"Amn", 25, {"  W: 7% Life Stolen Per Hit", "  A : Attacker Takes Damage of 14"}, 2},
    {"Sol", 27, {"  W: +9 To Minimum Damage", "  A : Damage Reduced By 7"}, 2},
    {"Shae", 29, {"  W: 20% Increased Attack Speed", "  A : 20% Faster Hit Recovery", "  S : 20% Faster Block Rate"}, 3},
    {"Dol", 31, {"  W: Hit Causes Monster To Flee 25%", "  A : Replenish Life +7"}, 2},
    {"Hel", 0, {"  W: Requirements -20%", "  A : Requirements -15%"}, 2},
    {"Po", 35, {"  W: +10 To Vitality", "  A : +10 To Vitality"}, 2},
    {"Lum", 37, {"  W: +10 To Energy", "  A : +10 To Energy"}, 2},
    {"Ko", 39, {"  W: +10 To Dexterity", "  A : +10 To Dexterity"}, 2},
    {"Fal", 41, {"  W: +10 To Strength", "  A : +10 To Strength"}, 2},
    {"Lem", 43, {"  W: 75% Extra Gold From Monsters", "  A : 50% Extra Gold From Monsters"}, 2},
    {"Pul", 45, {"  W: +75% Damage To Demons, ", "       +100 Attack Rating Against Demons", "  A : +30% Enhanced Defense"}, 3},
    {"Um", 47, {"  W: 25% Chance of Open Wounds", "  A : All Resistances +15", "  S : All Resistances +22"}, 3},
    {"Mal", 49, {"  W: Prevent Monster Heal", "  A : Magic Damage Reduced By 7"}, 2},
    {"Ist", 51, {"  W: 30% Better Chance of ", "             Getting Magic Items", "  A : 25% Better Chance of ", "             Getting Magic Items"}, 4},
    {"Gul", 53, {"  W: 20% Bonus To Attack Rating", "  A : 5% To Maximum Poison Resist"}, 2},
    {"Vex", 55, {"  W: 7% Mana Stolen Per Hit", "  A : 5% To Maximum Fire Resist"}, 2},
    {"Ohm", 57, {"  W: +50% Enhanced Damage", "  A : 5% To Maximum Cold Resist"}, 2},
    {"Lo", 59, {"  W: 20% Deadly Strike", "  A : 5% To Maximum Lightning Resist"}, 2},
    {"Sur", 61, {"  W: Hit Blinds Target", "  A : Maximum Mana 5%", "  S : +50 To Mana"}, 3},
    {"Ber", 63, {"  W: 20% Chance of Crushing Blow", "  A : Damage Reduced by 8%"}, 2},
    // Jo ignores defense and Cham freezes: the two weapon lines were once
    // printed the wrong way round.
    {"Jo", 65, {"  W: Ignore Target's Defense", "  A : Maximum Life 5%", "  S : +50 To Life"}, 3},
    {"Cham", 67, {"  W: Freeze Target", "  A : Cannot Be Frozen"}, 2},
    {"Zod", 69, {"  W: Indestructible", "  A : Indestructible"}, 2},
}};

QString latin1(std::string_view text)
{
    return QString::fromLatin1(text.data(), qsizetype(text.size()));
}

} // namespace

const RuneEntry &RuneCatalogue::entry(int index)
{
    return Runes.at(std::size_t(index));
}

QString RuneCatalogue::name(int index)
{
    return latin1(entry(index).name);
}

int RuneCatalogue::requiredLevel(int index)
{
    return entry(index).requiredLevel;
}

QStringList RuneCatalogue::effectLines(int index)
{
    const RuneEntry &rune = entry(index);
    QStringList lines;
    for (int i = 0; i < rune.effectLineCount; ++i)
        lines.append(latin1(rune.effectLines[std::size_t(i)]));
    return lines;
}

} // namespace rcl
