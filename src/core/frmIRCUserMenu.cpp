// The main user list as the user handles it: a click names the nick in the
// operator panel, a double click opens a private window, and the right
// button pops up the nick menu (copy, mention, ignore, kick and ban, whois,
// a private window with a typed nick). The menu acts on NickSeleccionado.
#include "core/Function.h"
#include "core/UserList.h"
#include "core/frmIRC.h"
#include "platform/Dialogs.h"
#include "platform/Handlers.h"
#include "platform/ListView.h"
#include "platform/Text.h"
#include "windows/frmOperador.h"

#include <QAction>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>

using namespace platform;
using namespace Function;

void frmIRC::buildUserMenu()
{
    // Parented to the main window, which no received line closes.
    mpop = new QMenu(QStringLiteral("Pop"), this);
    mncopy = mpop->addAction(QStringLiteral("Copiar Nick"));
    mmenci = mpop->addAction(QStringLiteral("Mencionar"));
    mignore = mpop->addAction(QStringLiteral("Ignorar a:"));
    mKick = mpop->addAction(QStringLiteral("Sacar a :"));
    mwhois = mpop->addAction(QStringLiteral("Quien es:"));
    mfreeprv = mpop->addAction(QStringLiteral("Privado Libre"));
    mKick->setVisible(false);

    on(ListView1, &ListView::itemClicked, this, "ListView1_Click", [this] { ListView1_Click(); });
    on(ListView1, &ListView::itemDoubleClicked, this, "frmIRC.ListView1_DblClick", [this] { ListView1_DblClick(); });
    on(ListView1, &ListView::mouseUp, this, "frmIRC.ListView1_MouseUp",
       [this](Qt::MouseButton button, const QPoint& at) { ListView1_MouseUp(button, at); });
    on(mncopy, &QAction::triggered, this, "mncopy_Click", [this] { mncopy_Click(); });
    on(mmenci, &QAction::triggered, this, "mmenci_Click", [this] { mmenci_Click(); });
    on(mignore, &QAction::triggered, this, "frmIRC.mignore_Click", [this] { mignore_Click(); });
    on(mKick, &QAction::triggered, this, "mKick_Click", [this] { mKick_Click(); });
    on(mwhois, &QAction::triggered, this, "frmIRC.mwhois_Click", [this] { mwhois_Click(); });
    on(mfreeprv, &QAction::triggered, this, "mfreeprv_Click", [this] { mfreeprv_Click(); });
}

// With no entry selected the list's handlers do nothing: a nick chosen
// before, perhaps gone from the list since, is never acted on.

void frmIRC::ListView1_Click()
{
    const int selected = ListView1->selectedPosition();
    if (selected >= 0)
        frmOperador::instance()->Text1->setText(ListView1->text(selected));
}

void frmIRC::ListView1_DblClick()
{
    const int selected = ListView1->selectedPosition();
    if (selected >= 0)
        Abre_Privado(ListView1->text(selected));
}

void frmIRC::ListView1_MouseUp(Qt::MouseButton Button, const QPoint& at)
{
    if (!chooseNick(*ListView1, Button))
        return;
    mignore->setText(ignoreCaption(NickSeleccionado));
    if (EsOperador) {
        mKick->setVisible(true);
        mKick->setText(QStringLiteral("Sacar  a: ") + NickSeleccionado);
    }
    mwhois->setText(QStringLiteral("Quien es: ") + NickSeleccionado);
    mpop->popup(ListView1->viewport()->mapToGlobal(at));
}

void frmIRC::mncopy_Click() { copyChosenNick(); }

void frmIRC::mmenci_Click() { txtChatMsg->setPlainText(txtChatMsg->toPlainText() + mentionOf(NickSeleccionado)); }

void frmIRC::mignore_Click() { ignoreItemClicked(*mignore); }

void frmIRC::mKick_Click()
{
    if (!EsOperador) {
        MsgBox(QStringLiteral("Debes Estar en Modo de Operador."), vbOKOnly, appTitle());
        return;
    }
    Expulsa(CanalActual, NickSeleccionado);
    frmOperador::instance()->List2->addItem(NickSeleccionado);
    send(QStringLiteral("MODE ") + CanalActual + QStringLiteral(" +b ") + NickSeleccionado);
}

void frmIRC::Expulsa(QString& kickchannel, const QString& kicknick)
{
    kickchannel = Replace(kickchannel, QStringLiteral("Costa Rica"), QStringLiteral("Costa"));
    kickchannel = Replace(kickchannel, QStringLiteral("Puerto Rico"), QStringLiteral("Puerto"));
    kickchannel = Replace(kickchannel, QStringLiteral("Republica Dominicana"), QStringLiteral("Republica"));
    send(QStringLiteral("KICK ") + kickchannel + u' ' + kicknick);
}

void frmIRC::mwhois_Click() { send(QStringLiteral("WHOIS ") + NickSeleccionado); }

void frmIRC::mfreeprv_Click() { privateWithTypedNick(); }
