#include "planner/nearmisstab.h"

#include "planner/plannerhost.h"
#include "planner/plannermodels.h"
#include "planning/runewordrows.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QSpinBox>
#include <QTableView>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace rcl {
namespace {

// The ranking as the settings keep it.
const QString RankedAfterUpgrades = u"after upgrades"_s;

} // namespace

NearMissTab::NearMissTab(PlannerContext &context, QWidget *parent)
    : RuneWordListTab(context, parent)
{
    m_limit = new QSpinBox(this);
    m_limit->setRange(0, 7);
    m_limit->setValue(2);
    m_ranking = new QComboBox(this);
    m_ranking->setObjectName(u"ranking"_s);
    m_ranking->addItem(tr("Fewest missing now"), int(NearMissRanking::Missing));
    m_ranking->addItem(tr("Fewest missing after upgrades"), int(NearMissRanking::MissingAfterUpgrades));
    m_ranking->setCurrentIndex(context.host.settings().text(Settings::Key::PlannerNearMissRanking) ==
                               RankedAfterUpgrades);
    m_nearMisses = nearMissModel(context.marks, this);
    QTableView *table = addTable(m_nearMisses, Settings::Key::PlannerSortNearMisses,
                                 Settings::Key::PlannerColumnsNearMisses, 5, this);
    table->setObjectName(u"nearMisses"_s);
    addRuneWordActions();

    auto *limit = new QHBoxLayout;
    auto *label = new QLabel(tr("At &most"), this);
    label->setBuddy(m_limit);
    limit->addWidget(label);
    limit->addWidget(m_limit);
    limit->addWidget(new QLabel(tr("runes missing"), this));
    limit->addSpacing(20);
    auto *rankingLabel = new QLabel(tr("Ra&nk by:"), this);
    rankingLabel->setBuddy(m_ranking);
    limit->addWidget(rankingLabel);
    limit->addWidget(m_ranking);
    limit->addStretch();
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(limit);
    layout->addWidget(table);
    connect(m_limit, &QSpinBox::valueChanged, this, &PlannerTab::refreshWanted);
    connect(m_ranking, &QComboBox::activated, this, &NearMissTab::rankingChosen);
}

QList<QWidget *> NearMissTab::focusOrder() const
{
    return {m_limit, m_ranking, view()};
}

void NearMissTab::fill(const RuneWordRows &words)
{
    m_ranking->setEnabled(!m_context.data->upgrades().isEmpty());
    m_ranking->setToolTip(m_ranking->isEnabled()
                              ? tr("Upgrades: the cube's recipes of rune.dat make missing runes from spare ones.")
                              : tr("rune.dat has no rune upgrades, so both rankings are the same."));
    m_nearMisses->setRows(words.nearMisses(m_limit->value(), NearMissRanking(m_ranking->currentData().toInt())));
}

// A ranking chosen puts the list in its order, also where a click on a
// header had sorted it otherwise.
void NearMissTab::rankingChosen()
{
    const bool afterUpgrades = m_ranking->currentData().toInt() == int(NearMissRanking::MissingAfterUpgrades);
    m_context.host.settings().setValue(Settings::Key::PlannerNearMissRanking,
                                       afterUpgrades ? RankedAfterUpgrades : u"missing"_s);
    m_context.host.tellSettingsProblem(window());
    view()->horizontalHeader()->setSortIndicator(-1, Qt::AscendingOrder);
    Q_EMIT refreshWanted();
}

} // namespace rcl
