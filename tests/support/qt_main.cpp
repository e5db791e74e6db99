// Test entry point for everything that needs Qt: one QApplication on the
// offscreen platform, fonts registered as the program registers them.
#include <QApplication>
#include <gtest/gtest.h>

#include "app/startup.h"

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    ::testing::InitGoogleTest(&argc, argv);
    QApplication app(argc, argv);
    orr::registerFontSubstitutes();
    return RUN_ALL_TESTS();
}
