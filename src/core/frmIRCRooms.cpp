// The room list and moving the main window to another room: listing the
// server's rooms, the list's menu, the change of the main room, and the
// reconnects to the maker's room or to a given server and room.
#include "core/Function.h"
#include "core/Hosts.h"
#include "core/frmIRC.h"
#include "platform/Dialogs.h"
#include "platform/HtmlView.h"
#include "platform/ListView.h"
#include "platform/TcpClient.h"
#include "platform/Text.h"

#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>

using namespace platform;
using namespace Function;

namespace {

QString marquee(const QString& room) { return Mid(room, 2) + QStringLiteral(" ... "); }

}  // namespace

void frmIRC::MuestrasRooms() { send(QStringLiteral("LIST")); }

void frmIRC::Command12_Click()
{
    if (Conectado) {
        ListView2->clear();
        MuestrasRooms();
    }
    Picture5->hide();
    Picture6->show();
}

void frmIRC::Command13_Click()
{
    Picture5->show();
    Picture6->hide();
}

void frmIRC::Desaparece()
{
    Picture5->show();
    Picture6->hide();
    ListView1->clear();
}

QString frmIRC::listedRoom(int position) const { return ListView2->tag(position); }

void frmIRC::ListView2_MouseUp(Qt::MouseButton Button, const QPoint& at)
{
    const int row = ListView2->selectedPosition();
    if (row < 0)
        return;
    if (!ListView2->text(row).isEmpty())
        SalaSeleccionada = listedRoom(row);
    if (Button == Qt::RightButton)
        msalas->popup(ListView2->viewport()->mapToGlobal(at));
}

void frmIRC::ListView2_DblClick()
{
    const int row = ListView2->selectedPosition();
    if (row >= 0 && !ListView2->text(row).isEmpty())
        makeMainRoom(listedRoom(row));
}

void frmIRC::mproom_Click() { makeMainRoom(SalaSeleccionada); }

void frmIRC::makeMainRoom(const QString& room)
{
    // In lower case: the dispatcher finds the main room's lines by the
    // lower-cased name.
    txtChannel->setText(LCase(Trim(room)));
    ChannelChange();
    TextoMarquesina = marquee(room);
    Desaparece();
}

void frmIRC::msroom_Click() { send(QStringLiteral("JOIN ") + SalaSeleccionada); }

void frmIRC::mnsala_Click()
{
    const QString room = InputBox(QStringLiteral("Introduce el nombre de la sala."));
    if (!room.isEmpty())
        send(QStringLiteral("JOIN #") + Trim(room));
}

void frmIRC::ChannelChange()
{
    send(QStringLiteral("PART ") + CanalActual);
    lstUsers->clear();
    ListView1->clear();
    DHTMLEdit1->setDocumentHTML(QString());
    TxtUsala->clear();
    send(QStringLiteral("JOIN ") + txtChannel->text());
    CanalActual = txtChannel->text();
    TextoMarquesina = marquee(CanalActual);
    Desaparece();
}

void frmIRC::Command35_Click()
{
    if (!Conectado) {
        MsgBox(QStringLiteral("Debes estar Conectado"), vbOKOnly, appTitle());
        return;
    }
    const QString room = QStringLiteral("#Vexlo-team");
    reconnect(LCase(Trim(room)), room, ServidorPorDefecto(), 6667);
}

void frmIRC::Nuevo_Canal(const QString& nueva_sala, const QString& nuevo_server, quint16 nuevo_puerto)
{
    reconnect(Trim(nueva_sala), nueva_sala, Trim(nuevo_server), nuevo_puerto);
}

void frmIRC::reconnect(const QString& room, const QString& roomBox, const QString& server, quint16 port)
{
    DHTMLEdit1->setDocumentHTML(QString());
    ListView1->clear();
    if (Conectado)
        sockIRC->Close();
    CanalActual = room;
    ServidorIRC = server;
    PuertoIRC = port;
    txtChannel->setText(roomBox);
    ConnectarChat();
    TextoMarquesina = marquee(CanalActual);
}
