#include "planner/groupstab.h"

#include "planner/plannerhost.h"
#include "planner/plannermodels.h"

#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

#include <numeric>

using namespace Qt::StringLiterals;

namespace rcl {

GroupsTab::GroupsTab(PlannerContext &context, QWidget *parent)
    : PlannerTab(context, parent)
{
    m_groups = groupsModel(m_groupsTable, m_runeNames, this);
    QTableView *table = addTable(m_groups, Settings::Key::PlannerSortGroups, Settings::Key::PlannerColumnsGroups, -1,
                                 this);
    table->setObjectName(u"groups"_s);
    m_save = new QPushButton(tr("Save as CSV... (Ctrl+S)"), this);
    connect(m_save, &QPushButton::clicked, this, &GroupsTab::saveWanted);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(table);
    layout->addWidget(m_save, 0, Qt::AlignRight);
}

// The model reads the table and the names, which go before the children.
GroupsTab::~GroupsTab()
{
    delete m_groups;
}

QList<QWidget *> GroupsTab::focusOrder() const
{
    return {view(), m_save};
}

void GroupsTab::refresh()
{
    m_runeNames = m_context.host.currentRuneData()->runes().names();
    m_groupsTable = m_context.host.groupsTable();
    for (std::size_t group = 0; group < GroupCount; ++group) {
        const GroupColumn &column = m_groupsTable.columns()[group];
        m_groups->setHeader(int(group) + 1, column.header, column.problem);
    }
    QList<int> runes(RuneCatalogue::Count);
    std::iota(runes.begin(), runes.end(), 0);
    m_groups->setRows(runes);
}

} // namespace rcl
