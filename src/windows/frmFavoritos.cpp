#include "windows/frmFavoritos.h"

#include "core/Function.h"
#include "core/frmIRC.h"
#include "platform/Dialogs.h"
#include "platform/Geometry.h"
#include "platform/Handlers.h"
#include "platform/ListView.h"
#include "platform/PlacedButton.h"
#include "platform/Text.h"

#include <QAbstractEventDispatcher>
#include <QLineEdit>
#include <QPushButton>

using namespace platform;
using namespace Function;

namespace {

const QString kArchivo = QStringLiteral("\\Files\\Channels.ini");

// The room's name, then 56 blanks and the tags, so that the list (narrower
// than the blanks) shows the name alone.
QString entry(const QString& canal, const QString& servidor, quint16 puerto)
{
    return Mid(canal, 2) + QString(56, u' ') + QStringLiteral("<chan>") + canal + QStringLiteral("</chan><srv>") +
           servidor + QStringLiteral("</srv><port>") + QString::number(puerto) + QStringLiteral("</port>");
}

}  // namespace

frmFavoritos::frmFavoritos()
{
    setObjectName(QStringLiteral("frmFavoritos"));
    setCaption(QStringLiteral("Favoritos"));
    fixedTwipsWindow(this, 3360, 3525);

    Text1 = new QLineEdit(this);
    Text1->setObjectName(QStringLiteral("Text1"));
    Text1->setReadOnly(true);
    Text1->setGeometry(twipsRect(120, 120, 2040, 315));
    Command1 = placedButton(QStringLiteral("Agrega"), QStringLiteral("Agregar/Add"), "Command1", this,
                            twipsRect(2280, 120, 960, 315));
    lstCanales = new ListBox(this);
    lstCanales->setObjectName(QStringLiteral("lstCanales"));
    lstCanales->setToolTip(QStringLiteral("Tus Canales Favoritos/Your Favorite Channels"));
    // About 200 pixels, less than the 56 blanks: the tags stay out of sight,
    // and no scroll bar brings them in.
    lstCanales->setGeometry(twipsRect(120, 540, 3120, 2400));
    lstCanales->setTextElideMode(Qt::ElideNone);
    lstCanales->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    Command2 = placedButton(QStringLiteral("Remover"), QStringLiteral("Remover/Remove"), "Command2", this,
                            twipsRect(120, 3060, 3120, 345));
    for (QLineEdit** box : {&Text2, &Text3, &Text4}) {
        *box = new QLineEdit(this);
        (*box)->hide();
    }
    Text2->setObjectName(QStringLiteral("Text2"));
    Text3->setObjectName(QStringLiteral("Text3"));
    Text4->setObjectName(QStringLiteral("Text4"));

    on(Command1, &QPushButton::clicked, this, "Command1_Click", [this] { Command1_Click(); });
    on(Command2, &QPushButton::clicked, this, "Command2_Click", [this] { Command2_Click(); });
    // A click, not a keyboard move over the list: each one reconnects.
    on(lstCanales, &ListBox::itemClicked, this, "lstCanales_Click", [this] { lstCanales_Click(); });
    // The main room has many writers; the box catches up each time the
    // event loop has done its work, before it waits: one comparison, no timer.
    on(QAbstractEventDispatcher::instance(), &QAbstractEventDispatcher::aboutToBlock, this, "showCurrentRoom",
       [this] { showCurrentRoom(); });
}

void frmFavoritos::Form_Load()
{
    showCurrentRoom();
    frmIRC::instance()->LoadList(*lstCanales, kArchivo);
}

void frmFavoritos::showCurrentRoom()
{
    const QStringView room = QStringView(CanalActual).sliced(qMin<qsizetype>(1, CanalActual.size()));
    if (Text1->text() != room)
        Text1->setText(room.toString());
}

void frmFavoritos::Command1_Click()
{
    lstCanales->addItem(entry(CanalActual, ServidorIRC, PuertoIRC));
    frmIRC::instance()->SaveList(*lstCanales, kArchivo);
}

void frmFavoritos::Command2_Click()
{
    // The list is written again at the next "Agrega". A position the list no
    // longer has (a second removal without a new click) removes nothing.
    if (IndiceFavorito >= 0 && IndiceFavorito < lstCanales->count())
        lstCanales->removeItem(IndiceFavorito);
}

void frmFavoritos::lstCanales_Click()
{
    IndiceFavorito = qint16(lstCanales->listIndex());
    // Read whole before anything changes: an entry without its three parts,
    // or with a port that is none, leaves the connection as it was.
    const QString t = lstCanales->selectedText();
    const QString sala = EntreMarcas(t, QStringLiteral("<chan>"), QStringLiteral("</chan>"));
    const QString servidor = EntreMarcas(t, QStringLiteral("<srv>"), QStringLiteral("</srv>"));
    const QString puerto = EntreMarcas(t, QStringLiteral("<port>"), QStringLiteral("</port>"));
    if (sala.isEmpty() || servidor.isEmpty() || puerto.isEmpty())
        return;
    const quint16 port = PuertoDeTexto(puerto);
    if (port == 0) {
        MsgBox(PuertoNoValido(puerto), vbInformation, QStringLiteral("Error"));
        return;
    }
    frmIRC* irc = frmIRC::instance();
    irc->ListView1->clear();
    irc->lstUsers->clear();
    Text2->setText(sala);
    Text3->setText(servidor);
    Text4->setText(puerto);
    irc->Nuevo_Canal(sala, servidor, port);
}
