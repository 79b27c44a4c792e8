#include "planner/plannertab.h"

#include "prompts/plaintext.h"

#include "planner/plannerhost.h"
#include "planner/plannerproxy.h"
#include "planner/tablemodel.h"
#include "planning/columnfit.h"
#include "planning/runewordmarks.h"

#include <QEvent>
#include <QHeaderView>
#include <QHelpEvent>
#include <QScrollBar>
#include <QStyledItemDelegate>
#include <QTableView>
#include <QToolTip>

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

// Cells too long for their column end in "..." and show whole in a tooltip.
// Numbers are grouped as the user's locale groups them, where a view would
// leave them ungrouped: counts run into the trillions.
class CellDelegate final : public QStyledItemDelegate
{
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    QString displayText(const QVariant &value, const QLocale &locale) const override
    {
        if (value.typeId() == QMetaType::Int || value.typeId() == QMetaType::LongLong) {
            QLocale grouped = locale;
            grouped.setNumberOptions(locale.numberOptions() & ~QLocale::OmitGroupSeparator);
            return grouped.toString(value.toLongLong());
        }
        return QStyledItemDelegate::displayText(value, locale);
    }

    bool helpEvent(QHelpEvent *event, QAbstractItemView *view, const QStyleOptionViewItem &option,
                   const QModelIndex &index) override
    {
        if (event->type() == QEvent::ToolTip) {
            if (sizeHint(option, index).width() > option.rect.width()) {
                QToolTip::showText(event->globalPos(), plainToolTip(index.data().toString()), view->viewport(), option.rect);
                return true;
            }
        }
        return QStyledItemDelegate::helpEvent(event, view, option, index);
    }
};

// The narrowest a column is made to fit the view.
constexpr int LeastColumnWidth = 40;

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

QTableView *PlannerTab::addTable(TableModel *model, Settings::Key sortKey, Settings::Key columnsKey, int stretchedColumn,
                                 QWidget *parent)
{
    m_model = model;
    m_columnsKey = columnsKey;
    m_stretched = stretchedColumn >= 0 ? stretchedColumn : model->columnCount() - 1;
    m_proxy = new PlannerProxy(m_context.marks, this);
    m_proxy->setSourceModel(model);
    m_view = new QTableView(parent);
    m_view->setModel(m_proxy);
    m_view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_view->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_view->setSelectionMode(QAbstractItemView::SingleSelection);
    m_view->setWordWrap(false);
    m_view->setTextElideMode(Qt::ElideRight);
    m_view->setItemDelegate(new CellDelegate(m_view));
    m_viewport = m_view->viewport();
    m_viewport->installEventFilter(this);
    // Tab leaves the table for the next control.
    m_view->setTabKeyNavigation(false);
    m_view->verticalHeader()->setVisible(false);
    m_view->verticalHeader()->setDefaultSectionSize(m_view->fontMetrics().lineSpacing() + 8);
    QHeaderView *header = m_view->horizontalHeader();
    // Widths fixed once (settleColumns()): columns sized to their contents
    // at every change moved the headers under the pointer between two
    // clicks. Contents are measured on the first rows only: a list can have
    // thousands.
    header->setResizeContentsPrecision(50);
    header->setMinimumSectionSize(LeastColumnWidth / 2);
    header->setSectionResizeMode(QHeaderView::Interactive);
    header->setSectionResizeMode(m_stretched, QHeaderView::Stretch);
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

void PlannerTab::settleColumns()
{
    if (m_settled || m_proxy->rowCount() == 0)
        return;
    m_settled = true;
    const QHeaderView *header = m_view->horizontalHeader();
    QList<int> widths = columnWidthsOf(m_context.host.settings().text(m_columnsKey), m_model->columnCount());
    if (widths.isEmpty()) {
        m_view->horizontalHeader()->resizeSections(QHeaderView::ResizeToContents);
        for (int column = 0; column < m_model->columnCount(); ++column)
            widths.append(wantedWidth(column, header->sectionSize(column)));
        // Room for a vertical scroll bar, which more rows may bring.
        widths = rcl::fitColumns(widths, m_view->viewport()->width() - m_view->verticalScrollBar()->sizeHint().width(),
                                 LeastColumnWidth);
    }
    for (int column = 0; column < m_model->columnCount(); ++column) {
        if (column != m_stretched)
            m_view->horizontalHeader()->resizeSection(column, widths[column]);
    }
    fitColumns();
}

// Where the view has become too narrow for the columns, the widest give up
// width so that none is out of sight.
void PlannerTab::fitColumns()
{
    QHeaderView *header = m_view->horizontalHeader();
    const int available = m_view->viewport()->width();
    if (!m_settled || header->length() <= available)
        return;
    QList<int> widths;
    for (int column = 0; column < header->count(); ++column)
        widths.append(column == m_stretched ? LeastColumnWidth : header->sectionSize(column));
    widths = rcl::fitColumns(widths, available, LeastColumnWidth);
    for (int column = 0; column < header->count(); ++column) {
        if (column != m_stretched)
            header->resizeSection(column, widths[column]);
    }
}

bool PlannerTab::eventFilter(QObject *watched, QEvent *event)
{
    // By the pointer alone: the view may be going, its neighbours resized.
    if (event->type() == QEvent::Resize && watched == m_viewport)
        fitColumns();
    return QWidget::eventFilter(watched, event);
}

void PlannerTab::keepLayout()
{
    if (!m_settled)
        return;
    QList<int> widths;
    for (int column = 0; column < m_model->columnCount(); ++column)
        widths.append(m_view->horizontalHeader()->sectionSize(column));
    m_context.host.settings().setValue(m_columnsKey, columnWidthsText(widths));
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
