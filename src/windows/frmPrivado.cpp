#include "windows/frmPrivado.h"

#include "core/Function.h"
#include "platform/Geometry.h"
#include "platform/Text.h"

using namespace platform;

frmPrivado::frmPrivado()
{
    setObjectName(QStringLiteral("frmPrivado"));
    resize(twips(6015), twips(4680));
}

QString frmPrivado::captionFor(const QString& nick) { return QStringLiteral("Privado Con : ") + nick; }

void frmPrivado::Form_Load() { setWindowStateValue(vbMinimized); }

void frmPrivado::nuevomsg(const QString& incomingnick, const QString& incomingmsg)
{
    if (incomingnick != Function::MiNick)
        setCaption(captionFor(incomingnick));
    Imprime_rich(Chr(2) + u' ' + incomingnick + QStringLiteral(" : ") + Chr(15) + incomingmsg);
}

void frmPrivado::Imprime_rich(const QString& newmsg) { store_ += newmsg + QStringLiteral("<br>"); }
