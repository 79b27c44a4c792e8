#include "planner/usestab.h"

#include "prompts/plaintext.h"
#include "planner/plannerhost.h"
#include "planner/plannermodels.h"
#include "planning/runewordrows.h"
#include "planning/upgraderows.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QTableView>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace rcl {

UsesTab::UsesTab(PlannerContext &context, QWidget *parent)
    : RuneWordListTab(context, parent)
{
    m_rune = new QComboBox(this);
    m_rune->setObjectName(u"rune"_s);
    m_rune->addItems(context.host.currentRuneData()->runes().names());
    m_rune->setCurrentIndex(context.host.selectedRune());
    m_runeUpgrades = new QLabel(this);
    showAsPlainText(m_runeUpgrades);
    m_runeUpgrades->setObjectName(u"runeUpgrades"_s);
    m_runeUpgrades->setTextInteractionFlags(Qt::TextSelectableByMouse);
    m_runeUpgrades->hide();
    m_uses = runeUsesModel(context.marks, this);
    QTableView *table = addTable(m_uses, Settings::Key::PlannerSortUses, Settings::Key::PlannerColumnsUses, 1, this);
    table->setObjectName(u"uses"_s);
    addRuneWordActions();
    auto *choice = new QHBoxLayout;
    auto *label = new QLabel(tr("&Rune:"), this);
    label->setBuddy(m_rune);
    choice->addWidget(label);
    choice->addWidget(m_rune);
    choice->addStretch();
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(choice);
    layout->addWidget(m_runeUpgrades);
    layout->addWidget(table);
    connect(m_rune, &QComboBox::currentIndexChanged, this, &PlannerTab::refreshWanted);
}

QList<QWidget *> UsesTab::focusOrder() const
{
    return {m_rune, view()};
}

void UsesTab::fill(const RuneWordRows &words)
{
    const RuneData &data = *m_context.data;
    for (int index = 0; index < RuneCatalogue::Count; ++index)
        m_rune->setItemText(index, data.runes().name(index));
    m_runeUpgrades->setText(runeUpgradesText(data.upgrades(), m_rune->currentIndex(), data.runes()));
    m_runeUpgrades->setVisible(!m_runeUpgrades->text().isEmpty());
    m_uses->setRows(words.uses(m_rune->currentIndex()));
}

} // namespace rcl
