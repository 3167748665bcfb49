// The lines to the network's service bots: "nick" registers nicks, "creg"
// registers rooms. Their answers come back as ordinary private lines.
#include "core/frmIRC.h"

void frmIRC::RegistraUsers(const QString& ResgisterMeta)
{
    send(QStringLiteral("PRIVMSG nick :register ") + ResgisterMeta);
}

void frmIRC::ConfirmaUsers(const QString& ConfirmaMeta)
{
    send(QStringLiteral("PRIVMSG nick :confirm ") + ConfirmaMeta);
}

void frmIRC::CambiaPass(const QString& PassMeta) { send(QStringLiteral("PRIVMSG nick :set password ") + PassMeta); }

void frmIRC::RegistraSala(const QString& PassMeta, const QString& SalaMeta, const QString& SessionMeta,
                          const QString& DescripcionMeta)
{
    // The bot reads the room first, though the callers pass the password first.
    send(QStringLiteral("PRIVMSG creg :registra  #") + SalaMeta + u' ' + PassMeta + u' ' + SessionMeta + u' ' +
         DescripcionMeta);
}
