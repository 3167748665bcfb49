#include "windows/frmRegistrador.h"

#include "core/frmIRC.h"
#include "platform/DefaultButtons.h"
#include "platform/Geometry.h"
#include "platform/Handlers.h"
#include "platform/TextBox.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

using namespace platform;

frmRegistrador::frmRegistrador()
{
    setObjectName(QStringLiteral("frmRegistrador"));
    setCaption(QStringLiteral("Registro"));
    fixedTwipsWindow(this, 4560, 7620);
    Label1[0] = placed(new QLabel(QStringLiteral(" Pasos Para Registrar el Nick."), this), nullptr,
                       twipsRect(120, 120, 3975, 255));

    Frame1 = placed(new QGroupBox(QStringLiteral("Registrar Nick"), this), "Frame1", twipsRect(120, 480, 4335, 3015));
    Instruciones = placed(new TextBox(Frame1), "Instruciones", twipsRect(120, 360, 4095, 1335));
    Text1 = placed(new QLineEdit(Frame1), "Text1", twipsRect(120, 1800, 2535, 285));
    Text1->setToolTip(QStringLiteral("Tu correo/Your Mail"));
    Command1 =
        placed(new QPushButton(QStringLiteral("Registrar"), Frame1), "Command1", twipsRect(2760, 1800, 1455, 255));
    Command1->setToolTip(QStringLiteral("Registrar/Register"));
    Text3 = placed(new QLineEdit(Frame1), "Text3", twipsRect(120, 2160, 2535, 285));
    Command2 =
        placed(new QPushButton(QStringLiteral("Confirma"), Frame1), "Command2", twipsRect(2760, 2160, 1455, 255));
    Command2->setToolTip(QStringLiteral("Confirmacion/Confirmation"));
    Text2 = placed(new QLineEdit(Frame1), "Text2", twipsRect(120, 2520, 2535, 285));
    Text2->setToolTip(QStringLiteral("Nueva Contraseña/New Password"));
    Command3 =
        placed(new QPushButton(QStringLiteral("Cambiar Pass"), Frame1), "Command3", twipsRect(2760, 2520, 1455, 255));
    Command3->setToolTip(QStringLiteral("Cambiar Contraseña/Password Change"));

    Frame2 = placed(new QGroupBox(QStringLiteral("Registrar Canal"), this), "Frame2", twipsRect(120, 3600, 4335, 3735));
    Text4 = placed(new TextBox(Frame2), "Text4", twipsRect(120, 360, 4095, 1335));
    // The room's four boxes, each after its label.
    const struct {
        QLineEdit*& box;
        const char* name;
        QString caption, tip;
    } fields[] = {
        {Text5, "Text5", QStringLiteral("Nombre Sala::"), QStringLiteral("Nombre de sala/ Room Name")},
        {Text6, "Text6", QStringLiteral("Contraseña:"), QStringLiteral("Contraseña/Password")},
        {Text7, "Text7", QStringLiteral("Session."), QStringLiteral("Descripcion/Description")},
        {Text8, "Text8", QStringLiteral("Descripcion:"), QStringLiteral("Descripcion/Description")},
    };
    for (int i = 0; i < 4; ++i) {
        const int top = 1800 + 360 * i;
        Label1[i + 1] = placed(new QLabel(fields[i].caption, Frame2), nullptr, twipsRect(120, top, 1215, 255));
        fields[i].box = placed(new QLineEdit(Frame2), fields[i].name, twipsRect(1440, top, 2775, 285));
        fields[i].box->setToolTip(fields[i].tip);
    }
    Command4 =
        placed(new QPushButton(QStringLiteral("Registrar Sala"), Frame2), "Command4", twipsRect(120, 3240, 4095, 255));
    Command4->setToolTip(QStringLiteral("Registrar Sala/Room Register"));

    on(Command1, &QPushButton::clicked, this, "Command1_Click", [this] { Command1_Click(); });
    on(Command2, &QPushButton::clicked, this, "Command2_Click", [this] { Command2_Click(); });
    on(Command3, &QPushButton::clicked, this, "Command3_Click", [this] { Command3_Click(); });
    on(Command4, &QPushButton::clicked, this, "Command4_Click", [this] { Command4_Click(); });
    // Only the mail box sends on Enter.
    defaultButtons = new DefaultButtons(this);
    defaultButtons->bind(Text1, Command1, "Text1_KeyPress", [this] { Command1_Click(); });
}

void frmRegistrador::Form_Load()
{
    const QString crlf = QStringLiteral("\r\n");
    Instruciones->setText(
        QStringLiteral("Pasos para registrar el nick") + crlf +
        QStringLiteral("Primero debes conectarte al chat, de esta manera te aseguras que el nick no este en uso. ") +
        crlf + u'\r' + crlf +
        QStringLiteral("Una Ves conectado al chat, Escribe tu mail valido en la caja de texto (En algunos servidores "
                       "pide que pongas contraseña antes del mail). El Registro varia de server al igual que la "
                       "confirmacion algunos servidores no requieresn confirmacion. ") +
        crlf);
    Text4->setText(QStringLiteral("Pasos para registrar Una Sala") + crlf +
                   QStringLiteral("Primero debes conectarte al chat con un nick registrado, luego introduce el nombre "
                                  "de la sala (Esta No debe tener espacios), la contraseña de usuario y, una breve "
                                  "descripcion de la sala. ") +
                   crlf + u'\r' + crlf +
                   QStringLiteral("Una Ves completados los campos pasa a Pulsar el boton de Registrar Sala . ") + crlf);
}

void frmRegistrador::Command1_Click() { frmIRC::instance()->RegistraUsers(Text1->text()); }

void frmRegistrador::Command2_Click() { frmIRC::instance()->ConfirmaUsers(Text3->text()); }

void frmRegistrador::Command3_Click() { frmIRC::instance()->CambiaPass(Text2->text()); }

void frmRegistrador::Command4_Click()
{
    frmIRC::instance()->RegistraSala(Text6->text(), Text5->text(), Text7->text(), Text8->text());
}
