// The whois dialog's host box, and an invitation accepted with "Ir al canal".
#include "ConnectedClient.h"
#include "core/Function.h"
#include "core/frmIRC.h"
#include "platform/HtmlView.h"
#include "platform/ListView.h"
#include "platform/TcpClient.h"
#include "windows/frmInvita.h"
#include "windows/frmWhois.h"

#include <QCoreApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>

using namespace platform;
using namespace Function;

using Whois = AppFixture;

TEST_F(Whois, TheIpBoxShowsTheTextFromItsFirstBlank)
{
    frmWhois* w = frmWhois::instance();
    struct Case {
        QString set, shown;
    } cases[] = {
        {QStringLiteral("usuario host.red"), QStringLiteral(" host.red")},
        {QStringLiteral("uno dos tres"), QStringLiteral(" dos tres")},
        {QStringLiteral(" ya cortado"), QStringLiteral(" ya cortado")},
        {QStringLiteral("sinblanco"), QStringLiteral("sinblanco")},
        {QString(), QString()},
    };
    for (const Case& c : cases) {
        w->Text4->setText(c.set);
        EXPECT_EQ(w->Text4->text(), c.shown) << c.set.toStdString();
    }

    // Typing goes through the same cut: the word before a blank goes.
    w->Show();
    w->Text4->clear();
    QTest::keyClicks(w->Text4, QStringLiteral("ab cd"));
    EXPECT_EQ(w->Text4->text(), QStringLiteral(" cd"));
}

class Invitation : public ConnectedClient {
protected:
    void SetUp() override
    {
        ConnectedClient::SetUp();
        irc->Marquesina->stop();  // the marquee text stays as the move set it
    }
    frmInvita* invitedTo(const QString& room)
    {
        frmInvita* d = frmInvita::instance();
        d->Text1->setText(room);
        d->Show();
        return d;
    }
    // "Ir al canal" pressed: the dialog goes, the view and user list are
    // empty, and a new connection to the same server registers.
    void accept(frmInvita* d)
    {
        server.clearLines();
        d->Command1->click();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        EXPECT_EQ(frmInvita::loadedInstance(), nullptr);
        EXPECT_EQ(irc->DHTMLEdit1->documentHTML(), QString());
        EXPECT_EQ(irc->ListView1->count(), 0);
        ASSERT_TRUE(server.waitForLines(3));
        EXPECT_EQ(server.lines().at(1), QStringLiteral("NICK yo"));
    }
};

TEST_F(Invitation, IrAlCanalReconnectsForTheInvitedRoom)
{
    server.sends(QStringLiteral(":srv 353 yo = #sala :yo ana"));
    sync();
    accept(invitedTo(QStringLiteral("fiesta  ")));
    EXPECT_EQ(CanalActual, QStringLiteral("#fiesta"));
    EXPECT_EQ(irc->txtChannel->text(), QStringLiteral("#fiesta"));
    EXPECT_EQ(TextoMarquesina, QStringLiteral("fiesta ... "));
    EXPECT_EQ(PuertoIRC, server.port());
    server.sends(QStringLiteral(":srv 376 yo :End of MOTD"));
    EXPECT_TRUE(server.clientSent(QStringLiteral("JOIN #fiesta")));
}

TEST_F(Invitation, WithoutAConnectionItStillConnectsToTheStoredServer)
{
    irc->sockIRC->Close();
    Conectado = false;
    accept(invitedTo(QStringLiteral("otra")));
    EXPECT_EQ(CanalActual, QStringLiteral("#otra"));
}
