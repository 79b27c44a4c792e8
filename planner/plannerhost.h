#pragma once

#include "checks/datacheck.h"
#include "gamedata/runedata.h"
#include "stock/groupstable.h"
#include "stock/runestock.h"
#include "stock/settings.h"

#include <QHash>
#include <QList>
#include <QString>

#include <memory>

class QToolButton;
class QWidget;

namespace rcl {

// What the planner reads from and asks of the main window. The main window
// implements it and owns the planner; the planner knows no more of it than
// this, so that it can be built and tested below the window.
class PlannerHost
{
public:
    virtual ~PlannerHost() = default;

    // The window the planner stands beside and goes back to.
    [[nodiscard]] virtual QWidget *hostWindow() = 0;
    [[nodiscard]] virtual Settings &settings() = 0;
    // Says, once, why the settings file could not be read or written.
    virtual void tellSettingsProblem(QWidget *parent) = 0;
    [[nodiscard]] virtual QToolButton *makeOptionsButton(QWidget *parent) = 0;

    [[nodiscard]] virtual const RuneStock &runeStock() const = 0;
    [[nodiscard]] virtual GroupsTable groupsTable() const = 0;
    [[nodiscard]] virtual std::shared_ptr<const RuneData> currentRuneData() = 0;
    [[nodiscard]] virtual QString runeNamesPath() const = 0;
    // The rune words' names in the other game text, by their names in this
    // one, where the data does not name them itself; for the search.
    [[nodiscard]] virtual QHash<QString, QString> otherGameTextNames() = 0;
    [[nodiscard]] virtual QList<DataProblem> checkData() const = 0;
    // The rune that the main window's selection frame stands on.
    [[nodiscard]] virtual int selectedRune() const = 0;
    // As a click on the name in the main window's list shows it.
    virtual void showRuneWord(const QString &name) = 0;

protected:
    PlannerHost() = default;
    PlannerHost(const PlannerHost &) = default;
    PlannerHost &operator=(const PlannerHost &) = default;
};

} // namespace rcl
