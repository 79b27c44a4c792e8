#pragma once

#include "planner/runewordlisttab.h"

class QSplitter;
class QTextEdit;
class QToolButton;

namespace rcl {

template<typename Row>
class RowsModel;

// Every rune word, with the whole of the chosen one (or of the first one
// shown) in a pane below the list, which the user sizes or closes.
class RuneWordsTab final : public RuneWordListTab
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(RuneWordsTab)

public:
    explicit RuneWordsTab(PlannerContext &context, QWidget *parent = nullptr);
    ~RuneWordsTab() override = default;

    [[nodiscard]] QList<QWidget *> focusOrder() const override;
    void keepLayout() override;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void fill(const RuneWordRows &words) override;
    void filled() override { showDetails(); }

private:
    void showDetails();
    void openDetails(bool open);

    RowsModel<RuneWordRow> *m_runeWords = nullptr;
    QTextEdit *m_details = nullptr;
    QSplitter *m_splitter = nullptr;
    QToolButton *m_detailsButton = nullptr;
    // The pane's height before it was closed.
    int m_detailsHeight = 0;
};

} // namespace rcl
