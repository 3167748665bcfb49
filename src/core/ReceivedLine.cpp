#include "core/ReceivedLine.h"

#include "platform/Text.h"

using namespace platform;

ReceivedLine splitLine(const QString& line)
{
    ReceivedLine r;
    r.prefixed = line.startsWith(u':');
    if (!r.prefixed)
        return r;

    const qint16 b = CInt(InStr(line, QStringLiteral(" ")));
    if (b == 0)
        return r;
    qint16 e = CInt(InStr(line, QStringLiteral("!")));
    if (e == 0 || e > b)
        e = b;
    r.sender = Mid(line, 2, e - 2);
    r.body = Mid(line, b + 1);
    const int c = InStr(r.body, QStringLiteral(" "));
    if (c == 0)
        return r;
    r.hasCommand = true;
    r.command = Left(r.body, c - 1);
    r.parameters = Mid(r.body, c + 1);

    const QString h = Mid(line, InStr(line, QStringLiteral("@")) + 1);
    const int v = InStr(h, QStringLiteral("virtual"));
    r.hostKey = v > 0 ? Left(h, v + 6) : Left(h, 6);

    if (InStr(line, QStringLiteral("JOIN")) > 0 || InStr(line, QStringLiteral("PART")) > 0) {
        const qint16 hash = CInt(InStr(line, QStringLiteral("#")));
        if (hash == 0) {
            r.lineChannel = Left(line, b - 1);
        } else {
            const int end = InStr(hash + 1, line, QStringLiteral(" "));
            r.lineChannel = end == 0 ? Mid(line, hash + 1) : Mid(line, hash + 1, end - hash - 1);
        }
    }
    return r;
}
