#pragma once

#include "stock/runestock.h"
#include "stock/settings.h"

#include <QWidget>

#include <memory>

class QTableView;

namespace rcl {

class FilterBar;
class PlannerHost;
class PlannerProxy;
class Prompter;
class RuneData;
class RuneWordMarks;
class TableModel;

// What the planner's tabs share: the main window, the marks, the one filter
// bar and the version of rune.dat that the lists and the filter were made
// from.
struct PlannerContext
{
    PlannerHost &host;
    Prompter &prompter;
    RuneWordMarks &marks;
    FilterBar &bar;
    std::shared_ptr<const RuneData> data;
};

// One tab of the planner: its controls over a table, a model shown through a
// PlannerProxy that sorts it as it was last sorted and lets through what the
// filter bar accepts. The layout is a QVBoxLayout, at whose top the filter
// bar stands in the tabs that list rune words.
class PlannerTab : public QWidget
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(PlannerTab)

public:
    ~PlannerTab() override;

    [[nodiscard]] TableModel *model() const { return m_model; }
    [[nodiscard]] PlannerProxy *proxy() const { return m_proxy; }
    [[nodiscard]] QTableView *view() const { return m_view; }
    // Whether the filter bar stands in this tab.
    [[nodiscard]] virtual bool listsRuneWords() const { return false; }
    // Fills the tab anew from the main window's state.
    virtual void refresh() = 0;
    // The tab's controls in the order Tab visits them.
    [[nodiscard]] virtual QList<QWidget *> focusOrder() const = 0;
    // Once, when the table first shows rows: the widths of its columns as
    // the user left them, or from their contents as far as the view
    // allows. After that only the user changes them, or a view too narrow
    // for them.
    void settleColumns();
    // Keeps what the user chose of the tab's layout for the next start.
    virtual void keepLayout();

Q_SIGNALS:
    // A control of the tab asks for it to be filled anew.
    void refreshWanted();
    // The rows shown or their number may have changed.
    void countChanged();

protected:
    explicit PlannerTab(PlannerContext &context, QWidget *parent = nullptr);

    // The view of the tab's model, sorted as it was last (kept under
    // sortKey), its columns as wide as they were (under columnsKey). The
    // stretched column (-1: the last) takes what the others leave of the
    // view's width, so that the table fills the view and fits in it.
    QTableView *addTable(TableModel *model, Settings::Key sortKey, Settings::Key columnsKey, int stretchedColumn,
                         QWidget *parent);
    // The counts of the main window's group, or of all groups together; a
    // text naming the groups left out of these.
    [[nodiscard]] RuneStock countsOf(bool allGroups, QString *leftOut) const;

    bool eventFilter(QObject *watched, QEvent *event) override;
    // How wide a column should be at first, where its first rows are
    // narrower than later ones can be.
    [[nodiscard]] virtual int wantedWidth(int column, int contents) const
    {
        Q_UNUSED(column);
        return contents;
    }

    PlannerContext &m_context;

private:
    void fitColumns();

    TableModel *m_model = nullptr;
    PlannerProxy *m_proxy = nullptr;
    QTableView *m_view = nullptr;
    QWidget *m_viewport = nullptr;
    Settings::Key m_columnsKey = Settings::Key::PlannerColumnsNearMisses;
    int m_stretched = -1;
    bool m_settled = false;
};

} // namespace rcl
