// Runs the window tests in one QApplication on the offscreen platform: no display
// needed, and nothing on screen waits for a user.
#include <QApplication>

#include <gtest/gtest.h>

int main(int argc, char** argv) {
    testing::InitGoogleTest(&argc, argv);
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    // Tests close the window on purpose; the application has no loop to quit.
    QApplication::setQuitOnLastWindowClosed(false);
    return RUN_ALL_TESTS();
}
