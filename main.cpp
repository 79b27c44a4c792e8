#include "checklist.h"
#include "datalocation.h"
#include "prompter.h"
#include "quitsignals.h"

#include <QApplication>
#include <QSessionManager>
#include <QStandardPaths>

int main(int argc, char *argv[])
{
    // No organization name: an installed program keeps its data in
    // $XDG_DATA_HOME/runechecklist.
    QCoreApplication::setApplicationName(QStringLiteral("runechecklist"));
    QGuiApplication::setDesktopFileName(QStringLiteral("io.github.runechecklist.RuneCheckList"));
    QApplication app(argc, argv);
    // Before anything is loaded, so that no quit signal can pass unsaved.
    rcl::QuitSignals quitSignals;
    rcl::DialogPrompter prompter;
    const std::unique_ptr<rcl::Checklist> checklist = rcl::Checklist::open(
        prompter, rcl::chooseDataLocation(rcl::AppDirectory(),
                                          QStandardPaths::writableLocation(QStandardPaths::AppDataLocation)));
    if (!checklist)
        return 0;
    rcl::Form1 &form = checklist->form();
    QObject::connect(&quitSignals, &rcl::QuitSignals::quitRequested, &form, [&form](int) {
        const bool saved = form.saveAtSessionEnd();
        QCoreApplication::exit(saved ? 0 : 1);
    });
    QObject::connect(&app, &QGuiApplication::commitDataRequest, &form,
                     [&form](QSessionManager &) { form.saveAtSessionEnd(); });
    form.show();
    return app.exec();
}
