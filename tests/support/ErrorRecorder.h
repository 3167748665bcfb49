#pragma once
// Fails the running test on every error a handler guard or a resume-next
// step caught, unless the test declared it expects that error.
#include <QString>

// Installed once by the test main.
void installErrorRecorder();

// While it lives, errors of this handler or step with this number are
// expected: they do not fail the test. At least one must come before the
// scope ends, or the test fails.
class ExpectedError {
public:
    ExpectedError(const char* where, int number);
    ~ExpectedError();
    ExpectedError(const ExpectedError&) = delete;
    ExpectedError& operator=(const ExpectedError&) = delete;

    // How many matching errors came so far.
    int count() const { return count_; }
    bool matches(const QString& message) const { return message.startsWith(prefix_); }
    void seen() { ++count_; }

private:
    QString prefix_;
    int count_ = 0;
};
