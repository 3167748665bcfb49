#include "ErrorRecorder.h"

#include "platform/Errors.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

std::vector<ExpectedError*>& expectations()
{
    static std::vector<ExpectedError*> list;
    return list;
}

QtMessageHandler previousHandler = nullptr;

void record(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if (context.category && qstrcmp(context.category, platform::lcCaughtErrors().categoryName()) == 0) {
        auto& list = expectations();
        const auto match = std::find_if(list.rbegin(), list.rend(),
                                        [&](ExpectedError* e) { return e->matches(message); });
        if (match != list.rend()) {
            (*match)->seen();
            return;  // expected: kept out of the test's output
        }
        ADD_FAILURE() << "unexpected error caught by a handler: " << message.toStdString();
    }
    previousHandler(type, context, message);
}

}  // namespace

void installErrorRecorder() { previousHandler = qInstallMessageHandler(record); }

ExpectedError::ExpectedError(const char* where, int number)
    : prefix_(QStringLiteral("%1: error %2:").arg(QString::fromUtf8(where)).arg(number))
{
    expectations().push_back(this);
}

ExpectedError::~ExpectedError()
{
    std::erase(expectations(), this);
    if (count_ == 0)
        ADD_FAILURE() << "expected error did not come: " << prefix_.toStdString();
}
