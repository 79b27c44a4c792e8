#include "prompts/prompter.h"

#include <QFileDialog>
#include <QInputDialog>
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
    box.setDefaultButton(defaultButton == Default::Yes ? QMessageBox::Yes : QMessageBox::No);
    return box.exec() == QMessageBox::Yes;
}

QString DialogPrompter::askText(QWidget *parent, const QString &title, const QString &prompt)
{
    bool ok = false;
    const QString text = QInputDialog::getText(parent, title, prompt, QLineEdit::Normal, QString(), &ok);
    return ok ? text : QString();
}

void DialogPrompter::tell(QWidget *parent, const QString &title, const QString &text, Icon icon)
{
    QMessageBox box(boxIcon(icon), title, text, QMessageBox::Ok, parent);
    box.exec();
}

QString DialogPrompter::askSaveFileName(QWidget *parent, const QString &title, const QString &suggestedName,
                                       const QString &filter)
{
    return QFileDialog::getSaveFileName(parent, title, suggestedName, filter);
}

} // namespace rcl
