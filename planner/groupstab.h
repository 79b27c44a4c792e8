#pragma once

#include "planner/plannertab.h"
#include "stock/groupstable.h"

#include <QStringList>

class QPushButton;

namespace rcl {

template<typename Row>
class RowsModel;

// The nine groups side by side, one rune a row.
class GroupsTab final : public PlannerTab
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(GroupsTab)

public:
    explicit GroupsTab(PlannerContext &context, QWidget *parent = nullptr);
    ~GroupsTab() override;

    void refresh() override;
    [[nodiscard]] QList<QWidget *> focusOrder() const override;

Q_SIGNALS:
    void saveWanted();

private:
    // The table and the rune names as the tab last read them; the model
    // reads them.
    GroupsTable m_groupsTable;
    QStringList m_runeNames;
    RowsModel<int> *m_groups = nullptr;
    QPushButton *m_save = nullptr;
};

} // namespace rcl
