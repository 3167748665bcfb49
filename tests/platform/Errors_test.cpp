// Caught errors are reported with where they happened, and a test fails on
// one it did not declare.
#include "ErrorRecorder.h"
#include "platform/Errors.h"

#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>

#include <functional>
#include <new>

using namespace platform;

TEST(CaughtErrors, AnUndeclaredErrorFailsTheTest)
{
    EXPECT_NONFATAL_FAILURE(guard("Prueba_Click", [] { throw RuntimeError(errOverflow); }),
                            "unexpected error caught by a handler: Prueba_Click: error 6: Overflow");
    EXPECT_NONFATAL_FAILURE(resumeNext("Prueba paso", [] { throw RuntimeError(errInvalidCall); }),
                            "Prueba paso: error 5: Invalid procedure call or argument");
}

TEST(CaughtErrors, ADeclaredErrorThatNeverComesFailsTheTest)
{
    EXPECT_NONFATAL_FAILURE({ ExpectedError e("Prueba_Click", errOverflow); },
                            "expected error did not come: Prueba_Click: error 6:");
}

TEST(CaughtErrors, EveryKindOfErrorIsReportedWithItsNumber)
{
    struct Case {
        const char* where;
        int number;
        std::function<void()> body;
    } cases[] = {
        {"Paso uno", errSubscript, [] { throw RuntimeError(errSubscript); }},
        {"Paso dos", errOutOfMemory, [] { throw std::bad_alloc(); }},
        {"Paso tres", errInternal, [] { throw std::logic_error("roto"); }},
        {"Paso cuatro", errInternal, [] { throw 42; }},
    };
    for (const Case& c : cases) {
        ExpectedError expected(c.where, c.number);
        resumeNext(c.where, c.body);
        guard(c.where, c.body);
        EXPECT_EQ(expected.count(), 2) << c.where;
    }
}

TEST(CaughtErrors, GuardEndsTheHandlerOnlyAndResumeNextGoesOn)
{
    ExpectedError step("paso", errInvalidCall);
    ExpectedError other("paso", errInternal);
    ExpectedError handler("handler", errOverflow);
    int steps = 0;
    guard("handler", [&] {
        resumeNext("paso", [&] { throw RuntimeError(errInvalidCall); });
        ++steps;
        resumeNext("paso", [&] { throw std::runtime_error("x"); });
        ++steps;
        throw RuntimeError(errOverflow);
        ++steps;
    });
    EXPECT_EQ(steps, 2);
    bool after = false;
    guard("end", [&] {
        resumeNext("paso", [] { throw ProgramEnded{}; });
        after = true;
    });
    EXPECT_FALSE(after) << "End() inside a step ends the whole handler, silently";
}
