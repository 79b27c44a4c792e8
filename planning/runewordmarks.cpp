#include "planning/runewordmarks.h"

#include <QStringList>

#include <algorithm>

namespace rcl {
namespace {

QSet<QString> namesOf(const QStringList &list)
{
    return QSet<QString>(list.cbegin(), list.cend());
}

} // namespace

RuneWordMarks::RuneWordMarks(Settings &settings)
    : m_settings(settings)
    , m_favourites(namesOf(settings.list(Settings::Key::FavouriteRuneWords)))
    , m_hidden(namesOf(settings.list(Settings::Key::HiddenRuneWords)))
{
}

void RuneWordMarks::setFavourite(const QString &name, bool favourite)
{
    mark(m_favourites, name, favourite, m_settings, Settings::Key::FavouriteRuneWords);
}

void RuneWordMarks::setHidden(const QString &name, bool hidden)
{
    mark(m_hidden, name, hidden, m_settings, Settings::Key::HiddenRuneWords);
}

void RuneWordMarks::mark(QSet<QString> &names, const QString &name, bool marked, Settings &settings, Settings::Key key)
{
    if (names.contains(name) == marked)
        return;
    if (marked)
        names.insert(name);
    else
        names.remove(name);
    // Sorted, so that the file reads the same whatever the order of marking.
    QStringList stored(names.cbegin(), names.cend());
    std::sort(stored.begin(), stored.end());
    settings.setValue(key, stored);
}

} // namespace rcl
