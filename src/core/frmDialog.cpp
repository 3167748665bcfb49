#include "core/frmDialog.h"

#include "core/Function.h"
#include "core/frmIRC.h"
#include "platform/AppFiles.h"
#include "platform/Dialogs.h"
#include "platform/Errors.h"
#include "platform/Handlers.h"
#include "platform/HtmlView.h"
#include "platform/ListView.h"
#include "platform/Skin.h"
#include "platform/TcpClient.h"
#include "platform/Text.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

using namespace platform;
using namespace Function;

frmDialog::frmDialog()
{
    setObjectName(QStringLiteral("frmDialog"));
    setCaption(QStringLiteral("Vexlo Conexion 2009"));
    setFixedSize(600, 380);

    auto* root = new QHBoxLayout(this);
    root->setContentsMargins(14, 14, 14, 14);
    root->setSpacing(14);

    // Left: the areas, or the rooms of the chosen area, in the same place.
    auto* Frame2 = new QGroupBox;
    auto* left = new QVBoxLayout(Frame2);
    SkinLabel1 = new QLabel(QStringLiteral("Seleccione una area :"));
    SkinLabel1->setObjectName(QStringLiteral("SkinLabel1"));
    List1 = new ListBox;
    List1->setObjectName(QStringLiteral("List1"));
    List2 = new ListBox;
    List2->setObjectName(QStringLiteral("List2"));
    List2->hide();
    Command1 = new QPushButton(QStringLiteral("Regresar a Areas:"));
    Command1->setObjectName(QStringLiteral("Command1"));
    left->addWidget(SkinLabel1);
    left->addWidget(List1, 1);
    left->addWidget(List2, 1);
    left->addWidget(Command1);
    Frame2->setFixedWidth(250);
    root->addWidget(Frame2);

    // Right: who connects, and where.
    auto* right = new QVBoxLayout;
    auto* who = new QGridLayout;
    txtNick = new QLineEdit(QStringLiteral("NickName"));
    txtNick->setObjectName(QStringLiteral("txtNick"));
    txtAlt = new QLineEdit(QStringLiteral("Nick_Alterno"));
    txtAlt->setObjectName(QStringLiteral("txtAlt"));
    TxtPass = new QLineEdit;
    TxtPass->setObjectName(QStringLiteral("TxtPass"));
    TxtPass->setEchoMode(QLineEdit::Password);
    who->addWidget(new QLabel(QStringLiteral("Nickname :")), 0, 0);
    who->addWidget(txtNick, 0, 1);
    who->addWidget(new QLabel(QStringLiteral("Nick Alterno :")), 1, 0);
    who->addWidget(txtAlt, 1, 1);
    who->addWidget(new QLabel(QStringLiteral("Pasword :")), 2, 0);
    who->addWidget(TxtPass, 2, 1);
    right->addLayout(who);

    Frame1 = new QGroupBox(QStringLiteral("Conexion Data"));
    Frame1->setObjectName(QStringLiteral("Frame1"));
    auto* data = new QGridLayout(Frame1);
    cmbServer = new QLineEdit;
    cmbServer->setObjectName(QStringLiteral("cmbServer"));
    txtPort = new QLineEdit;
    txtPort->setObjectName(QStringLiteral("txtPort"));
    txtChannel = new QLineEdit;
    txtChannel->setObjectName(QStringLiteral("txtChannel"));
    data->addWidget(new QLabel(QStringLiteral("Servidor :")), 0, 0);
    data->addWidget(cmbServer, 0, 1);
    data->addWidget(new QLabel(QStringLiteral("Puerto :")), 1, 0);
    data->addWidget(txtPort, 1, 1);
    data->addWidget(new QLabel(QStringLiteral("Sala :")), 2, 0);
    data->addWidget(txtChannel, 2, 1);
    right->addWidget(Frame1);
    right->addStretch(1);

    auto* buttons = new QHBoxLayout;
    cmdOk = new QPushButton(QStringLiteral("Conectar"));
    cmdOk->setObjectName(QStringLiteral("cmdOk"));
    cmdOk->setEnabled(false);
    cmdCancel = new QPushButton(QStringLiteral("Cerrar Aplicacion"));
    cmdCancel->setObjectName(QStringLiteral("cmdCancel"));
    buttons->addStretch(1);
    buttons->addWidget(cmdCancel);
    buttons->addWidget(cmdOk);
    right->addLayout(buttons);
    root->addLayout(right, 1);

    on(List1, &ListBox::itemClicked, this, "List1_Click", [this](int i) { List1_Click(i); });
    on(List2, &ListBox::itemClicked, this, "List2_Click", [this](int i) { List2_Click(i); });
    on(cmdOk, &QPushButton::clicked, this, "cmdOk_Click", [this] { cmdOk_Click(); });
    on(Command1, &QPushButton::clicked, this, "Command1_Click", [this] { Command1_Click(); });
    on(cmdCancel, &QPushButton::clicked, this, "cmdCancel_Click", [this] { cmdCancel_Click(); });
    on(txtNick, &QLineEdit::textChanged, this, "txtNick_Change", [this] { txtNick_Change(); });
    txtPort->installEventFilter(this);
}

void frmDialog::Form_Load()
{
    ArchivoINI = FilesPath(QStringLiteral("Parlowen.ini"));
    txtNick->setText(NickGuardado);
    txtAlt->setText(AlternoGuardado);
    TxtPass->setText(PassGuardado);  // last: a change of the nick empties the password
    CargaSecciones();
    applySkin(this);
}

bool frmDialog::eventFilter(QObject* watched, QEvent* event)
{
    // The port box takes digits and Backspace only.
    if (watched == txtPort && event->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        const QString t = key->text();
        if (t.size() == 1 && t.at(0).isPrint() && !(t.at(0) >= u'0' && t.at(0) <= u'9'))
            return true;
    }
    return Form::eventFilter(watched, event);
}

void frmDialog::List1_Click(int index)
{
    if (index < 0 || index >= int(Servidores.size()))
        return;
    area_ = index;
    List2->clear();
    const DatosServidor& area = Servidores[size_t(index)];
    for (const DatosSala& sala : area.Salas) {
        List2->addItem(sala.Nombre);
        cmbServer->setText(area.LoginServer);
        // A number shows without its leading zeros; a value that is no port as written.
        txtPort->setText(area.LoginPort != 0 ? QString::number(area.LoginPort) : area.LoginPortTexto);
    }
    MiNick = Trim(txtNick->text());
    NickAnterior = Trim(txtAlt->text());
    List2->show();
    List1->hide();
}

void frmDialog::List2_Click(int index)
{
    if (index < 0)
        return;
    // A port that does not fit tries no connection at all.
    const quint16 port = PuertoDeTexto(txtPort->text());
    if (port == 0) {
        MsgBox(PuertoNoValido(txtPort->text()), vbInformation, QStringLiteral("Error"));
        return;
    }

    frmIRC* irc = frmIRC::instance();
    const QString room = List2->item(index);
    if (Conectado)
        irc->sockIRC->Close();
    CanalActual = u'#' + LCase(Trim(room));
    ServidorIRC = Trim(cmbServer->text());
    PuertoIRC = port;
    txtChannel->setText(u'#' + LCase(room));
    irc->DHTMLEdit1->setDocumentHTML(QString());
    irc->ListView1->clear();
    cmdOk->setEnabled(true);
    PassIRC = TxtPass->text().isEmpty() ? QString() : Trim(TxtPass->text());
    cmdOk_Click();
}

void frmDialog::cmdOk_Click()
{
    NickGuardado = txtNick->text();
    AlternoGuardado = txtAlt->text();
    PassGuardado = TxtPass->text();
    GuardaDatos();
    frmIRC::instance()->ConnectarChat();
    TextoMarquesina = Mid(CanalActual, 2) + QStringLiteral(" ... ");
}

void frmDialog::Command1_Click()
{
    List2->hide();
    List1->show();
}

void frmDialog::cmdCancel_Click() { Form::unloadAll(); }

void frmDialog::txtNick_Change() { TxtPass->clear(); }
