#include "windows/frmMultiPrivados.h"

#include "core/Function.h"
#include "core/frmIRC.h"
#include "platform/Errors.h"
#include "platform/Geometry.h"
#include "platform/Handlers.h"
#include "platform/ListView.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTimer>

using namespace platform;
using namespace Function;

namespace {

QPushButton* button(QWidget* parent, const QString& caption, const QString& tip, const char* name, const QRect& place)
{
    auto* b = new QPushButton(caption, parent);
    b->setObjectName(QLatin1String(name));
    b->setToolTip(tip);
    b->setGeometry(place);
    return b;
}

}  // namespace

frmMultiPrivados::frmMultiPrivados()
{
    setObjectName(QStringLiteral("frmMultiPrivados"));
    setCaption(QStringLiteral("Multi Privados"));
    fixedTwipsWindow(this, 4680, 1440);

    Text1 = new QLineEdit(this);
    Text1->setObjectName(QStringLiteral("Text1"));
    Text1->setGeometry(twipsRect(120, 120, 4455, 315));
    Text1->setToolTip(QStringLiteral("Tu Mensaje/Your Message"));
    Command1 = button(this, QStringLiteral("Actualizar"), QStringLiteral("Actualiza Usuarios/Update Users"), "Command1",
                      twipsRect(120, 600, 1695, 255));
    Command3 = button(this, QStringLiteral("Todos"), QStringLiteral("Todos los Usuarios/All enable"), "Command3",
                      twipsRect(120, 840, 855, 255));
    Command4 = button(this, QStringLiteral("Ninguno"), QStringLiteral("Deshabilitar todos/All disable "), "Command4",
                      twipsRect(960, 840, 855, 255));
    Command2 = button(this, QStringLiteral("Enviar Mensajes"), QStringLiteral("Enviar Mensaje/Send Message"),
                      "Command2", twipsRect(120, 1080, 1695, 255));
    ListView1 = new ListView(this);
    ListView1->setObjectName(QStringLiteral("ListView1"));
    ListView1->setGeometry(twipsRect(1920, 600, 2655, 735));
    ListView1->setColumns({QStringLiteral("Usuarios")}, {twips(2295)});
    ListView1->setCheckBoxes(true);
    Timer1 = new QTimer(this);
    Timer1->setInterval(1000);

    on(Command1, &QPushButton::clicked, this, "Command1_Click", [this] { Command1_Click(); });
    on(Command2, &QPushButton::clicked, this, "Command2_Click", [this] { Command2_Click(); });
    on(Command3, &QPushButton::clicked, this, "Command3_Click", [this] { Command3_Click(); });
    on(Command4, &QPushButton::clicked, this, "Command4_Click", [this] { Command4_Click(); });
    // Qt starts no tick of a timer while the previous one still runs, as it
    // does while a refused send shows its box: ticks never stack.
    on(Timer1, &QTimer::timeout, this, "Timer1_Timer", [this] { Timer1_Timer(); });
}

void frmMultiPrivados::Form_Load() { Actualiza_Usuarios(); }

void frmMultiPrivados::Actualiza_Usuarios()
{
    ListView1->clear();
    const ListView* users = frmIRC::instance()->ListView1;
    for (int i = 0; i < users->count(); ++i)
        ListView1->add(users->text(i));
}

void frmMultiPrivados::Command1_Click() { Actualiza_Usuarios(); }

void frmMultiPrivados::Command3_Click()
{
    Actualiza_Usuarios();
    for (int i = 0; i < ListView1->count(); ++i)
        ListView1->setChecked(i, true);
}

void frmMultiPrivados::Command4_Click()
{
    for (int i = 0; i < ListView1->count(); ++i)
        ListView1->setChecked(i, false);
}

void frmMultiPrivados::Command2_Click() { Timer1->start(); }

void frmMultiPrivados::Timer1_Timer()
{
    if (IndiceEnvio >= ListView1->count()) {
        endPass();
        return;
    }
    ++IndiceEnvio;
    bool sentToSelf = false;
    resumeNext("Timer1 entry", [&] {
        if (!ListView1->checked(IndiceEnvio - 1))
            return;
        NickEnvio = ListView1->text(IndiceEnvio - 1);
        frmIRC::instance()->SendMsg(Text1->text(), NickEnvio);
        sentToSelf = NickEnvio == NickGuardado;
    });
    if (sentToSelf)
        return;
    if (IndiceEnvio == ListView1->count())
        endPass();
    else
        Command2->setEnabled(false);
}

void frmMultiPrivados::endPass()
{
    IndiceEnvio = 0;
    Command2->setEnabled(true);
    Timer1->stop();
}
