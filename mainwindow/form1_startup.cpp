#include "mainwindow/form1.h"

#include "mainwindow/panelwrap.h"

#include "mainwindow/formgeometry.h"
#include "gamedata/runeinfo.h"

#include <QDir>
#include <QFontMetrics>
#include <QLineEdit>
#include <QTextDocument>

#include <cstdio>

using namespace Qt::StringLiterals;

namespace rcl {

QString Form1::describeFailure(const FileResult &result)
{
    return QDir::toNativeSeparators(result.fileName) + u"\n\n"_s + result.reason;
}

void Form1::Form_Load()
{
    loadGroup(1);
    ShowFirstRune();
    showGroupName(m_files.LoadGroupName(currentGroup()));
    setOuterHeight(form::CollapsedHeight);
}

void Form1::loadGroup(int group)
{
    m_group.load(group);
}

// The text box shows the start of a long name, not its end, and the whole
// name in its tooltip. An unnamed group shows its number in grey, which is
// never taken for its name.
void Form1::showGroupName(const QString &name)
{
    m_ui.Text1->setText(name);
    m_ui.Text1->setCursorPosition(0);
    m_ui.Text1->setPlaceholderText(tr("Group %1").arg(currentGroup()));
    m_ui.Text1->setToolTip(name.isEmpty() ? QString() : Qt::convertFromPlainText(name, Qt::WhiteSpaceNoWrap));
}

void Form1::tellStartupProblems()
{
    tellLoadFailure();
    tellSettingsProblem(this);
}

void Form1::tellSettingsProblem(QWidget *parent)
{
    const QString problem = m_settings->takeProblem();
    if (!problem.isEmpty())
        m_prompter.tell(parent, windowTitle(), problem, Prompter::Icon::Warning);
}

// A save file that exists but cannot be read must not pass unnoticed: the
// group shows zeros that are not its counts.
void Form1::tellLoadFailure()
{
    const FileResult &loaded = m_group.loaded();
    if (loaded.ok)
        return;
    m_prompter.tell(this, windowTitle(),
                    tr("The counts of group %1 could not be read:\n%2\n\nThe group shows 0 for every rune. Its file "
                       "is left as it is unless you change a count and agree to replace it.")
                        .arg(currentGroup())
                        .arg(describeFailure(loaded)),
                    Prompter::Icon::Warning);
}

bool Form1::storeCurrentGroup(SaveOccasion leaving)
{
    SaveOutcome outcome = m_group.save(leaving);
    if (outcome.kind == SaveOutcome::Kind::AskToReplace) {
        const bool replace = m_prompter.askYesNo(
            this, windowTitle(),
            tr("The counts of group %1 could not be read from:\n%2\n\nReplace that file with the counts shown now?")
                .arg(QString::number(currentGroup()), describeFailure(outcome.failure)),
            Prompter::Icon::Warning, Prompter::Default::No);
        // Kept out of its file, the changes can still be let go, on leaving
        // as on closing: no group is a trap.
        if (!replace) {
            return askToLeaveWithoutSaving(tr("Its file was not replaced:\n%1").arg(describeFailure(outcome.failure)),
                                           leaving);
        }
        outcome = m_group.save(leaving, true);
    }
    if (outcome.kind != SaveOutcome::Kind::Failed) {
        m_autosave.stop();
        return true;
    }
    return askToLeaveWithoutSaving(tr("They could not be saved:\n%1").arg(describeFailure(outcome.failure)), leaving);
}

bool Form1::askToLeaveWithoutSaving(const QString &why, SaveOccasion leaving)
{
    const QString question = leaving == SaveOccasion::Closing
        ? tr("Close anyway? The changes made since the group was opened will be lost.")
        : tr("Leave the group without saving? The changes made since it was opened will be lost.");
    return m_prompter.askYesNo(this, windowTitle(),
                               tr("The counts of group %1 are not saved. %2\n\n%3").arg(QString::number(currentGroup()), why, question),
                               Prompter::Icon::Warning, Prompter::Default::No);
}

void Form1::ShowFirstRune()
{
    placeFrame(m_ui.Shape1, 0);
    printRune(0, true);
}

void Form1::printRune(int index, bool firstRuneLayout)
{
    const auto data = runeData();
    const RuneTable &runes = data->runes();
    printPanel(firstRuneLayout ? firstRuneLines(runes, m_stock.at(0))
                               : runeInfoLines(runes, index, m_stock.at(index)));
    m_panelRune = index;
    m_panelFirstRune = firstRuneLayout;
}

void Form1::clearPanel()
{
    m_ui.Picture1->Cls();
    m_panelRune = -1;
}

void Form1::printPanel(const QList<PanelLine> &lines)
{
    InfoPanel &panel = *m_ui.Picture1;
    clearPanel();
    // A line too wide for the panel goes on over the next: the runes of a
    // long recipe in Japanese names do not fit one line.
    const auto widthOf = [&panel](const PanelLine &line) {
        QFont font = panel.font();
        font.setPointSizeF(line.pointSize);
        font.setBold(line.bold);
        return QFontMetrics(font).horizontalAdvance(line.text);
    };
    panel.print(wrapPanelLines(lines, panel.contentsRect().width(), widthOf));
    // The next writer sets the size and weight it needs; the panel is left
    // as every view of a rune or rune word leaves it.
    panel.setFontSize(panelsize::Effects);
    panel.setBold(false);
}

// A failed autosave says nothing and is tried again at the next change, on
// leaving and on closing.
void Form1::autosave()
{
    (void)m_group.save(SaveOccasion::Autosave);
}

// No one is left to ask: what is not saved is said on the standard error
// output.
bool Form1::saveAtSessionEnd()
{
    const SaveOutcome outcome = m_group.save(SaveOccasion::SessionEnd);
    if (outcome.kind != SaveOutcome::Kind::Failed)
        return true;
    std::fprintf(stderr, "runechecklist: the counts of group %d were not saved: %s: %s\n", int(currentGroup()),
                 qPrintable(QDir::toNativeSeparators(outcome.failure.fileName)), qPrintable(outcome.failure.reason));
    return false;
}

void Form1::Form_Unload(bool &cancel)
{
    cancel = !storeCurrentGroup(SaveOccasion::Closing);
}

} // namespace rcl
