#pragma once

#include "planner/plannertab.h"

class QComboBox;
class QLabel;
class QSpinBox;

namespace rcl {

struct UpgradeCostRow;
template<typename Row>
class RowsModel;

// How many of a rune the counts can make in the cube, and what it costs
// from each lower rune. The rune and whose counts are kept across starts.
class CalculatorTab final : public PlannerTab
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(CalculatorTab)

public:
    explicit CalculatorTab(PlannerContext &context, QWidget *parent = nullptr);
    ~CalculatorTab() override = default;

    void refresh() override;
    [[nodiscard]] QList<QWidget *> focusOrder() const override;

protected:
    [[nodiscard]] int wantedWidth(int column, int contents) const override;

private:
    [[nodiscard]] int firstRune() const;
    void keep(Settings::Key key, int value);

    QComboBox *m_rune = nullptr;
    QSpinBox *m_count = nullptr;
    QComboBox *m_counts = nullptr;
    QLabel *m_answer = nullptr;
    QLabel *m_costsHeading = nullptr;
    RowsModel<UpgradeCostRow> *m_costs = nullptr;
};

} // namespace rcl
