#pragma once
// Run-time errors with the numbers the original's run time used, and the two
// ways its handlers dealt with them: resume with the next step, or let the
// error end the handler. Every event handler is entered through guard(), so
// an error ends that handler only, never the program.
#include <QString>
#include <functional>
#include <stdexcept>

namespace platform {

enum ErrorNumber : int {
    errInvalidCall = 5,      // "Invalid procedure call or argument"
    errOverflow = 6,
    errSubscript = 9,
    errTypeMismatch = 13,
    errFileNotFound = 53,
    errPathNotFound = 76,
    errInvalidPropertyValue = 380,
    errObjectRequired = 424,
};

class RuntimeError : public std::runtime_error {
public:
    RuntimeError(int number, const QString& description);
    explicit RuntimeError(int number);
    int number() const { return number_; }
    QString description() const { return QString::fromUtf8(what()); }

private:
    int number_;
};

// Thrown by End(): unwinds the handler that ended the program. guard()
// swallows it silently.
struct ProgramEnded {};

// Runs one event handler; any error is written to stderr and ends the
// handler only.
void guard(const char* handler, const std::function<void()>& body);

// Runs one step of a handler that "ignores errors and goes on with the next
// step". An End() inside still ends the handler.
void resumeNext(const std::function<void()>& step);

}  // namespace platform
