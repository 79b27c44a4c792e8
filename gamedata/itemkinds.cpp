#include "gamedata/itemkinds.h"

using namespace Qt::StringLiterals;

namespace rcl {
namespace {

// A section larger than this is no list of item kinds, and is not read.
constexpr qsizetype MaxKinds = 1000;

QStringList namesIn(const QString &list)
{
    QStringList names;
    for (const QString &piece : list.split(u',')) {
        const QString name = piece.trimmed();
        if (!name.isEmpty())
            names.append(name);
    }
    return names;
}

} // namespace

QString ItemKinds::sectionName()
{
    return u"Item Kinds"_s;
}

QString ItemKinds::namesSectionName()
{
    return u"Item Kind Names"_s;
}

ItemKinds ItemKinds::fromData(const ProfileData &data)
{
    ItemKinds kinds;
    const QList<std::pair<QString, QString>> keys = data.keys(data.section(sectionName()));
    if (keys.size() > MaxKinds)
        return kinds;
    const ProfileData::SectionHandle names = data.section(namesSectionName());
    for (const auto &[name, parents] : keys)
        kinds.m_kinds.push_back({name, {}, {}, data.value(names, name).trimmed()});
    for (qsizetype i = 0; i < keys.size(); ++i) {
        Kind &kind = kinds.m_kinds[std::size_t(i)];
        for (const QString &parent : namesIn(keys[i].second)) {
            const int found = kinds.indexOf(parent);
            if (found < 0)
                kind.unknownParents.append(parent);
            else if (!kind.parents.contains(found))
                kind.parents.append(found);
        }
    }
    // Every kind a kind lies inside, found by walking up its parents; a kind
    // met again is not walked twice, so a loop ends the walk.
    const std::size_t count = kinds.m_kinds.size();
    kinds.m_inside.assign(count, std::vector<bool>(count, false));
    for (std::size_t start = 0; start < count; ++start) {
        std::vector<bool> &inside = kinds.m_inside[start];
        QList<int> pending{int(start)};
        while (!pending.isEmpty()) {
            const int kind = pending.takeLast();
            if (inside[std::size_t(kind)])
                continue;
            inside[std::size_t(kind)] = true;
            pending.append(kinds.m_kinds[std::size_t(kind)].parents);
        }
    }
    return kinds;
}

int ItemKinds::indexOf(QStringView name) const
{
    const QStringView wanted = name.trimmed();
    for (std::size_t i = 0; i < m_kinds.size(); ++i) {
        if (wanted.compare(m_kinds[i].name, Qt::CaseInsensitive) == 0)
            return int(i);
    }
    for (std::size_t i = 0; i < m_kinds.size(); ++i) {
        if (!m_kinds[i].englishName.isEmpty() && wanted.compare(m_kinds[i].englishName, Qt::CaseInsensitive) == 0)
            return int(i);
    }
    return -1;
}

bool ItemKinds::contains(int outer, int inner) const
{
    if (outer < 0 || inner < 0 || std::size_t(outer) >= m_kinds.size() || std::size_t(inner) >= m_kinds.size())
        return false;
    return m_inside[std::size_t(inner)][std::size_t(outer)];
}

QList<int> ItemKinds::loops() const
{
    QList<int> looped;
    for (std::size_t kind = 0; kind < m_kinds.size(); ++kind) {
        for (const int parent : m_kinds[kind].parents) {
            if (contains(int(kind), parent)) {
                looped.append(int(kind));
                break;
            }
        }
    }
    return looped;
}

QList<int> ItemKinds::kindsOf(const QString &allowed, QStringList *unknown) const
{
    QList<int> named;
    for (const QString &name : namesIn(allowed)) {
        const int kind = indexOf(name);
        if (kind >= 0)
            named.append(kind);
        else if (unknown)
            unknown->append(name);
    }
    return named;
}

bool ItemKinds::fits(const QString &allowed, int kind) const
{
    return fits(kindsOf(allowed), kind);
}

bool ItemKinds::fits(const QList<int> &allowedKinds, int kind) const
{
    return std::any_of(allowedKinds.cbegin(), allowedKinds.cend(),
                       [this, kind](int allowedKind) { return contains(allowedKind, kind) || contains(kind, allowedKind); });
}

QList<ItemKinds::Row> ItemKinds::tree() const
{
    // Children under their first parent; kinds without one, and those whose
    // first parent is on a loop, at the top.
    std::vector<QList<int>> children(m_kinds.size());
    QList<int> roots;
    for (std::size_t kind = 0; kind < m_kinds.size(); ++kind) {
        const QList<int> &parents = m_kinds[kind].parents;
        if (parents.isEmpty() || contains(int(kind), parents.first()))
            roots.append(int(kind));
        else
            children[std::size_t(parents.first())].append(int(kind));
    }
    QList<Row> rows;
    const auto add = [&](const auto &self, int kind, int depth) -> void {
        rows.append({kind, depth});
        for (const int child : children[std::size_t(kind)])
            self(self, child, depth + 1);
    };
    for (const int root : roots)
        add(add, root, 0);
    return rows;
}

} // namespace rcl
