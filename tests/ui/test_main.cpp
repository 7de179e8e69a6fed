// Test main of the user-interface tests: a QApplication on the offscreen platform.
#include <QApplication>
#include <QDir>
#include <QTemporaryDir>
#include <gtest/gtest.h>

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    // The settings kept between runs go to a folder of the test run's own, never the user's.
    QTemporaryDir config(QDir::tempPath() + "/vireon-tests-XXXXXX");
    qputenv("XDG_CONFIG_HOME", config.path().toUtf8());
    QApplication app(argc, argv);
    // Tests close windows on purpose ("x", Quitter); that must not end the test program.
    QApplication::setQuitOnLastWindowClosed(false);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
