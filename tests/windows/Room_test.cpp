// The room window: what its operations do to its list, count and view, and
// what the user does with it (the input line, the menu, resizing, closing).
// The own nick is "yo"; the main window is connected to a scripted server.
#include "ConnectedClient.h"
#include "ListEntries.h"
#include "core/Function.h"
#include "core/frmIRC.h"
#include "platform/HtmlView.h"
#include "platform/ListView.h"
#include "platform/Geometry.h"
#include "platform/TcpClient.h"
#include "platform/Text.h"
#include "windows/frmPrivado.h"
#include "windows/frmRoom.h"

#include <QAction>
#include <QLineEdit>
#include <QMenu>
#include <QPointer>
#include <QPushButton>
#include <QTest>

using namespace platform;
using namespace Function;

namespace {

// A status line as the view holds it: rendered like every chat line ("[@"
// is an emoticon code).
QString silver(const QString& s)
{
    QString line = QStringLiteral("<font color=Silver>") + s;
    return FormatoHTML(line) + QStringLiteral("</font></b></u><br>");
}

}  // namespace

class RoomWindow : public ConnectedClient {
protected:
    // A window for room, as the dispatcher makes it.
    frmRoom* makeRoom(const QString& room = QStringLiteral("otra"))
    {
        auto* w = new frmRoom;
        VentanasSala.add(w);
        w->Show();
        w->setCaption(frmRoom::captionFor(room));
        return w;
    }
    // Users listed as a JOIN lists them; the view starts empty.
    frmRoom* roomWith(const std::vector<std::pair<QString, QString>>& users)
    {
        frmRoom* w = makeRoom();
        for (const auto& [nick, host] : users)
            w->NickJoin(nick, host);
        w->DHTMLEdit1->setDocumentHTML(QString());
        return w;
    }
    static QStringList view(const frmRoom* w) { return fragmentsOf(*w->DHTMLEdit1); }
    static std::vector<ListEntry> entries(const frmRoom* w) { return listEntries(*w->ListView1); }
    static void expectCount(const frmRoom* w) { EXPECT_EQ(w->Text1->text(), QString::number(w->ListView1->count())); }
    static QString f15(int n) { return QString(n, QChar(15)); }
};

TEST_F(RoomWindow, StatusLinesByteForByte)
{
    struct Case {
        const char* name;
        std::function<void(frmRoom*)> event;
        QString line;
    } cases[] = {
        {"join", [](frmRoom* w) { w->NickJoin(QStringLiteral("pepe"), QStringLiteral("hP")); },
         silver(QStringLiteral(" [pepe ] a Entrado a otra."))},
        {"part", [](frmRoom* w) { w->NickPart(QStringLiteral("ana"), QStringLiteral("otra")); },
         silver(QStringLiteral(" [ana ] a Salido de otra."))},
        {"quit", [](frmRoom* w) { w->NickClose(QStringLiteral("ana"), QStringLiteral("Quit: chau")); },
         silver(QStringLiteral(" [ ana ] a cerrado su Cliente [ Quit: chau ] "))},
        {"kick", [](frmRoom* w) { w->nickexpulsado(QStringLiteral("op"), QStringLiteral("ana"), QStringLiteral("otra")); },
         silver(QStringLiteral(" [ op ] a  Expulsado a  [ ana ] en otra"))},
        {"nick change",
         [](frmRoom* w) { w->NickChange(QStringLiteral("ana"), QStringLiteral("anita"), QString(), QStringLiteral("hA")); },
         silver(QStringLiteral(" [ana ] a Cambiado su Nick por [ anita ]."))},
        {"kick in a room named with angle brackets",
         [](frmRoom* w) { w->nickexpulsado(QStringLiteral("op"), QStringLiteral("ana"), QStringLiteral("<i>")); },
         silver(QStringLiteral(" [ op ] a  Expulsado a  [ ana ] en &lt;i&gt;"))},
        {"join into a room named with angle brackets",
         [](frmRoom* w) {
             w->setCaption(frmRoom::captionFor(QStringLiteral("<i>")));
             w->NickJoin(QStringLiteral("pepe"), QStringLiteral("hP"));
         },
         silver(QStringLiteral(" [pepe ] a Entrado a &lt;i&gt;."))},
    };
    for (const Case& c : cases) {
        frmRoom* w = roomWith({{QStringLiteral("ana"), QStringLiteral("hA")}});
        c.event(w);
        EXPECT_EQ(view(w), QStringList{c.line}) << c.name;
        expectCount(w);
    }
}

TEST_F(RoomWindow, JoinsListEachNickOnceWithItsIcon)
{
    struct Case {
        const char* name;
        QStringList joins;
        std::vector<ListEntry> listed;
        int joinLines;
    } cases[] = {
        {"into an empty list", {"ana"}, {{"ana", 1, "h", {}}}, 1},
        {"a nick already listed, twice", {"ana", "ana"}, {{"ana", 1, "h", {}}}, 2},
        {"the own nick, in the default colour", {"yo"}, {{"yo", 3, "h", {}}}, 1},
        {"a nick with @", {"@bob"}, {{"bob", 4, "h", {}}}, 1},
        {"the own nick with +", {"+yo"}, {{"yo", 4, "h", {}}}, 1},
        {"one prefix character at most", {"@+x"}, {{"+x", 4, "h", {}}}, 1},
    };
    for (const Case& c : cases) {
        frmRoom* w = makeRoom();
        for (const QString& nick : c.joins)
            w->NickJoin(nick, QStringLiteral("h"));
        EXPECT_EQ(entries(w), c.listed) << c.name;
        EXPECT_EQ(view(w).filter(QStringLiteral("a Entrado a otra.")).size(), c.joinLines) << c.name;
        expectCount(w);
    }
}

TEST_F(RoomWindow, ClonesAreReportedInListOrderAlsoWithoutMovementLines)
{
    VerMovimiento = false;
    frmRoom* w = roomWith({{QStringLiteral("ana"), QStringLiteral("hX")},
                           {QStringLiteral("otro"), QStringLiteral("hY")},
                           {QStringLiteral("luis"), QStringLiteral("hX")}});
    QString names = QStringLiteral("x :carla");
    w->NickComming(names);  // listed without a host key: never a clone of a JOIN
    w->NickJoin(QStringLiteral("@pepe"), QStringLiteral("hX"));
    w->NickJoin(QStringLiteral("dora"), QString());
    EXPECT_EQ(view(w), (QStringList{silver(QStringLiteral(" Clones [@pepe | ana ]")),
                                    silver(QStringLiteral(" Clones [@pepe | luis ]")),
                                    silver(QStringLiteral(" Clones [dora | carla ]"))}));
}

TEST_F(RoomWindow, AJoinReportsTenClonesAtMost)
{
    VerMovimiento = false;
    std::vector<std::pair<QString, QString>> users;
    for (int i = 0; i < 30; ++i)
        users.push_back({QStringLiteral("n%1").arg(i), QStringLiteral("shared")});
    frmRoom* w = roomWith(users);
    w->NickJoin(QStringLiteral("n5"), QStringLiteral("shared"));  // already listed: not its own clone
    QStringList expected;
    for (int i = 0; i < 11; ++i)
        if (i != 5)
            expected << silver(QStringLiteral(" Clones [n5 | n%1 ]").arg(i));
    EXPECT_EQ(view(w), expected);
}

TEST_F(RoomWindow, MovementLinesOffWriteNothingButTheListFollows)
{
    VerMovimiento = false;
    frmRoom* w = roomWith({{QStringLiteral("ana"), QStringLiteral("hA")}, {QStringLiteral("luis"), QStringLiteral("hL")},
                           {QStringLiteral("pepe"), QStringLiteral("hP")}, {QStringLiteral("rosa"), QStringLiteral("hR")}});
    w->NickPart(QStringLiteral("ana"), QStringLiteral("otra"));
    w->NickClose(QStringLiteral("luis"), QStringLiteral("bye"));
    w->nickexpulsado(QStringLiteral("op"), QStringLiteral("pepe"), QStringLiteral("otra"));
    w->NickChange(QStringLiteral("rosa"), QStringLiteral("rosita"), QString(), QStringLiteral("hR2"));
    EXPECT_TRUE(view(w).isEmpty());
    EXPECT_EQ(entries(w), (std::vector<ListEntry>{{"rosita", 1, "hR2", {}}}));
    expectCount(w);
}

TEST_F(RoomWindow, EventsOfUnlistedNicksChangeNothingButTheCount)
{
    frmRoom* w = roomWith({{QStringLiteral("ana"), QStringLiteral("hA")}});
    const auto before = entries(w);
    w->Text1->setText(QStringLiteral("?"));
    w->NickPart(QStringLiteral("Ana"), QStringLiteral("otra"));
    w->NickClose(QStringLiteral("nadie"), QStringLiteral("bye"));
    w->nickexpulsado(QStringLiteral("op"), QStringLiteral("nadie"), QStringLiteral("otra"));
    w->NickChange(QStringLiteral("nadie"), QStringLiteral("alguien"), QString(), QStringLiteral("h"));
    EXPECT_EQ(entries(w), before);
    EXPECT_TRUE(view(w).isEmpty());
    EXPECT_EQ(w->Text1->text(), QStringLiteral("1"));
}

TEST_F(RoomWindow, ANickChangeMovesTheEntryToTheEnd)
{
    struct Case {
        const char* name;
        QString own, from, to, server;
        ListEntry moved;
    } cases[] = {
        {"another user", "yo", "ana", "anita", "", {"anita", 1, "hN", {}}},
        {"from the own nick", "yo", "yo", "yo2", "", {"yo2", 3, "hN", {}}},
        {"to the server's nick", "yo", "ana", "anita", "anita", {"anita", 3, "hN", {}}},
        {"to the own nick", "yo2", "yo", "yo2", "", {"yo2", 1, "hN", kOwnColour}},
    };
    for (const Case& c : cases) {
        MiNick = c.own;
        frmRoom* w = roomWith({{c.from, QStringLiteral("hA")}, {QStringLiteral("luis"), QStringLiteral("hL")}});
        w->NickChange(c.from, c.to, c.server, QStringLiteral("hN"));
        EXPECT_EQ(entries(w), (std::vector<ListEntry>{{"luis", 1, "hL", {}}, c.moved})) << c.name;
        expectCount(w);
    }
}

TEST_F(RoomWindow, IgnoreMarksTheFirstExactEntryOnly)
{
    const QString silverColour = QStringLiteral("#c0c0c0"), black = QStringLiteral("#000000");
    struct Case {
        const char* name;
        std::vector<std::pair<QString, QString>> marks;
        std::vector<ListEntry> listed;
    } cases[] = {
        {"ignored", {{"ana", "+"}}, {{"Ana", 1, {}, {}}, {"ana", 2, {}, silverColour}, {"ana", 3, {}, {}}}},
        {"ignored, then no longer: icon 1 whatever it was",
         {{"ana", "+"}, {"ana", "-"}},
         {{"Ana", 1, {}, {}}, {"ana", 1, {}, black}, {"ana", 3, {}, {}}}},
        {"another case", {{"ANA", "+"}}, {{"Ana", 1, {}, {}}, {"ana", 3, {}, {}}, {"ana", 3, {}, {}}}},
        {"another op", {{"ana", "x"}}, {{"Ana", 1, {}, {}}, {"ana", 3, {}, {}}, {"ana", 3, {}, {}}}},
    };
    for (const Case& c : cases) {
        frmRoom* w = makeRoom();
        w->ListView1->add(QStringLiteral("Ana"), 1);
        w->ListView1->add(QStringLiteral("ana"), 3);
        w->ListView1->add(QStringLiteral("ana"), 3);
        for (const auto& [nick, op] : c.marks)
            w->ignora(nick, op);
        EXPECT_EQ(entries(w), c.listed) << c.name;
    }
}

TEST_F(RoomWindow, NickcleanTakesOneLeadingPrefix)
{
    struct Case {
        QString in, out;
        bool prefix;
    } cases[] = {
        {"@+x", "+x", true}, {"+ana", "ana", true}, {"@", "", true}, {"", "", false}, {"ana@", "ana@", false},
    };
    frmRoom* w = makeRoom();
    for (const Case& c : cases) {
        EXPECT_EQ(w->nickclean(c.in), c.out) << c.in.toStdString();
        EXPECT_EQ(w->TeniaPrefijo, c.prefix) << c.in.toStdString();
        EXPECT_EQ(irc->nickclean(c.in), c.out) << c.in.toStdString();
        EXPECT_EQ(irc->PrefijoNick, c.prefix) << c.in.toStdString();
    }
}

TEST_F(RoomWindow, TheWindowsOwnNamesLoaderStopsAtAnEmptyNameAndDoublesNoOne)
{
    frmRoom* w = makeRoom();
    QString names = QStringLiteral("353 yo = #otra :@yo +ana luis");
    w->NickComming(names);
    EXPECT_EQ(names, QStringLiteral("@yo +ana luis")) << "the caller's text is rewritten";
    w->NickComming(names);
    QString broken = QStringLiteral("@a  b");
    w->NickComming(broken);
    EXPECT_EQ(entries(w), (std::vector<ListEntry>{
                              {"yo", 4, {}, kOwnColour}, {"ana", 4, {}, {}}, {"luis", 1, {}, {}}, {"a", 4, {}, {}}}));
    expectCount(w);
    EXPECT_TRUE(view(w).isEmpty());
}

TEST_F(RoomWindow, TheLayoutFollowsTheWindowsOuterSize)
{
    const RoomLayout design{3735, 4320, 6855, 4320, 7080, 5895, 4065};
    struct Case {
        float W, H;
        RoomLayout from, expected;
    } cases[] = {
        {8000, 6000, design, {4500, 5100, 6500, 5100, 6700, 5500, 4800}},
        // Too small: negative sizes are refused, the button follows the
        // input line's width as it stayed.
        {1000, 1000, design, {3735, 100, 6855, 100, 7055, 5895, 4065}},
        {2000, 1400, design, {3735, 500, 500, 500, 700, 5895, 200}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(roomLayout(c.W, c.H, c.from), c.expected) << c.W << 'x' << c.H;

    // A window whose outer size is 7995 x 6000 twips.
    frmRoom* w = makeRoom();
    w->resize((7995 - kFrameWidthTwips) / 15, (6000 - kFrameHeightTwips) / 15);
    QCoreApplication::processEvents();
    EXPECT_EQ(w->ListView1->geometry(), twipsRect(120, 480, 2055, 4500));
    EXPECT_EQ(w->Text2->geometry(), twipsRect(120, 5100, 6495, 285));
    EXPECT_EQ(w->Command1->geometry(), twipsRect(6695, 5100, 1095, 255));
    EXPECT_EQ(w->DHTMLEdit1->geometry(), twipsRect(2280, 120, 5495, 4800));
    EXPECT_EQ(w->Text1->geometry(), twipsRect(120, 120, 2055, 285));
}

TEST_F(RoomWindow, EnterSendsAndEmptiesTheLineEnviarSendsAndLeavesIt)
{
    frmRoom* w = makeRoom(QStringLiteral("Otra"));
    irc->DHTMLEdit1->setDocumentHTML(QString());
    const QString sent = QStringLiteral("PRIVMSG #Otra :") + f15(2) + QStringLiteral("hola") + f15(3);
    QString echo = QStringLiteral("<font color=Navy><b> yo </font> : </b>") + f15(2) + QStringLiteral("hola") + f15(3);
    const QString echoLine = FormatoHTML(echo) + QStringLiteral("</font></b></u><br>");

    w->Text2->setFocus();
    QTest::keyClicks(w->Text2, QStringLiteral("hola"));
    QTest::keyClick(w->Text2, Qt::Key_Return);
    EXPECT_TRUE(server.clientSent(sent));
    EXPECT_EQ(w->Text2->text(), QString());

    w->Text2->setText(QStringLiteral("hola"));
    server.clearLines();
    QTest::mouseClick(w->Command1, Qt::LeftButton);
    EXPECT_TRUE(server.clientSent(sent));
    EXPECT_EQ(w->Text2->text(), QStringLiteral("hola"));
    sync();
    EXPECT_EQ(view(w), (QStringList{echoLine, echoLine}));
    EXPECT_TRUE(viewFragments().isEmpty()) << "the echo goes to the room's window only";
}

TEST_F(RoomWindow, ClosingWhileConnectedSendsOnePartWithTheFarewell)
{
    QPointer<frmRoom> w = makeRoom(QStringLiteral("Otra"));
    w->close();
    sync();
    EXPECT_EQ(QString::fromUtf8(server.rawReceived())
                  .count(QStringLiteral("PART #Otra :Vexlo-iRc-Trovelin [www.vexlo-team.example Bye :D ]\r\n")),
              1);
    EXPECT_EQ(VentanasSala.first(QStringLiteral("Canal Otra")), nullptr);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(w.isNull());
}

TEST_F(RoomWindow, ClosingAfterTheConnectionEndedSendsNothingAndShowsNothing)
{
    QPointer<frmRoom> w = makeRoom();
    server.closeClient();
    ASSERT_TRUE(QTest::qWaitFor([&] { return irc->sockIRC->State() != TcpClient::sckConnected; }));
    w->close();  // a box from send would fail the test
    EXPECT_EQ(VentanasSala.first(QStringLiteral("Canal otra")), nullptr);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(w.isNull());
}

TEST_F(RoomWindow, TheListsMenuActsOnTheNickChosenWithTheRightButton)
{
    frmRoom* w = roomWith({{QStringLiteral("ana"), QStringLiteral("hA")}, {QStringLiteral("luis"), QStringLiteral("hL")}});
    QCoreApplication::processEvents();
    const QRect row = w->ListView1->visualRect(w->ListView1->model()->index(1, 0));
    QTest::mouseClick(w->ListView1->viewport(), Qt::RightButton, {}, row.center());
    EXPECT_EQ(NickSeleccionado, QStringLiteral("luis"));
    ASSERT_TRUE(w->mpop);
    EXPECT_TRUE(w->mpop->isVisible());
    QStringList captions;
    for (QAction* a : w->mpop->actions())
        captions << a->text();
    EXPECT_EQ(captions, (QStringList{"Copiar Nick", "Mencionar", "Ignorar a: luis", "Quien es: luis", "Privado Libre"}));
    w->mpop->hide();

    w->Text2->setText(QStringLiteral("hola"));
    w->mmencione->trigger();
    EXPECT_EQ(w->Text2->text(), QStringLiteral("hola") + Chr(3) + QStringLiteral("04 (]") + Chr(3) +
                                    QStringLiteral("07 luis ") + Chr(3) + QStringLiteral("04[)") + Chr(3) +
                                    QStringLiteral("01 "));
    w->mwhois->trigger();
    EXPECT_TRUE(server.clientSent(QStringLiteral("WHOIS luis")));
    w->mcopia->trigger();
    EXPECT_EQ(desktop.clipboard, QStringLiteral("luis"));
    EXPECT_EQ(NickSeleccionado, QString());
}

TEST_F(RoomWindow, PrivateWindowsFromTheListAndFromATypedNick)
{
    frmRoom* w = roomWith({{QStringLiteral("ana"), QStringLiteral("hA")}});
    w->ListView1_DblClick();
    EXPECT_EQ(VentanasPrivado.count(), 1) << "nothing selected, nothing opened";

    w->ListView1->select(0);
    w->ListView1_DblClick();
    frmPrivado* ana = VentanasPrivado.first(QStringLiteral("Privado Con : ana"));
    ASSERT_NE(ana, nullptr);
    EXPECT_TRUE(ana->isVisible());
    EXPECT_EQ(ana->windowStateValue(), vbNormal);

    dialogs.expectInputBox(QStringLiteral("Introduce Nick con quien quieres comunicarte."), QString(), QString());
    w->Freeprvd->trigger();
    EXPECT_EQ(VentanasPrivado.count(), 2);
    dialogs.expectInputBox(QStringLiteral("Introduce Nick con quien quieres comunicarte."), QString(),
                           QStringLiteral("pepe"));
    w->Freeprvd->trigger();
    ASSERT_NE(VentanasPrivado.first(QStringLiteral("Privado Con : pepe")), nullptr);
    EXPECT_EQ(VentanasPrivado.count(), 3);
}

TEST_F(RoomWindow, TheIgnoreItemIgnoresThroughTheModuleAndMarksEveryList)
{
    frmRoom* w = roomWith({{QStringLiteral("ana"), QStringLiteral("hA")}, {QStringLiteral("Luis"), QStringLiteral("hL")}});
    irc->ListView1->add(QStringLiteral("luis"), 1);
    QCoreApplication::processEvents();
    const QRect row = w->ListView1->visualRect(w->ListView1->model()->index(1, 0));
    QTest::mouseClick(w->ListView1->viewport(), Qt::RightButton, {}, row.center());
    ASSERT_TRUE(w->mpop);
    w->mpop->hide();

    w->mignore->trigger();
    EXPECT_TRUE(EstaIgnorado(QStringLiteral("luis")));
    EXPECT_EQ(w->mignore->text(), QStringLiteral("Designorar a: Luis"));
    EXPECT_EQ(entries(w)[1], (ListEntry{"Luis", 2, "hL", "#c0c0c0"}));
    EXPECT_EQ(listEntries(*irc->ListView1)[0], (ListEntry{"luis", 2, {}, "#c0c0c0"}));

    QTest::mouseClick(w->ListView1->viewport(), Qt::RightButton, {}, row.center());
    w->mpop->hide();
    EXPECT_EQ(w->mignore->text(), QStringLiteral("Designorar a: Luis")) << "the caption follows the list at each pop-up";
    w->mignore->trigger();
    EXPECT_FALSE(EstaIgnorado(QStringLiteral("Luis")));
    EXPECT_EQ(w->mignore->text(), QStringLiteral("Ignorar a: Luis"));
    EXPECT_EQ(entries(w)[1], (ListEntry{"Luis", 1, "hL", "#000000"}));
}
