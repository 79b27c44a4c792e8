#include "rules/itemtypechoice.h"

using namespace Qt::StringLiterals;

namespace rcl {

const QList<ItemTypeChoice> &itemTypeChoices()
{
    static const QList<ItemTypeChoice> choices{
        {u"All"_s, {}},
        {u"Weapon "_s, u"Weapons"_s},
        {u"Melee Weapon"_s, u"Melee Weapons"_s},
        {u"Sword"_s, u"Swords"_s},
        {u"Axe"_s, u"Axes"_s},
        {u"Mace"_s, u"Maces"_s},
        {u"Hammer"_s, u"Hammers"_s},
        {u"Scepter"_s, u"Scepters"_s},
        {u"Wand"_s, u"Wands"_s},
        {u"Staff"_s, u"Staves"_s},
        {u"Missile Weapon"_s, u"Missile Weapons"_s},
        {u"Helm"_s, u"Helms"_s},
        // The armor of a rune word is body armor; helms and shields have
        // choices of their own.
        {u"Armor"_s, u"Body Armor"_s},
        {u"Shield"_s, u"Shields"_s},
    };
    return choices;
}

QString kindOfChoice(const QString &choice)
{
    for (const ItemTypeChoice &known : itemTypeChoices()) {
        if (known.text == choice)
            return known.kind;
    }
    return choice;
}

} // namespace rcl
