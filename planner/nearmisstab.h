#pragma once

#include "planner/runewordlisttab.h"

class QComboBox;
class QSpinBox;

namespace rcl {

struct NearMissRow;
template<typename Row>
class RowsModel;

// The rune words a few runes short, ranked by what is missing now or after
// the cube's upgrades.
class NearMissTab final : public RuneWordListTab
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(NearMissTab)

public:
    explicit NearMissTab(PlannerContext &context, QWidget *parent = nullptr);
    ~NearMissTab() override = default;

    [[nodiscard]] QList<QWidget *> focusOrder() const override;

protected:
    void fill(const RuneWordRows &words) override;

private:
    void rankingChosen();

    QSpinBox *m_limit = nullptr;
    QComboBox *m_ranking = nullptr;
    RowsModel<NearMissRow> *m_nearMisses = nullptr;
};

} // namespace rcl
