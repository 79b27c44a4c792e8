#pragma once

#include "planner/plannertab.h"

#include <QTableView>

class QLabel;

namespace rcl {

struct DataProblem;
template<typename Row>
class RowsModel;

// The problems of rune.dat and runename.dat.
class CheckTab final : public PlannerTab
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(CheckTab)

public:
    explicit CheckTab(PlannerContext &context, QWidget *parent = nullptr);
    ~CheckTab() override = default;

    void refresh() override;
    [[nodiscard]] QList<QWidget *> focusOrder() const override { return {view()}; }

private:
    QLabel *m_summary = nullptr;
    RowsModel<DataProblem> *m_problems = nullptr;
};

} // namespace rcl
