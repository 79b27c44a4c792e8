#include "planner.h"

#include "datacheck.h"
#include "filterbar.h"
#include "form1.h"
#include "plannerproxy.h"
#include "runenames.h"
#include "runewordrows.h"
#include "plannermodels.h"
#include "upgraderows.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QSplitter>
#include <QTabWidget>
#include <QTableView>
#include <QTextEdit>
#include <QVBoxLayout>

#include <limits>
#include <numeric>

using namespace Qt::StringLiterals;

namespace rcl {
namespace {

// The ranking as the settings keep it.
const QString RankedAfterUpgrades = u"after upgrades"_s;

} // namespace

QWidget *RunePlanner::createNearMissTab()
{
    auto *tab = new QWidget;
    m_limit = new QSpinBox(tab);
    m_limit->setRange(0, 7);
    m_limit->setValue(2);
    m_ranking = new QComboBox(tab);
    m_ranking->setObjectName(u"ranking"_s);
    m_ranking->addItem(tr("Fewest missing now"), int(NearMissRanking::Missing));
    m_ranking->addItem(tr("Fewest missing after upgrades"), int(NearMissRanking::MissingAfterUpgrades));
    m_ranking->setCurrentIndex(m_form.settings().text(Settings::Key::PlannerNearMissRanking) == RankedAfterUpgrades);
    m_nearMisses = nearMissModel(m_marks, this);
    QTableView *view = addTable(NearMisses, m_nearMisses, 5, tab);
    view->setObjectName(u"nearMisses"_s);
    addRuneWordActions(NearMisses);

    auto *limit = new QHBoxLayout;
    auto *label = new QLabel(tr("At &most"), tab);
    label->setBuddy(m_limit);
    limit->addWidget(label);
    limit->addWidget(m_limit);
    limit->addWidget(new QLabel(tr("runes missing"), tab));
    limit->addSpacing(20);
    auto *rankingLabel = new QLabel(tr("Ra&nk by:"), tab);
    rankingLabel->setBuddy(m_ranking);
    limit->addWidget(rankingLabel);
    limit->addWidget(m_ranking);
    limit->addStretch();
    auto *layout = new QVBoxLayout(tab);
    layout->addLayout(limit);
    layout->addWidget(view);
    connect(m_limit, &QSpinBox::valueChanged, this, &RunePlanner::refresh);
    connect(m_ranking, &QComboBox::activated, this, &RunePlanner::rankingChosen);
    return tab;
}

// A ranking chosen puts the list in its order, also where a click on a
// header had sorted it otherwise.
void RunePlanner::rankingChosen()
{
    const bool afterUpgrades = m_ranking->currentData().toInt() == int(NearMissRanking::MissingAfterUpgrades);
    m_form.settings().setValue(Settings::Key::PlannerNearMissRanking, afterUpgrades ? RankedAfterUpgrades : u"missing"_s);
    m_form.tellSettingsProblem(this);
    m_tables[NearMisses].view->horizontalHeader()->setSortIndicator(-1, Qt::AscendingOrder);
    refresh();
}

QWidget *RunePlanner::createRuneWordsTab()
{
    auto *tab = new QWidget;
    m_runeWords = runeWordsModel(m_marks, this);
    auto *splitter = new QSplitter(Qt::Vertical, tab);
    QTableView *view = addTable(RuneWords, m_runeWords, -1, splitter);
    view->setObjectName(u"runeWords"_s);
    addRuneWordActions(RuneWords);
    // The whole rune word, each effect on one line however long.
    m_details = new QTextEdit(splitter);
    m_details->setObjectName(u"details"_s);
    m_details->setReadOnly(true);
    m_details->setLineWrapMode(QTextEdit::NoWrap);
    m_details->setTabChangesFocus(true);
    m_details->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    m_details->setAccessibleName(tr("Rune word details"));
    splitter->addWidget(view);
    splitter->addWidget(m_details);
    splitter->setStretchFactor(0, 3);
    splitter->setStretchFactor(1, 2);
    (new QVBoxLayout(tab))->addWidget(splitter);
    connect(view->selectionModel(), &QItemSelectionModel::currentChanged, this, &RunePlanner::showDetails);
    connect(m_tables[RuneWords].proxy, &QAbstractItemModel::dataChanged, this, &RunePlanner::showDetails);
    return tab;
}

QWidget *RunePlanner::createUsesTab()
{
    auto *tab = new QWidget;
    m_rune = new QComboBox(tab);
    m_rune->setObjectName(u"rune"_s);
    m_rune->addItems(m_form.currentRuneData()->runes().names());
    m_rune->setCurrentIndex(m_form.selectedRune());
    m_runeUpgrades = new QLabel(tab);
    m_runeUpgrades->setObjectName(u"runeUpgrades"_s);
    m_runeUpgrades->setTextInteractionFlags(Qt::TextSelectableByMouse);
    m_runeUpgrades->hide();
    m_uses = runeUsesModel(m_marks, this);
    QTableView *view = addTable(Uses, m_uses, 1, tab);
    view->setObjectName(u"uses"_s);
    addRuneWordActions(Uses);
    auto *choice = new QHBoxLayout;
    auto *label = new QLabel(tr("&Rune:"), tab);
    label->setBuddy(m_rune);
    choice->addWidget(label);
    choice->addWidget(m_rune);
    choice->addStretch();
    auto *layout = new QVBoxLayout(tab);
    layout->addLayout(choice);
    layout->addWidget(m_runeUpgrades);
    layout->addWidget(view);
    connect(m_rune, &QComboBox::currentIndexChanged, this, &RunePlanner::refresh);
    return tab;
}

QWidget *RunePlanner::createCalculatorTab()
{
    auto *tab = new QWidget;
    m_calculatorRune = new QComboBox(tab);
    m_calculatorRune->setObjectName(u"calculatorRune"_s);
    m_calculatorRune->addItems(m_form.currentRuneData()->runes().names());
    m_calculatorRune->setCurrentIndex(m_form.selectedRune());
    m_calculatorCount = new QSpinBox(tab);
    m_calculatorCount->setObjectName(u"calculatorCount"_s);
    // As many as a save file counts of one rune.
    m_calculatorCount->setRange(1, std::numeric_limits<qint32>::max());
    m_calculatorCount->setGroupSeparatorShown(true);
    m_calculatorCounts = new QComboBox(tab);
    m_calculatorCounts->setObjectName(u"calculatorCounts"_s);
    m_calculatorCounts->addItems({tr("This group"), tr("All groups together")});
    m_calculatorAnswer = new QLabel(tab);
    m_calculatorAnswer->setObjectName(u"calculatorAnswer"_s);
    m_calculatorAnswer->setWordWrap(true);
    m_calculatorAnswer->setTextInteractionFlags(Qt::TextSelectableByMouse);
    m_costsHeading = new QLabel(tab);
    m_costs = upgradeCostsModel(this);
    QTableView *view = addTable(Calculator, m_costs, 2, tab);
    view->setObjectName(u"upgradeCosts"_s);

    auto *choice = new QHBoxLayout;
    const std::pair<QWidget *, QString> controls[] = {
        {m_calculatorRune, tr("&Rune:")}, {m_calculatorCount, tr("&Number:")}, {m_calculatorCounts, tr("&Counts of:")}};
    for (const auto &[control, text] : controls) {
        auto *label = new QLabel(text, tab);
        label->setBuddy(control);
        choice->addWidget(label);
        choice->addWidget(control);
    }
    choice->addStretch();
    auto *layout = new QVBoxLayout(tab);
    layout->addLayout(choice);
    layout->addWidget(m_calculatorAnswer);
    layout->addWidget(m_costsHeading);
    layout->addWidget(view);
    connect(m_calculatorRune, &QComboBox::currentIndexChanged, this, &RunePlanner::refresh);
    connect(m_calculatorCount, &QSpinBox::valueChanged, this, &RunePlanner::refresh);
    connect(m_calculatorCounts, &QComboBox::currentIndexChanged, this, &RunePlanner::refresh);
    return tab;
}

QWidget *RunePlanner::createGroupsTab()
{
    auto *tab = new QWidget;
    m_groups = groupsModel(m_groupsTable, m_runeNames, this);
    QTableView *view = addTable(Groups, m_groups, -1, tab);
    view->setObjectName(u"groups"_s);
    m_saveGroups = new QPushButton(tr("Save as CSV... (Ctrl+S)"), tab);
    connect(m_saveGroups, &QPushButton::clicked, this, &RunePlanner::saveGroupsTable);
    auto *layout = new QVBoxLayout(tab);
    layout->addWidget(view);
    layout->addWidget(m_saveGroups, 0, Qt::AlignRight);
    return tab;
}

QWidget *RunePlanner::createCheckTab()
{
    auto *tab = new QWidget;
    m_checkSummary = new QLabel(tab);
    m_problems = problemsModel(this);
    QTableView *view = addTable(Check, m_problems, 2, tab);
    view->setObjectName(u"problems"_s);
    auto *layout = new QVBoxLayout(tab);
    layout->addWidget(m_checkSummary);
    layout->addWidget(view);
    return tab;
}

RuneStock RunePlanner::countsOf(bool allGroups, QString *leftOut) const
{
    leftOut->clear();
    if (!allGroups)
        return m_form.runeStock();
    const GroupsTable groups = m_form.groupsTable();
    QStringList unreadable;
    for (const int group : groups.unreadableGroups())
        unreadable.append(QString::number(group));
    if (!unreadable.isEmpty())
        *leftOut = tr("Left out, as their files cannot be read: group %1.").arg(unreadable.join(u", "_s));
    return groups.combined();
}

void RunePlanner::showRuneWordLists(Tab tab)
{
    QString leftOut;
    const RuneStock stock = countsOf(m_bar->allGroups(), &leftOut);
    m_bar->setLeftOut(leftOut);
    m_data = m_form.currentRuneData();
    const RuneWordRows words(*m_data, stock, ReadRuneNames(m_form.runeNamesPath()));
    {
        const QSignalBlocker blocker(m_bar);
        m_bar->offer(*m_data, words.patches());
    }
    applyFilter();

    const RuneWordRow *current = currentRuneWord(tab);
    const QString chosen = current ? current->name : QString();
    switch (tab) {
    case NearMisses:
        m_ranking->setEnabled(!m_data->upgrades().isEmpty());
        m_ranking->setToolTip(m_ranking->isEnabled()
                                  ? tr("Upgrades: the cube's recipes of rune.dat make missing runes from spare ones.")
                                  : tr("rune.dat has no rune upgrades, so both rankings are the same."));
        m_nearMisses->setRows(words.nearMisses(m_limit->value(), NearMissRanking(m_ranking->currentData().toInt())));
        break;
    case RuneWords:
        m_runeWords->setRows(words.rows());
        break;
    case Uses:
        for (int index = 0; index < RuneCatalogue::Count; ++index)
            m_rune->setItemText(index, m_data->runes().name(index));
        m_runeUpgrades->setText(runeUpgradesText(m_data->upgrades(), m_rune->currentIndex(), m_data->runes()));
        m_runeUpgrades->setVisible(!m_runeUpgrades->text().isEmpty());
        m_uses->setRows(words.uses(m_rune->currentIndex()));
        break;
    default:
        break;
    }
    // A list made anew keeps the rune word chosen in it.
    if (current = currentRuneWord(tab); !chosen.isEmpty() && (!current || current->name != chosen))
        selectRuneWord(tab, chosen);
    showCount();
    showDetails();
}

void RunePlanner::showCalculator()
{
    const std::shared_ptr<const RuneData> data = m_form.currentRuneData();
    for (int index = 0; index < RuneCatalogue::Count; ++index)
        m_calculatorRune->setItemText(index, data->runes().name(index));
    const bool allGroups = m_calculatorCounts->currentIndex() == 1;
    QString leftOut;
    const RuneStock stock = countsOf(allGroups, &leftOut);
    const int index = m_calculatorRune->currentIndex();
    const int count = m_calculatorCount->value();
    UpgradeCalculation calculation = calculateUpgrade(*data, stock, index, count, allGroups);
    m_calculatorAnswer->setText(leftOut.isEmpty() ? calculation.answer : calculation.answer + u'\n' + leftOut);
    m_costsHeading->setText(tr("%L1 %2 from each lower rune alone, and the gems on the way; the last row is from "
                               "scratch:")
                                .arg(count)
                                .arg(data->runes().name(index)));
    m_costsHeading->setVisible(!calculation.costs.isEmpty());
    m_costs->setRows(std::move(calculation.costs));
}

void RunePlanner::showDetails()
{
    const RuneWordRow *word = currentRuneWord(RuneWords);
    if (!word) {
        m_details->clear();
        return;
    }
    const auto line = [](const QString &label, const QString &text) {
        return u"<tr><td>%1&nbsp;</td><td>%2</td></tr>"_s.arg(label.toHtmlEscaped(), text.toHtmlEscaped());
    };
    QString html = u"<h3>%1</h3><table>"_s.arg(word->name.toHtmlEscaped());
    html += line(tr("Runes:"), word->runeNames);
    html += line(tr("Sockets:"), QString::number(word->sockets()));
    html += line(tr("Level:"), QString::number(word->level));
    html += line(tr("Item kinds:"), word->allowed);
    if (!word->patch.isEmpty())
        html += line(tr("Patch:"), word->patch);
    html += line(tr("Mode:"), word->mode.isEmpty() ? tr("Ladder and non-ladder") : word->mode);
    html += line(m_bar->allGroups() ? tr("All groups can make it:") : tr("This group can make it:"),
                 makeStatusText(word->status));
    if (!word->upgrades.isEmpty())
        html += line(tr("Upgrades:"), word->upgrades);
    html += u"</table><p><b>%1</b></p>"_s.arg(tr("Effects").toHtmlEscaped());
    for (const QString &effect : word->effects)
        html += u"<p style=\"margin:0\">%1</p>"_s.arg(effect.toHtmlEscaped());
    m_details->setHtml(html);
}

void RunePlanner::showGroups()
{
    m_runeNames = m_form.currentRuneData()->runes().names();
    m_groupsTable = m_form.groupsTable();
    for (std::size_t group = 0; group < GroupCount; ++group) {
        const GroupColumn &column = m_groupsTable.columns()[group];
        m_groups->setHeader(int(group) + 1, column.header, column.problem);
    }
    QList<int> runes(RuneCatalogue::Count);
    std::iota(runes.begin(), runes.end(), 0);
    m_groups->setRows(runes);
}

void RunePlanner::showCheck()
{
    const QList<DataProblem> problems = m_form.checkData();
    m_checkSummary->setText(problems.isEmpty() ? tr("No problems found in rune.dat and runename.dat.")
                                               : tr("%n problem(s) found in rune.dat and runename.dat. The files are "
                                                    "not changed.",
                                                    nullptr, int(problems.size())));
    m_problems->setRows(problems);
}

} // namespace rcl
