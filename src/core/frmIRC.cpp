// The main window's life: start-up, the toolbar's windows and actions, the
// marquee, and shutdown.
#include "core/frmIRC.h"

#include "core/Function.h"
#include "core/Hosts.h"
#include "core/frmDialog.h"
#include "media/frmMedia.h"
#include "media/frmPlay.h"
#include "media/frmVexlo.h"
#include "platform/AppFiles.h"
#include "platform/DefaultButtons.h"
#include "platform/Desktop.h"
#include "platform/Dialogs.h"
#include "platform/HtmlView.h"
#include "platform/LineReader.h"
#include "platform/ListView.h"
#include "platform/LogBox.h"
#include "platform/Skin.h"
#include "platform/TcpClient.h"
#include "platform/ToggleButton.h"
#include "platform/Text.h"
#include "windows/frmAdornos.h"
#include "windows/frmContestador.h"
#include "windows/frmFavoritos.h"
#include "windows/frmMultiPrivados.h"
#include "windows/frmOperador.h"
#include "windows/frmRegistrador.h"
#include "windows/frmServer.h"
#include "windows/frmicon.h"

#include <QApplication>
#include <QFrame>
#include <QIcon>
#include <QLineEdit>
#include <QTimer>

using namespace platform;
using namespace Function;

namespace {

const QString kWelcomePicture =
    QStringLiteral("http://") + hosts::kPromotion + QStringLiteral("/ClientePictures/Parlowen(2).gif");

}  // namespace

frmIRC::frmIRC()
{
    sockIRC = new TcpClient(this);
    Winsock1 = new TcpClient(this);
    ServidorPromo = hosts::kPromotion;
    lineReader_ = new LineReader(sockIRC);
    defaultButtons = new DefaultButtons(this);
    buildWindow();
    connectHandlers();
    buildUserMenu();
    // Boxes that received lines would stack while one of theirs is open.
    setDivertedBoxSink([this](const QString& line) { display(line); });
}

frmIRC::~frmIRC() { setDivertedBoxSink({}); }

// --- Start-up and shutdown ------------------------------------------------------------

void frmIRC::Form_Load()
{
    LeeDatos();
    frmAdornos* adornos = frmAdornos::instance();
    adornos->AdornoI->setText(AdornoIzquierdo);
    adornos->AdornoD->setText(AdornoDerecho);
    ReConfigura();
    VerMovimiento = true;
    AutoScroll = true;
    AlertaPrivados = true;
    for (const OptionFlag& o : optionFlags())
        o.button->setOn(*o.flag);

    HtmlView::servePictures(QStringLiteral("http://") + hosts::kPictures + u'/', FilesPath(QStringLiteral("Pictures")));
    HtmlView::servePictures(QStringLiteral("http://") + hosts::kPromotion + u'/', FilesPath(QStringLiteral("Pictures")));
    DHTMLEdit1->setDocumentHTML(QStringLiteral("<body bgcolor='black'><center><img src='") + kWelcomePicture +
                                QStringLiteral("', width=470; height=400; top=0; left=0>"));
    QApplication::setWindowIcon(QIcon(FilesPath(QStringLiteral("Pictures/ui/trovelin.png"))));
    applySkin(this);

    TextoBienvenida = QStringLiteral(
        " Bienvenidos a esta nueva version del Vexlo-Trovelin   atento a las actualizaciones del Trovelin con "
        "nuestras alertas   y no dejes de visitar nuestro foro y nuestra pagina web.");
    TextoMarquesina = Mid(CanalActual, 2) + QStringLiteral(" ...Vexlo-TeaM iRc 2010 ");
    txtSala->setText(TextoMarquesina);
    Text1->setText(TextoBienvenida);
    Marquesina->start();
}

void frmIRC::Form_Unload(qint16& Cancel)
{
    if (!Conectado) {
        if (MsgBox(QStringLiteral("¿Desea terminar la aplicacion?"), vbYesNoQuestion,
                   QStringLiteral("Confirme por favor")) == vbYes)
            End();
        Cancel = 1;
        return;
    }
    if (MsgBox(QStringLiteral("Deseas Desconectar y Salir?"), vbYesNoQuestion, QStringLiteral("Confirma Por Favor")) !=
        vbYes) {
        Cancel = 1;
        return;
    }
    if (sockIRC->State() == TcpClient::sckConnected)
        send(farewellLine());
    lstUsers->clear();
    ListView1->clear();
    New_msg(disconnectedNotice());
    Espera(0.5f);
    End();
}

// --- Toolbar -----------------------------------------------------------------------------

void frmIRC::Command11_Click()
{
    frmDialog::instance()->Show();
    lstUsers->clear();
}

void frmIRC::Command1_Click() { frmicon::instance()->Show(); }

void frmIRC::Command36_Click() { frmAdornos::instance()->Show(); }

void frmIRC::Command14_Click() { frmRegistrador::instance()->Show(); }

void frmIRC::Command15_Click() { frmMedia::instance()->Show(); }

void frmIRC::Command16_Click()
{
    if (EsOperador)
        frmOperador::instance()->Show();
    else
        MsgBox(QStringLiteral("No puedes ejecutar comandos de Operador, no tienes o no estas autorizado a ese nivel."),
               vbInformation, QStringLiteral("Mensaje de Cliente"));
}

void frmIRC::Command28_Click() { frmServer::instance()->Show(); }

void frmIRC::Command6_Click() { frmContestador::instance()->Show(); }

void frmIRC::Command17_Click() { frmMultiPrivados::instance()->Show(); }

void frmIRC::Command33_Click() { frmFavoritos::instance()->Show(); }

void frmIRC::Command30_Click() { OpenWebAddress(hosts::siteAddress()); }

void frmIRC::Command31_Click() { OpenWebAddress(hosts::siteAddress() + QStringLiteral("/Vexlo-Foro/index.php")); }

void frmIRC::Command32_Click() { frmVexlo::instance()->Show(); }

void frmIRC::Command34_Click() { frmPlay::instance()->Show(); }

void frmIRC::Command7_Click() { DHTMLEdit1->setDocumentHTML(QString()); }

void frmIRC::Command8_Click()
{
    const QString file =
        dialogs().saveFileName(QStringLiteral("archivos HTML (*.HTML *.HTM)"), QStringLiteral("HTM"), chatFile_);
    if (file.isEmpty())
        return;
    chatFile_ = file;
    if (!writeFileWhole(file, (DHTMLEdit1->documentHTML() + QStringLiteral("\r\n")).toUtf8()))
        MsgBox(QStringLiteral("No se pudo guardar el archivo ") + file, vbCritical, QStringLiteral("Error"));
}

void frmIRC::Command10_Click()
{
    if (Conectado && MsgBox(QStringLiteral("Deseas Desconectar y Cerrar?"), vbYesNoQuestion,
                            QStringLiteral("Confirma Por Favor")) == vbYes)
        End();
}

void frmIRC::Label3_Click()
{
    desktop().setClipboardText(QString());
    desktop().setClipboardText(txtStatus->text());
}

void frmIRC::Marquesina_Timer()
{
    // Each tick moves the first character to the end.
    auto turn = [](QString& s) {
        if (!s.isEmpty())
            s = s.mid(1) + s.at(0);
    };
    turn(TextoMarquesina);
    txtSala->setText(TextoMarquesina);
    turn(TextoBienvenida);
    Text1->setText(TextoBienvenida);
}
