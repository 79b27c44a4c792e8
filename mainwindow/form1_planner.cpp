#include "mainwindow/form1.h"

#include "gamedata/runenames.h"

#include "stock/datalocation.h"
#include "planner/planner.h"

#include <QListWidget>
#include <QPushButton>
#include <QShortcut>

namespace rcl {

QString Form1::runeNamesPath() const
{
    return m_files.appDirectory() + gameTextFiles(m_gameText).runeNames;
}

// Connected after the handlers, so that the planner sees what they did.
void Form1::connectPlanner()
{
    const auto changed = [this] { Q_EMIT stateChanged(); };
    // The grid's controls tell it themselves (runeMouseDown() and the like).
    connect(m_ui.Grid1, &RuneGridFocus::keyDown, this, changed);
    for (QPushButton *button : {m_ui.Command1, m_ui.Command2, m_ui.Command3, m_ui.Command4, m_ui.Command6})
        connect(button, &QPushButton::clicked, this, changed);

    new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_P), this, this, &Form1::openPlanner);
    offerContextMenu(m_ui.Picture1, m_ui.Picture1);
}

// As connectPlanner() for the band, when it is made (after its handlers).
void Form1::connectBandToPlanner()
{
    for (QPushButton *button : {m_ui.Command5, m_ui.Command7})
        connect(button, &QPushButton::clicked, this, [this] { Q_EMIT stateChanged(); });
    // A list reports the place of a right click in its viewport.
    offerContextMenu(m_ui.List1, m_ui.List1->viewport());
}

void Form1::offerContextMenu(QWidget *control, QWidget *area)
{
    control->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(control, &QWidget::customContextMenuRequested, this,
            [this, area](const QPoint &pos) { showContextMenu(area->mapToGlobal(pos)); });
}

// The Japanese section of each English rune word, by the English= key that
// names its twin; a Japanese game text names its twins in its own sections.
QHash<QString, QString> Form1::otherGameTextNames()
{
    QHash<QString, QString> names;
    if (m_gameText != GameText::English)
        return names;
    const auto japanese = m_japaneseData.current();
    const QString key = englishNameKey();
    for (const QString &name : ReadRuneNames(m_files.appDirectory() + gameTextFiles(GameText::Japanese).runeNames)) {
        if (const QString english = japanese->value(name, key).trimmed(); !english.isEmpty())
            names.insert(english, name);
    }
    return names;
}

QList<DataProblem> Form1::checkData() const
{
    QList<DataProblem> problems = checkRuneDataFiles(runeDataPath(), runeNamesPath());
    for (const ShippedNotice &notice : newerShippedFiles({m_files.appDirectory(), m_shippedDirectory}, *m_settings))
        problems.append({notice.file, 0, notice.text});
    if (gameTextOf(m_settings->text(Settings::Key::GameText)) != m_gameText) {
        const GameTextFiles files = gameTextFiles(GameText::Japanese);
        problems.append({files.runeData, 0,
                         tr("%1 or %2 is missing, so the game text is English.").arg(files.runeData, files.runeNames)});
    }
    return problems;
}

void Form1::openPlanner()
{
    if (!m_planner) {
        m_planner = new RunePlanner(*this, m_prompter, this);
        connect(this, &Form1::stateChanged, m_planner, &RunePlanner::refresh);
    }
    m_planner->open();
}

void Form1::showRuneWord(const QString &name)
{
    ShowRuneWordDetails(name);
}

} // namespace rcl
