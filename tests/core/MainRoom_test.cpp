// The main room's events: the user list, its twin, the count and the
// status lines in the view. The main room is "#sala", the own nick "yo".
#include "ConnectedClient.h"
#include "ListEntries.h"
#include "core/Function.h"
#include "core/frmIRC.h"
#include "platform/Colors.h"
#include "platform/HtmlView.h"
#include "platform/ListView.h"
#include "platform/Text.h"

#include <QFrame>
#include <QLabel>
#include <QLineEdit>

using namespace platform;
using namespace Function;

using Entry = ListEntry;

class MainRoom : public ConnectedClient {
protected:
    void SetUp() override
    {
        ConnectedClient::SetUp();
        irc->DHTMLEdit1->setDocumentHTML(QString());
    }

    std::vector<Entry> entries() const { return listEntries(*irc->ListView1); }

    // lstUsers holds the same nicks in the same order as ListView1.
    void expectTwinInStep() const
    {
        ASSERT_EQ(irc->lstUsers->count(), irc->ListView1->count());
        for (int i = 0; i < irc->ListView1->count(); ++i)
            EXPECT_EQ(irc->lstUsers->item(i), irc->ListView1->text(i)) << "position " << i;
        EXPECT_EQ(irc->TxtUsala->text(), QString::number(irc->ListView1->count()));
    }

    QStringList view() const { return viewFragments(); }
};

static QString silver(const QString& s) { return QStringLiteral("<font color=Silver>") + s + QStringLiteral("</font></b></u><br>"); }

TEST_F(MainRoom, JoinsAddOneEntryAndWriteTheirLines)
{
    receive({QStringLiteral(":ana!a@hostA JOIN :#sala"), QStringLiteral(":ana!a@hostA JOIN :#sala"),
             QStringLiteral(":yo!y@3F2Avirtualnet JOIN :#Sala")});
    EXPECT_EQ(entries(), (std::vector<Entry>{{QStringLiteral("ana"), 1, QStringLiteral("hostA "), {}},
                                             {QStringLiteral("yo"), 3, QStringLiteral("3F2Avirtual"), kOwnColour}}));
    EXPECT_EQ(view(), (QStringList{silver(QStringLiteral(" [ana ] a Entrado a sala.")),
                                   silver(QStringLiteral(" [ana ] a Entrado a sala.")),
                                   silver(QStringLiteral(" [yo ] a Entrado a sala."))}));
    EXPECT_FALSE(irc->Picture6->isVisibleTo(irc));
    EXPECT_TRUE(irc->Picture5->isVisibleTo(irc));
    expectTwinInStep();
}

TEST_F(MainRoom, ClonesAreReportedAlsoWithoutMovementLines)
{
    VerMovimiento = false;
    receive({QStringLiteral(":ana!a@10.0.0.1 JOIN :#sala"), QStringLiteral(":luis!l@10.0.0.1 JOIN :#sala"),
             QStringLiteral(":otro!o@10.9.9.9 JOIN :#sala"), QStringLiteral(":pepe!p@10.0.0.1 JOIN :#sala")});
    // The host key is six characters after the "@": "10.0.0" and "10.9.9".
    EXPECT_EQ(view(), (QStringList{silver(QStringLiteral(" Clones [luis | ana ]")),
                                   silver(QStringLiteral(" Clones [pepe | ana ]")),
                                   silver(QStringLiteral(" Clones [pepe | luis ]"))}));
    expectTwinInStep();
}

TEST_F(MainRoom, ACrowdBehindOneHostKeyGivesAtMostTenCloneLinesAJoin)
{
    VerMovimiento = false;
    const int crowd = 3000;
    QByteArray joins;
    for (int i = 0; i < crowd; ++i)
        joins += ":n" + QByteArray::number(i) + "!u@cloak.red JOIN :#sala\r\n";
    server.sendsRaw(joins);
    sync();
    ASSERT_EQ(irc->ListView1->count(), crowd);
    // Join k names the first min(k, 10) members, in list order.
    const QStringList lines = view();
    int expected = 0;
    for (int k = 0; k < crowd; ++k)
        expected += qMin(k, 10);
    EXPECT_EQ(lines.size(), expected);
    QStringList last;
    for (int i = 0; i < 10; ++i)
        last << silver(QStringLiteral(" Clones [n%1 | n%2 ]").arg(crowd - 1).arg(i));
    EXPECT_EQ(lines.mid(lines.size() - 10), last);
}

TEST_F(MainRoom, JoinsOfOtherRoomsLeaveTheMainListAlone)
{
    receive({QStringLiteral(":ana!a@h JOIN :#Otra"), QStringLiteral(":ana!a@h PART #otra :adios")});
    EXPECT_TRUE(entries().empty());
    EXPECT_TRUE(view().isEmpty());
}

TEST_F(MainRoom, KicksPartsAndQuitsRemoveTheirEntries)
{
    receive({QStringLiteral(":ana!a@h JOIN :#sala"), QStringLiteral(":luis!l@h2 JOIN :#sala"),
             QStringLiteral(":pepe!p@h3 JOIN :#sala"), QStringLiteral(":yo!y@h4 JOIN :#sala")});
    irc->DHTMLEdit1->setDocumentHTML(QString());
    receive({QStringLiteral(":op!o@h KICK #sala ana :fuera"), QStringLiteral(":luis!l@h2 PART #sala :adios"),
             QStringLiteral(":nadie!n@h PART #sala"), QStringLiteral(":pepe!p@h3 QUIT :Quit: chau"),
             QStringLiteral(":yo!y@h4 PART #sala")});
    EXPECT_EQ(view(), (QStringList{silver(QStringLiteral(" [ op ] a  Expulsado a  [ ana ] en sala")),
                                   silver(QStringLiteral(" [luis ] a Salido de sala.")),
                                   silver(QStringLiteral(" [nadie ] a Salido de sala.")),
                                   silver(QStringLiteral(" [ pepe ] a cerrado su Cliente [ Quit: chau ] ")),
                                   silver(QStringLiteral(" [yo ] a Salido de sala."))}));
    EXPECT_TRUE(entries().empty());
    expectTwinInStep();
}

TEST_F(MainRoom, ANickChangeReaddsTheEntryAtTheEndWithTheLinesHostKey)
{
    receive({QStringLiteral(":ana!a@h1 JOIN :#sala"), QStringLiteral(":luis!l@h2 JOIN :#sala")});
    irc->DHTMLEdit1->setDocumentHTML(QString());
    receive({QStringLiteral(":ana!a@nuevo-host NICK :anita")});
    EXPECT_EQ(entries(), (std::vector<Entry>{{QStringLiteral("luis"), 1, QStringLiteral("h2 JOI"), {}},
                                             {QStringLiteral("anita"), 1, QStringLiteral("nuevo-"), {}}}));
    EXPECT_EQ(view(), QStringList{silver(QStringLiteral(" [ana ] a Cambiado su Nick por [ anita ]."))});

    // The server confirms the user's own change: the new nick gets the own icon and colour.
    irc->NickServidor = QStringLiteral("yo2");
    MiNick = QStringLiteral("yo2");
    receive({QStringLiteral(":yo!y@h3 JOIN :#sala"), QStringLiteral(":yo!y@h3 NICK :yo2")});
    EXPECT_EQ(entries().back(), (Entry{QStringLiteral("yo2"), 3, QStringLiteral("h3 NIC"), kOwnColour}));
    expectTwinInStep();
}

TEST_F(MainRoom, TheOwnNickChangeIsSavedWithTheBoxesOfTheWindow)
{
    irc->txtNick->setText(QStringLiteral("yo"));
    irc->TxtPass->setText(QStringLiteral("clave"));
    receive({QStringLiteral(":yo!y@h NICK :yo_nuevo")});
    EXPECT_EQ(NickGuardado, QStringLiteral("yo"));
    EXPECT_EQ(PassGuardado, QStringLiteral("clave"));
    EXPECT_EQ(irc->txtNick->text(), QStringLiteral("yo_nuevo"));
    EXPECT_EQ(MiNick, QStringLiteral("yo"));
}

TEST_F(MainRoom, NamesListsMarkOperatorsAndTheOwnNick)
{
    receive({QStringLiteral(":srv 353 yo = #sala :@yo +ana luis ana"), QStringLiteral(":srv 353 yo = #otra :zz")});
    EXPECT_EQ(entries(), (std::vector<Entry>{{QStringLiteral("yo"), 4, QString(), {}},
                                             {QStringLiteral("ana"), 4, QString(), {}},
                                             {QStringLiteral("luis"), 1, QString(), {}}}));
    EXPECT_TRUE(EsOperador);
    EXPECT_TRUE(statusLines().contains(QStringLiteral("<srv> 353 yo = #sala :@yo +ana luis ana")));
    EXPECT_FALSE(statusLines().contains(QStringLiteral("<srv> 353 yo = #otra :zz")));
    expectTwinInStep();
}

// Names are taken from the front of the list as the line parsers take them:
// a doubled blank gives a name that begins with a blank, a ":" takes the
// rest of the list as one name.
TEST_F(MainRoom, NamesAreTakenAsTheParsersTakeThem)
{
    const std::vector<std::pair<QString, QStringList>> cases = {
        {"a b", {"a", "b"}},
        {"a  b", {"a", " b", "b"}},
        {"a b ", {"a", "b"}},
        {"a :b c", {"a", "b c"}},
        {"a <b>", {"a", "&lt;b&gt;"}},
        {"@+c", {"c"}},
    };
    for (const auto& [names, expected] : cases) {
        irc->ListView1->clear();
        irc->lstUsers->clear();
        receive({QStringLiteral(":srv 353 yo = #sala :") + names});
        QStringList texts;
        for (const Entry& e : entries())
            texts << e.text;
        EXPECT_EQ(texts, expected) << names.toStdString();
        expectTwinInStep();
    }
}

TEST_F(MainRoom, ANamesListOfSixtyThousandNamesIsTakenWholeAndInOrder)
{
    QStringList names;
    for (int i = 0; i < 60000; ++i)
        names << (i % 7 == 0 ? QStringLiteral("@n%1") : QStringLiteral("n%1")).arg(i);
    receive({QStringLiteral(":srv 353 yo = #sala :") + names.join(u' ')});
    const std::vector<Entry> list = entries();
    ASSERT_EQ(list.size(), size_t(names.size()));
    for (int i = 0; i < 60000; ++i)
        ASSERT_EQ(list[size_t(i)], (Entry{QStringLiteral("n%1").arg(i), i % 7 == 0 ? 4 : 1, QString(), {}}));
    expectTwinInStep();
}

TEST_F(MainRoom, OperatorRightsNeedTheOwnNickWithAPrefix)
{
    receive({QStringLiteral(":srv 353 yo = #sala :yo @ana")});
    EXPECT_FALSE(EsOperador);
    EXPECT_EQ(entries().front(), (Entry{QStringLiteral("yo"), 3, QString(), {}}));
}

TEST_F(MainRoom, RoomLinesReachTheViewEscaped)
{
    receive({QStringLiteral(":ana!a@h PRIVMSG #Sala :hola <b>todos</b>"), QStringLiteral(":ana!a@h PRIVMSG #otra :no")});
    EXPECT_EQ(view(), QStringList{QStringLiteral("<b> ana :</B>  hola &lt;b&gt;todos&lt;/b&gt;</font></b></u><br>")});
}

TEST_F(MainRoom, ANickWithAngleBracketsIsEscapedInTheView)
{
    receive({QStringLiteral(":<i>x!a@h PRIVMSG #sala :hola")});
    EXPECT_EQ(view(), QStringList{QStringLiteral("<b> &lt;i&gt;x :</B>  hola</font></b></u><br>")});
}

TEST_F(MainRoom, PrivateLinesGoWhereTheFlagsSay)
{
    const QString line = QStringLiteral(":ana!a@h PRIVMSG yo :hola #uno");
    const QString inChat = Chr(3) + QStringLiteral("0,17 ") + Chr(3) + QStringLiteral("01 [ ") + Chr(3) +
                           QStringLiteral("12ana ") + Chr(3) + QStringLiteral("01 ] Te Comenta Por Privado :  ") +
                           Chr(3) + QStringLiteral("04 hola #uno");
    struct Case {
        bool enVentanas, enChat, publicar;
        bool viewLine, repost;
    } cases[] = {
        {false, false, false, false, false},
        {false, true, false, true, false},
        {false, false, true, false, true},
        {false, true, true, true, true},
        {true, true, true, false, false},  // private windows take it alone
    };
    QString rendered = inChat;
    const QString viewLine = FormatoHTML(rendered) + QStringLiteral("</font></b></u><br>");
    const QString f = Chr(15);
    const QString repost = QStringLiteral("PRIVMSG #sala :") + f + f +
                           QStringLiteral("[ana ] Te Comenta Por Privado :  hola #uno") + f + f + f;
    for (const Case& c : cases) {
        PrivadosEnVentanas = c.enVentanas;
        PrivadosEnChat = c.enChat;
        PublicarPrivados = c.publicar;
        irc->DHTMLEdit1->setDocumentHTML(QString());
        server.sends(line);
        server.sends(QStringLiteral("PING :fin"));
        ASSERT_TRUE(server.clientSent(QStringLiteral("PONG :fin")));
        EXPECT_EQ(view().contains(viewLine), c.viewLine) << c.enVentanas << c.enChat << c.publicar;
        EXPECT_EQ(server.lines().contains(repost), c.repost) << c.enVentanas << c.enChat << c.publicar;
        EXPECT_EQ(view().size(), int(c.viewLine) + int(c.repost)) << "the repost is echoed too";
        server.clearLines();
    }
}

TEST_F(MainRoom, TheTwinListStaysInStepThroughAMixedSequence)
{
    receive({QStringLiteral(":srv 353 yo = #sala :@op ana luis"), QStringLiteral(":pepe!p@h1 JOIN :#sala"),
             QStringLiteral(":luis!l@h2 NICK :lucho"), QStringLiteral(":op!o@h KICK #sala ana :x"),
             QStringLiteral(":rosa!r@h3 JOIN :#sala"), QStringLiteral(":pepe!p@h1 QUIT :bye"),
             QStringLiteral(":lucho!l@h2 NICK :luis"), QStringLiteral(":srv 353 yo = #sala :rosa nueva")});
    std::vector<QString> texts;
    for (const Entry& e : entries())
        texts.push_back(e.text);
    EXPECT_EQ(texts, (std::vector<QString>{QStringLiteral("op"), QStringLiteral("rosa"), QStringLiteral("luis"),
                                           QStringLiteral("nueva")}));
    expectTwinInStep();
}
