#include "prompts/prompter.h"

#include "prompts/plaintext.h"

#include <QFileDialog>
#include <QInputDialog>
#include <QLabel>
#include <QMessageBox>

namespace rcl {
namespace {

QMessageBox::Icon boxIcon(Prompter::Icon icon)
{
    switch (icon) {
    case Prompter::Icon::Question:
        return QMessageBox::Question;
    case Prompter::Icon::Warning:
        return QMessageBox::Warning;
    case Prompter::Icon::Critical:
        return QMessageBox::Critical;
    case Prompter::Icon::Information:
        break;
    }
    return QMessageBox::Information;
}

} // namespace

bool DialogPrompter::askYesNo(QWidget *parent, const QString &title, const QString &prompt, Icon icon,
                              Default defaultButton)
{
    QMessageBox box(boxIcon(icon), title, prompt, QMessageBox::Yes | QMessageBox::No, parent);
    box.setTextFormat(Qt::PlainText);
    box.setDefaultButton(defaultButton == Default::Yes ? QMessageBox::Yes : QMessageBox::No);
    return box.exec() == QMessageBox::Yes;
}

QString DialogPrompter::askText(QWidget *parent, const QString &title, const QString &prompt)
{
    QInputDialog dialog(parent);
    dialog.setWindowTitle(title);
    dialog.setLabelText(prompt);
    // The prompt names the group, whose name is the player's text.
    for (QLabel *label : dialog.findChildren<QLabel *>())
        showAsPlainText(label);
    return dialog.exec() == QDialog::Accepted ? dialog.textValue() : QString();
}

void DialogPrompter::tell(QWidget *parent, const QString &title, const QString &text, Icon icon)
{
    QMessageBox box(boxIcon(icon), title, text, QMessageBox::Ok, parent);
    box.setTextFormat(Qt::PlainText);
    box.exec();
}

QString DialogPrompter::askSaveFileName(QWidget *parent, const QString &title, const QString &suggestedName,
                                       const QString &filter)
{
    return QFileDialog::getSaveFileName(parent, title, suggestedName, filter);
}

} // namespace rcl
