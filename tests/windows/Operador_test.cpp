// The operator panel: the lines its buttons send for the main room, the two
// lists they keep, and invitations to the rooms of the room list.
#include "ConnectedClient.h"
#include "ListEntries.h"
#include "core/Function.h"
#include "core/frmIRC.h"
#include "platform/ListView.h"
#include "windows/frmOperador.h"
#include "windows/frmServer.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

using namespace platform;
using namespace Function;

class Operador : public ConnectedClient {
protected:
    void SetUp() override
    {
        ConnectedClient::SetUp();
        EsOperador = true;
        irc->Command16->click();
        w = frmOperador::loadedInstance();
        ASSERT_NE(w, nullptr);
    }
    // The next line the server gets.
    QString nextLine()
    {
        EXPECT_TRUE(server.waitForLines(1));
        const QString l = server.lines().value(0);
        server.clearLines();
        return l;
    }
    // Nothing was sent: a line sent before the sync's answer would show first.
    void expectNothingSent()
    {
        irc->send(QStringLiteral("MARCA"));
        EXPECT_EQ(nextLine(), QStringLiteral("MARCA"));
    }
    static void click(ListBox* list, int position)
    {
        const QRect row = list->visualRect(list->model()->index(position, 0));
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, row.center());
    }
    frmOperador* w = nullptr;
};

TEST_F(Operador, TheToolbarShowsItToOperators)
{
    EXPECT_TRUE(w->isVisible());
    EXPECT_EQ(w->Caption(), QStringLiteral("Moderador"));
    for (auto [b, caption] : {std::pair{w->Command4, "Operadores"}, {w->Command5, "Banear"}, {w->Command1, "Remover"},
                              {w->Command2, "Remover"}, {w->Command3, "Invitar"}})
        EXPECT_EQ(b->text(), QString::fromLatin1(caption));
}

TEST_F(Operador, GivingRightsAndBanningSendOneNickAndKeepIt)
{
    struct Case {
        QPushButton* button;
        ListBox* list;
        QString nick, sent;
    } cases[] = {
        {w->Command4, w->List1, "ana", "MODE #sala +oooo ana"},
        {w->Command5, w->List2, "luis", "MODE #sala +bbbb luis"},
        {w->Command4, w->List1, "", "MODE #sala +oooo "},
        {w->Command5, w->List2, "pepe\r\nQUIT", "MODE #sala +bbbb pepe  QUIT"},
    };
    for (const Case& c : cases) {
        w->Text1->setText(c.nick);
        c.button->click();
        EXPECT_EQ(nextLine(), c.sent);
        EXPECT_EQ(c.list->item(c.list->count() - 1), c.nick);
    }
    EXPECT_EQ(boxItems(*w->List1), (QStringList{"ana", ""}));
    EXPECT_EQ(boxItems(*w->List2), (QStringList{"luis", "pepe\r\nQUIT"}));
}

TEST_F(Operador, RemoverActsOnlyOnTheChosenEntryOnce)
{
    struct Case {
        QPushButton* add;
        ListBox* list;
        QPushButton* remove;
        QString sent;
    } cases[] = {
        {w->Command4, w->List1, w->Command1, "MODE #sala -oooo luis"},
        {w->Command5, w->List2, w->Command2, "MODE #sala -bbbb luis"},
    };
    for (const Case& c : cases) {
        for (const char* nick : {"ana", "luis", "pepe"}) {
            w->Text1->setText(QString::fromLatin1(nick));
            c.add->click();
            nextLine();
        }
        // Nothing chosen since the panel opened: nothing happens.
        c.remove->click();
        expectNothingSent();
        EXPECT_EQ(c.list->count(), 3);

        click(c.list, 1);
        c.remove->click();
        EXPECT_EQ(nextLine(), c.sent);
        EXPECT_EQ(boxItems(*c.list), (QStringList{"ana", "pepe"}));
        EXPECT_EQ(c.list->listIndex(), -1);

        // Again without a new choice: neither "luis" again nor "pepe".
        c.remove->click();
        expectNothingSent();
        EXPECT_EQ(boxItems(*c.list), (QStringList{"ana", "pepe"}));
    }
}

TEST_F(Operador, TheNickBoxFeedsTheInvitationBox)
{
    w->Text1->setText(QStringLiteral("ana"));
    EXPECT_EQ(w->Text2->text(), QStringLiteral("ana"));
    w->Text2->setText(QStringLiteral("luis"));
    w->Command3->click();
    EXPECT_EQ(nextLine(), QStringLiteral("INVITE luis #"));
}

TEST_F(Operador, InvitationsNameTheRoomAsTheServerSentIt)
{
    w->Unload();
    receive({QStringLiteral(":srv 322 yo #sala 5 :charla"), QStringLiteral(":srv 322 yo #El 1 :x"),
             QStringLiteral(":srv 322 yo #HotEL 7 :x"), QStringLiteral(":srv 322 yo &SERVER 0 :avisos")});
    irc->Command16->click();
    w = frmOperador::loadedInstance();
    ASSERT_EQ(w->Combo1->count(), 4);
    EXPECT_EQ(w->Combo1->itemText(1), QStringLiteral("El"));
    EXPECT_EQ(w->Combo1->itemText(2), QStringLiteral("HotEL"));
    EXPECT_EQ(w->Combo1->itemText(3), QStringLiteral("&SERVER"));  // no "#" to take off
    EXPECT_EQ(w->Combo1->currentText(), QString());

    struct Case {
        int picked;
        QString typed, sent;
    } cases[] = {
        {1, {}, "INVITE ana #El"},  // the room list shows it as "El Salvador"
        {2, {}, "INVITE ana #HotEL"},
        {3, {}, "INVITE ana &SERVER"},
        {-1, "&SERVER", "INVITE ana &SERVER"},  // typed as the box shows a listed room
        {-1, "hotel", "INVITE ana #HotEL"},
        {-1, "tertulia", "INVITE ana #tertulia"},
        {-1, "#sala", "INVITE ana ##sala"},
        {-1, "&server", "INVITE ana &SERVER"},  // room names know no case
        {-1, "", "INVITE ana #"},
    };
    w->Text2->setText(QStringLiteral("ana"));
    for (const Case& c : cases) {
        w->Combo1->setCurrentIndex(c.picked);
        if (c.picked < 0)
            w->Combo1->setEditText(c.typed);
        w->Command3->click();
        EXPECT_EQ(nextLine(), c.sent);
    }

    // Rooms listed later come with the next load only.
    receive({QStringLiteral(":srv 322 yo #nueva 2 :x")});
    EXPECT_EQ(w->Combo1->count(), 4);
}

TEST_F(Operador, TheConsoleOpensItWithItsOwnCommandWhateverTheRights)
{
    w->Unload();
    EsOperador = false;
    frmServer* console = frmServer::instance();
    console->Text1->setText(QStringLiteral("hola /open CTRL x"));
    console->CmdCommando->click();
    EXPECT_EQ(console->Text1->text(), QString());
    ASSERT_NE(frmOperador::loadedInstance(), nullptr);
    EXPECT_TRUE(frmOperador::loadedInstance()->isVisible());
    expectNothingSent();
}

class OperadorDisconnected : public AppFixture {};

TEST_F(OperadorDisconnected, AKickedNickLoadsItHiddenAndRefusedLinesStillChangeTheLists)
{
    frmIRC::instance();
    // As a user list's menu reaches it.
    frmOperador::instance()->List2->addItem(QStringLiteral("pepe"));
    frmOperador* w = frmOperador::loadedInstance();
    ASSERT_NE(w, nullptr);
    EXPECT_FALSE(w->isVisible());

    w->Text1->setText(QStringLiteral("ana"));
    expectSendRefused();
    w->Command4->click();
    expectSendRefused();
    w->Command5->click();
    EXPECT_EQ(boxItems(*w->List1), QStringList{QStringLiteral("ana")});
    EXPECT_EQ(boxItems(*w->List2), (QStringList{QStringLiteral("pepe"), QStringLiteral("ana")}));
}
