#include "planner.h"

#include "datacheck.h"
#include "filterbar.h"
#include "form1.h"
#include "plannerproxy.h"
#include "runenames.h"
#include "runewordrows.h"
#include "plannermodels.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QSplitter>
#include <QTabWidget>
#include <QTableView>
#include <QTextEdit>
#include <QVBoxLayout>

#include <numeric>

using namespace Qt::StringLiterals;

namespace rcl {

QWidget *RunePlanner::createNearMissTab()
{
    auto *tab = new QWidget;
    m_limit = new QSpinBox(tab);
    m_limit->setRange(0, 7);
    m_limit->setValue(2);
    m_nearMisses = nearMissModel(m_marks, this);
    QTableView *view = addTable(NearMisses, m_nearMisses, 4, tab);
    view->setObjectName(u"nearMisses"_s);
    addRuneWordActions(NearMisses);

    auto *limit = new QHBoxLayout;
    auto *label = new QLabel(tr("At &most"), tab);
    label->setBuddy(m_limit);
    limit->addWidget(label);
    limit->addWidget(m_limit);
    limit->addWidget(new QLabel(tr("runes missing"), tab));
    limit->addStretch();
    auto *layout = new QVBoxLayout(tab);
    layout->addLayout(limit);
    layout->addWidget(view);
    connect(m_limit, &QSpinBox::valueChanged, this, &RunePlanner::refresh);
    return tab;
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
    m_rune->addItems(m_form.currentRuneData()->runes().names());
    m_rune->setCurrentIndex(m_form.selectedRune());
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
    layout->addWidget(view);
    connect(m_rune, &QComboBox::currentIndexChanged, this, &RunePlanner::refresh);
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

void RunePlanner::showRuneWordLists(Tab tab)
{
    RuneStock stock = m_form.runeStock();
    QString leftOut;
    if (m_bar->allGroups()) {
        const GroupsTable groups = m_form.groupsTable();
        stock = groups.combined();
        QStringList unreadable;
        for (const int group : groups.unreadableGroups())
            unreadable.append(QString::number(group));
        if (!unreadable.isEmpty())
            leftOut = tr("Left out, as their files cannot be read: group %1.").arg(unreadable.join(u", "_s));
    }
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
        m_nearMisses->setRows(words.nearMisses(m_limit->value()));
        break;
    case RuneWords:
        m_runeWords->setRows(words.rows());
        break;
    case Uses:
        for (int index = 0; index < RuneCatalogue::Count; ++index)
            m_rune->setItemText(index, m_data->runes().name(index));
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
