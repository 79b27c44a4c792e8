#include "planner/planner.h"

#include "planner/calculatortab.h"
#include "planner/checktab.h"
#include "planner/filterbar.h"
#include "planner/groupstab.h"
#include "planner/nearmisstab.h"
#include "planner/placement.h"
#include "planner/plannerhost.h"
#include "planner/plannerproxy.h"
#include "planner/runewordstab.h"
#include "planner/tablemodel.h"
#include "planner/usestab.h"
#include "prompts/prompter.h"
#include "stock/csvtable.h"
#include "stock/filewriter.h"

#include <QDir>
#include <QAbstractSpinBox>
#include <QAction>
#include <QEvent>
#include <QKeyEvent>
#include <QHeaderView>
#include <QLineEdit>
#include <QScreen>
#include <QShortcut>
#include <QTabBar>
#include <QTabWidget>
#include <QTableView>
#include <QTextEdit>
#include <QToolButton>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace rcl {

RunePlanner::RunePlanner(PlannerHost &host, Prompter &prompter, QWidget *parent)
    : QWidget(parent, Qt::Window)
    , m_host(host)
    , m_prompter(prompter)
    , m_marks(host.settings())
{
    setWindowTitle(tr("Rune Planner"));
    m_bar = new FilterBar(this);
    m_context.reset(new PlannerContext{host, prompter, m_marks, *m_bar, host.currentRuneData()});
    auto *nearMisses = new NearMissTab(*m_context);
    auto *runeWords = new RuneWordsTab(*m_context);
    auto *uses = new UsesTab(*m_context);
    auto *groups = new GroupsTab(*m_context);
    m_lists = {nearMisses, runeWords, uses};
    m_pages = {nearMisses, runeWords, uses, new CalculatorTab(*m_context), groups, new CheckTab(*m_context)};
    m_tabs = new QTabWidget(this);
    const QString titles[TabCount] = {tr("Near misses"),        tr("Rune words"),   tr("Uses of a rune"),
                                      tr("Upgrade calculator"), tr("All groups"), tr("Data check")};
    for (int index = 0; index < TabCount; ++index) {
        m_tabs->addTab(tab(index), titles[index]);
        tab(index)->view()->setAccessibleName(titles[index]);
        connect(tab(index), &PlannerTab::refreshWanted, this, &RunePlanner::refresh);
        connect(tab(index), &PlannerTab::countChanged, this, &RunePlanner::showCount);
    }
    for (RuneWordListTab *list : m_lists)
        connect(list, &RuneWordListTab::marksChanged, this, &RunePlanner::marksChanged);
    connect(groups, &GroupsTab::saveWanted, this, &RunePlanner::saveGroupsTable);
    m_tabs->setCornerWidget(m_host.makeOptionsButton(m_tabs));
    (new QVBoxLayout(this))->addWidget(m_tabs);
    orderTabs();

    const int current = m_host.settings().value(Settings::Key::PlannerTab).toInt();
    m_tabs->setCurrentIndex(current >= 0 && current < TabCount ? current : NearMisses);
    // In a tab from the start, also when the one in view lists no rune words.
    moveFilterBar(NearMisses);
    moveFilterBar(m_tabs->currentIndex());

    connect(m_tabs, &QTabWidget::currentChanged, this, &RunePlanner::tabChanged);
    connect(m_bar, &FilterBar::filterChanged, this, &RunePlanner::applyFilter);
    connect(m_bar, &FilterBar::groupsChanged, this, &RunePlanner::refresh);
    new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_S), this, this, &RunePlanner::saveGroupsTable);
    new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_E), this, this, &RunePlanner::saveShownRows);
    // Also where the control with the focus keeps Ctrl+Tab for itself.
    new QShortcut(QKeySequence::NextChild, this, this,
                  [this] { m_tabs->setCurrentIndex((m_tabs->currentIndex() + 1) % TabCount); });
    new QShortcut(QKeySequence::PreviousChild, this, this,
                  [this] { m_tabs->setCurrentIndex((m_tabs->currentIndex() + TabCount - 1) % TabCount); });
    new QShortcut(QKeySequence::Find, this, this, [this] {
        if (!tab(m_tabs->currentIndex())->listsRuneWords())
            m_tabs->setCurrentIndex(RuneWords);
        m_bar->searchBox()->setFocus(Qt::ShortcutFocusReason);
        m_bar->searchBox()->selectAll();
    });
    keepKeysForTheWindow();
    m_search = m_bar->searchBox();
    m_search->installEventFilter(this);
}

// The tabs go first: their models read the marks, which go before the
// children.
RunePlanner::~RunePlanner()
{
    m_closing = true;
    delete m_tabs;
}

// Top to bottom: the tabs and the options, the filter bar where it shows,
// then each tab's own controls and tables; Tab passes over those of the tabs
// not in view.
void RunePlanner::orderTabs()
{
    QList<QWidget *> order{m_tabs->tabBar(), m_tabs->cornerWidget()};
    order += m_bar->controls();
    for (const PlannerTab *page : m_pages)
        order += page->focusOrder();
    for (qsizetype i = 1; i < order.size(); ++i)
        setTabOrder(order[i - 1], order[i]);
}

void RunePlanner::keepKeysForTheWindow()
{
    for (const QAction *action : findChildren<QAction *>()) {
        if (action->shortcutContext() != Qt::WidgetShortcut)
            m_keys += action->shortcuts();
    }
    for (const QShortcut *shortcut : findChildren<QShortcut *>())
        m_keys += shortcut->keys();
    for (QWidget *control : findChildren<QWidget *>()) {
        if (qobject_cast<QLineEdit *>(control) || qobject_cast<QAbstractSpinBox *>(control) ||
            qobject_cast<QTextEdit *>(control))
            control->installEventFilter(this);
    }
}

RuneWordListTab *RunePlanner::listInView() const
{
    const int index = m_tabs->currentIndex();
    return index == NearMisses || index == RuneWords || index == Uses ? m_lists[std::size_t(index)] : nullptr;
}

// In the search box Down goes to the first rune word shown and Escape
// clears the search; Return is the list's own key (runewordlisttab.h).
bool RunePlanner::eventFilter(QObject *watched, QEvent *event)
{
    // The controls go before the window: none of it is to be asked then.
    if (m_closing)
        return false;
    if (event->type() == QEvent::ShortcutOverride) {
        const auto *key = static_cast<QKeyEvent *>(event);
        // Left unaccepted, the key goes to the window's shortcut.
        return m_keys.contains(QKeySequence(key->keyCombination()));
    }
    if (event->type() == QEvent::KeyPress && watched == m_search) {
        const auto *key = static_cast<QKeyEvent *>(event);
        if (key->key() == Qt::Key_Escape && !m_search->text().isEmpty()) {
            m_search->clear();
            return true;
        }
        if (RuneWordListTab *list = listInView(); list && key->key() == Qt::Key_Down && list->proxy()->rowCount() > 0) {
            list->view()->setCurrentIndex(list->proxy()->index(0, 1));
            list->view()->setFocus(Qt::OtherFocusReason);
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void RunePlanner::open()
{
    if (!m_placed) {
        m_placed = true;
        if (!restoreGeometry(m_host.settings().value(Settings::Key::PlannerGeometry).toByteArray())) {
            QWidget *main = m_host.hostWindow();
            const QRect place = placeBeside(main->frameGeometry(), QSize(1000, 640), main->screen()->availableGeometry());
            resize(place.size());
            move(place.topLeft());
        }
    }
    show();
    raise();
    activateWindow();
}

// Activating the window refreshes it too, so that an edit of the rune word
// files made meanwhile shows when the user comes back.
bool RunePlanner::event(QEvent *event)
{
    if (event->type() == QEvent::WindowActivate || event->type() == QEvent::Show)
        refresh();
    return QWidget::event(event);
}

void RunePlanner::hideEvent(QHideEvent *event)
{
    m_host.settings().setValue(Settings::Key::PlannerGeometry, saveGeometry());
    for (PlannerTab *page : m_pages)
        page->keepLayout();
    QWidget::hideEvent(event);
}

void RunePlanner::tabChanged(int index)
{
    moveFilterBar(index);
    m_host.settings().setValue(Settings::Key::PlannerTab, index);
    m_host.tellSettingsProblem(this);
    refresh();
}

// The one filter bar stands at the top of the tab in view, if that tab
// lists rune words.
void RunePlanner::moveFilterBar(int index)
{
    if (!tab(index)->listsRuneWords())
        return;
    auto *layout = static_cast<QVBoxLayout *>(tab(index)->layout());
    if (layout->indexOf(m_bar) == 0)
        return;
    if (QWidget *page = m_bar->parentWidget(); page && page->layout())
        page->layout()->removeWidget(m_bar);
    layout->insertWidget(0, m_bar);
    m_bar->show();
    showCount();
}

void RunePlanner::refresh()
{
    if (isVisible()) {
        tab(m_tabs->currentIndex())->refresh();
        tab(m_tabs->currentIndex())->settleColumns();
    }
}

// Only the list in view is filtered at a keystroke; another one takes the
// filter when it comes into view.
void RunePlanner::applyFilter()
{
    if (PlannerTab *page = tab(m_tabs->currentIndex()); page->listsRuneWords())
        page->proxy()->setFilter(m_bar->filter(), m_context->data);
    showCount();
}

void RunePlanner::showCount()
{
    PlannerTab *page = tab(m_tabs->currentIndex());
    m_bar->setShown(page->proxy()->rowCount(), page->model()->rowCount());
    if (isVisible())
        page->settleColumns();
}

void RunePlanner::marksChanged()
{
    for (RuneWordListTab *list : m_lists)
        list->model()->showAgain();
    showCount();
    m_host.tellSettingsProblem(this);
}

void RunePlanner::saveGroupsTable()
{
    saveCsv(tr("Save the table of all groups"), u"rune groups.csv"_s,
            [this] { return m_host.groupsTable().csv(m_host.currentRuneData()->runes().names()); });
}

// The groups table has one way to its file: on its tab, Ctrl+E saves what
// Ctrl+S saves.
void RunePlanner::saveShownRows()
{
    const int index = m_tabs->currentIndex();
    if (index == Groups) {
        saveGroupsTable();
        return;
    }
    saveCsv(tr("Save the rows shown"), tr("Rune Planner - %1.csv").arg(m_tabs->tabText(index)), [this, index] {
        const PlannerTab *page = tab(index);
        const QHeaderView *header = page->view()->horizontalHeader();
        QList<int> columns;
        for (int visual = 0; visual < header->count(); ++visual) {
            if (const int column = header->logicalIndex(visual); !header->isSectionHidden(column))
                columns.append(column);
        }
        QList<QVariantList> rows;
        QVariantList headings;
        for (const int column : columns)
            headings.append(page->proxy()->headerData(column, Qt::Horizontal, Qt::DisplayRole).toString());
        rows.append(headings);
        for (int row = 0; row < page->proxy()->rowCount(); ++row) {
            QVariantList cells;
            for (const int column : columns)
                cells.append(page->proxy()->index(row, column).data(Qt::DisplayRole));
            rows.append(cells);
        }
        return csvTable(rows);
    });
}

void RunePlanner::saveCsv(const QString &title, const QString &suggestedName, const std::function<QByteArray()> &content)
{
    const QString path =
        m_prompter.askSaveFileName(this, title, QDir::home().filePath(suggestedName), tr("CSV files (*.csv)"));
    if (path.isEmpty())
        return;
    const FileResult saved = writeWholeFile(path, content());
    if (!saved.ok) {
        m_prompter.tell(this, windowTitle(),
                        tr("The file could not be saved:\n%1\n\n%2").arg(QDir::toNativeSeparators(path), saved.reason),
                        Prompter::Icon::Critical);
    }
}

} // namespace rcl
