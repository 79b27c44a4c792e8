#pragma once

#include "checks/datacheck.h"
#include "stock/groupstable.h"
#include "planning/runewordmarks.h"
#include "planning/runewordrows.h"
#include "planner/tablemodel.h"
#include "planning/upgraderows.h"

#include <QStringList>

#include <functional>

namespace rcl {

// The planner's tables: which columns each has and what fills them. The rune
// word lists begin with the marks column (a star for a favourite, "hidden"
// for a hidden rune word, favourites sorting first) and the name; a column
// more is one entry more in its list here.
[[nodiscard]] RowsModel<NearMissRow> *nearMissModel(const RuneWordMarks &marks, QObject *parent);
[[nodiscard]] RowsModel<RuneWordRow> *runeWordsModel(const RuneWordMarks &marks, QObject *parent);
[[nodiscard]] RowsModel<RuneUseRow> *runeUsesModel(const RuneWordMarks &marks, QObject *parent);
[[nodiscard]] RowsModel<UpgradeCostRow> *upgradeCostsModel(QObject *parent);
// A row a rune index; the table and the rune names as the planner last read
// them.
[[nodiscard]] RowsModel<int> *groupsModel(const GroupsTable &table, const QStringList &runeNames, QObject *parent);
[[nodiscard]] RowsModel<DataProblem> *problemsModel(QObject *parent);

[[nodiscard]] QString makeStatusText(MakeStatus status);

} // namespace rcl
