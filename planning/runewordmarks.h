#pragma once

#include "stock/settings.h"

#include <QSet>
#include <QString>

namespace rcl {

// The rune words the user starred as favourites and those hidden from the
// planner's lists, by name as runename.dat has it, kept in the settings
// file. A name that no list shows any more keeps its marks.
class RuneWordMarks final
{
public:
    explicit RuneWordMarks(Settings &settings);

    [[nodiscard]] bool isFavourite(const QString &name) const { return m_favourites.contains(name); }
    [[nodiscard]] bool isHidden(const QString &name) const { return m_hidden.contains(name); }
    // Stored at once; a settings file that cannot be written says so
    // through the settings.
    void setFavourite(const QString &name, bool favourite);
    void setHidden(const QString &name, bool hidden);

private:
    static void mark(QSet<QString> &names, const QString &name, bool marked, Settings &settings, Settings::Key key);

    Settings &m_settings;
    QSet<QString> m_favourites;
    QSet<QString> m_hidden;
};

} // namespace rcl
