#include "form1.h"

#include "formgeometry.h"
#include "runeinfo.h"

#include <QDir>
#include <QLineEdit>

#include <cstdio>

using namespace Qt::StringLiterals;

namespace rcl {

QString Form1::describeFailure(const FileResult &result)
{
    return QDir::toNativeSeparators(result.fileName) + u"\n\n"_s + result.reason;
}

void Form1::Form_Load()
{
    m_currentGroup = 1;
    loadCurrentGroup();
    ShowFirstRune();
    showGroupName(m_files.LoadGroupName(m_currentGroup));
    setOuterHeight(form::CollapsedHeight);
}

void Form1::loadCurrentGroup()
{
    m_loadFailure = m_files.LoadRuneStock(m_stock, m_currentGroup);
    m_storedStock = m_stock;
}

// The text box shows the start of a long name, not its end.
void Form1::showGroupName(const QString &name)
{
    m_ui.Text1->setText(name);
    m_ui.Text1->setCursorPosition(0);
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
    if (m_loadFailure.ok)
        return;
    m_prompter.tell(this, windowTitle(),
                    tr("The counts of group %1 could not be read:\n%2\n\nThe group shows 0 for every rune. Its file "
                       "is left as it is unless you change a count and agree to replace it.")
                        .arg(m_currentGroup)
                        .arg(describeFailure(m_loadFailure)),
                    Prompter::Icon::Warning);
}

bool Form1::storeCurrentGroup(Leaving leaving)
{
    const bool changed = m_stock != m_storedStock;
    if (!m_loadFailure.ok) {
        // Nothing shown came from the file, so nothing may replace it
        // unasked.
        if (!changed)
            return true;
        const bool replace = m_prompter.askYesNo(
            this, windowTitle(),
            tr("The counts of group %1 could not be read from:\n%2\n\nReplace that file with the counts shown now?")
                .arg(m_currentGroup)
                .arg(describeFailure(m_loadFailure)),
            Prompter::Icon::Warning, Prompter::Default::No);
        if (!replace) {
            return leaving == Leaving::Closing
                && askToLeaveWithoutSaving(tr("Its file was not replaced:\n%1").arg(describeFailure(m_loadFailure)),
                                           leaving);
        }
    }
    const FileResult saved = m_files.SaveRuneStock(m_stock, m_currentGroup);
    if (saved.ok) {
        m_storedStock = m_stock;
        m_autosave.stop();
        return true;
    }
    // Counts unchanged since the group was loaded or last saved are in their
    // file already.
    if (!changed)
        return true;
    return askToLeaveWithoutSaving(tr("They could not be saved:\n%1").arg(describeFailure(saved)), leaving);
}

bool Form1::askToLeaveWithoutSaving(const QString &why, Leaving leaving)
{
    const QString question = leaving == Leaving::Closing
        ? tr("Close anyway? The changes made since the group was opened will be lost.")
        : tr("Leave the group without saving? The changes made since it was opened will be lost.");
    return m_prompter.askYesNo(this, windowTitle(),
                               tr("The counts of group %1 are not saved. %2\n\n%3").arg(m_currentGroup).arg(why, question),
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
    panel.print(lines);
    // The next writer sets the size and weight it needs; the panel is left
    // as every view of a rune or rune word leaves it.
    panel.setFontSize(panelsize::Effects);
    panel.setBold(false);
}

// The same save as leaving the group, without its questions: a failure says
// nothing and is tried again at the next change, on leaving and on closing.
// A file that could not be read is never written unasked.
void Form1::autosave()
{
    if (!m_loadFailure.ok || m_stock == m_storedStock)
        return;
    if (m_files.SaveRuneStock(m_stock, m_currentGroup).ok)
        m_storedStock = m_stock;
}

bool Form1::saveAtSessionEnd()
{
    const bool changed = m_stock != m_storedStock;
    const auto report = [this](const QString &why) {
        std::fprintf(stderr, "runechecklist: the counts of group %d were not saved: %s\n", int(m_currentGroup),
                     qPrintable(why));
    };
    if (!m_loadFailure.ok) {
        if (changed)
            report(QStringLiteral("%1 could not be read and is left as it is")
                       .arg(QDir::toNativeSeparators(m_loadFailure.fileName)));
        return !changed;
    }
    const FileResult saved = m_files.SaveRuneStock(m_stock, m_currentGroup);
    if (!saved.ok && changed)
        report(QDir::toNativeSeparators(saved.fileName) + u": "_s + saved.reason);
    return saved.ok || !changed;
}

void Form1::Form_Unload(bool &cancel)
{
    cancel = !storeCurrentGroup(Leaving::Closing);
}

} // namespace rcl
