// The main window as a whole: start-up, the option flags, the marquee, the
// toolbar's actions and the two ways out.
#include "ConnectedClient.h"
#include "FileSizeLimit.h"
#include "core/Function.h"
#include "core/frmIRC.h"
#include "platform/Dialogs.h"
#include "platform/EventPump.h"
#include "platform/HtmlView.h"
#include "platform/ListView.h"
#include "platform/TcpClient.h"
#include "platform/ToggleButton.h"

#include <QElapsedTimer>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>

using namespace platform;
using namespace Function;

using StartUp = AppFixture;

TEST_F(StartUp, AFirstStartWithoutSettings)
{
    frmIRC* irc = frmIRC::instance();
    EXPECT_TRUE(VerMovimiento);
    EXPECT_TRUE(AutoScroll);
    EXPECT_TRUE(AlertaPrivados);
    EXPECT_FALSE(PublicarPrivados || AntiFlood || PrivadosEnChat || PrivadosEnVentanas || Invitaciones);
    EXPECT_EQ(NickGuardado, QString());
    EXPECT_EQ(TextoMarquesina, QStringLiteral(" ...Vexlo-TeaM iRc 2010 "));
    EXPECT_EQ(irc->txtSala->text(), TextoMarquesina);
    EXPECT_TRUE(irc->TextoBienvenida.startsWith(QStringLiteral(" Bienvenidos a esta nueva version del Vexlo-Trovelin   atento")));
    EXPECT_EQ(irc->DHTMLEdit1->documentHTML(),
              QStringLiteral("<body bgcolor='black'><center><img src='http://promo.vexlo-team.example/ClientePictures/"
                             "Parlowen(2).gif', width=470; height=400; top=0; left=0>"));
    EXPECT_TRUE(irc->Caption().startsWith(QStringLiteral("Vexlo-iRc-Trovelin-2. 010") + QString(52, u' ') +
                                          QStringLiteral("Vexlo-TeaM") + QString(57, u' ')));
    EXPECT_TRUE(irc->Marquesina->isActive());
    EXPECT_EQ(irc->Marquesina->interval(), 300);
    EXPECT_FALSE(QFile::exists(filePath(QStringLiteral("Parlowen.nt"))));
}

TEST_F(StartUp, EachToggleSwapsItsFlagAndCaptionAndShowsTheFlag)
{
    frmIRC* irc = frmIRC::instance();
    struct Case {
        ToggleButton* button;
        bool* flag;
        QString first, second;
        bool startValue;
    } cases[] = {
        {irc->Command18, &PublicarPrivados, QStringLiteral("Publicador On"), QStringLiteral("Publicador Off"), false},
        {irc->Command19, &AntiFlood, QStringLiteral("Antiflood On"), QStringLiteral("Antiflood Off"), false},
        {irc->Command20, &PrivadosEnChat, QStringLiteral("Privados en ventana"), QStringLiteral("Privados normales"), false},
        {irc->Command21, &PrivadosEnVentanas, QStringLiteral("Ventanas privadas On"), QStringLiteral("Ventanas privadas Off"), false},
        {irc->Command5, &Invitaciones, QStringLiteral("Invitacion On"), QStringLiteral("Invitacion Off"), false},
        {irc->Command26, &VerMovimiento, QStringLiteral("No ver movimiento de usuarios"), QStringLiteral("Ver movimiento de usuarios"), true},
        {irc->Command27, &AutoScroll, QStringLiteral("Scroll off"), QStringLiteral("Scroll on"), true},
    };
    // The caption names the next click; the checked look and the tooltip
    // name the flag as it is.
    auto expectShown = [](const Case& c, bool value, const QString& caption) {
        EXPECT_EQ(*c.flag, value) << caption.toStdString();
        EXPECT_EQ(c.button->text(), caption);
        EXPECT_EQ(c.button->isChecked(), value) << caption.toStdString();
        EXPECT_TRUE(c.button->toolTip().endsWith(value ? QStringLiteral("Estado: activado")
                                                       : QStringLiteral("Estado: desactivado")))
            << c.button->toolTip().toStdString();
    };
    for (const Case& c : cases) {
        expectShown(c, c.startValue, c.first);
        c.button->click();
        expectShown(c, !c.startValue, c.second);
        c.button->click();
        expectShown(c, c.startValue, c.first);
    }
}

TEST_F(StartUp, TheMarqueeTurnsOneCharacterATick)
{
    frmIRC* irc = frmIRC::instance();
    TextoMarquesina = QStringLiteral("sala ... 123");  // 12 characters
    irc->TextoBienvenida = QString();
    irc->Marquesina_Timer();
    EXPECT_EQ(irc->txtSala->text(), QStringLiteral("ala ... 123s"));
    for (int i = 1; i < 12; ++i)
        irc->Marquesina_Timer();
    EXPECT_EQ(TextoMarquesina, QStringLiteral("sala ... 123"));
    EXPECT_EQ(irc->Text1->text(), QString());
}

TEST_F(StartUp, EsperaHandlesEventsWhileItWaits)
{
    bool fired = false;
    QTimer::singleShot(100, [&] { fired = true; });
    QElapsedTimer clock;
    clock.start();
    Espera(0.5f);
    EXPECT_GE(clock.elapsed(), 490);
    EXPECT_TRUE(fired);
}

TEST_F(StartUp, ClearThenSaveWritesAnEmptyDocument)
{
    frmIRC* irc = frmIRC::instance();
    irc->New_msg(QStringLiteral("hola"));
    const QString file = home.path() + QStringLiteral("/charla.htm");
    dialogs.expectSaveFile(file);
    irc->Command8_Click();
    QFile saved(file);
    ASSERT_TRUE(saved.open(QIODevice::ReadOnly));
    EXPECT_EQ(QString::fromUtf8(saved.readAll()), irc->DHTMLEdit1->documentHTML() + QStringLiteral("\r\n"));
    saved.close();

    irc->Command7_Click();
    dialogs.expectSaveFile(file);
    irc->Command8_Click();
    ASSERT_TRUE(saved.open(QIODevice::ReadOnly));
    EXPECT_EQ(saved.readAll(), QByteArray("\r\n"));
    saved.close();

    // A write that fails midway keeps the conversation saved before.
    irc->New_msg(QString(200, u'x'));
    dialogs.expectSaveFile(file);
    dialogs.expectMsgBox(QStringLiteral("No se pudo guardar el archivo ") + file, vbCritical, QStringLiteral("Error"));
    {
        const FileSizeLimit limit(64);
        ASSERT_TRUE(limit.active());
        irc->Command8_Click();
    }
    ASSERT_TRUE(saved.open(QIODevice::ReadOnly));
    EXPECT_EQ(saved.readAll(), QByteArray("\r\n"));
    saved.close();

    // Cancelled: nothing is written.
    QFile::remove(file);
    dialogs.expectSaveFile(QString());
    irc->Command8_Click();
    EXPECT_FALSE(QFile::exists(file));
}

TEST_F(StartUp, CopyPutsTheStatusBoxOnTheClipboard)
{
    frmIRC* irc = frmIRC::instance();
    irc->display(QStringLiteral("uno"));
    irc->display(QStringLiteral("dos"));
    irc->Label3_Click();
    EXPECT_EQ(desktop.clipboard, QStringLiteral("uno\ndos\n"));
}

TEST_F(StartUp, ToolbarButtons)
{
    frmIRC* irc = frmIRC::instance();
    dialogs.expectMsgBox(QStringLiteral("No puedes ejecutar comandos de Operador, no tienes o no estas autorizado a ese "
                                        "nivel."),
                         vbInformation, QStringLiteral("Mensaje de Cliente"));
    irc->Command16->click();
    irc->Command30->click();
    irc->Command31->click();
    EXPECT_EQ(desktop.opened, (QStringList{QStringLiteral("http://www.vexlo-team.example"),
                                           QStringLiteral("http://www.vexlo-team.example/Vexlo-Foro/index.php")}));
    // Closing without a connection does nothing.
    irc->Command10->click();
    EXPECT_EQ(desktop.ended, 0);
}

TEST_F(StartUp, ClosingWhileNeverConnectedAsksFirst)
{
    frmIRC* irc = frmIRC::instance();
    dialogs.expectMsgBox(QStringLiteral("¿Desea terminar la aplicacion?"), vbYesNoQuestion,
                         QStringLiteral("Confirme por favor"), vbNo);
    EXPECT_FALSE(irc->Unload());
    EXPECT_EQ(desktop.ended, 0);
    dialogs.expectMsgBox(QStringLiteral("¿Desea terminar la aplicacion?"), vbYesNoQuestion,
                         QStringLiteral("Confirme por favor"), vbYes);
    irc->close();
    EXPECT_EQ(desktop.ended, 1);
}

using Shutdown = ConnectedClient;

TEST_F(Shutdown, ConnectedAndConfirmedSendsQuitWaitsAndEnds)
{
    server.sends(QStringLiteral(":srv 353 yo = #sala :ana luis"));
    sync();
    dialogs.expectMsgBox(QStringLiteral("Deseas Desconectar y Salir?"), vbYesNoQuestion, QStringLiteral("Confirma Por Favor"),
                         vbNo);
    EXPECT_FALSE(irc->Unload());
    dialogs.expectMsgBox(QStringLiteral("Deseas Desconectar y Salir?"), vbYesNoQuestion, QStringLiteral("Confirma Por Favor"),
                         vbYes);
    QElapsedTimer clock;
    clock.start();
    irc->Unload();
    EXPECT_GE(clock.elapsed(), 490);
    EXPECT_EQ(desktop.ended, 1);
    EXPECT_TRUE(server.clientSent(QStringLiteral("QUIT :Vexlo-iRc-Trovelin [www.vexlo-team.example Bye :D ]")));
    EXPECT_EQ(irc->ListView1->count(), 0);
    EXPECT_EQ(irc->lstUsers->count(), 0);
    EXPECT_TRUE(irc->DHTMLEdit1->documentHTML().endsWith(
        QStringLiteral("Has Desconectado el Trovelin</b></font></center></font></b></u><br>\n")));
}

TEST_F(Shutdown, AClosedSocketGetsNoQuitButTheProgramStillEnds)
{
    irc->sockIRC->Close();
    dialogs.expectMsgBox(QStringLiteral("Deseas Desconectar y Salir?"), vbYesNoQuestion, QStringLiteral("Confirma Por Favor"),
                         vbYes);
    irc->Unload();
    EXPECT_EQ(desktop.ended, 1);
    EXPECT_FALSE(QString::fromUtf8(server.rawReceived()).contains(QStringLiteral("QUIT")));
}

TEST_F(Shutdown, CerrarEndsWithoutAQuitLine)
{
    dialogs.expectMsgBox(QStringLiteral("Deseas Desconectar y Cerrar?"), vbYesNoQuestion, QStringLiteral("Confirma Por Favor"),
                         vbNo);
    irc->Command10->click();
    EXPECT_EQ(desktop.ended, 0);
    dialogs.expectMsgBox(QStringLiteral("Deseas Desconectar y Cerrar?"), vbYesNoQuestion, QStringLiteral("Confirma Por Favor"),
                         vbYes);
    irc->Command10->click();
    EXPECT_EQ(desktop.ended, 1);
    sync();
    EXPECT_FALSE(QString::fromUtf8(server.rawReceived()).contains(QStringLiteral("QUIT")));
}
