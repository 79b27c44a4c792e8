#pragma once

#include <QString>

class QWidget;

namespace rcl {

// Every message box and input box of the window goes through this interface,
// so that tests can answer them without a screen.
class Prompter
{
public:
    enum class Icon { Information, Question, Warning, Critical };
    // The button that Return presses.
    enum class Default { Yes, No };

    virtual ~Prompter() = default;

    // Yes and No; true for Yes.
    [[nodiscard]] virtual bool askYesNo(QWidget *parent, const QString &title, const QString &prompt, Icon icon,
                                        Default defaultButton = Default::Yes) = 0;
    // One line of text over an empty field; the empty text on Cancel.
    [[nodiscard]] virtual QString askText(QWidget *parent, const QString &title, const QString &prompt) = 0;
    virtual void tell(QWidget *parent, const QString &title, const QString &text, Icon icon) = 0;
    // A file to write; suggestedName may hold a folder. The empty text on
    // Cancel.
    [[nodiscard]] virtual QString askSaveFileName(QWidget *parent, const QString &title, const QString &suggestedName,
                                                  const QString &filter) = 0;
};

class DialogPrompter final : public Prompter
{
public:
    bool askYesNo(QWidget *parent, const QString &title, const QString &prompt, Icon icon,
                  Default defaultButton) override;
    QString askText(QWidget *parent, const QString &title, const QString &prompt) override;
    void tell(QWidget *parent, const QString &title, const QString &text, Icon icon) override;
    QString askSaveFileName(QWidget *parent, const QString &title, const QString &suggestedName,
                            const QString &filter) override;
};

} // namespace rcl
