// The registration window: the lines its buttons send to the service bots,
// Enter in its boxes, and its instruction texts.
#include "ConnectedClient.h"
#include "core/Function.h"
#include "core/frmIRC.h"
#include "platform/TextBox.h"
#include "windows/frmRegistrador.h"

#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

using namespace Function;

class Registro : public ConnectedClient {
protected:
    void SetUp() override
    {
        ConnectedClient::SetUp();
        irc->Command14->click();
        w = frmRegistrador::loadedInstance();
        ASSERT_NE(w, nullptr);
    }
    frmRegistrador* w = nullptr;
};

TEST_F(Registro, TheToolbarShowsIt)
{
    EXPECT_TRUE(irc->Command14->isEnabled());
    EXPECT_TRUE(w->isVisible());
    EXPECT_EQ(w->Caption(), QStringLiteral("Registro"));
    EXPECT_EQ(w->Frame1->title(), QStringLiteral("Registrar Nick"));
    EXPECT_EQ(w->Frame2->title(), QStringLiteral("Registrar Canal"));
    EXPECT_EQ(w->Text1->toolTip(), QStringLiteral("Tu correo/Your Mail"));
    EXPECT_EQ(w->Command4->text(), QStringLiteral("Registrar Sala"));
    EXPECT_EQ(w->Command4->toolTip(), QStringLiteral("Registrar Sala/Room Register"));
}

TEST_F(Registro, EachButtonSendsItsBotLineAsTyped)
{
    struct Case {
        const char* name;
        std::vector<std::pair<QLineEdit*, QString>> typed;
        QPushButton* button;
        QString sent;
    } cases[] = {
        {"mail", {{w->Text1, QStringLiteral("ana@correo.es")}}, w->Command1,
         QStringLiteral("PRIVMSG nick :register ana@correo.es")},
        {"empty mail", {{w->Text1, QString()}}, w->Command1, QStringLiteral("PRIVMSG nick :register ")},
        {"code", {{w->Text3, QStringLiteral("X7 9")}}, w->Command2, QStringLiteral("PRIVMSG nick :confirm X7 9")},
        {"empty code", {{w->Text3, QString()}}, w->Command2, QStringLiteral("PRIVMSG nick :confirm ")},
        {"password", {{w->Text2, QStringLiteral(" clave ")}}, w->Command3,
         QStringLiteral("PRIVMSG nick :set password  clave ")},
        {"room: name first, then password, session, description",
         {{w->Text5, QStringLiteral("tertulia")},
          {w->Text6, QStringLiteral("secreta")},
          {w->Text7, QStringLiteral("abierta")},
          {w->Text8, QStringLiteral("charla libre")}},
         w->Command4,
         QStringLiteral("PRIVMSG creg :registra  #tertulia secreta abierta charla libre")},
        {"room with a typed #",
         {{w->Text5, QStringLiteral("#tertulia")}, {w->Text6, QString()}, {w->Text7, QString()}, {w->Text8, QString()}},
         w->Command4,
         QStringLiteral("PRIVMSG creg :registra  ##tertulia   ")},
        {"room, every box empty",
         {{w->Text5, QString()}, {w->Text6, QString()}, {w->Text7, QString()}, {w->Text8, QString()}},
         w->Command4,
         QStringLiteral("PRIVMSG creg :registra  #   ")},
        {"a pasted line break stays inside the line",
         {{w->Text1, QStringLiteral("ana\r\nQUIT :x")}}, w->Command1,
         QStringLiteral("PRIVMSG nick :register ana  QUIT :x")},
    };
    for (const Case& c : cases) {
        for (const auto& [box, text] : c.typed)
            box->setText(text);
        c.button->click();
        ASSERT_TRUE(server.waitForLines(1)) << c.name;
        EXPECT_EQ(server.lines(), QStringList{c.sent}) << c.name;
        server.clearLines();
    }
    // Nothing is cleared after a send.
    EXPECT_EQ(w->Text5->text(), QString());
    EXPECT_EQ(w->Text3->text(), QString());
    EXPECT_EQ(w->Text1->text(), QStringLiteral("ana\r\nQUIT :x"));
}

TEST_F(Registro, EnterSendsFromTheMailBoxOnly)
{
    for (QLineEdit* b : {w->Text1, w->Text3, w->Text2, w->Text5, w->Text6, w->Text7, w->Text8})
        b->setText(QStringLiteral("valor"));
    // The other boxes first: a line from any of them would come before the mail's.
    for (QLineEdit* b : {w->Text3, w->Text2, w->Text5, w->Text6, w->Text7, w->Text8, w->Text1})
        QTest::keyClick(b, Qt::Key_Return);
    ASSERT_TRUE(server.waitForLines(1));
    EXPECT_EQ(server.lines().first(), QStringLiteral("PRIVMSG nick :register valor"));
}

TEST_F(Registro, TheInstructionTextsAsTheyStand)
{
    EXPECT_EQ(w->Instruciones->text(),
              QStringLiteral(
                  "Pasos para registrar el nick\r\n"
                  "Primero debes conectarte al chat, de esta manera te aseguras que el nick no este en uso. \r\n\r\r\n"
                  "Una Ves conectado al chat, Escribe tu mail valido en la caja de texto (En algunos servidores pide "
                  "que pongas contraseña antes del mail). El Registro varia de server al igual que la confirmacion "
                  "algunos servidores no requieresn confirmacion. \r\n"));
    EXPECT_EQ(w->Text4->text(),
              QStringLiteral("Pasos para registrar Una Sala\r\n"
                             "Primero debes conectarte al chat con un nick registrado, luego introduce el nombre de "
                             "la sala (Esta No debe tener espacios), la contraseña de usuario y, una breve "
                             "descripcion de la sala. \r\n\r\r\n"
                             "Una Ves completados los campos pasa a Pulsar el boton de Registrar Sala . \r\n"));
    // On screen the lone CR shows nothing: one empty line between the steps.
    const QStringList shown = w->Text4->toPlainText().split(u'\n');
    ASSERT_EQ(shown.size(), 5);
    EXPECT_EQ(shown[0], QStringLiteral("Pasos para registrar Una Sala"));
    EXPECT_EQ(shown[2], QString());
    EXPECT_TRUE(shown[3].startsWith(QStringLiteral("Una Ves")));
}

class RegistroDisconnected : public AppFixture {};

TEST_F(RegistroDisconnected, EveryLineIsRefusedWithTheSendBox)
{
    frmIRC::instance();
    frmRegistrador* w = frmRegistrador::instance();
    for (QPushButton* b : {w->Command1, w->Command2, w->Command3, w->Command4}) {
        expectSendRefused();
        b->click();
        dialogs.verify();
    }
}
