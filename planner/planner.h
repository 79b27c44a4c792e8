#pragma once

// The rune planner: a second window over the main window's counts and rune
// word files. Each tab is a table: a model (tablemodel.h) over what the
// finder and stock libraries work out, near misses and the rune words with
// their uses (runewordrows.h), the upgrade calculator (upgraderows.h), the
// groups side by side (groupstable.h) and the problems of the files
// (datacheck.h), shown through a PlannerProxy that
// sorts it and lets through what the filter bar (filterbar.h) accepts. The
// tab in view follows the main window's stateChanged(), the others are
// filled when they come into view.

#include "groupstable.h"
#include "runedata.h"
#include "runewordmarks.h"
#include "settings.h"

#include <QWidget>

#include <array>
#include <memory>

class QComboBox;
class QLabel;
class QPushButton;
class QSpinBox;
class QTabWidget;
class QTableView;
class QTextEdit;

namespace rcl {

class FilterBar;
class Form1;
class PlannerProxy;
class Prompter;
class TableModel;
template<typename Row>
class RowsModel;
struct DataProblem;
struct NearMissRow;
struct RuneUseRow;
struct RuneWordRow;
struct UpgradeCostRow;

class RunePlanner final : public QWidget
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(RunePlanner)

public:
    enum Tab { NearMisses, RuneWords, Uses, Calculator, Groups, Check, TabCount };

    // A window of its own that the main window owns, closes and destroys.
    RunePlanner(Form1 &form, Prompter &prompter);
    ~RunePlanner() override;

    // Shows the window and brings it to the front: the first time where it
    // was last, or beside the main window.
    void open();
    void refresh();
    // Asks where, then writes the groups table as CSV.
    void saveGroupsTable();
    // Asks where, then writes the rows and columns that the tab in view
    // shows as CSV.
    void saveShownRows();

protected:
    bool event(QEvent *event) override;
    void hideEvent(QHideEvent *event) override;

private:
    struct Table
    {
        TableModel *model = nullptr;
        PlannerProxy *proxy = nullptr;
        QTableView *view = nullptr;
    };

    [[nodiscard]] QWidget *createNearMissTab();
    [[nodiscard]] QWidget *createRuneWordsTab();
    [[nodiscard]] QWidget *createUsesTab();
    [[nodiscard]] QWidget *createCalculatorTab();
    [[nodiscard]] QWidget *createGroupsTab();
    [[nodiscard]] QWidget *createCheckTab();
    // The view of a tab's model, sorted as it was last; -1 stretches the last
    // column.
    QTableView *addTable(Tab tab, TableModel *model, int stretchedColumn, QWidget *page);
    // Show, favourite and hide, by key and in the context menu.
    void addRuneWordActions(Tab tab);
    void orderTabs();

    // The counts of the main window's group, or of all groups together; a
    // text naming the groups left out of these.
    [[nodiscard]] RuneStock countsOf(bool allGroups, QString *leftOut) const;
    void showRuneWordLists(Tab tab);
    void showCalculator();
    void rankingChosen();
    void showGroups();
    void showCheck();
    void applyFilter();
    void showCount();
    void showDetails();
    void moveFilterBar(int tab);
    void tabChanged(int tab);
    [[nodiscard]] bool listsRuneWords(int tab) const { return tab == NearMisses || tab == RuneWords || tab == Uses; }

    [[nodiscard]] const RuneWordRow *currentRuneWord(Tab tab) const;
    void selectRuneWord(Tab tab, const QString &name);
    void showInMainWindow(Tab tab);
    void toggleFavourite(Tab tab);
    void toggleHidden(Tab tab);
    void marksChanged();

    Form1 &m_form;
    Prompter &m_prompter;
    RuneWordMarks m_marks;
    // The version of rune.dat that the lists and the filter were made from.
    std::shared_ptr<const RuneData> m_data;
    QTabWidget *m_tabs = nullptr;
    FilterBar *m_bar = nullptr;
    std::array<Table, TabCount> m_tables{};
    bool m_placed = false;

    QSpinBox *m_limit = nullptr;
    QComboBox *m_ranking = nullptr;
    RowsModel<NearMissRow> *m_nearMisses = nullptr;

    RowsModel<RuneWordRow> *m_runeWords = nullptr;
    QTextEdit *m_details = nullptr;

    QComboBox *m_rune = nullptr;
    QLabel *m_runeUpgrades = nullptr;
    RowsModel<RuneUseRow> *m_uses = nullptr;

    QComboBox *m_calculatorRune = nullptr;
    QSpinBox *m_calculatorCount = nullptr;
    QComboBox *m_calculatorCounts = nullptr;
    QLabel *m_calculatorAnswer = nullptr;
    QLabel *m_costsHeading = nullptr;
    RowsModel<UpgradeCostRow> *m_costs = nullptr;

    GroupsTable m_groupsTable;
    QStringList m_runeNames;
    RowsModel<int> *m_groups = nullptr;
    QPushButton *m_saveGroups = nullptr;

    QLabel *m_checkSummary = nullptr;
    RowsModel<DataProblem> *m_problems = nullptr;
};

} // namespace rcl
