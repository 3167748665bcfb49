// Private windows: the partner in the caption, the conversation as it came
// and as FormatoHTML shows the whole of it, the send line, and the first
// line of a new partner announced by an alert while lines keep flowing.
// The own nick is "yo".
#include "AlertWatch.h"
#include "ConnectedClient.h"
#include "core/Function.h"
#include "core/frmIRC.h"
#include "platform/ClickLabel.h"
#include "platform/HtmlView.h"
#include "platform/Text.h"
#include "windows/frmAlert.h"
#include "windows/frmPrivado.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTest>

using namespace platform;
using namespace Function;

class PrivateWindow : public ConnectedClient {
protected:
    frmPrivado* window(const QString& nick)
    {
        auto* w = new frmPrivado;
        VentanasPrivado.add(w);
        w->Load();
        w->setCaption(frmPrivado::captionFor(nick));
        return w;
    }
    static QString in(const QString& nick, const QString& text)
    {
        return Chr(2) + u' ' + nick + QStringLiteral(" : ") + Chr(15) + text + QStringLiteral("<br>");
    }
    static QString own(const QString& text) { return Chr(2) + QStringLiteral("yo : ") + Chr(15) + text + QStringLiteral("<br>"); }
    static void expectWholeDocument(frmPrivado* w)
    {
        QString store = w->RichTextBox1;
        EXPECT_EQ(w->DHTML->documentHTML(), FormatoHTML(store));
    }
};

TEST_F(PrivateWindow, LinesNameTheWindowAfterThePartnerAndKeepTheirLayouts)
{
    frmPrivado* w = window(QStringLiteral("ana"));
    EXPECT_EQ(w->windowStateValue(), vbMinimized) << "a new window loads minimised";
    w->nuevomsg(QStringLiteral("Ana"), QStringLiteral("hola"));
    EXPECT_EQ(w->Caption(), QStringLiteral("Privado Con : Ana"));
    w->nuevomsg(QStringLiteral("yo"), QStringLiteral("eco"));
    EXPECT_EQ(w->Caption(), QStringLiteral("Privado Con : Ana")) << "the own nick names no window";
    w->Text1->setText(QStringLiteral("que tal"));
    w->Command1->click();
    EXPECT_TRUE(server.clientSent(QStringLiteral("PRIVMSG Ana : que tal")));
    EXPECT_EQ(w->RichTextBox1, in("Ana", "hola") + in("yo", "eco") + own("que tal"));
    EXPECT_TRUE(w->Text1->text().isEmpty());
    expectWholeDocument(w);
}

TEST_F(PrivateWindow, AnEmptyBoxOrAShortCaptionSendsNothingButTheOwnLineIsShown)
{
    const struct {
        const char* caption;
        const char* text;
    } cases[] = {
        {"Privado Con : ana", ""},
        {"Privado Con : ana", "   "},
        {"Privado Con :", "hola"},
        {"", "hola"},
    };
    for (const auto& c : cases) {
        frmPrivado* w = window(QString());
        w->setCaption(QString::fromLatin1(c.caption));
        w->Text1->setText(QString::fromLatin1(c.text));
        w->Command1->click();
        EXPECT_EQ(w->RichTextBox1, own(QString::fromLatin1(c.text))) << c.caption << "|" << c.text;
    }
    sync();
    EXPECT_TRUE(server.lines().isEmpty()) << server.lines().join(u'\n').toStdString();
}

TEST_F(PrivateWindow, EnterSendsTheLine)
{
    frmPrivado* w = window(QStringLiteral("ana"));
    w->setWindowStateValue(vbNormal);
    w->Show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(w));
    w->Text1->setFocus();
    QTest::keyClicks(w->Text1, QStringLiteral("hola"));
    QTest::keyClick(w->Text1, Qt::Key_Return);
    EXPECT_TRUE(server.clientSent(QStringLiteral("PRIVMSG ana : hola")));
    EXPECT_EQ(w->RichTextBox1, own("hola"));
    EXPECT_TRUE(w->Text1->text().isEmpty());
}

TEST_F(PrivateWindow, TheDocumentIsFormatoHTMLOfTheWholeConversation)
{
    PrivadosEnVentanas = true;
    AlertaPrivados = false;
    const QString c3 = Chr(3), b = Chr(2), u = Chr(31);
    receive({QStringLiteral(":ana!a@h PRIVMSG yo :") + c3 + QStringLiteral("4,12rojo sobre azul ") + b + QStringLiteral("y negrita"),
             QStringLiteral(":ana!a@h PRIVMSG yo :") + c3 + QStringLiteral("7el fondo sigue :) //07"),
             QStringLiteral(":ana!a@h PRIVMSG yo :") + u + QStringLiteral("subrayado <b>")});
    frmPrivado* w = VentanasPrivado.first(frmPrivado::captionFor(QStringLiteral("ana")));
    ASSERT_NE(w, nullptr);
    w->Text1->setText(b + QStringLiteral("mio") + c3 + QStringLiteral("3"));
    w->Command1->click();
    // A Chr(3) that no code reads stays, and a later code takes it.
    receive({QStringLiteral(":ana!a@h PRIVMSG yo :") + c3 + c3 + QStringLiteral("05 raro"),
             QStringLiteral(":ana!a@h PRIVMSG yo :") + c3 + QStringLiteral("05 lo encuentra"),
             QStringLiteral(":ana!a@h PRIVMSG yo :fin")});
    EXPECT_EQ(w->RichTextBox1.count(QStringLiteral("<br>")), 7);
    EXPECT_TRUE(w->RichTextBox1.contains(QStringLiteral("subrayado &lt;b&gt;")));
    expectWholeDocument(w);
}

TEST_F(PrivateWindow, TypedAngleBracketsAreShownNotTakenForTags)
{
    frmPrivado* w = window(QStringLiteral("ana"));
    w->Text1->setText(QStringLiteral("<!-- mira"));
    w->Command1->click();
    EXPECT_TRUE(server.clientSent(QStringLiteral("PRIVMSG ana : <!-- mira"))) << "sent as typed";
    w->nuevomsg(QStringLiteral("ana"), QStringLiteral("se ve"));
    EXPECT_EQ(w->RichTextBox1, own("&lt;!-- mira") + in("ana", "se ve"));
    expectWholeDocument(w);
}

TEST_F(PrivateWindow, ALongConversationIsScrolledToItsRealEnd)
{
    frmPrivado* w = window(QStringLiteral("ana"));
    w->setWindowStateValue(vbNormal);
    w->Show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(w));
    // Far more than 99999 pixels of lines.
    for (int n = 0; n < 8000; ++n)
        w->nuevomsg(QStringLiteral("ana"), QStringLiteral("linea %1").arg(n));
    QCoreApplication::processEvents();
    EXPECT_TRUE(w->DHTML->isAtEnd());
    const QRect last = w->DHTML->blockRect(w->DHTML->blockCount() - 1);
    ASSERT_FALSE(last.isEmpty()) << "the last line is on screen";
    EXPECT_LE(last.bottom(), w->DHTML->viewport()->height());
}

TEST_F(PrivateWindow, ANewPartnersLinesKeepTheirOrderAndPingsTheirAnswerWhileTheAlertIsUp)
{
    PrivadosEnVentanas = true;
    AlertWatch watch;
    bool answered = false;
    QString duringAlert;
    watch.whileShown([&](frmAlert* alert) {
        AlertWatch::freeze(alert);
        server.sends(QStringLiteral(":ana!a@h PRIVMSG yo :segunda"));
        server.sends(QStringLiteral("PING :alerta"));
        answered = server.clientSent(QStringLiteral("PONG :alerta"));
        duringAlert = VentanasPrivado.first(frmPrivado::captionFor(QStringLiteral("ana")))->RichTextBox1;
        EXPECT_TRUE(alert->isVisible());
        QTest::mouseClick(alert->Label1, Qt::LeftButton);
    });
    receive({QStringLiteral(":ana!a@h PRIVMSG yo :primera")});
    EXPECT_TRUE(answered);
    ASSERT_EQ(watch.shown().size(), 1u) << "one alert for one new partner";
    EXPECT_EQ(watch.shown()[0].title, QStringLiteral("Privado Con : ana"));
    EXPECT_EQ(watch.shown()[0].message, QStringLiteral("primera"));
    EXPECT_EQ(duringAlert, in("ana", "primera") + in("ana", "segunda"));
    frmPrivado* w = VentanasPrivado.first(frmPrivado::captionFor(QStringLiteral("ana")));
    EXPECT_EQ(VentanasPrivado.count(), 2);
    EXPECT_EQ(w->RichTextBox1, in("ana", "primera") + in("ana", "segunda"));
    EXPECT_EQ(w->windowStateValue(), vbNormal) << "the title click brought it up";
    EXPECT_TRUE(w->isVisible());
}
