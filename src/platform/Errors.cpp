#include "platform/Errors.h"

#include <cstdio>

namespace platform {

static QString describe(int number)
{
    switch (number) {
    case errInvalidCall: return QStringLiteral("Invalid procedure call or argument");
    case errOverflow: return QStringLiteral("Overflow");
    case errSubscript: return QStringLiteral("Subscript out of range");
    case errTypeMismatch: return QStringLiteral("Type mismatch");
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

void guard(const char* handler, const std::function<void()>& body)
{
    try {
        body();
    } catch (const ProgramEnded&) {
    } catch (const RuntimeError& e) {
        std::fprintf(stderr, "trovelin: %s: error %d: %s\n", handler, e.number(), e.what());
    } catch (const std::exception& e) {
        std::fprintf(stderr, "trovelin: %s: %s\n", handler, e.what());
    } catch (...) {
        std::fprintf(stderr, "trovelin: %s: unknown error\n", handler);
    }
}

void resumeNext(const std::function<void()>& step)
{
    try {
        step();
    } catch (const ProgramEnded&) {
        throw;
    } catch (...) {
    }
}

}  // namespace platform
