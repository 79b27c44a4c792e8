#include "mainwindow/form1.h"

#include "stock/shiftjis.h"

#include <QLineEdit>
#include <QPushButton>

namespace rcl {

void Form1::Command2_Click()
{
    moveToGroup(+1);
}

void Form1::Command1_Click()
{
    moveToGroup(-1);
}

// The group that is left is saved first. When its changed counts cannot be
// saved, the user stays in it with them unless they choose to let them go.
void Form1::moveToGroup(int step)
{
    const int next = currentGroup() + step;
    if (next < 1 || next > GroupCount)
        return;
    if (!storeCurrentGroup(SaveOccasion::Leaving))
        return;
    loadGroup(next);
    // The recipe frames stay, telling what this group holds.
    colourRecipeFrames();
    m_ui.Command2->setEnabled(currentGroup() < GroupCount);
    m_ui.Command1->setEnabled(currentGroup() > 1);
    ShowFirstRune();
    showGroupName(m_files.LoadGroupName(currentGroup()));
    CollapseRuneWordPanel();
    tellLoadFailure();
}

void Form1::Command3_Click()
{
    const QString answer =
        m_prompter.askText(this, tr("グループ名称変更"), tr("グループ名 %1 を変更します。").arg(m_ui.Text1->text()));
    if (answer.isEmpty())
        return;
    const std::optional<QByteArray> stored = encodeGroupName(answer);
    if (!stored) {
        const QString why = shiftjis::available()
            ? tr("The name \"%1\" has characters that the group names file (Shift-JIS) cannot hold.")
            : tr("The name \"%1\" is not plain ASCII, and this build of Qt cannot write Shift-JIS.");
        m_prompter.tell(this, tr("グループ名称変更"), why.arg(answer) + tr(" Nothing was changed."),
                        Prompter::Icon::Warning);
        return;
    }
    const FileResult written = m_files.renameGroup(currentGroup(), *stored);
    if (!written.ok) {
        m_prompter.tell(this, tr("グループ名称変更"),
                        tr("The group name could not be saved:\n%1").arg(describeFailure(written)),
                        Prompter::Icon::Critical);
        return;
    }
    showGroupName(answer);
}

void Form1::Command6_Click()
{
    // An ideographic space (U+3000) between the sentences, and a full-width
    // question mark (U+FF1F) at the end.
    const bool clear = m_prompter.askYesNo(this, QStringLiteral("RuneQuantity"),
                                           tr("このグループ内の全ての登録データを消去します。　よろしいですか？"),
                                           Prompter::Icon::Information);
    if (clear) {
        m_stock.clear();
        clearPanel();
        hideRecipeFrames();
    }
    CollapseRuneWordPanel();
}

} // namespace rcl
