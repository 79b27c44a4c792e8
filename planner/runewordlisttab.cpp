#include "planner/runewordlisttab.h"

#include "gamedata/runenames.h"
#include "planner/filterbar.h"
#include "planner/plannerhost.h"
#include "planner/plannerproxy.h"
#include "planner/tablemodel.h"
#include "planning/runewordmarks.h"
#include "planning/runewordrows.h"

#include <QAction>
#include <QSignalBlocker>
#include <QTableView>

namespace rcl {

void RuneWordListTab::addRuneWordActions()
{
    QTableView *table = view();
    auto *show = new QAction(tr("Show in the main window"), table);
    show->setShortcuts({QKeySequence(Qt::Key_Return), QKeySequence(Qt::Key_Enter)});
    auto *favourite = new QAction(tr("Favourite"), table);
    favourite->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_D));
    favourite->setCheckable(true);
    auto *hide = new QAction(tr("Hide"), table);
    hide->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_H));
    hide->setCheckable(true);
    hide->setToolTip(tr("Hidden rune words are left out of every list unless Show hidden is on."));
    // Only the table in view is visible, so only its actions answer the
    // keys, from any control of the window (RunePlanner lets them through).
    for (QAction *action : {show, favourite, hide}) {
        action->setShortcutContext(Qt::WindowShortcut);
        action->setShortcutVisibleInContextMenu(true);
        table->addAction(action);
    }
    // A right press makes the row under the pointer current first.
    table->setContextMenuPolicy(Qt::ActionsContextMenu);
    table->setToolTip(tr("Double-click a rune word, or press Return, to show it in the main window. Ctrl+D stars it "
                         "as a favourite, Ctrl+H hides it."));
    connect(show, &QAction::triggered, this, &RuneWordListTab::showInMainWindow);
    connect(table, &QTableView::doubleClicked, this, &RuneWordListTab::showInMainWindow);
    connect(favourite, &QAction::triggered, this, &RuneWordListTab::toggleFavourite);
    connect(hide, &QAction::triggered, this, &RuneWordListTab::toggleHidden);
    // The checks show the current rune word's marks.
    const auto showMarks = [this, show, favourite, hide] {
        const RuneWordRow *word = currentRuneWord();
        for (QAction *action : {show, favourite, hide})
            action->setEnabled(proxy()->rowCount() > 0);
        favourite->setChecked(word && m_context.marks.isFavourite(word->markName));
        hide->setChecked(word && m_context.marks.isHidden(word->markName));
    };
    connect(table->selectionModel(), &QItemSelectionModel::currentChanged, this, showMarks);
    connect(proxy(), &QAbstractItemModel::dataChanged, this, showMarks);
    connect(proxy(), &QAbstractItemModel::modelReset, this, showMarks);
    connect(proxy(), &PlannerProxy::filtered, this, showMarks);
    showMarks();
}

void RuneWordListTab::refresh()
{
    QString leftOut;
    const RuneStock stock = countsOf(m_context.bar.allGroups(), &leftOut);
    m_context.bar.setLeftOut(leftOut);
    m_context.data = m_context.host.currentRuneData();
    const RuneWordRows words(*m_context.data, stock, ReadRuneNames(m_context.host.runeNamesPath()),
                             m_context.host.otherGameTextNames());
    {
        const QSignalBlocker blocker(&m_context.bar);
        m_context.bar.offer(*m_context.data, words.patches(), words.socketCounts());
    }
    proxy()->setFilter(m_context.bar.filter(), m_context.data);
    Q_EMIT countChanged();

    const RuneWordRow *current = currentRuneWord();
    const QString chosen = current ? current->name : QString();
    fill(words);
    // A list made anew keeps the rune word chosen in it.
    if (current = currentRuneWord(); !chosen.isEmpty() && (!current || current->name != chosen))
        selectRuneWord(chosen);
    Q_EMIT countChanged();
    filled();
}

const RuneWordRow *RuneWordListTab::currentRuneWord() const
{
    const QModelIndex current = view()->currentIndex();
    return current.isValid() ? model()->runeWord(proxy()->mapToSource(current).row()) : nullptr;
}

void RuneWordListTab::selectRuneWord(const QString &name)
{
    for (int row = 0; row < proxy()->rowCount(); ++row) {
        const QModelIndex index = proxy()->index(row, 0);
        if (model()->runeWord(proxy()->mapToSource(index).row())->name == name) {
            view()->setCurrentIndex(index);
            return;
        }
    }
}

void RuneWordListTab::chooseFirstRow()
{
    if (!view()->currentIndex().isValid() && proxy()->rowCount() > 0)
        view()->setCurrentIndex(proxy()->index(0, 1));
}

void RuneWordListTab::showInMainWindow()
{
    chooseFirstRow();
    if (const RuneWordRow *word = currentRuneWord()) {
        m_context.host.showRuneWord(word->name);
        m_context.host.hostWindow()->raise();
        m_context.host.hostWindow()->activateWindow();
    }
}

void RuneWordListTab::toggleFavourite()
{
    chooseFirstRow();
    if (const RuneWordRow *word = currentRuneWord()) {
        const QString name = word->markName;
        m_context.marks.setFavourite(name, !m_context.marks.isFavourite(name));
        Q_EMIT marksChanged();
    }
}

void RuneWordListTab::toggleHidden()
{
    chooseFirstRow();
    if (const RuneWordRow *word = currentRuneWord()) {
        const QString name = word->markName;
        m_context.marks.setHidden(name, !m_context.marks.isHidden(name));
        Q_EMIT marksChanged();
    }
}

} // namespace rcl
