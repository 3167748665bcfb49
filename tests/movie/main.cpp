// The test main of the movie tests: the real web engine on an X server of
// the tests' own. Offscreen the engine draws, but keys never reach a movie;
// on a real display they do. Listing the tests needs no display.
#include "ErrorRecorder.h"
#include "platform/MovieControl.h"

#include <QApplication>
#include <gtest/gtest.h>

#include <csignal>
#include <cstdio>
#include <cstring>
#include <string>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

#if defined(__SANITIZE_ADDRESS__)
#define TROVELIN_ASAN 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define TROVELIN_ASAN 1
#endif
#endif

namespace {

#ifdef TROVELIN_ASAN
// The web engine is built without the sanitizer, and the sanitizer ends it:
// the engine deletes objects of its own through a type of another size, and
// leaves allocations behind at the end.
struct SkipUnderSanitizer : ::testing::Environment {
    void SetUp() override
    {
        GTEST_SKIP() << "The web engine does not run under AddressSanitizer: the movie tests are skipped in "
                        "this build.";
    }
};
#endif

pid_t xvfb = 0;

// Starts Xvfb on a free display, which it names once it accepts clients.
// Returns the display's number, or -1.
int startXvfb()
{
    int fds[2];
    if (pipe(fds) != 0)
        return -1;
    xvfb = fork();
    if (xvfb == 0) {
        prctl(PR_SET_PDEATHSIG, SIGTERM);  // gone with the tests, even after a crash
        close(fds[0]);
        const std::string fd = std::to_string(fds[1]);
        freopen("/dev/null", "w", stderr);
        execlp("Xvfb", "Xvfb", "-displayfd", fd.c_str(), "-screen", "0", "1280x1024x24", "-nolisten", "tcp",
               static_cast<char*>(nullptr));
        _exit(127);
    }
    close(fds[1]);
    std::string number;
    char c;
    while (read(fds[0], &c, 1) == 1 && c != '\n')
        number += c;
    close(fds[0]);
    return number.empty() ? -1 : std::stoi(number);
}

}  // namespace

int main(int argc, char** argv)
{
    bool offscreen = false;  // enough to list the tests, or to skip them
    for (int i = 1; i < argc; ++i)
        offscreen = offscreen || std::strncmp(argv[i], "--gtest_list_tests", 18) == 0;
#ifdef TROVELIN_ASAN
    offscreen = true;
    ::testing::AddGlobalTestEnvironment(new SkipUnderSanitizer);
#endif
    if (offscreen) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    } else {
        const int display = startXvfb();
        if (display < 0) {
            std::fprintf(stderr, "The movie tests need Xvfb (scripts/setup installs it), and it did not start.\n");
            return 1;
        }
        qputenv("DISPLAY", (":" + std::to_string(display)).c_str());
        qputenv("QT_QPA_PLATFORM", "xcb");
    }
    qputenv("QT_MEDIA_BACKEND", "gstreamer");  // as the program does
    platform::prepareMovieEngine();
    int result;
    {
        QApplication app(argc, argv);
        installErrorRecorder();
        ::testing::InitGoogleTest(&argc, argv);
        result = RUN_ALL_TESTS();
    }
    if (xvfb > 0) {
        kill(xvfb, SIGTERM);
        waitpid(xvfb, nullptr, 0);
    }
    return result;
}
