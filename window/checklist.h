#pragma once

#include "datalocation.h"
#include "form1.h"
#include "instancelock.h"
#include "prompter.h"

#include <memory>

namespace rcl {

// The program as it starts: the lock on its data folder, the rune word files
// of an installed program, then the window.
class Checklist final
{
public:
    // None when another checklist has the folder open: the user is told and
    // nothing is written.
    [[nodiscard]] static std::unique_ptr<Checklist> open(Prompter &prompter, const DataLocation &location);
    [[nodiscard]] static std::unique_ptr<Checklist> open(Prompter &prompter, const QString &appDirectory)
    {
        return open(prompter, DataLocation{appDirectory, {}});
    }

    [[nodiscard]] Form1 &form() { return *m_form; }

private:
    Checklist() = default;

    std::unique_ptr<InstanceLock> m_lock;
    std::unique_ptr<Form1> m_form;
};

} // namespace rcl
