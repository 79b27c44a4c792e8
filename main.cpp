#include "checklist.h"
#include "prompter.h"
#include "quitsignals.h"

#include <QApplication>
#include <QSessionManager>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    // Before anything is loaded, so that no quit signal can pass unsaved.
    rcl::QuitSignals quitSignals;
    rcl::DialogPrompter prompter;
    const std::unique_ptr<rcl::Checklist> checklist = rcl::Checklist::open(prompter, rcl::AppDirectory());
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
