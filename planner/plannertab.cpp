#include "planner/plannertab.h"

#include "planner/plannerhost.h"
#include "planner/plannerproxy.h"
#include "planner/tablemodel.h"
#include "planning/runewordmarks.h"

#include <QHeaderView>
#include <QTableView>

using namespace Qt::StringLiterals;

namespace rcl {
namespace {

// "2 descending": the column and the order; none for the order the rows
// come in.
QString sortText(int column, Qt::SortOrder order)
{
    if (column < 0)
        return {};
    return u"%1 %2"_s.arg(QString::number(column), order == Qt::DescendingOrder ? u"descending"_s : u"ascending"_s);
}

std::pair<int, Qt::SortOrder> sortOf(const QString &text, int columns)
{
    const QStringList parts = text.split(u' ');
    bool ok = false;
    const int column = parts.value(0).toInt(&ok);
    if (!ok || column < 0 || column >= columns || parts.size() != 2)
        return {-1, Qt::AscendingOrder};
    return {column, parts[1] == u"descending"_s ? Qt::DescendingOrder : Qt::AscendingOrder};
}

} // namespace

PlannerTab::PlannerTab(PlannerContext &context, QWidget *parent)
    : QWidget(parent)
    , m_context(context)
{
}

// The view goes first: the model may read what the tab holds.
PlannerTab::~PlannerTab()
{
    delete m_view;
}

QTableView *PlannerTab::addTable(TableModel *model, Settings::Key sortKey, int stretchedColumn, QWidget *parent)
{
    m_model = model;
    m_proxy = new PlannerProxy(m_context.marks, this);
    m_proxy->setSourceModel(model);
    m_view = new QTableView(parent);
    m_view->setModel(m_proxy);
    m_view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_view->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_view->setSelectionMode(QAbstractItemView::SingleSelection);
    m_view->setWordWrap(false);
    // Tab leaves the table for the next control.
    m_view->setTabKeyNavigation(false);
    m_view->verticalHeader()->setVisible(false);
    m_view->verticalHeader()->setDefaultSectionSize(m_view->fontMetrics().lineSpacing() + 8);
    QHeaderView *header = m_view->horizontalHeader();
    // Columns as wide as their text, measured on the first rows only: a list
    // can have thousands. The widest text column takes the rest, or the last
    // one where the text of all is wider than the view.
    header->setResizeContentsPrecision(50);
    header->setSectionResizeMode(QHeaderView::ResizeToContents);
    if (stretchedColumn >= 0)
        header->setSectionResizeMode(stretchedColumn, QHeaderView::Stretch);
    else
        header->setStretchLastSection(true);
    // A third click on a header gives back the order the rows come in.
    header->setSortIndicatorClearable(true);
    header->setSortIndicator(-1, Qt::AscendingOrder);
    m_view->setSortingEnabled(true);
    const auto [column, order] = sortOf(m_context.host.settings().text(sortKey), model->columnCount());
    m_view->sortByColumn(column, order);
    connect(header, &QHeaderView::sortIndicatorChanged, this, [this, sortKey](int section, Qt::SortOrder sortOrder) {
        m_context.host.settings().setValue(sortKey, sortText(section, sortOrder));
        m_context.host.tellSettingsProblem(window());
    });
    return m_view;
}

RuneStock PlannerTab::countsOf(bool allGroups, QString *leftOut) const
{
    leftOut->clear();
    if (!allGroups)
        return m_context.host.runeStock();
    const GroupsTable groups = m_context.host.groupsTable();
    QStringList unreadable;
    for (const int group : groups.unreadableGroups())
        unreadable.append(QString::number(group));
    if (!unreadable.isEmpty())
        *leftOut = tr("Left out, as their files cannot be read: group %1.").arg(unreadable.join(u", "_s));
    return groups.combined();
}

} // namespace rcl
