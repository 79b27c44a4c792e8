#pragma once

#include <QList>
#include <QString>

namespace rcl {

// The item types the rune word band offers, in the order its list shows
// them ("Weapon " with its blank), and the kind of rune.dat's [Item Kinds]
// section that each stands for. "All" stands for every rune word.
struct ItemTypeChoice
{
    QString text;
    QString kind;
};
[[nodiscard]] const QList<ItemTypeChoice> &itemTypeChoices();

// The kind that a choice stands for: a band choice's kind, or the choice
// itself, which may name a kind of the section.
[[nodiscard]] QString kindOfChoice(const QString &choice);

} // namespace rcl
