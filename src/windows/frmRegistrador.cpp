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

namespace {

QLineEdit* box(QWidget* parent, const char* name, const QRect& place, const QString& tip)
{
    auto* b = new QLineEdit(parent);
    b->setObjectName(QString::fromLatin1(name));
    b->setGeometry(place);
    b->setToolTip(tip);
    return b;
}

QPushButton* button(QWidget* parent, const char* name, const QString& caption, const QRect& place, const QString& tip)
{
    auto* b = new QPushButton(caption, parent);
    b->setObjectName(QString::fromLatin1(name));
    b->setGeometry(place);
    b->setToolTip(tip);
    b->setAutoDefault(false);
    return b;
}

QLabel* label(QWidget* parent, const QString& caption, const QRect& place)
{
    auto* l = new QLabel(caption, parent);
    l->setGeometry(place);
    return l;
}

}  // namespace

frmRegistrador::frmRegistrador()
{
    setObjectName(QStringLiteral("frmRegistrador"));
    setCaption(QStringLiteral("Registro"));
    fixedTwipsWindow(this, 4560, 7620);
    Label1[0] = label(this, QStringLiteral(" Pasos Para Registrar el Nick."), twipsRect(120, 120, 3975, 255));

    Frame1 = new QGroupBox(QStringLiteral("Registrar Nick"), this);
    Frame1->setGeometry(twipsRect(120, 480, 4335, 3015));
    Instruciones = new TextBox(Frame1);
    Instruciones->setObjectName(QStringLiteral("Instruciones"));
    Instruciones->setGeometry(twipsRect(120, 360, 4095, 1335));
    Text1 = box(Frame1, "Text1", twipsRect(120, 1800, 2535, 285), QStringLiteral("Tu correo/Your Mail"));
    Command1 = button(Frame1, "Command1", QStringLiteral("Registrar"), twipsRect(2760, 1800, 1455, 255),
                      QStringLiteral("Registrar/Register"));
    Text3 = box(Frame1, "Text3", twipsRect(120, 2160, 2535, 285), QString());
    Command2 = button(Frame1, "Command2", QStringLiteral("Confirma"), twipsRect(2760, 2160, 1455, 255),
                      QStringLiteral("Confirmacion/Confirmation"));
    Text2 = box(Frame1, "Text2", twipsRect(120, 2520, 2535, 285), QStringLiteral("Nueva Contraseña/New Password"));
    Command3 = button(Frame1, "Command3", QStringLiteral("Cambiar Pass"), twipsRect(2760, 2520, 1455, 255),
                      QStringLiteral("Cambiar Contraseña/Password Change"));

    Frame2 = new QGroupBox(QStringLiteral("Registrar Canal"), this);
    Frame2->setGeometry(twipsRect(120, 3600, 4335, 3735));
    Text4 = new TextBox(Frame2);
    Text4->setObjectName(QStringLiteral("Text4"));
    Text4->setGeometry(twipsRect(120, 360, 4095, 1335));
    Label1[1] = label(Frame2, QStringLiteral("Nombre Sala::"), twipsRect(120, 1800, 1215, 255));
    Text5 = box(Frame2, "Text5", twipsRect(1440, 1800, 2775, 285), QStringLiteral("Nombre de sala/ Room Name"));
    Label1[2] = label(Frame2, QStringLiteral("Contraseña:"), twipsRect(120, 2160, 1215, 255));
    Text6 = box(Frame2, "Text6", twipsRect(1440, 2160, 2775, 285), QStringLiteral("Contraseña/Password"));
    Label1[3] = label(Frame2, QStringLiteral("Session."), twipsRect(120, 2520, 1215, 255));
    Text7 = box(Frame2, "Text7", twipsRect(1440, 2520, 2775, 285), QStringLiteral("Descripcion/Description"));
    Label1[4] = label(Frame2, QStringLiteral("Descripcion:"), twipsRect(120, 2880, 1215, 255));
    Text8 = box(Frame2, "Text8", twipsRect(1440, 2880, 2775, 285), QStringLiteral("Descripcion/Description"));
    Command4 = button(Frame2, "Command4", QStringLiteral("Registrar Sala"), twipsRect(120, 3240, 4095, 255),
                      QStringLiteral("Registrar Sala/Room Register"));

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
