// A helper for the process tests.
//   click_and_wait DIR   opens the checklist kept in DIR as the program does,
//                        adds one Thul with a click on the grid, says
//                        "clicked" and runs until it is ended

#include "checklist.h"
#include "prompter.h"

#include <QApplication>
#include <QTest>

#include <cstdio>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    if (argc != 2)
        return 2;
    // A fresh folder asks nothing; a box would only wait.
    rcl::DialogPrompter prompter;
    rcl::Checklist checklist(prompter, rcl::DataLocation{QString::fromLocal8Bit(argv[1]), {}});
    if (!checklist.open())
        return 1;
    rcl::Form1 &form = checklist.form();
    form.show();
    if (!QTest::qWaitForWindowExposed(&form))
        return 1;
    QTest::mouseClick(form.controls().runeimg2[9], Qt::LeftButton);
    std::printf("clicked\n");
    std::fflush(stdout);
    return app.exec();
}
