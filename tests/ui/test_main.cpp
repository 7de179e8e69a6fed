// Test main of the user-interface tests: a QApplication on the offscreen platform.
#include <QApplication>
#include <QDir>
#include <QTemporaryDir>
#include <QThreadPool>
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
    const int status = RUN_ALL_TESTS();
    // Qt converts and scales large images (the printed view) on its global thread pool, whose
    // threads linger for half a minute. LeakSanitizer's check at exit stops every thread and can
    // crash on one winding down meanwhile ("Tracer caught signal 11"): let them all end first.
    QThreadPool::globalInstance()->waitForDone();
    return status;
}
