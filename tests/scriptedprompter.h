#pragma once

#include "prompter.h"

#include <QList>
#include <QQueue>

#include <gtest/gtest.h>

// Answers the window's boxes from a script and remembers what was asked.
class ScriptedPrompter final : public rcl::Prompter
{
public:
    struct Asked
    {
        QString title;
        QString prompt;
        Icon icon;
        Default defaultButton = Default::Yes;
    };

    void answerYesNo(bool yes) { m_yesNo.enqueue(yes); }
    void answerText(const QString &text) { m_texts.enqueue(text); }
    void answerSaveFileName(const QString &path) { m_fileNames.enqueue(path); }

    bool askYesNo(QWidget *, const QString &title, const QString &prompt, Icon icon, Default defaultButton) override
    {
        asked.append({title, prompt, icon, defaultButton});
        if (m_yesNo.isEmpty()) {
            ADD_FAILURE() << "unexpected question: " << prompt.toStdString();
            return false;
        }
        return m_yesNo.dequeue();
    }

    QString askText(QWidget *, const QString &title, const QString &prompt) override
    {
        asked.append({title, prompt, Icon::Information});
        if (m_texts.isEmpty()) {
            ADD_FAILURE() << "unexpected input box: " << prompt.toStdString();
            return {};
        }
        return m_texts.dequeue();
    }

    void tell(QWidget *, const QString &title, const QString &text, Icon icon) override
    {
        told.append({title, text, icon});
    }

    QString askSaveFileName(QWidget *, const QString &title, const QString &suggestedName, const QString &) override
    {
        asked.append({title, suggestedName, Icon::Question});
        if (m_fileNames.isEmpty()) {
            ADD_FAILURE() << "unexpected save dialog: " << title.toStdString();
            return {};
        }
        return m_fileNames.dequeue();
    }

    QList<Asked> asked;
    QList<Asked> told;

private:
    QQueue<bool> m_yesNo;
    QQueue<QString> m_texts;
    QQueue<QString> m_fileNames;
};
