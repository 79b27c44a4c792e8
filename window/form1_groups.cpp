#include "form1.h"

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

// The group that is left is saved first. When that fails the user is told
// and stays in it with the counts in memory, so nothing is lost.
void Form1::moveToGroup(int step)
{
    const int next = m_currentGroup + step;
    if (next < 1 || next > GroupCount)
        return;
    const FileResult saved = m_files.SaveRuneStock(m_stock, m_currentGroup);
    if (!saved.ok) {
        m_prompter.tell(this, windowTitle(),
                        tr("The counts of group %1 could not be saved:\n%2\n\nThe program stays in group %1 with "
                           "its counts; free the folder and try again.")
                            .arg(m_currentGroup)
                            .arg(describeFailure(saved)),
                        Prompter::Icon::Critical);
        return;
    }
    m_currentGroup = qint16(next);
    const FileResult loaded = m_files.LoadRuneStock(m_stock, m_currentGroup);
    m_ui.Command2->setEnabled(m_currentGroup < GroupCount);
    m_ui.Command1->setEnabled(m_currentGroup > 1);
    ShowFirstRune();
    m_ui.Text1->setText(m_files.LoadGroupName(m_currentGroup));
    CollapseRuneWordPanel();
    tellLoadFailure(loaded);
}

void Form1::Command3_Click()
{
    const QString answer = m_prompter.askText(this, QStringLiteral("グループ名称変更"),
                                              QStringLiteral("グループ名 ") + m_ui.Text1->text()
                                                  + QStringLiteral(" を変更します。"));
    if (answer.isEmpty())
        return;
    const std::optional<QByteArray> stored = encodeGroupName(answer);
    if (!stored) {
        m_prompter.tell(this, QStringLiteral("グループ名称変更"),
                        tr("The name \"%1\" has characters that the group names file (Shift-JIS) cannot hold. "
                           "Nothing was changed.")
                            .arg(answer),
                        Prompter::Icon::Warning);
        return;
    }
    const FileResult written = m_files.renameGroup(m_currentGroup, *stored);
    if (!written.ok) {
        m_prompter.tell(this, QStringLiteral("グループ名称変更"),
                        tr("The group name could not be saved:\n%1").arg(describeFailure(written)),
                        Prompter::Icon::Critical);
        return;
    }
    m_ui.Text1->setText(answer);
}

void Form1::Command6_Click()
{
    const bool clear = m_prompter.askYesNo(
        this, QStringLiteral("RuneQuantity"),
        QStringLiteral("このグループ内の全ての登録データを消去します。\u3000よろしいですか\uFF1F"),
        Prompter::Icon::Information);
    if (clear) {
        m_stock.clear();
        m_ui.Picture1->Cls();
        hideRecipeFrames();
    }
    CollapseRuneWordPanel();
}

} // namespace rcl
