#include "planner/calculatortab.h"

#include "prompts/plaintext.h"
#include "planner/plannerhost.h"
#include "planner/plannermodels.h"
#include "planning/upgraderows.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QSpinBox>
#include <QTableView>
#include <QVBoxLayout>

#include <limits>

using namespace Qt::StringLiterals;

namespace rcl {

CalculatorTab::CalculatorTab(PlannerContext &context, QWidget *parent)
    : PlannerTab(context, parent)
{
    m_rune = new QComboBox(this);
    m_rune->setObjectName(u"calculatorRune"_s);
    m_rune->addItems(context.host.currentRuneData()->runes().names());
    m_rune->setCurrentIndex(firstRune());
    m_count = new QSpinBox(this);
    m_count->setObjectName(u"calculatorCount"_s);
    // As many as a save file counts of one rune.
    m_count->setRange(1, std::numeric_limits<qint32>::max());
    m_count->setGroupSeparatorShown(true);
    m_counts = new QComboBox(this);
    m_counts->setObjectName(u"calculatorCounts"_s);
    m_counts->addItems({tr("This group"), tr("All groups together")});
    m_counts->setCurrentIndex(context.host.settings().value(Settings::Key::PlannerCalculatorCounts).toInt() == 1);
    m_answer = new QLabel(this);
    showAsPlainText(m_answer);
    m_answer->setObjectName(u"calculatorAnswer"_s);
    m_answer->setWordWrap(true);
    m_answer->setTextInteractionFlags(Qt::TextSelectableByMouse);
    m_costsHeading = new QLabel(this);
    showAsPlainText(m_costsHeading);
    m_costs = upgradeCostsModel(this);
    QTableView *table = addTable(m_costs, Settings::Key::PlannerSortCalculator,
                                 Settings::Key::PlannerColumnsCalculator, 2, this);
    table->setObjectName(u"upgradeCosts"_s);

    auto *choice = new QHBoxLayout;
    const std::pair<QWidget *, QString> controls[] = {
        {m_rune, tr("&Rune:")}, {m_count, tr("&Number:")}, {m_counts, tr("&Counts of:")}};
    for (const auto &[control, text] : controls) {
        auto *label = new QLabel(text, this);
        label->setBuddy(control);
        choice->addWidget(label);
        choice->addWidget(control);
    }
    choice->addStretch();
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(choice);
    layout->addWidget(m_answer);
    layout->addWidget(m_costsHeading);
    layout->addWidget(table);
    connect(m_rune, &QComboBox::currentIndexChanged, this, &PlannerTab::refreshWanted);
    connect(m_count, &QSpinBox::valueChanged, this, &PlannerTab::refreshWanted);
    connect(m_counts, &QComboBox::currentIndexChanged, this, &PlannerTab::refreshWanted);
    connect(m_rune, &QComboBox::currentIndexChanged, this,
            [this](int index) { keep(Settings::Key::PlannerCalculatorRune, index); });
    connect(m_counts, &QComboBox::currentIndexChanged, this,
            [this](int index) { keep(Settings::Key::PlannerCalculatorCounts, index); });
}

// The rune last chosen; at first the main window's, or, where the cube
// makes none of it (El), the next one up that it makes, so that the
// calculator opens on an answer and its costs.
int CalculatorTab::firstRune() const
{
    const int kept = m_context.host.settings().value(Settings::Key::PlannerCalculatorRune).toInt();
    if (kept >= 0 && kept < RuneCatalogue::Count)
        return kept;
    const int selected = m_context.host.selectedRune();
    const UpgradeRecipes &recipes = m_context.host.currentRuneData()->upgrades();
    for (int index = selected; index < RuneCatalogue::Count; ++index) {
        if (recipes.recipe(index))
            return index;
    }
    return selected;
}

// The count of runes as wide as the largest shown, whatever the first one.
int CalculatorTab::wantedWidth(int column, int contents) const
{
    if (column != 1)
        return contents;
    const QString widest = upgradeCountCell(MaxUpgradeCount).toString();
    return std::max(contents, view()->fontMetrics().horizontalAdvance(widest) + 2 * view()->fontMetrics().averageCharWidth());
}

void CalculatorTab::keep(Settings::Key key, int value)
{
    m_context.host.settings().setValue(key, value);
    m_context.host.tellSettingsProblem(window());
}

QList<QWidget *> CalculatorTab::focusOrder() const
{
    return {m_rune, m_count, m_counts, view()};
}

void CalculatorTab::refresh()
{
    const std::shared_ptr<const RuneData> data = m_context.host.currentRuneData();
    for (int index = 0; index < RuneCatalogue::Count; ++index)
        m_rune->setItemText(index, data->runes().name(index));
    const bool allGroups = m_counts->currentIndex() == 1;
    QString leftOut;
    const RuneStock stock = countsOf(allGroups, &leftOut);
    const int index = m_rune->currentIndex();
    const int count = m_count->value();
    UpgradeCalculation calculation = calculateUpgrade(*data, stock, index, count, allGroups);
    m_answer->setText(leftOut.isEmpty() ? calculation.answer : calculation.answer + u'\n' + leftOut);
    m_costsHeading->setText(tr("%L1 %2 from each lower rune alone, and the gems on the way; the last row is from "
                               "scratch:")
                                .arg(count)
                                .arg(data->runes().name(index)));
    m_costsHeading->setVisible(!calculation.costs.isEmpty());
    m_costs->setRows(std::move(calculation.costs));
}

} // namespace rcl
