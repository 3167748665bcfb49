// The connect dialog driven through its handlers, on server settings files
// written to a temporary program folder.
#include "AppFixture.h"
#include "FakeServer.h"
#include "ListEntries.h"
#include "core/Function.h"
#include "core/frmDialog.h"
#include "core/frmIRC.h"
#include "platform/Dialogs.h"
#include "platform/HtmlView.h"
#include "platform/ListView.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTest>

using namespace platform;
using namespace Function;

class ConnectDialog : public AppFixture {
protected:
    void writeIni(const QByteArray& text) { writeFile(QStringLiteral("Parlowen.ini"), text); }

    frmDialog* load()
    {
        frmDialog* d = frmDialog::instance();
        return d;
    }

    FakeServer server;
};

TEST_F(ConnectDialog, ListsAreasInFileOrderAndRoomsInTheirOrder)
{
    writeIni("[Norte]\r\nLOGINSERVER=norte.red\r\nLOGINPORT=6667\r\nROOMS=Uno:1\r\n"
             "[Centro],comentario\r\nloginserver = 127.0.0.1 \r\nLoginPort=0099\r\n"
             "ROOMS=Amigos:a;SinValor;Musica:b:c;  Cine:d\r\n"
             "[Sur]\r\nLOGINSERVER=sur.red\r\nLOGINPORT=7000\r\nROOMS=Playa:p\r\n");
    frmDialog* d = load();
    EXPECT_EQ(boxItems(*d->List1), (QStringList{QStringLiteral("Norte"), QStringLiteral("Centro"), QStringLiteral("Sur")}));
    EXPECT_EQ(Secciones[2], QStringLiteral("Centro"));
    EXPECT_FALSE(d->cmdOk->isEnabled());

    d->List1_Click(1);
    EXPECT_EQ(boxItems(*d->List2), (QStringList{QStringLiteral("Amigos"), QStringLiteral("Musica"), QStringLiteral("  Cine")}));
    EXPECT_EQ(Servidores[1].Salas[1].Valor, QStringLiteral("b:c"));
    EXPECT_EQ(Servidores[1].NombresSalas, QStringLiteral(":Amigos:Musica:  Cine"));
    EXPECT_EQ(d->cmbServer->text(), QStringLiteral("127.0.0.1"));
    EXPECT_EQ(d->txtPort->text(), QStringLiteral("99"));
    EXPECT_TRUE(d->List2->isVisibleTo(d));
    EXPECT_FALSE(d->List1->isVisibleTo(d));

    d->Command1_Click();
    EXPECT_TRUE(d->List1->isVisibleTo(d));
    EXPECT_FALSE(d->List2->isVisibleTo(d));
}

TEST_F(ConnectDialog, ChoosingARoomConnectsAtOnce)
{
    // The port written with leading zeros, as a file may hold it.
    writeIni(QStringLiteral("[Local]\r\nLOGINSERVER=127.0.0.1\r\nLOGINPORT=00%1\r\nROOMS=Charla:x;Tertulia:y\r\n")
                 .arg(server.port())
                 .toLatin1());
    frmDialog* d = load();
    d->txtNick->setText(QStringLiteral(" pepe "));
    d->txtAlt->setText(QStringLiteral("pepe_"));
    d->TxtPass->setText(QStringLiteral("  clave "));
    d->List1_Click(0);
    EXPECT_EQ(MiNick, QStringLiteral("pepe"));
    EXPECT_EQ(NickAnterior, QStringLiteral("pepe_"));

    // A nick typed after the area was chosen is saved, but the connection
    // keeps the nick taken at the choice.
    d->txtNick->setText(QStringLiteral("otro"));
    d->TxtPass->setText(QStringLiteral("  clave "));
    frmIRC* irc = frmIRC::instance();
    d->List2_Click(0);

    EXPECT_EQ(CanalActual, QStringLiteral("#charla"));
    EXPECT_EQ(ServidorIRC, QStringLiteral("127.0.0.1"));
    EXPECT_EQ(PuertoIRC, server.port());
    EXPECT_EQ(PassIRC, QStringLiteral("clave"));
    EXPECT_EQ(TextoMarquesina, QStringLiteral("charla ... "));
    EXPECT_EQ(irc->DHTMLEdit1->documentHTML(), QString());
    EXPECT_EQ(frmDialog::loadedInstance(), nullptr) << "connecting unloads the dialog";

    ASSERT_TRUE(server.waitForLines(3));
    EXPECT_EQ(server.lines().mid(0, 2), (QStringList{QStringLiteral("PASS clave"), QStringLiteral("NICK pepe")}));
    EXPECT_EQ(NickGuardado, QStringLiteral("otro"));
    EXPECT_EQ(PassGuardado, QStringLiteral("  clave "));
    const QByteArray saved = readFile(QStringLiteral("Parlowen.nt"));
    EXPECT_TRUE(saved.startsWith("Nick=otro\r\nPassword=  clave \r\n")) << saved.toStdString();
    EXPECT_TRUE(saved.contains("\r\nAlterno=pepe_\r\n"));
    EXPECT_EQ(irc->txtNick->text(), QStringLiteral("pepe"));
    EXPECT_EQ(irc->txtChannel->text(), QStringLiteral("#charla"));
}

TEST_F(ConnectDialog, TheRoomComesInLowerCaseWithItsHash)
{
    writeIni(QStringLiteral("[A]\r\nLOGINSERVER=127.0.0.1\r\nLOGINPORT=%1\r\nROOMS=Gran Sala :v\r\n")
                 .arg(server.port())
                 .toLatin1());
    frmDialog* d = load();
    d->List1_Click(0);
    d->TxtPass->clear();
    d->List2_Click(0);
    EXPECT_EQ(CanalActual, QStringLiteral("#gran sala"));
    EXPECT_EQ(PassIRC, QString());
}

TEST_F(ConnectDialog, TheSavedPasswordShowsAndANewNickEmptiesIt)
{
    NickGuardado = QStringLiteral("pepe");
    AlternoGuardado = QStringLiteral("pepe_");
    PassGuardado = QStringLiteral("clave");
    writeIni("[A]\r\nLOGINSERVER=h\r\nLOGINPORT=1\r\nROOMS=a:b\r\n");
    frmDialog* d = load();
    EXPECT_EQ(d->txtNick->text(), QStringLiteral("pepe"));
    EXPECT_EQ(d->txtAlt->text(), QStringLiteral("pepe_"));
    EXPECT_EQ(d->TxtPass->text(), QStringLiteral("clave"));
    d->txtNick->setText(QStringLiteral("pepa"));
    EXPECT_EQ(d->TxtPass->text(), QString());
}

TEST_F(ConnectDialog, ThePortBoxTakesDigitsOnly)
{
    writeIni("[A]\r\nLOGINSERVER=h\r\nLOGINPORT=1\r\nROOMS=a:b\r\n");
    frmDialog* d = load();
    d->txtPort->clear();
    QTest::keyClicks(d->txtPort, QStringLiteral("6a6-6 7."));
    EXPECT_EQ(d->txtPort->text(), QStringLiteral("6667"));
    QTest::keyClick(d->txtPort, Qt::Key_Backspace);
    EXPECT_EQ(d->txtPort->text(), QStringLiteral("666"));
}

TEST(Ports, WholeNumbersFromOneTo65535)
{
    struct Case {
        QString text;
        quint16 port;
    } cases[] = {
        {QStringLiteral("6667"), 6667}, {QStringLiteral("007000"), 7000}, {QStringLiteral("65535"), 65535},
        {QStringLiteral(" 32768 "), 32768}, {QStringLiteral("0000000000080"), 80},
        {QStringLiteral("65536"), 0}, {QStringLiteral("99999999999"), 0}, {QStringLiteral("0"), 0},
        {QStringLiteral("-1"), 0}, {QStringLiteral("abc"), 0}, {QStringLiteral("66 67"), 0}, {QString(), 0},
    };
    for (const Case& c : cases)
        EXPECT_EQ(PuertoDeTexto(c.text), c.port) << '"' << c.text.toStdString() << '"';
}

TEST_F(ConnectDialog, APortThatIsNoPortTriesNoConnection)
{
    writeIni("[A]\r\nLOGINSERVER=127.0.0.1\r\nLOGINPORT=70000\r\nROOMS=a:b\r\n");
    frmDialog* d = load();
    d->List1_Click(0);
    EXPECT_EQ(d->txtPort->text(), QStringLiteral("70000"));
    dialogs.expectMsgBox(QStringLiteral("El puerto \"70000\" no es valido: debe ser un numero de 1 a 65535."),
                         vbInformation, QStringLiteral("Error"));
    d->List2_Click(0);
    dialogs.verify();
    EXPECT_EQ(CanalActual, QString());
    EXPECT_NE(frmDialog::loadedInstance(), nullptr);
    EXPECT_EQ(desktop.ended, 0);
}

TEST_F(ConnectDialog, AMissingKeyEndsTheProgramAfterTwoBoxes)
{
    writeIni("[Uno]\r\nLOGINSERVER=a\r\nLOGINPORT=1\r\nROOMS=x:y\r\n[Dos]\r\nLOGINSERVER=b\r\nLOGINPORT=\r\nROOMS=x:y\r\n");
    dialogs
        .expectMsgBox(QStringLiteral("Vexlo-iRc a detectado un error en el archivo Vexlo-iRc.INI\r\nal intentar acceder a "
                                     "la sección Dos.\r\n\r\nCompruebe el error y vuelva a iniciar el programa."),
                      vbCritical, QStringLiteral("Error en archivo!"))
        .expectMsgBox(QStringLiteral("Esta aplicación no puede continuar y se cerrará."), vbCritical,
                      QStringLiteral("Finalizando..."));
    load();
    dialogs.verify();
    EXPECT_EQ(desktop.ended, 1);
}

TEST_F(ConnectDialog, AMissingFileShowsTheDialogWithoutAreas)
{
    QFile::remove(filePath(QStringLiteral("Parlowen.ini")));
    dialogs.expectMsgBox(QStringLiteral("No se puede leer el archivo ") + filePath(QStringLiteral("Parlowen.ini")),
                         vbCritical, QStringLiteral("Error en archivo!"));
    frmDialog* d = load();
    dialogs.verify();
    EXPECT_EQ(d->List1->count(), 0);
    EXPECT_EQ(desktop.ended, 0);
}

TEST_F(ConnectDialog, OnlyThirtyAreasAreListed)
{
    QByteArray ini;
    for (int i = 1; i <= 32; ++i)
        ini += "[Area" + QByteArray::number(i) + "]\r\nLOGINSERVER=h\r\nLOGINPORT=1\r\nROOMS=a:b\r\n";
    ini += "[Rota]\r\n";  // never read: it lies past the thirtieth area
    writeIni(ini);
    frmDialog* d = load();
    EXPECT_EQ(d->List1->count(), 30);
    EXPECT_EQ(d->List1->item(29), QStringLiteral("Area30"));
    EXPECT_EQ(desktop.ended, 0);
}

TEST_F(ConnectDialog, TheShippedFileListsTheLocalNetwork)
{
    frmDialog* d = load();
    ASSERT_GE(d->List1->count(), 1);
    d->List1_Click(0);
    EXPECT_EQ(d->cmbServer->text(), QStringLiteral("127.0.0.1"));
    EXPECT_EQ(d->txtPort->text(), QStringLiteral("6667"));
    EXPECT_GE(d->List2->count(), 4);
}

TEST_F(ConnectDialog, CloseApplicationAsksTheMainWindowToConfirm)
{
    writeIni("[A]\r\nLOGINSERVER=h\r\nLOGINPORT=1\r\nROOMS=a:b\r\n");
    frmIRC::instance();
    frmDialog* d = load();
    dialogs.expectMsgBox(QStringLiteral("¿Desea terminar la aplicacion?"), vbYesNoQuestion,
                         QStringLiteral("Confirme por favor"), vbNo);
    d->cmdCancel_Click();
    dialogs.verify();
    EXPECT_NE(frmIRC::loadedInstance(), nullptr);
    EXPECT_EQ(frmDialog::loadedInstance(), nullptr);
    EXPECT_EQ(desktop.ended, 0);
}
