// The auto-answer: what it sends, to whom, and when it keeps quiet. The own
// nick is "yo"; private windows are off, as at every start.
#include "ConnectedClient.h"
#include "core/Function.h"
#include "core/frmIRC.h"
#include "platform/Text.h"
#include "windows/frmContestador.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpression>

using namespace Function;

class AutoAnswer : public ConnectedClient {
protected:
    frmContestador* on(const QString& text)
    {
        frmContestador* w = frmContestador::instance();
        w->Text1->setPlainText(text);
        w->Check1->setChecked(true);
        return w;
    }
};

TEST_F(AutoAnswer, EachSenderGetsTheirOwnNickAndTheTimeAndTheTextStaysAsWritten)
{
    const QString text = QStringLiteral("Hola (USUARIO), son las (HORA). (usuario) (hora) (USUARIO)");
    frmContestador* w = on(text);
    server.sends(QStringLiteral(":ana!a@h PRIVMSG yo :hola"));
    server.sends(QStringLiteral(":bea!b@h PRIVMSG yo :buenas"));
    const QStringList lines = sentLines();
    ASSERT_EQ(lines.size(), 2) << lines.join(u'\n').toStdString();
    const QString time = QStringLiteral("\\d\\d:\\d\\d:\\d\\d");
    for (const auto& [line, nick] : {std::pair(lines[0], QStringLiteral("ana")), std::pair(lines[1], QStringLiteral("bea"))})
        EXPECT_TRUE(QRegularExpression(QStringLiteral("^PRIVMSG %1 : Hola %1, son las (%2)\\. \\(usuario\\) \\(hora\\) %1$")
                                           .arg(nick, time))
                        .match(line)
                        .hasMatch())
            << line.toStdString();
    EXPECT_EQ(w->Text1->toPlainText(), text);
    EXPECT_FALSE(w->isVisible()) << "read by the dispatcher, loaded hidden";
}

TEST_F(AutoAnswer, TheBoxSwitchesItAndItsCaptionNamesTheNextClick)
{
    frmContestador* w = frmContestador::instance();
    EXPECT_EQ(w->Check1->text(), QStringLiteral("Activar Contestadora"));
    EXPECT_FALSE(w->Check1->isChecked()) << "off at every start";
    w->Text1->setPlainText(QStringLiteral("ocupado"));
    server.sends(QStringLiteral(":ana!a@h PRIVMSG yo :hola"));
    EXPECT_TRUE(sentLines().isEmpty());

    w->Check1->click();
    EXPECT_EQ(w->Check1->text(), QStringLiteral("Desactivar"));
    server.sends(QStringLiteral(":ana!a@h PRIVMSG yo :hola"));
    EXPECT_EQ(sentLines(), QStringList{QStringLiteral("PRIVMSG ana : ocupado")});

    w->Check1->click();
    EXPECT_EQ(w->Check1->text(), QStringLiteral("Activar"));
    server.sends(QStringLiteral(":bea!b@h PRIVMSG yo :hola"));
    EXPECT_TRUE(sentLines().isEmpty());
}

TEST_F(AutoAnswer, ItAnswersOnlyWhatReachesTheEndOfThePrivateBranch)
{
    on(QStringLiteral("ocupado"));
    const struct {
        bool enVentanas, enChat, publicar;
        QStringList expected;
    } cases[] = {
        {true, false, false, {}},
        {false, true, false, {QStringLiteral("PRIVMSG ana : ocupado")}},
        {false, false, true, {QStringLiteral("PRIVMSG #sala :[ana ] Te Comenta Por Privado :  hola"),
                              QStringLiteral("PRIVMSG ana : ocupado")}},
    };
    for (const auto& c : cases) {
        PrivadosEnVentanas = c.enVentanas;
        PrivadosEnChat = c.enChat;
        PublicarPrivados = c.publicar;
        frmContestador::instance()->Respondidos.clear();
        server.sends(QStringLiteral(":ana!a@h PRIVMSG yo :hola"));
        QStringList lines = sentLines();
        for (QString& l : lines)
            l.remove(platform::Chr(15));
        EXPECT_EQ(lines, c.expected) << c.enVentanas << c.enChat << c.publicar;
    }
}

TEST_F(AutoAnswer, NeverTheOwnNickNorACtcpAndEachSenderOnceAMinute)
{
    frmContestador* w = on(QStringLiteral("ocupado"));
    const QString ctcp = platform::Chr(1) + QStringLiteral("VERSION") + platform::Chr(1);
    server.sends(QStringLiteral(":yo!y@h PRIVMSG yo :eco"));
    server.sends(QStringLiteral(":YO!y@h PRIVMSG yo :eco"));
    server.sends(QStringLiteral(":ana!a@h PRIVMSG yo :") + ctcp);
    server.sends(QStringLiteral(":ana!a@h PRIVMSG yo :uno"));
    server.sends(QStringLiteral(":ana!a@h PRIVMSG yo :dos"));
    server.sends(QStringLiteral(":Ana!a@h PRIVMSG yo :tres"));
    EXPECT_EQ(sentLines(), QStringList{QStringLiteral("PRIVMSG ana : ocupado")});

    // A minute later she is answered again.
    w->Respondidos[QStringLiteral("ana")] -= frmContestador::kPausa;
    server.sends(QStringLiteral(":ana!a@h PRIVMSG yo :cuatro"));
    EXPECT_EQ(sentLines(), QStringList{QStringLiteral("PRIVMSG ana : ocupado")});

    // An empty answer sends nothing.
    w->Text1->setPlainText(QStringLiteral("  "));
    server.sends(QStringLiteral(":bea!b@h PRIVMSG yo :hola"));
    EXPECT_TRUE(sentLines().isEmpty());
}

TEST_F(AutoAnswer, AceptarKeepsTheTextInTheSettingsAndHides)
{
    irc->Command6->click();
    frmContestador* w = frmContestador::loadedInstance();
    ASSERT_NE(w, nullptr);
    EXPECT_TRUE(w->isVisible()) << "the toolbar's \"Contestadora\" opens it";
    w->Check1->setChecked(true);
    w->Text1->setPlainText(QStringLiteral("Vuelvo a las (HORA), (USUARIO)"));
    w->Command1->click();
    EXPECT_FALSE(w->isVisible());
    EXPECT_TRUE(w->Check1->isChecked()) << "hidden, not unloaded";
    EXPECT_EQ(TextoContestadora, QStringLiteral("Vuelvo a las (HORA), (USUARIO)"));
    EXPECT_TRUE(readFile(QStringLiteral("Parlowen.nt")).contains("\r\nContestadora=Vuelvo a las (HORA), (USUARIO)"));

    server.sends(QStringLiteral(":ana!a@h PRIVMSG yo :hola"));
    ASSERT_EQ(sentLines().size(), 1);
    w->Unload();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    frmContestador* fresh = frmContestador::instance();
    EXPECT_EQ(fresh->Text1->toPlainText(), QStringLiteral("Vuelvo a las (HORA), (USUARIO)"));
    EXPECT_FALSE(fresh->Check1->isChecked());
}
