#pragma once
// Run-time errors with the numbers the original's run time used, and the two
// ways its handlers dealt with them: resume with the next step, or let the
// error end the handler. Every event handler is entered through guard(), so
// an error ends that handler only, never the program.
#include <QLoggingCategory>
#include <QString>
#include <functional>
#include <stdexcept>

namespace platform {

enum ErrorNumber : int {
    errInvalidCall = 5,      // "Invalid procedure call or argument"
    errOverflow = 6,
    errOutOfMemory = 7,
    errSubscript = 9,
    errTypeMismatch = 13,
    errInternal = 51,        // what no run-time error describes
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

// Every error that guard() or resumeNext() catches is written here, as
// "<handler or step>: error <number>: <text>", so none goes unseen.
Q_DECLARE_LOGGING_CATEGORY(lcCaughtErrors)
void reportError(const char* where, int number, const QString& text);

// Runs one event handler; any error is reported and ends the handler only.
void guard(const char* handler, const std::function<void()>& body);

// Runs one step of a handler that "ignores errors and goes on with the next
// step"; an error is reported under the step's name. An End() inside still
// ends the handler.
void resumeNext(const char* step, const std::function<void()>& body);

}  // namespace platform
