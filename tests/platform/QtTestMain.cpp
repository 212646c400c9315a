#include <QApplication>

#include <gtest/gtest.h>

// GoogleTest with a QApplication, for tests that paint text or make widgets.
// Headless unless told otherwise, also when CTest lists the tests at build time.
int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
