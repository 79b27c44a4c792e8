#include "form1.h"
#include "prompter.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    rcl::DialogPrompter prompter;
    rcl::Form1 form(prompter);
    form.show();
    return app.exec();
}
