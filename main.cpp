#include "mainwindow/checklist.h"
#include "stock/datalocation.h"
#include "prompts/prompter.h"
#include "platform/quitsignals.h"

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
    // Before anything can show a message, so that no quit signal is lost.
    rcl::QuitSignals quitSignals;
    rcl::DialogPrompter prompter;
    rcl::Checklist checklist(prompter, rcl::chooseDataLocation(rcl::AppDirectory(), QStandardPaths::writableLocation(
                                                                                    QStandardPaths::AppDataLocation)));
    QObject::connect(&quitSignals, &rcl::QuitSignals::quitRequested, &app, [&checklist](int) { checklist.quit(); });
    if (!checklist.open())
        return 0;
    rcl::Form1 &form = checklist.form();
    QObject::connect(&app, &QGuiApplication::commitDataRequest, &form,
                     [&form](QSessionManager &) { (void)form.saveAtSessionEnd(); });
    form.show();
    return app.exec();
}
