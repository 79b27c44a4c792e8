#include "planner/tablemodel.h"

namespace rcl {

void TableModel::showAgain()
{
    forgetSortKeys();
    if (rowCount() > 0 && columnCount() > 0)
        Q_EMIT dataChanged(index(0, 0), index(rowCount() - 1, columnCount() - 1));
}

bool TableModel::sortsBefore(int leftRow, int rightRow, int column, Qt::SortOrder order) const
{
    if (column != m_sortColumn) {
        m_sortKeys.clear();
        m_sortKeys.reserve(std::size_t(rowCount()));
        for (int row = 0; row < rowCount(); ++row) {
            const QVariant key = index(row, column).data(SortRole);
            if (alignmentOf(key) & Qt::AlignRight)
                m_sortKeys.emplace_back(key.toDouble());
            else if (key.isValid())
                m_sortKeys.emplace_back(key.toString().trimmed().toCaseFolded());
            else
                m_sortKeys.emplace_back(std::monostate());
        }
        m_sortColumn = column;
    }
    const SortKey &left = m_sortKeys[std::size_t(leftRow)];
    const SortKey &right = m_sortKeys[std::size_t(rightRow)];
    // Empty cells go last in either order; the view turns the comparison
    // round for a descending one.
    const auto empty = [](const SortKey &key) {
        const auto *text = std::get_if<QString>(&key);
        return std::holds_alternative<std::monostate>(key) || (text && text->isEmpty());
    };
    if (empty(left) != empty(right))
        return order == Qt::AscendingOrder ? empty(right) : empty(left);
    return left < right;
}

Qt::Alignment TableModel::alignmentOf(const QVariant &value)
{
    switch (value.typeId()) {
    case QMetaType::Int:
    case QMetaType::LongLong:
    case QMetaType::Double:
        return Qt::AlignRight | Qt::AlignVCenter;
    default:
        return Qt::AlignLeft | Qt::AlignVCenter;
    }
}

} // namespace rcl
