#pragma once

// The rune planner: a second window over the main window's counts and rune
// word files. Each tab prints what the finder and stock libraries work out:
// near misses (nearmiss.h), the groups side by side (groupstable.h), the uses
// of a rune (nearmiss.h) and the problems of the files (datacheck.h). The tab
// in view follows the main window's stateChanged(), the others are filled
// when they come into view.

#include <QWidget>

class QComboBox;
class QLabel;
class QRadioButton;
class QSpinBox;
class QTabWidget;
class QTableWidget;

namespace rcl {

class Form1;
class Prompter;

class RunePlanner final : public QWidget
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(RunePlanner)

public:
    // A window of its own that the main window owns, closes and destroys.
    RunePlanner(Form1 &form, Prompter &prompter);

    void refresh();
    // Asks where, then writes the groups table as CSV.
    void saveGroupsTable();

protected:
    bool event(QEvent *event) override;

private:
    [[nodiscard]] QWidget *createNearMissTab();
    [[nodiscard]] QWidget *createGroupsTab();
    [[nodiscard]] QWidget *createUsesTab();
    [[nodiscard]] QWidget *createCheckTab();
    void showNearMisses();
    void showGroups();
    void showUses();
    void showCheck();

    Form1 &m_form;
    Prompter &m_prompter;
    QTabWidget *m_tabs = nullptr;

    QComboBox *m_itemType = nullptr;
    QSpinBox *m_limit = nullptr;
    QRadioButton *m_allGroups = nullptr;
    QLabel *m_leftOut = nullptr;
    QTableWidget *m_nearMisses = nullptr;

    QTableWidget *m_groups = nullptr;

    QComboBox *m_rune = nullptr;
    QTableWidget *m_uses = nullptr;

    QLabel *m_checkSummary = nullptr;
    QTableWidget *m_problems = nullptr;
};

} // namespace rcl
