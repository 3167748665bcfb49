// Message to many users: a pass over a copy of the main room's users, one
// entry a tick, each ticked entry sent the message once. The ticks are
// given by the test; the own nick is "yo".
#include "ConnectedClient.h"
#include "core/Function.h"
#include "core/frmIRC.h"
#include "platform/ListView.h"
#include "platform/TcpClient.h"
#include "windows/frmMultiPrivados.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>

using namespace Function;

class MultiPrivados : public ConnectedClient {
protected:
    frmMultiPrivados* window(const QStringList& users)
    {
        for (const QString& u : users)
            irc->ListView1->add(u, 1);
        frmMultiPrivados* w = frmMultiPrivados::instance();
        w->Text1->setText(QStringLiteral("hola a todos"));
        return w;
    }
    static void tick(const QList<int>& positions, frmMultiPrivados* w)
    {
        for (int p : positions)
            w->ListView1->setChecked(p, true);
    }
    // Ticks until the pass ends; how many it took, and what was sent.
    std::pair<int, QStringList> pass(frmMultiPrivados* w)
    {
        w->Command2->click();
        EXPECT_TRUE(w->Timer1->isActive());
        w->Timer1->stop();
        int ticks = 0;
        for (bool running = true; running && ticks < 100; ++ticks) {
            w->Timer1->start();
            w->Timer1_Timer();
            running = w->Timer1->isActive();
            w->Timer1->stop();
            EXPECT_EQ(w->Command2->isEnabled(), !running || w->IndiceEnvio == 0) << "tick " << ticks;
        }
        EXPECT_EQ(w->IndiceEnvio, 0);
        return {ticks, sentLines()};
    }
};

TEST_F(MultiPrivados, APassVisitsEachEntryOnceATickAndSendsToTheTickedOnes)
{
    const struct {
        const char* what;
        QStringList users;
        QList<int> ticked;
        int ticks;
        QStringList sent;
    } cases[] = {
        {"the second of three", {"ana", "bea", "carlos"}, {1}, 3, {"PRIVMSG bea : hola a todos"}},
        {"all three", {"ana", "bea", "carlos"}, {0, 1, 2}, 3,
         {"PRIVMSG ana : hola a todos", "PRIVMSG bea : hola a todos", "PRIVMSG carlos : hola a todos"}},
        {"none ticked", {"ana", "bea", "carlos"}, {}, 3, {}},
        {"an empty list", {}, {}, 1, {}},
        // The saved own nick ends its tick early: the pass ends one tick later.
        {"the own saved nick last", {"ana", "yo"}, {1}, 3, {"PRIVMSG yo : hola a todos"}},
    };
    NickGuardado = QStringLiteral("yo");
    for (const auto& c : cases) {
        irc->ListView1->clear();
        frmMultiPrivados* w = window(c.users);
        w->Command1->click();
        tick(c.ticked, w);
        const auto [ticks, sent] = pass(w);
        EXPECT_EQ(ticks, c.ticks) << c.what;
        EXPECT_EQ(sent, c.sent) << c.what;
    }
}

TEST_F(MultiPrivados, TheListIsACopyThatTheButtonsRefillAndTick)
{
    irc->ListView1->add(QStringLiteral("ana"), 1);
    irc->ListView1->add(QStringLiteral("bea"), 1);
    irc->Command17->click();
    frmMultiPrivados* w = frmMultiPrivados::loadedInstance();
    ASSERT_NE(w, nullptr);
    EXPECT_TRUE(w->isVisible()) << "the toolbar's \"Multi-Privados\" opens it";
    EXPECT_EQ(w->ListView1->count(), 2) << "filled when it loads";
    EXPECT_FALSE(w->ListView1->checked(0));
    irc->ListView1->add(QStringLiteral("carlos"), 1);
    EXPECT_EQ(w->ListView1->count(), 2) << "a copy";
    w->Command3->click();  // "Todos"
    ASSERT_EQ(w->ListView1->count(), 3);
    EXPECT_TRUE(w->ListView1->checked(0) && w->ListView1->checked(1) && w->ListView1->checked(2));
    irc->ListView1->remove(0);
    w->Command4->click();  // "Ninguno": not refilled
    ASSERT_EQ(w->ListView1->count(), 3);
    EXPECT_FALSE(w->ListView1->checked(0) || w->ListView1->checked(1) || w->ListView1->checked(2));
    w->Command1->click();  // "Actualizar"
    EXPECT_EQ(w->ListView1->count(), 2);
    EXPECT_EQ(w->ListView1->text(0), QStringLiteral("bea"));
}

TEST_F(MultiPrivados, AListThatShrinksDuringAPassEndsItAtTheNextTick)
{
    frmMultiPrivados* w = window({QStringLiteral("ana"), QStringLiteral("bea"), QStringLiteral("carlos")});
    w->Command3->click();
    w->Command2->click();
    w->Timer1->stop();
    w->Timer1->start();
    w->Timer1_Timer();
    w->Timer1_Timer();
    EXPECT_FALSE(w->Command2->isEnabled());
    irc->ListView1->remove(2);
    irc->ListView1->remove(1);
    w->Command1->click();
    w->Timer1_Timer();
    EXPECT_FALSE(w->Timer1->isActive());
    EXPECT_TRUE(w->Command2->isEnabled());
    EXPECT_EQ(w->IndiceEnvio, 0);
}

TEST_F(MultiPrivados, RefusedSendsShowOneBoxAtATime)
{
    frmMultiPrivados* w = window({QStringLiteral("ana"), QStringLiteral("bea")});
    w->Command3->click();
    w->Timer1->setInterval(1);
    server.closeClient();
    ASSERT_TRUE(QTest::qWaitFor([&] { return irc->sockIRC->State() != 7; }));
    const QString refusal = QStringLiteral("Ha Ocurrido Un Error al intentar enviar el mensaje. \r\nEstas Desconectado!");
    // Ticks come due while the box is open: none of them may start.
    for (int box = 0; box < 2; ++box)
        dialogs.expectMsgBox(refusal, platform::vbInformation, QStringLiteral("Error"), platform::vbOK,
                             [] { QTest::qWait(50); });
    w->Command2->click();
    ASSERT_TRUE(QTest::qWaitFor([&] { return !w->Timer1->isActive(); }, 5000));
    EXPECT_EQ(dialogs.msgBoxCount(), 2);
}
