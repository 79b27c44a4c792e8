#pragma once

#include "gamedata/runedata.h"
#include "planning/runewordfilter.h"
#include "planning/runewordmarks.h"

#include <QSortFilterProxyModel>

#include <memory>

namespace rcl {

// Sorts a planner table as its rows sort (TableModel::sortsBefore), and
// lets through the rows of a rune word list that the filter bar's filter
// accepts. Rows that are no rune words all pass.
class TableModel;

class PlannerProxy final : public QSortFilterProxyModel
{
    Q_OBJECT

public:
    PlannerProxy(const RuneWordMarks &marks, QObject *parent);

    // data is the version of rune.dat whose item kinds the filter names.
    void setFilter(const RuneWordFilter &filter, std::shared_ptr<const RuneData> data);
    void setSourceModel(QAbstractItemModel *model) override;

Q_SIGNALS:
    // The filter was applied anew: once, where the rows it let in or out
    // come and go in many signals.
    void filtered();

protected:
    [[nodiscard]] bool filterAcceptsRow(int sourceRow, const QModelIndex &sourceParent) const override;
    [[nodiscard]] bool lessThan(const QModelIndex &left, const QModelIndex &right) const override;

private:
    const RuneWordMarks &m_marks;
    const TableModel *m_table = nullptr;
    RuneWordFilter m_filter;
    std::shared_ptr<const RuneData> m_data = std::make_shared<const RuneData>();
};

} // namespace rcl
