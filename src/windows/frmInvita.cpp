#include "windows/frmInvita.h"

#include "core/Function.h"
#include "core/frmIRC.h"
#include "platform/Geometry.h"
#include "platform/Handlers.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

using namespace platform;

frmInvita::frmInvita()
{
    setObjectName(QStringLiteral("frmInvita"));
    setCaption(QStringLiteral("Invitar"));
    fixedTwipsWindow(this, 5340, 1260);
    SkinLabel1 = new QLabel(QStringLiteral("Te Invitan a el canal :"), this);
    SkinLabel1->setGeometry(twipsRect(120, 120, 5055, 255));
    Text1 = new QLineEdit(this);
    Text1->setObjectName(QStringLiteral("Text1"));
    Text1->setGeometry(twipsRect(120, 480, 5055, 285));
    Command1 = new QPushButton(QStringLiteral("Ir al canal"), this);
    Command1->setObjectName(QStringLiteral("Command1"));
    Command1->setGeometry(twipsRect(120, 840, 5055, 255));
    on(Command1, &QPushButton::clicked, this, "Command1_Click", [this] { Command1_Click(); });
}

void frmInvita::Command1_Click()
{
    // The same server and port, another room.
    frmIRC::instance()->Nuevo_Canal(u'#' + Text1->text(), Function::ServidorIRC, Function::PuertoIRC);
    Unload();
}
