#include "planner.h"

#include "datacheck.h"
#include "form1.h"
#include "groupstable.h"
#include "nearmiss.h"
#include "runenames.h"

#include <QComboBox>
#include <QDir>
#include <QEvent>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QShortcut>
#include <QSpinBox>
#include <QTabWidget>
#include <QTableWidget>
#include <QVBoxLayout>

namespace rcl {
namespace {

// Columns as wide as their text, measured on the first rows only: a list
// can have thousands. The widest text column takes the rest.
QTableWidget *table(const QStringList &headers, int stretched, QWidget *parent)
{
    auto *view = new QTableWidget(0, int(headers.size()), parent);
    view->setHorizontalHeaderLabels(headers);
    view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    view->setSelectionBehavior(QAbstractItemView::SelectRows);
    view->setWordWrap(false);
    view->verticalHeader()->setVisible(false);
    view->verticalHeader()->setDefaultSectionSize(view->fontMetrics().lineSpacing() + 8);
    QHeaderView *header = view->horizontalHeader();
    header->setResizeContentsPrecision(50);
    header->setSectionResizeMode(QHeaderView::ResizeToContents);
    header->setSectionResizeMode(stretched, QHeaderView::Stretch);
    return view;
}

QTableWidgetItem *cell(const QString &text)
{
    return new QTableWidgetItem(text);
}

QTableWidgetItem *numberCell(qint64 number)
{
    auto *item = new QTableWidgetItem(QString::number(number));
    item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
    return item;
}

void fillRow(QTableWidget *view, int row, std::initializer_list<QTableWidgetItem *> items)
{
    int column = 0;
    for (QTableWidgetItem *item : items)
        view->setItem(row, column++, item);
}

} // namespace

RunePlanner::RunePlanner(Form1 &form, Prompter &prompter)
    : QWidget(&form, Qt::Window)
    , m_form(form)
    , m_prompter(prompter)
{
    setWindowTitle(tr("Rune Planner"));
    resize(780, 500);
    m_tabs = new QTabWidget(this);
    m_tabs->addTab(createNearMissTab(), tr("Near misses"));
    m_tabs->addTab(createGroupsTab(), tr("All groups"));
    m_tabs->addTab(createUsesTab(), tr("Uses of a rune"));
    m_tabs->addTab(createCheckTab(), tr("Data check"));
    (new QVBoxLayout(this))->addWidget(m_tabs);

    connect(m_tabs, &QTabWidget::currentChanged, this, &RunePlanner::refresh);
    connect(&form, &Form1::stateChanged, this, &RunePlanner::refresh);
    new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_S), this, this, &RunePlanner::saveGroupsTable);
}

QWidget *RunePlanner::createNearMissTab()
{
    auto *tab = new QWidget;
    m_itemType = new QComboBox(tab);
    m_itemType->addItem(tr("Any type"));
    // The band's own choices, so that both filter alike.
    const QComboBox *band = m_form.controls().Combo1;
    for (int i = 0; i < band->count(); ++i)
        m_itemType->addItem(band->itemText(i));
    m_limit = new QSpinBox(tab);
    m_limit->setRange(0, 7);
    m_limit->setValue(2);
    auto *thisGroup = new QRadioButton(tr("This group"), tab);
    thisGroup->setChecked(true);
    m_allGroups = new QRadioButton(tr("All groups together"), tab);
    m_leftOut = new QLabel(tab);
    m_leftOut->setWordWrap(true);
    m_nearMisses = table({tr("Rune word"), tr("Runes missing"), tr("Missing"), tr("Item types"), tr("Level")}, 3, tab);
    m_nearMisses->setObjectName(QStringLiteral("nearMisses"));
    m_nearMisses->setToolTip(tr("Double-click a rune word to frame its runes in the main window."));

    auto *choices = new QHBoxLayout;
    choices->addWidget(new QLabel(tr("Item type:"), tab));
    choices->addWidget(m_itemType);
    choices->addWidget(new QLabel(tr("At most"), tab));
    choices->addWidget(m_limit);
    choices->addWidget(new QLabel(tr("missing"), tab));
    choices->addSpacing(16);
    choices->addWidget(thisGroup);
    choices->addWidget(m_allGroups);
    choices->addStretch();
    auto *layout = new QVBoxLayout(tab);
    layout->addLayout(choices);
    layout->addWidget(m_leftOut);
    layout->addWidget(m_nearMisses);

    connect(m_itemType, &QComboBox::currentIndexChanged, this, &RunePlanner::showNearMisses);
    connect(m_limit, &QSpinBox::valueChanged, this, &RunePlanner::showNearMisses);
    connect(m_allGroups, &QRadioButton::toggled, this, &RunePlanner::showNearMisses);
    connect(m_nearMisses, &QTableWidget::cellDoubleClicked, this,
            [this](int row, int) { m_form.showRuneWord(m_nearMisses->item(row, 0)->text()); });
    return tab;
}

QWidget *RunePlanner::createGroupsTab()
{
    auto *tab = new QWidget;
    m_groups = new QTableWidget(RuneCatalogue::Count, GroupCount + 1, tab);
    m_groups->setObjectName(QStringLiteral("groups"));
    m_groups->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_groups->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    auto *save = new QPushButton(tr("Save as CSV... (Ctrl+S)"), tab);
    connect(save, &QPushButton::clicked, this, &RunePlanner::saveGroupsTable);
    auto *layout = new QVBoxLayout(tab);
    layout->addWidget(m_groups);
    layout->addWidget(save, 0, Qt::AlignRight);
    return tab;
}

QWidget *RunePlanner::createUsesTab()
{
    auto *tab = new QWidget;
    m_rune = new QComboBox(tab);
    m_rune->addItems(m_form.currentRuneData()->runes().names());
    m_rune->setCurrentIndex(m_form.selectedRune());
    m_uses = table({tr("Rune word"), tr("Needs"), tr("This group can make it")}, 2, tab);
    auto *choice = new QHBoxLayout;
    choice->addWidget(new QLabel(tr("Rune:"), tab));
    choice->addWidget(m_rune);
    choice->addStretch();
    auto *layout = new QVBoxLayout(tab);
    layout->addLayout(choice);
    layout->addWidget(m_uses);
    connect(m_rune, &QComboBox::currentIndexChanged, this, &RunePlanner::showUses);
    return tab;
}

QWidget *RunePlanner::createCheckTab()
{
    auto *tab = new QWidget;
    m_checkSummary = new QLabel(tab);
    m_problems = table({tr("File"), tr("Line"), tr("Problem")}, 2, tab);
    auto *layout = new QVBoxLayout(tab);
    layout->addWidget(m_checkSummary);
    layout->addWidget(m_problems);
    return tab;
}

// Activating the window refreshes it too, so that an edit of the rune word
// files made meanwhile shows when the user comes back.
bool RunePlanner::event(QEvent *event)
{
    if (event->type() == QEvent::WindowActivate || event->type() == QEvent::Show)
        refresh();
    return QWidget::event(event);
}

void RunePlanner::refresh()
{
    if (!isVisible())
        return;
    switch (m_tabs->currentIndex()) {
    case 0:
        showNearMisses();
        break;
    case 1:
        showGroups();
        break;
    case 2:
        showUses();
        break;
    case 3:
        showCheck();
        break;
    default:
        break;
    }
}

void RunePlanner::showNearMisses()
{
    RuneStock stock = m_form.runeStock();
    m_leftOut->clear();
    if (m_allGroups->isChecked()) {
        const GroupsTable groups = GroupsTable::read(m_form.files(), m_form.currentGroup(), stock);
        stock = groups.combined();
        QStringList leftOut;
        for (const int group : groups.unreadableGroups())
            leftOut.append(QString::number(group));
        if (!leftOut.isEmpty())
            m_leftOut->setText(tr("Left out, as their files cannot be read: group %1.").arg(leftOut.join(QStringLiteral(", "))));
    }
    m_leftOut->setVisible(!m_leftOut->text().isEmpty());
    const int chosen = m_itemType->currentIndex();
    const std::optional<QString> itemType = chosen > 0 ? std::optional(m_itemType->itemText(chosen)) : std::nullopt;
    const auto data = m_form.currentRuneData();
    const QList<NearMiss> found =
        nearMisses(*data, stock, ReadRuneNames(m_form.runeNamesPath()), itemType, m_limit->value());
    m_nearMisses->setRowCount(int(found.size()));
    for (int row = 0; row < found.size(); ++row) {
        const NearMiss &miss = found[row];
        fillRow(m_nearMisses, row,
                {cell(miss.name), cell(missingRunesText(miss.missing, data->runes())), numberCell(miss.missingCount), cell(miss.allowed),
                 numberCell(miss.level)});
    }
}

void RunePlanner::showGroups()
{
    const QStringList runeNames = m_form.currentRuneData()->runes().names();
    for (int index = 0; index < RuneCatalogue::Count; ++index)
        m_groups->setVerticalHeaderItem(index, cell(runeNames[index]));
    const GroupsTable groups = GroupsTable::read(m_form.files(), m_form.currentGroup(), m_form.runeStock());
    QStringList headers;
    for (int group = 0; group < GroupCount; ++group) {
        const GroupColumn &column = groups.columns()[std::size_t(group)];
        auto *header = cell(column.header);
        header->setToolTip(column.problem);
        m_groups->setHorizontalHeaderItem(group, header);
        for (int index = 0; index < RuneCatalogue::Count; ++index)
            m_groups->setItem(index, group, column.counts ? numberCell(column.counts->at(index)) : cell(QString()));
    }
    m_groups->setHorizontalHeaderItem(GroupCount, cell(tr("Total")));
    for (int index = 0; index < RuneCatalogue::Count; ++index)
        m_groups->setItem(index, GroupCount, numberCell(groups.total(index)));
}

void RunePlanner::showUses()
{
    const auto data = m_form.currentRuneData();
    for (int index = 0; index < RuneCatalogue::Count; ++index)
        m_rune->setItemText(index, data->runes().name(index));
    const QList<RuneUse> uses =
        runeUses(*data, m_form.runeStock(), ReadRuneNames(m_form.runeNamesPath()), m_rune->currentIndex());
    m_uses->setRowCount(int(uses.size()));
    for (int row = 0; row < uses.size(); ++row) {
        const RuneUse &use = uses[row];
        fillRow(m_uses, row, {cell(use.name), numberCell(use.count), cell(use.makeable ? tr("Yes") : tr("No"))});
    }
}

void RunePlanner::showCheck()
{
    const QList<DataProblem> problems = m_form.checkData();
    m_checkSummary->setText(problems.isEmpty() ? tr("No problems found in rune.dat and runename.dat.")
                                               : tr("%n problem(s) found in rune.dat and runename.dat. The files are "
                                                    "not changed.",
                                                    nullptr, int(problems.size())));
    m_problems->setRowCount(int(problems.size()));
    for (int row = 0; row < problems.size(); ++row) {
        const DataProblem &problem = problems[row];
        fillRow(m_problems, row,
                {cell(problem.file), problem.line > 0 ? numberCell(problem.line) : cell(QString()), cell(problem.text)});
    }
}

void RunePlanner::saveGroupsTable()
{
    const QString path = m_prompter.askSaveFileName(this, tr("Save the table of all groups"),
                                                    QDir::home().filePath(QStringLiteral("rune groups.csv")),
                                                    tr("CSV files (*.csv)"));
    if (path.isEmpty())
        return;
    const GroupsTable groups = GroupsTable::read(m_form.files(), m_form.currentGroup(), m_form.runeStock());
    const FileResult saved = saveWholeFile(path, groups.csv(m_form.currentRuneData()->runes().names()));
    if (!saved.ok) {
        m_prompter.tell(this, windowTitle(),
                        tr("The table could not be saved:\n%1\n\n%2").arg(QDir::toNativeSeparators(path), saved.reason),
                        Prompter::Icon::Critical);
    }
}

} // namespace rcl
