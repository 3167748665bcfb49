#include "platform/Errors.h"

#include <new>

namespace platform {

Q_LOGGING_CATEGORY(lcCaughtErrors, "trovelin.errors")

static QString describe(int number)
{
    switch (number) {
    case errInvalidCall: return QStringLiteral("Invalid procedure call or argument");
    case errOverflow: return QStringLiteral("Overflow");
    case errOutOfMemory: return QStringLiteral("Out of memory");
    case errSubscript: return QStringLiteral("Subscript out of range");
    case errTypeMismatch: return QStringLiteral("Type mismatch");
    case errInternal: return QStringLiteral("Internal error");
    case errFileNotFound: return QStringLiteral("File not found");
    case errPathNotFound: return QStringLiteral("Path not found");
    case errInvalidPropertyValue: return QStringLiteral("Invalid property value");
    case errObjectRequired: return QStringLiteral("Object required");
    default: return QStringLiteral("Application-defined or object-defined error");
    }
}

RuntimeError::RuntimeError(int number, const QString& description)
    : std::runtime_error(description.toStdString()), number_(number) {}

RuntimeError::RuntimeError(int number) : RuntimeError(number, describe(number)) {}

void reportError(const char* where, int number, const QString& text)
{
    qCWarning(lcCaughtErrors, "%s: error %d: %s", where, number, qUtf8Printable(text));
}

// Reports the exception being handled; rethrows ProgramEnded when asked to.
static void reportCurrent(const char* where, bool passEnd)
{
    try {
        throw;
    } catch (const ProgramEnded&) {
        if (passEnd)
            throw;
    } catch (const RuntimeError& e) {
        reportError(where, e.number(), e.description());
    } catch (const std::bad_alloc&) {
        reportError(where, errOutOfMemory, describe(errOutOfMemory));
    } catch (const std::exception& e) {
        reportError(where, errInternal, QString::fromUtf8(e.what()));
    } catch (...) {
        reportError(where, errInternal, describe(errInternal));
    }
}

void guard(const char* handler, const std::function<void()>& body)
{
    try {
        body();
    } catch (...) {
        reportCurrent(handler, false);
    }
}

void resumeNext(const char* step, const std::function<void()>& body)
{
    try {
        body();
    } catch (...) {
        reportCurrent(step, true);
    }
}

}  // namespace platform
