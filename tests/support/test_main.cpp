// The test main: one QApplication for every test, and the recorder that
// fails a test on an error it did not expect. gtest_discover_tests runs the
// binary without the test environment, so the Qt platform is decided here.
#include "ErrorRecorder.h"
#include "platform/MovieControl.h"

#include <QApplication>
#include <gtest/gtest.h>

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("DISPLAY") && qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    qputenv("QT_MEDIA_BACKEND", "gstreamer");  // as the program does
    platform::prepareMovieEngine();
    QApplication app(argc, argv);
    installErrorRecorder();
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
