#pragma once

#include "profile/profiledata.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <vector>

namespace rcl {

// The kinds of item of rune.dat's optional [Item Kinds] section, each key a
// kind and its value the kinds it belongs to:
//
//   [Item Kinds]
//   Weapons=
//   Melee Weapons=Weapons
//   Swords=Melee Weapons
//   Paladin Shields=Shields, Class Items
//
// With it, a rune word's Allowed text names kinds (separated by commas), and
// a kind fits a rune word when one of those is that kind, contains it or lies
// inside it. Names match without regard to ASCII letter case.
//
// A file whose kinds are named in another language can give each its English
// name in an optional [Item Kind Names] section (kind=English name), so that
// a choice made by the English name finds it too:
//
//   [Item Kind Names]
//   剣=Swords
class ItemKinds final
{
public:
    struct Kind
    {
        QString name;
        // Indexes of the kinds it belongs to, as named.
        QList<int> parents;
        // Names given as parents that are no kind of the section.
        QStringList unknownParents;
        // Its name in [Item Kind Names]; empty for none.
        QString englishName;
    };

    [[nodiscard]] static QString sectionName();
    [[nodiscard]] static QString namesSectionName();
    [[nodiscard]] static ItemKinds fromData(const ProfileData &data);

    [[nodiscard]] bool isEmpty() const { return m_kinds.empty(); }
    [[nodiscard]] const std::vector<Kind> &kinds() const { return m_kinds; }
    // The kind of a name, or failing that of an English name; -1 for none.
    [[nodiscard]] int indexOf(QStringView name) const;
    // Whether inner is outer or lies inside it, through any chain of parents.
    [[nodiscard]] bool contains(int outer, int inner) const;
    // Kinds that lie inside themselves through their parents.
    [[nodiscard]] QList<int> loops() const;

    // The kinds an Allowed text names, in its order; the pieces that name no
    // kind go to unknown.
    [[nodiscard]] QList<int> kindsOf(const QString &allowed, QStringList *unknown = nullptr) const;
    [[nodiscard]] bool fits(const QString &allowed, int kind) const;
    // The same for the kinds an Allowed text names, found once by kindsOf().
    [[nodiscard]] bool fits(const QList<int> &allowedKinds, int kind) const;

    // The kinds as a tree for a list: each under its first parent, in the
    // order of the section, with its depth.
    struct Row
    {
        int kind = 0;
        int depth = 0;
    };
    [[nodiscard]] QList<Row> tree() const;

private:
    std::vector<Kind> m_kinds;
    // For each kind, every kind it lies inside, itself included.
    std::vector<std::vector<bool>> m_inside;
};

} // namespace rcl
