#include "stock/groupstable.h"

#include "stock/csvtable.h"
#include "stock/shiftjis.h"

#include <QStringList>

#include <algorithm>
#include <limits>

using namespace Qt::StringLiterals;

namespace rcl {

GroupsTable GroupsTable::read(const StockFiles &files, int currentGroup, const RuneStock &current,
                              const FileResult &currentLoad)
{
    GroupsTable table;
    const GroupNameLines names = files.readGroupNameLines();
    for (int group = 1; group <= GroupCount; ++group) {
        GroupColumn &column = table.m_columns[std::size_t(group - 1)];
        column.header = shiftjis::decode(names[std::size_t(group - 1)]);
        if (column.header.trimmed().isEmpty())
            column.header = u"Group %1"_s.arg(group);
        RuneStock counts = current;
        const FileResult loaded = group == currentGroup ? currentLoad : files.LoadRuneStock(counts, group);
        if (loaded.ok) {
            column.counts = counts;
        } else {
            column.header += u" (unreadable)"_s;
            column.problem = loaded.reason;
        }
    }
    return table;
}

qint64 GroupsTable::total(int index) const
{
    qint64 sum = 0;
    for (const GroupColumn &column : m_columns)
        sum += column.counts ? column.counts->at(index) : 0;
    return sum;
}

RuneStock GroupsTable::combined() const
{
    RuneStock together;
    for (int index = 0; index < RuneCatalogue::Count; ++index) {
        qint64 sum = 0;
        for (const GroupColumn &column : m_columns)
            sum += column.counts ? column.counts->held(index) : 0;
        together.set(index, qint32(std::min<qint64>(sum, std::numeric_limits<qint32>::max())));
    }
    return together;
}

QList<int> GroupsTable::unreadableGroups() const
{
    QList<int> groups;
    for (int group = 1; group <= GroupCount; ++group) {
        if (!m_columns[std::size_t(group - 1)].counts)
            groups.append(group);
    }
    return groups;
}

QByteArray GroupsTable::csv(const QStringList &runeNames) const
{
    QList<QVariantList> rows;
    QVariantList header{u"Rune"_s};
    for (const GroupColumn &column : m_columns)
        header.append(column.header);
    header.append(u"Total"_s);
    rows.append(header);
    for (int index = 0; index < RuneCatalogue::Count; ++index) {
        QVariantList row{index < runeNames.size() ? runeNames[index] : RuneCatalogue::name(index)};
        for (const GroupColumn &column : m_columns)
            row.append(column.counts ? QVariant(column.counts->at(index)) : QVariant());
        row.append(total(index));
        rows.append(row);
    }
    return csvTable(rows);
}

} // namespace rcl
