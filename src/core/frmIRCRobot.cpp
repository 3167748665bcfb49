// The robot: the entries of a text file posted into the main room one a
// second, as if the user had typed them.
#include "core/Function.h"
#include "core/frmIRC.h"
#include "platform/AppFiles.h"
#include "platform/Dialogs.h"
#include "platform/Handlers.h"
#include "platform/ListView.h"
#include "platform/ToggleButton.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QPushButton>
#include <QScopedValueRollback>
#include <QTimer>

using namespace platform;
using namespace Function;

QGroupBox* frmIRC::buildRobot()
{
    Frame5 = new QGroupBox(QStringLiteral("Robot"));
    Frame5->setObjectName(QStringLiteral("Frame5"));
    auto* grid = new QGridLayout(Frame5);
    grid->setContentsMargins(6, 6, 6, 6);
    grid->setSpacing(4);
    List1 = new ListBox;
    List1->setObjectName(QStringLiteral("List1"));
    // About as tall as the private line's boxes, which share its place.
    List1->setMinimumHeight(40);
    List1->setMaximumHeight(72);
    Command22 = button(QStringLiteral("Abrir"), QStringLiteral("Abre archivo de  texto/ Open Text file"), "Command22");
    Command23 = button(QStringLiteral("Limpiar"), QStringLiteral("Limpiar Robot/ Cleaning Robot"), "Command23");
    // Its lamp is lit while the robot runs.
    Command24 = toggle(QStringLiteral("Iniciar"), QStringLiteral("Iniciar"), QStringLiteral("Inicia Robot/Start Robot"),
                       "Command24");
    Command25 = button(QStringLiteral("Detener"), QStringLiteral("Detener Robot/Stop Robot"), "Command25");
    grid->addWidget(List1, 0, 0, 1, 2);
    grid->addWidget(Command22, 1, 0);
    grid->addWidget(Command23, 1, 1);
    grid->addWidget(Command24, 2, 0);
    grid->addWidget(Command25, 2, 1);
    return Frame5;
}

void frmIRC::connectRobotHandlers()
{
    Timer2 = new QTimer(this);
    Timer2->setInterval(1500);
    on(Timer2, &QTimer::timeout, this, "Timer2_Timer", [this] { Timer2_Timer(); });
    on(Command22, &QPushButton::clicked, this, "Command22_Click", [this] { Command22_Click(); });
    on(Command23, &QPushButton::clicked, this, "Command23_Click", [this] { Command23_Click(); });
    on(Command24, &QPushButton::clicked, this, "Command24_Click", [this] { Command24_Click(); });
    on(Command25, &QPushButton::clicked, this, "Command25_Click", [this] { Command25_Click(); });
}

void frmIRC::Command22_Click()
{
    // The robot's own file name: the chat's "Guardar" keeps another.
    const QString file = dialogs().openFileName(QStringLiteral("Solo archivos de texto  (*.txt)"),
                                                QStringLiteral("Cargar Robot"),
                                                robotFile_.isEmpty() ? AppPath() : robotFile_);
    if (file.isEmpty())
        return;
    robotFile_ = file;
    // Removing the banner runs the event pump: a tick then would see a
    // half-loaded list, post from it or stop at its end.
    const QScopedValueRollback loading(robotBusy_, true);
    List1->clear();
    CargaRobot(file, *List1);
}

void frmIRC::Command23_Click() { List1->clear(); }

void frmIRC::Command24_Click()
{
    Timer2->start();
    Command24->setOn(true);
}

void frmIRC::Command25_Click()
{
    Timer2->stop();
    Command24->setOn(false);
}

void frmIRC::Timer2_Timer()
{
    // A step still waiting in a box (a line that send refused) holds back the next.
    if (robotBusy_)
        return;
    const QScopedValueRollback stepping(robotBusy_, true);
    Timer2->setInterval(1000);
    const int next = List1->listIndex() + 1;
    if (next >= List1->count()) {  // an empty list, or its last entry chosen by hand
        stopRobot();
        return;
    }
    List1->setListIndex(next);
    QString text = List1->item(next);
    if (!text.isEmpty() && Conectado)
        RoomMsg(text, CanalActual);
    if (List1->listIndex() == List1->count() - 1)
        stopRobot();
}

// The next start begins again with the first entry.
void frmIRC::stopRobot()
{
    List1->setListIndex(-1);
    Command25_Click();
}
