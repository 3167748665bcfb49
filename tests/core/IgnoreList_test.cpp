// The ignore list and flood control: the slots and their letter-case rules,
// the marks in the main list and in room windows, what the dispatcher drops,
// and the flood check. The main room is "#sala", the own nick "yo".
#include "ConnectedClient.h"
#include "ListEntries.h"
#include "core/Function.h"
#include "core/frmIRC.h"
#include "platform/HtmlView.h"
#include "platform/ListView.h"
#include "platform/Text.h"
#include "windows/frmRoom.h"

using namespace platform;
using namespace Function;

namespace {

const QString kSilver = QStringLiteral("#c0c0c0"), kBlack = QStringLiteral("#000000");

struct Step {
    QString nick, op;
};

}  // namespace

class IgnoreList : public ConnectedClient {
protected:
    frmRoom* makeRoom(const QString& room, const QStringList& nicks)
    {
        auto* w = new frmRoom;
        VentanasSala.add(w);
        w->Show();
        w->setCaption(frmRoom::captionFor(room));
        for (const QString& n : nicks)
            w->ListView1->add(n, 1);
        return w;
    }
    // The line the flood notice about nick goes out as.
    static QString floodNotice(const QString& nick)
    {
        const QString f = Chr(15);
        return QStringLiteral("PRIVMSG #sala :") + f + f + QStringLiteral("Usuario [ ") + nick +
               QStringLiteral(" ] has ignorado Por Hacer Flood") + f + f + f;
    }
};

TEST_F(IgnoreList, SlotsFillFromTheFirstFreeOneAndCompareWithoutLetterCase)
{
    struct Case {
        const char* name;
        std::vector<Step> steps;
        QStringList firstSlots;  // slots 0 to 3
        QStringList ignored, notIgnored;
    } cases[] = {
        {"one nick, asked in any case", {{"Bob", "+"}}, {"Bob", "", "", ""}, {"Bob", "bob", "BOB"}, {"Bo", "", "yo"}},
        {"the own nick in any case takes no slot", {{"YO", "+"}, {"yo", "+"}}, {"", "", "", ""}, {}, {"yo", "YO"}},
        {"a second + takes a second slot, one - frees the first",
         {{"bob", "+"}, {"Bob", "+"}, {"BOB", "-"}},
         {"", "Bob", "", ""},
         {"bob"},
         {}},
        {"two - free both", {{"bob", "+"}, {"bob", "+"}, {"bob", "-"}, {"bob", "-"}}, {"", "", "", ""}, {}, {"bob"}},
        {"- for a nick not listed changes nothing", {{"ana", "+"}, {"luis", "-"}}, {"ana", "", "", ""}, {"ana"}, {"luis"}},
        {"a freed slot is the next one filled",
         {{"a", "+"}, {"b", "+"}, {"c", "+"}, {"b", "-"}, {"d", "+"}},
         {"a", "d", "c", ""},
         {"a", "c", "d"},
         {"b"}},
        {"another op changes nothing", {{"ana", "x"}, {"ana", ""}}, {"", "", "", ""}, {}, {"ana"}},
        {"an empty nick takes no slot and free slots match nothing", {{"", "+"}}, {"", "", "", ""}, {}, {""}},
    };
    for (const Case& c : cases) {
        ListaIgnorados.clear();
        for (const Step& s : c.steps)
            Ignorar(s.nick, s.op);
        QStringList held;
        for (int i = 0; i < 4; ++i)
            held << ListaIgnorados.at(i);
        EXPECT_EQ(held, c.firstSlots) << c.name;
        for (const QString& n : c.ignored)
            EXPECT_TRUE(EstaIgnorado(n)) << c.name << ": " << n.toStdString();
        for (const QString& n : c.notIgnored)
            EXPECT_FALSE(EstaIgnorado(n)) << c.name << ": " << n.toStdString();
    }
}

TEST_F(IgnoreList, TheOwnNickIsNeverIgnoredEvenWhenItStandsInASlot)
{
    Ignorar(QStringLiteral("pepe"), QStringLiteral("+"));
    MiNick = QStringLiteral("Pepe");  // the user takes the ignored nick
    EXPECT_FALSE(EstaIgnorado(QStringLiteral("pepe")));
    EXPECT_EQ(ListaIgnorados.at(0), QStringLiteral("pepe"));
    EXPECT_FALSE(Ignorar(QStringLiteral("PEPE"), QStringLiteral("-")));
    EXPECT_EQ(ListaIgnorados.at(0), QStringLiteral("pepe"));
}

TEST_F(IgnoreList, AFullListTakesNoFurtherNickAndMarksNothing)
{
    ASSERT_EQ(ListaIgnorados.count(), 10001);
    for (int i = 0; i < 10001; ++i)
        ASSERT_TRUE(Ignorar(QStringLiteral("n%1").arg(i), QStringLiteral("+")));
    EXPECT_EQ(ListaIgnorados.at(10000), QStringLiteral("n10000"));
    irc->ListView1->add(QStringLiteral("extra"), 1);

    EXPECT_FALSE(Ignorar(QStringLiteral("extra"), QStringLiteral("+")));
    EXPECT_FALSE(EstaIgnorado(QStringLiteral("extra")));
    EXPECT_EQ(listEntries(*irc->ListView1), (std::vector<ListEntry>{{"extra", 1, {}, {}}}));

    EXPECT_TRUE(Ignorar(QStringLiteral("N5000"), QStringLiteral("-")));
    EXPECT_TRUE(Ignorar(QStringLiteral("extra"), QStringLiteral("+")));
    EXPECT_EQ(ListaIgnorados.at(5000), QStringLiteral("extra"));
    EXPECT_TRUE(EstaIgnorado(QStringLiteral("EXTRA")));
}

TEST_F(IgnoreList, MarksIgnoreLetterCaseInTheMainListAndKeepItInRoomWindows)
{
    struct Case {
        const char* name;
        QStringList mainList;
        std::vector<Step> steps;
        std::vector<ListEntry> mainAfter, roomAfter;
    } cases[] = {
        {"ignored: the first main entry in any case, the room's exact one",
         {"ana", "bob", "Bob"},
         {{"Bob", "+"}},
         {{"ana", 1, {}, {}}, {"bob", 2, {}, kSilver}, {"Bob", 1, {}, {}}},
         {{"bob", 1, {}, {}}, {"Bob", 2, {}, kSilver}}},
        {"ignored twice, then one -: unmarked though still listed",
         {"bob"},
         {{"bob", "+"}, {"bob", "+"}, {"bob", "-"}},
         {{"bob", 1, {}, kBlack}},
         {{"bob", 1, {}, kBlack}, {"Bob", 1, {}, {}}}},
        {"with the main list empty the room windows are marked still",
         {},
         {{"Bob", "+"}},
         {},
         {{"bob", 1, {}, {}}, {"Bob", 2, {}, kSilver}}},
        {"- for a nick not listed marks nothing",
         {"bob"},
         {{"bob", "-"}},
         {{"bob", 1, {}, {}}},
         {{"bob", 1, {}, {}}, {"Bob", 1, {}, {}}}},
    };
    for (const Case& c : cases) {
        ListaIgnorados.clear();
        irc->ListView1->clear();
        for (const QString& n : c.mainList)
            irc->ListView1->add(n, 1);
        frmRoom* first = makeRoom(QStringLiteral("otra"), {QStringLiteral("bob"), QStringLiteral("Bob")});
        frmRoom* second = makeRoom(QStringLiteral("tercera"), {QStringLiteral("bob"), QStringLiteral("Bob")});
        for (const Step& s : c.steps)
            Ignorar(s.nick, s.op);
        EXPECT_EQ(listEntries(*irc->ListView1), c.mainAfter) << c.name;
        EXPECT_EQ(listEntries(*first->ListView1), c.roomAfter) << c.name;
        EXPECT_EQ(listEntries(*second->ListView1), c.roomAfter) << c.name;
        first->close();
        second->close();
    }
}

TEST_F(IgnoreList, AnIgnoredSendersRoomLinesAreDroppedHisPrivateLinesAreNot)
{
    PrivadosEnChat = true;
    frmRoom* otra = makeRoom(QStringLiteral("otra"), {});
    Ignorar(QStringLiteral("Ana"), QStringLiteral("+"));
    irc->DHTMLEdit1->setDocumentHTML(QString());
    receive({QStringLiteral(":ana!a@h PRIVMSG #sala :uno"), QStringLiteral(":ana!a@h PRIVMSG #otra :dos"),
             QStringLiteral(":luis!l@h PRIVMSG #sala :tres"), QStringLiteral(":luis!l@h PRIVMSG #otra :cuatro"),
             QStringLiteral(":ana!a@h PRIVMSG yo :cinco")});
    const QString main = irc->DHTMLEdit1->documentHTML();
    const QString room = otra->DHTMLEdit1->documentHTML();
    EXPECT_FALSE(main.contains(QStringLiteral("uno")));
    EXPECT_FALSE(room.contains(QStringLiteral("dos")));
    EXPECT_TRUE(main.contains(QStringLiteral("<b> luis :</B>  tres")));
    EXPECT_TRUE(room.contains(QStringLiteral("<b> luis :</B>  cuatro")));
    EXPECT_TRUE(main.contains(QStringLiteral("cinco"))) << "a private line is shown whoever sends it";
}

TEST_F(IgnoreList, JoinsAndNickChangesOfIgnoredUsersGetTheSadFace)
{
    frmRoom* otra = makeRoom(QStringLiteral("otra"), {});
    Ignorar(QStringLiteral("ANA"), QStringLiteral("+"));
    Ignorar(QStringLiteral("lucho"), QStringLiteral("+"));
    receive({QStringLiteral(":ana!a@h1 JOIN :#sala"), QStringLiteral(":luis!l@h2 JOIN :#sala"),
             QStringLiteral(":ana!a@h1 JOIN :#otra"), QStringLiteral(":luis!l@h2 JOIN :#otra"),
             QStringLiteral(":luis!l@h3 NICK :lucho")});
    EXPECT_EQ(listEntries(*irc->ListView1),
              (std::vector<ListEntry>{{"ana", 2, QStringLiteral("h1 JOI"), {}}, {"lucho", 2, QStringLiteral("h3 NIC"), {}}}));
    EXPECT_EQ(listEntries(*otra->ListView1),
              (std::vector<ListEntry>{{"ana", 2, QStringLiteral("h1 JOI"), {}}, {"lucho", 2, QStringLiteral("h3 NIC"), {}}}));
}

TEST_F(IgnoreList, ARepeatedLineIgnoresWhoeverRepeatedItAndTellsTheRoom)
{
    AntiFlood = true;
    server.sends(QStringLiteral(":A!a@h PRIVMSG #sala :hola"));
    server.sends(QStringLiteral(":B!b@h PRIVMSG #sala :HOLA"));
    EXPECT_EQ(sentLines(), QStringList{floodNotice(QStringLiteral("B"))});
    EXPECT_TRUE(EstaIgnorado(QStringLiteral("b")));
    EXPECT_FALSE(EstaIgnorado(QStringLiteral("A")));

    // The two lines are kept: the next "hola" repeats the last one seen.
    server.sends(QStringLiteral(":C!c@h PRIVMSG #sala :hola"));
    EXPECT_EQ(sentLines(), QStringList{floodNotice(QStringLiteral("C"))});
    EXPECT_TRUE(EstaIgnorado(QStringLiteral("C")));

    // B's lines are dropped before the check: they repeat nothing.
    server.sends(QStringLiteral(":B!b@h PRIVMSG #sala :hola"));
    server.sends(QStringLiteral(":A!a@h PRIVMSG #sala :otra cosa"));
    EXPECT_EQ(sentLines(), QStringList{});
    EXPECT_EQ(UltimosMensajes, (std::array<QString, 2>{QStringLiteral("hola"), QStringLiteral("otra cosa")}));
    EXPECT_EQ(TurnoFlood, 0);
}

TEST_F(IgnoreList, TheFloodCheckRunsOnlyOnMainRoomLinesWithAntifloodOn)
{
    struct Case {
        const char* name;
        bool antiFlood;
        QStringList lines;
        bool ignored;
    } cases[] = {
        {"antiflood off", false, {":A!a@h PRIVMSG #sala :x", ":B!b@h PRIVMSG #sala :x"}, false},
        {"lines of another room", true, {":A!a@h PRIVMSG #otra :x", ":B!b@h PRIVMSG #otra :x"}, false},
        {"a first empty line equals the empty slot", true, {":B!b@h PRIVMSG #sala :"}, true},
    };
    for (const Case& c : cases) {
        ListaIgnorados.clear();
        UltimosMensajes = {};
        TurnoFlood = 0;
        AntiFlood = c.antiFlood;
        for (const QString& l : c.lines)
            server.sends(l);
        const QStringList sent = sentLines();
        EXPECT_EQ(EstaIgnorado(QStringLiteral("B")), c.ignored) << c.name;
        EXPECT_EQ(sent, c.ignored ? QStringList{floodNotice(QStringLiteral("B"))} : QStringList{}) << c.name;
    }
}

TEST_F(IgnoreList, AFloodWithTheListFullIsNotAnnounced)
{
    for (int i = 0; i < 10001; ++i)
        Ignorar(QStringLiteral("n%1").arg(i), QStringLiteral("+"));
    AntiFlood = true;
    server.sends(QStringLiteral(":A!a@h PRIVMSG #sala :hola"));
    server.sends(QStringLiteral(":B!b@h PRIVMSG #sala :hola"));
    EXPECT_EQ(sentLines(), QStringList{}) << "no one was ignored: the room is not told so";
    EXPECT_FALSE(EstaIgnorado(QStringLiteral("B")));
}
