#pragma once

#include "planner/runewordlisttab.h"

class QTextEdit;

namespace rcl {

template<typename Row>
class RowsModel;

// Every rune word, with the whole of the chosen one below the list.
class RuneWordsTab final : public RuneWordListTab
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(RuneWordsTab)

public:
    explicit RuneWordsTab(PlannerContext &context, QWidget *parent = nullptr);
    ~RuneWordsTab() override = default;

    [[nodiscard]] QList<QWidget *> focusOrder() const override;

protected:
    void fill(const RuneWordRows &words) override;
    void filled() override { showDetails(); }

private:
    void showDetails();

    RowsModel<RuneWordRow> *m_runeWords = nullptr;
    QTextEdit *m_details = nullptr;
};

} // namespace rcl
