#pragma once

#include "stock/datalocation.h"
#include "mainwindow/form1.h"
#include "stock/instancelock.h"
#include "prompts/prompter.h"

#include <memory>

namespace rcl {

// The program as it starts and ends: the lock on its data folder, the rune
// word files of an installed program, then the window.
class Checklist final
{
public:
    Checklist(Prompter &prompter, DataLocation location);
    ~Checklist();
    Q_DISABLE_COPY_MOVE(Checklist)

    // False when the program must end at once, having written nothing:
    // another checklist has the folder open, or the user chose not to take
    // over a lock that another machine holds.
    [[nodiscard]] bool open();
    [[nodiscard]] Form1 &form() { return *m_form; }

    // A quit signal, whatever is on the screen: saves the group the way
    // closing does, once the window has loaded it, and ends the program.
    [[noreturn]] void quit();

private:
    Prompter &m_prompter;
    DataLocation m_location;
    std::unique_ptr<InstanceLock> m_lock;
    std::unique_ptr<Settings> m_settings;
    std::unique_ptr<Form1> m_form;
};

} // namespace rcl
