#pragma once

#include "planner/runewordlisttab.h"

class QComboBox;
class QLabel;

namespace rcl {

struct RuneUseRow;
template<typename Row>
class RowsModel;

// The rune words that use a rune, with how the cube makes it.
class UsesTab final : public RuneWordListTab
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(UsesTab)

public:
    explicit UsesTab(PlannerContext &context, QWidget *parent = nullptr);
    ~UsesTab() override = default;

    [[nodiscard]] QList<QWidget *> focusOrder() const override;

protected:
    void fill(const RuneWordRows &words) override;

private:
    QComboBox *m_rune = nullptr;
    QLabel *m_runeUpgrades = nullptr;
    RowsModel<RuneUseRow> *m_uses = nullptr;
};

} // namespace rcl
