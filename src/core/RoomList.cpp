// Rows of the main window's room list, from the server's LIST replies.
#include "core/Function.h"
#include "core/frmIRC.h"
#include "platform/ListView.h"
#include "platform/Text.h"

using namespace platform;

namespace Function {

QString AgregaSala(qint16 numeric, const QString& nick, const QString& line)
{
    // The reply reads "322 nick #room users :topic". The country names are
    // the network's own: its rooms were named after countries.
    QString t = Replace(line, QString::number(numeric) + u' ' + nick, QString(), Compare::Text);
    t = Mid(t, 2);
    t = Replace(t, QStringLiteral(" "), QStringLiteral("["), Compare::Text);
    t = Replace(t, QStringLiteral("Puerto"), QStringLiteral("Puerto Rico "), Compare::Text);
    t = Replace(t, QStringLiteral("Republica"), QStringLiteral("Republica Dominicana "), Compare::Text);
    t = Replace(t, QStringLiteral("El"), QStringLiteral("El Salvador"), Compare::Text);
    t = Replace(t, QStringLiteral("#"), QString(), Compare::Text);
    t = Replace(t, QStringLiteral(" :"), QStringLiteral("]"), Compare::Text);
    const int p = InStr(t, QStringLiteral("["), Compare::Text);
    const QString room = Left(t, p - 1);
    const int end = InStr(p + 1, t, QStringLiteral("[:"), Compare::Text);
    const QString users = Mid(t, p + 1, end - p - 1);
    platform::ListView* list = frmIRC::instance()->ListView2;
    const int row = list->add(room);
    list->setSubItem(row, 1, users);
    // The shown name is mangled beyond use: joins take the name as sent.
    list->setTag(row, line.section(u' ', 2, 2));
    return QString();
}

}  // namespace Function
