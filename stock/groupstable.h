#pragma once

#include "stock/runestock.h"
#include "stock/stockfiles.h"

#include <QByteArray>
#include <QList>
#include <QString>

#include <array>
#include <optional>

namespace rcl {

// One group's column: its header, and its counts unless its file is there
// but cannot be read.
struct GroupColumn
{
    QString header;
    std::optional<RuneStock> counts;
    QString problem;
};

// The counts of the nine groups side by side: the current group's as they
// stand in memory, the others' as their files hold them (a group never saved
// holds none).
class GroupsTable final
{
public:
    // currentLoad is what became of reading the current group's file: a group
    // whose file could not be read shows zeros that are not its counts, so
    // it is left out like the others that cannot be read.
    [[nodiscard]] static GroupsTable read(const StockFiles &files, int currentGroup, const RuneStock &current,
                                          const FileResult &currentLoad = {});

    [[nodiscard]] const std::array<GroupColumn, GroupCount> &columns() const { return m_columns; }
    // A rune's counts added up over the groups that could be read, as they
    // stand in the table.
    [[nodiscard]] qint64 total(int index) const;
    // What the groups hold together for making rune words: a count of 0 or
    // less holds none, so it takes nothing away from another group's.
    [[nodiscard]] RuneStock combined() const;
    [[nodiscard]] QList<int> unreadableGroups() const;

    // The table for a spreadsheet (csvtable.h): a header line, then one line
    // per rune in catalogue order, named as runeNames has it (the built-in
    // names where it has none), with its total.
    [[nodiscard]] QByteArray csv(const QStringList &runeNames = {}) const;

private:
    std::array<GroupColumn, GroupCount> m_columns;
};


} // namespace rcl
