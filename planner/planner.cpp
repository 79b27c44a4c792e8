#include "planner.h"

#include "csvtable.h"
#include "filewriter.h"
#include "filterbar.h"
#include "form1.h"
#include "placement.h"
#include "plannerproxy.h"
#include "tablemodel.h"

#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QEvent>
#include <QHeaderView>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QShortcut>
#include <QSpinBox>
#include <QTabBar>
#include <QTabWidget>
#include <QTableView>
#include <QTextEdit>
#include <QToolButton>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace rcl {
namespace {

Settings::Key sortKey(RunePlanner::Tab tab)
{
    switch (tab) {
    case RunePlanner::NearMisses:
        return Settings::Key::PlannerSortNearMisses;
    case RunePlanner::RuneWords:
        return Settings::Key::PlannerSortRuneWords;
    case RunePlanner::Uses:
        return Settings::Key::PlannerSortUses;
    case RunePlanner::Calculator:
        return Settings::Key::PlannerSortCalculator;
    case RunePlanner::Groups:
        return Settings::Key::PlannerSortGroups;
    case RunePlanner::Check:
    case RunePlanner::TabCount:
        break;
    }
    return Settings::Key::PlannerSortCheck;
}

// "2 descending": the column and the order; none for the order the rows
// come in.
QString sortText(int column, Qt::SortOrder order)
{
    if (column < 0)
        return {};
    return u"%1 %2"_s.arg(column).arg(order == Qt::DescendingOrder ? u"descending"_s : u"ascending"_s);
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

RunePlanner::RunePlanner(Form1 &form, Prompter &prompter)
    : QWidget(&form, Qt::Window)
    , m_form(form)
    , m_prompter(prompter)
    , m_marks(form.settings())
    , m_data(form.currentRuneData())
{
    setWindowTitle(tr("Rune Planner"));
    m_bar = new FilterBar(this);
    m_tabs = new QTabWidget(this);
    m_tabs->addTab(createNearMissTab(), tr("Near misses"));
    m_tabs->addTab(createRuneWordsTab(), tr("Rune words"));
    m_tabs->addTab(createUsesTab(), tr("Uses of a rune"));
    m_tabs->addTab(createCalculatorTab(), tr("Upgrade calculator"));
    m_tabs->addTab(createGroupsTab(), tr("All groups"));
    m_tabs->addTab(createCheckTab(), tr("Data check"));
    m_tabs->setCornerWidget(m_form.makeOptionsButton(m_tabs));
    (new QVBoxLayout(this))->addWidget(m_tabs);
    for (int tab = 0; tab < TabCount; ++tab)
        m_tables[std::size_t(tab)].view->setAccessibleName(m_tabs->tabText(tab));
    orderTabs();

    const int tab = m_form.settings().value(Settings::Key::PlannerTab).toInt();
    m_tabs->setCurrentIndex(tab >= 0 && tab < TabCount ? tab : NearMisses);
    // In a tab from the start, also when the one in view lists no rune words.
    moveFilterBar(NearMisses);
    moveFilterBar(m_tabs->currentIndex());

    connect(m_tabs, &QTabWidget::currentChanged, this, &RunePlanner::tabChanged);
    connect(&form, &Form1::stateChanged, this, &RunePlanner::refresh);
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
        if (!listsRuneWords(m_tabs->currentIndex()))
            m_tabs->setCurrentIndex(RuneWords);
        m_bar->searchBox()->setFocus(Qt::ShortcutFocusReason);
        m_bar->searchBox()->selectAll();
    });
}

// The views go first: the models read the marks and the groups table, which
// go before the children.
RunePlanner::~RunePlanner()
{
    delete m_tabs;
}

QTableView *RunePlanner::addTable(Tab tab, TableModel *model, int stretchedColumn, QWidget *page)
{
    auto *proxy = new PlannerProxy(m_marks, this);
    proxy->setSourceModel(model);
    auto *view = new QTableView(page);
    view->setModel(proxy);
    view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    view->setSelectionBehavior(QAbstractItemView::SelectRows);
    view->setSelectionMode(QAbstractItemView::SingleSelection);
    view->setWordWrap(false);
    // Tab leaves the table for the next control.
    view->setTabKeyNavigation(false);
    view->verticalHeader()->setVisible(false);
    view->verticalHeader()->setDefaultSectionSize(view->fontMetrics().lineSpacing() + 8);
    QHeaderView *header = view->horizontalHeader();
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
    view->setSortingEnabled(true);
    const auto [column, order] = sortOf(m_form.settings().text(sortKey(tab)), model->columnCount());
    view->sortByColumn(column, order);
    connect(header, &QHeaderView::sortIndicatorChanged, this, [this, tab](int section, Qt::SortOrder sortOrder) {
        m_form.settings().setValue(sortKey(tab), sortText(section, sortOrder));
        m_form.tellSettingsProblem(this);
    });
    m_tables[tab] = {model, proxy, view};
    return view;
}

void RunePlanner::addRuneWordActions(Tab tab)
{
    QTableView *view = m_tables[tab].view;
    auto *show = new QAction(tr("Show in the main window"), view);
    show->setShortcuts({QKeySequence(Qt::Key_Return), QKeySequence(Qt::Key_Enter)});
    auto *favourite = new QAction(tr("Favourite"), view);
    favourite->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_D));
    favourite->setCheckable(true);
    auto *hide = new QAction(tr("Hide"), view);
    hide->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_H));
    hide->setCheckable(true);
    hide->setToolTip(tr("Hidden rune words are left out of every list unless Show hidden is on."));
    for (QAction *action : {show, favourite, hide}) {
        action->setShortcutContext(Qt::WidgetShortcut);
        action->setShortcutVisibleInContextMenu(true);
        view->addAction(action);
    }
    // A right press makes the row under the pointer current first.
    view->setContextMenuPolicy(Qt::ActionsContextMenu);
    view->setToolTip(tr("Double-click a rune word, or press Return, to show it in the main window. Ctrl+D stars it "
                        "as a favourite, Ctrl+H hides it."));
    connect(show, &QAction::triggered, this, [this, tab] { showInMainWindow(tab); });
    connect(view, &QTableView::doubleClicked, this, [this, tab] { showInMainWindow(tab); });
    connect(favourite, &QAction::triggered, this, [this, tab] { toggleFavourite(tab); });
    connect(hide, &QAction::triggered, this, [this, tab] { toggleHidden(tab); });
    // The checks show the current rune word's marks.
    const auto showMarks = [this, tab, show, favourite, hide] {
        const RuneWordRow *word = currentRuneWord(tab);
        for (QAction *action : {show, favourite, hide})
            action->setEnabled(word);
        favourite->setChecked(word && m_marks.isFavourite(word->name));
        hide->setChecked(word && m_marks.isHidden(word->name));
    };
    connect(view->selectionModel(), &QItemSelectionModel::currentChanged, this, showMarks);
    connect(m_tables[tab].proxy, &QAbstractItemModel::dataChanged, this, showMarks);
    connect(m_tables[tab].proxy, &QAbstractItemModel::modelReset, this, showMarks);
    showMarks();
}

// Top to bottom: the tabs and the options, the filter bar where it shows,
// then each tab's own controls and tables; Tab passes over those of the tabs
// not in view.
void RunePlanner::orderTabs()
{
    QList<QWidget *> order{m_tabs->tabBar(), m_tabs->cornerWidget()};
    order += m_bar->controls();
    order += {m_limit, m_ranking, m_tables[NearMisses].view, m_tables[RuneWords].view, m_details, m_rune,
              m_tables[Uses].view, m_calculatorRune, m_calculatorCount, m_calculatorCounts, m_tables[Calculator].view,
              m_tables[Groups].view, m_saveGroups, m_tables[Check].view};
    for (qsizetype i = 1; i < order.size(); ++i)
        setTabOrder(order[i - 1], order[i]);
}

void RunePlanner::open()
{
    if (!m_placed) {
        m_placed = true;
        if (!restoreGeometry(m_form.settings().value(Settings::Key::PlannerGeometry).toByteArray())) {
            const QRect place = placeBeside(m_form.frameGeometry(), QSize(1000, 640), m_form.screen()->availableGeometry());
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
    m_form.settings().setValue(Settings::Key::PlannerGeometry, saveGeometry());
    QWidget::hideEvent(event);
}

void RunePlanner::tabChanged(int tab)
{
    moveFilterBar(tab);
    m_form.settings().setValue(Settings::Key::PlannerTab, tab);
    m_form.tellSettingsProblem(this);
    refresh();
}

// The one filter bar stands at the top of the tab in view, if that tab
// lists rune words.
void RunePlanner::moveFilterBar(int tab)
{
    if (!listsRuneWords(tab))
        return;
    auto *layout = static_cast<QVBoxLayout *>(m_tabs->widget(tab)->layout());
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
    if (!isVisible())
        return;
    const auto tab = Tab(m_tabs->currentIndex());
    if (listsRuneWords(tab))
        showRuneWordLists(tab);
    else if (tab == Calculator)
        showCalculator();
    else if (tab == Groups)
        showGroups();
    else if (tab == Check)
        showCheck();
}

// Only the list in view is filtered at a keystroke; another one takes the
// filter when it comes into view.
void RunePlanner::applyFilter()
{
    if (const int tab = m_tabs->currentIndex(); listsRuneWords(tab))
        m_tables[std::size_t(tab)].proxy->setFilter(m_bar->filter(), m_data);
    showCount();
}

void RunePlanner::showCount()
{
    const Table &table = m_tables[std::size_t(m_tabs->currentIndex())];
    m_bar->setShown(table.proxy->rowCount(), table.model->rowCount());
}

const RuneWordRow *RunePlanner::currentRuneWord(Tab tab) const
{
    const Table &table = m_tables[tab];
    const QModelIndex current = table.view->currentIndex();
    return current.isValid() ? table.model->runeWord(table.proxy->mapToSource(current).row()) : nullptr;
}

void RunePlanner::selectRuneWord(Tab tab, const QString &name)
{
    const Table &table = m_tables[tab];
    for (int row = 0; row < table.proxy->rowCount(); ++row) {
        const QModelIndex index = table.proxy->index(row, 0);
        if (table.model->runeWord(table.proxy->mapToSource(index).row())->name == name) {
            table.view->setCurrentIndex(index);
            return;
        }
    }
}

void RunePlanner::showInMainWindow(Tab tab)
{
    if (const RuneWordRow *word = currentRuneWord(tab)) {
        m_form.showRuneWord(word->name);
        m_form.raise();
        m_form.activateWindow();
    }
}

void RunePlanner::toggleFavourite(Tab tab)
{
    if (const RuneWordRow *word = currentRuneWord(tab)) {
        const QString name = word->name;
        m_marks.setFavourite(name, !m_marks.isFavourite(name));
        marksChanged();
    }
}

void RunePlanner::toggleHidden(Tab tab)
{
    if (const RuneWordRow *word = currentRuneWord(tab)) {
        const QString name = word->name;
        m_marks.setHidden(name, !m_marks.isHidden(name));
        marksChanged();
    }
}

void RunePlanner::marksChanged()
{
    for (const Tab tab : {NearMisses, RuneWords, Uses})
        m_tables[tab].model->showAgain();
    showCount();
    m_form.tellSettingsProblem(this);
}

void RunePlanner::saveGroupsTable()
{
    const QString path = m_prompter.askSaveFileName(this, tr("Save the table of all groups"),
                                                    QDir::home().filePath(u"rune groups.csv"_s), tr("CSV files (*.csv)"));
    if (path.isEmpty())
        return;
    const GroupsTable groups = m_form.groupsTable();
    const FileResult saved = writeWholeFile(path, groups.csv(m_form.currentRuneData()->runes().names()));
    if (!saved.ok) {
        m_prompter.tell(this, windowTitle(),
                        tr("The table could not be saved:\n%1\n\n%2").arg(QDir::toNativeSeparators(path), saved.reason),
                        Prompter::Icon::Critical);
    }
}

void RunePlanner::saveShownRows()
{
    const int tab = m_tabs->currentIndex();
    const QString path =
        m_prompter.askSaveFileName(this, tr("Save the rows shown"),
                                   QDir::home().filePath(tr("Rune Planner - %1.csv").arg(m_tabs->tabText(tab))),
                                   tr("CSV files (*.csv)"));
    if (path.isEmpty())
        return;
    const Table &table = m_tables[std::size_t(tab)];
    const QHeaderView *header = table.view->horizontalHeader();
    QList<int> columns;
    for (int visual = 0; visual < header->count(); ++visual) {
        if (const int column = header->logicalIndex(visual); !header->isSectionHidden(column))
            columns.append(column);
    }
    QList<QVariantList> rows;
    QVariantList headings;
    for (const int column : columns)
        headings.append(table.proxy->headerData(column, Qt::Horizontal, Qt::DisplayRole).toString());
    rows.append(headings);
    for (int row = 0; row < table.proxy->rowCount(); ++row) {
        QVariantList cells;
        for (const int column : columns)
            cells.append(table.proxy->index(row, column).data(Qt::DisplayRole));
        rows.append(cells);
    }
    const FileResult saved = writeWholeFile(path, csvTable(rows));
    if (!saved.ok) {
        m_prompter.tell(this, windowTitle(),
                        tr("The rows could not be saved:\n%1\n\n%2").arg(QDir::toNativeSeparators(path), saved.reason),
                        Prompter::Icon::Critical);
    }
}

} // namespace rcl
