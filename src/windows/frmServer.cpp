#include "windows/frmServer.h"

#include "core/frmIRC.h"
#include "platform/DefaultButtons.h"
#include "platform/Geometry.h"
#include "platform/Handlers.h"
#include "platform/LogBox.h"
#include "windows/frmOperador.h"

#include <QLineEdit>
#include <QPushButton>

using namespace platform;

frmServer::frmServer()
{
    setObjectName(QStringLiteral("frmServer"));
    setCaption(QStringLiteral("Comunicacion con servidor"));
    fixedTwipsWindow(this, 8700, 5685);
    RichTextBox1 = new LogBox(this);
    RichTextBox1->setObjectName(QStringLiteral("RichTextBox1"));
    RichTextBox1->setGeometry(twipsRect(120, 120, 8460, 5055));
    Text1 = new QLineEdit(this);
    Text1->setObjectName(QStringLiteral("Text1"));
    Text1->setGeometry(twipsRect(120, 5280, 6900, 285));
    CmdCommando = new QPushButton(QStringLiteral("Envia Comando"), this);
    CmdCommando->setObjectName(QStringLiteral("CmdCommando"));
    CmdCommando->setGeometry(twipsRect(7080, 5280, 1455, 285));

    defaultButtons = new DefaultButtons(this);
    defaultButtons->bind(Text1, CmdCommando);
    on(CmdCommando, &QPushButton::clicked, this, "CmdCommando_Click", [this] { CmdCommando_Click(); });
}

void frmServer::CmdCommando_Click()
{
    const QString text = Text1->text();
    // The panel's own command, whatever the user's rights; it is not sent.
    if (text.contains(QStringLiteral("/open CTRL")))
        frmOperador::instance()->Show();
    else
        frmIRC::instance()->send(QString(text).remove(u'/'));
    Text1->clear();
}
