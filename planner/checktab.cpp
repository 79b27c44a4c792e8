#include "planner/checktab.h"

#include "prompts/plaintext.h"
#include "planner/plannerhost.h"
#include "planner/plannermodels.h"

#include <QLabel>
#include <QTableView>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace rcl {

CheckTab::CheckTab(PlannerContext &context, QWidget *parent)
    : PlannerTab(context, parent)
{
    m_summary = new QLabel(this);
    showAsPlainText(m_summary);
    m_problems = problemsModel(this);
    QTableView *table = addTable(m_problems, Settings::Key::PlannerSortCheck, Settings::Key::PlannerColumnsCheck, 2,
                                 this);
    table->setObjectName(u"problems"_s);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_summary);
    layout->addWidget(table);
}

void CheckTab::refresh()
{
    const QList<DataProblem> problems = m_context.host.checkData();
    m_summary->setText(problems.isEmpty() ? tr("No problems found in rune.dat and runename.dat.")
                                          : tr("%n problem(s) found in rune.dat and runename.dat. The files are "
                                               "not changed.",
                                               nullptr, int(problems.size())));
    m_problems->setRows(problems);
}

} // namespace rcl
