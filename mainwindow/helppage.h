#pragma once

#include <QCoreApplication>
#include <QString>

namespace rcl {

// The short help that F1 shows: the mouse, the keys, the options, the
// planner and where the counts are kept, in the language of the captions
// (the Japanese texts are the sources; translations/runechecklist_en.ts
// gives them in English). Simple rich text made from these fixed texts
// alone, every one escaped, the folder too.
class HelpPage final
{
    Q_DECLARE_TR_FUNCTIONS(HelpPage)

public:
    [[nodiscard]] static QString title();
    // saveFolder as the user should read it (native separators).
    [[nodiscard]] static QString html(const QString &saveFolder);
};

} // namespace rcl
