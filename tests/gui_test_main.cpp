#include <QApplication>

#include <gtest/gtest.h>

int main(int argc, char **argv)
{
    // Widget tests never need a screen: they run on Qt's offscreen platform
    // unless the caller chose another one.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
