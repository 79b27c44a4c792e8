#pragma once

// The rune planner: a second window over the main window's counts and rune
// word files (what it reads of them: plannerhost.h). Each tab is a class of
// its own (plannertab.h) around a table: a model (tablemodel.h) over what the
// rules and planning libraries work out, near misses and the rune words with
// their uses (runewordrows.h), the upgrade calculator (upgraderows.h), the
// groups side by side (groupstable.h) and the problems of the files
// (datacheck.h), shown through a PlannerProxy that sorts it and lets through
// what the filter bar (filterbar.h) accepts. The tab in view follows the
// main window's changes (refresh()), the others are filled when they come
// into view.

#include "planner/plannertab.h"
#include "planning/runewordmarks.h"

#include <QKeySequence>
#include <QWidget>

#include <array>
#include <functional>
#include <memory>

class QLineEdit;
class QTabWidget;

namespace rcl {

class FilterBar;
class PlannerHost;
class Prompter;
class RuneWordListTab;

class RunePlanner final : public QWidget
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(RunePlanner)

public:
    enum Tab { NearMisses, RuneWords, Uses, Calculator, Groups, Check, TabCount };

    // A window of its own that the main window owns, closes and destroys.
    RunePlanner(PlannerHost &host, Prompter &prompter, QWidget *parent);
    ~RunePlanner() override;

    // Shows the window and brings it to the front: the first time where it
    // was last, or beside the main window.
    void open();
    // Fills the tab in view anew; nothing while the window is hidden.
    void refresh();
    // Asks where, then writes the groups table as CSV.
    void saveGroupsTable();
    // Asks where, then writes the rows and columns that the tab in view
    // shows as CSV.
    void saveShownRows();

protected:
    bool event(QEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;
    void hideEvent(QHideEvent *event) override;

private:
    [[nodiscard]] PlannerTab *tab(int index) const { return m_pages[std::size_t(index)]; }
    void orderTabs();
    void applyFilter();
    void showCount();
    void moveFilterBar(int tab);
    void tabChanged(int tab);
    void marksChanged();
    // Asks where, then writes what content makes there, and says why not
    // where it cannot.
    void saveCsv(const QString &title, const QString &suggestedName, const std::function<QByteArray()> &content);
    // The window's keys win over the controls that would take them for
    // their own editing (a line edit's Ctrl+E, Ctrl+D, Ctrl+H).
    void keepKeysForTheWindow();
    [[nodiscard]] RuneWordListTab *listInView() const;

    PlannerHost &m_host;
    Prompter &m_prompter;
    RuneWordMarks m_marks;
    FilterBar *m_bar = nullptr;
    std::unique_ptr<PlannerContext> m_context;
    QTabWidget *m_tabs = nullptr;
    std::array<PlannerTab *, TabCount> m_pages{};
    std::array<RuneWordListTab *, 3> m_lists{};
    QList<QKeySequence> m_keys;
    QLineEdit *m_search = nullptr;
    bool m_closing = false;
    bool m_placed = false;
};

} // namespace rcl
