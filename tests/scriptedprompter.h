#pragma once

#include "prompts/prompter.h"

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
        return next(m_yesNo, prompt);
    }
    QString askText(QWidget *, const QString &title, const QString &prompt) override
    {
        asked.append({title, prompt, Icon::Information});
        return next(m_texts, prompt);
    }
    QString askSaveFileName(QWidget *, const QString &title, const QString &suggestedName, const QString &) override
    {
        asked.append({title, suggestedName, Icon::Question});
        return next(m_fileNames, title);
    }
    void tell(QWidget *, const QString &title, const QString &text, Icon icon) override
    {
        told.append({title, text, icon});
    }

    QList<Asked> asked;
    QList<Asked> told;

private:
    template<typename Answer>
    static Answer next(QQueue<Answer> &answers, const QString &asked)
    {
        if (answers.isEmpty()) {
            ADD_FAILURE() << "not expected: " << asked.toStdString();
            return {};
        }
        return answers.dequeue();
    }

    QQueue<bool> m_yesNo;
    QQueue<QString> m_texts;
    QQueue<QString> m_fileNames;
};
