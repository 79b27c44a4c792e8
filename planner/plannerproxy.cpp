#include "planner/plannerproxy.h"

#include "planner/tablemodel.h"

namespace rcl {

PlannerProxy::PlannerProxy(const RuneWordMarks &marks, QObject *parent)
    : QSortFilterProxyModel(parent)
    , m_marks(marks)
{
    setSortRole(SortRole);
    setSortCaseSensitivity(Qt::CaseInsensitive);
}

void PlannerProxy::setFilter(const RuneWordFilter &filter, std::shared_ptr<const RuneData> data)
{
    m_filter = filter;
    m_data = std::move(data);
    invalidateFilter();
    Q_EMIT filtered();
}

void PlannerProxy::setSourceModel(QAbstractItemModel *model)
{
    m_table = qobject_cast<const TableModel *>(model);
    QSortFilterProxyModel::setSourceModel(model);
}

bool PlannerProxy::filterAcceptsRow(int sourceRow, const QModelIndex &) const
{
    const RuneWordRow *word = m_table ? m_table->runeWord(sourceRow) : nullptr;
    return !word || m_filter.accepts(*word, *m_data, m_marks);
}

bool PlannerProxy::lessThan(const QModelIndex &left, const QModelIndex &right) const
{
    if (!m_table)
        return QSortFilterProxyModel::lessThan(left, right);
    return m_table->sortsBefore(left.row(), right.row(), left.column(), sortOrder());
}

} // namespace rcl
