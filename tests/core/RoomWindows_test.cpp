// Lines for further rooms and private partners reach their windows: the
// dispatcher's branches, the registries' rules, and the routing procedures
// of the main window. The main room is "#sala", the own nick "yo".
#include "ConnectedClient.h"
#include "ListEntries.h"
#include "core/Function.h"
#include "core/frmIRC.h"
#include "platform/HtmlView.h"
#include "platform/ListView.h"
#include "windows/frmPrivado.h"
#include "windows/frmRoom.h"

#include <QLabel>
#include <QLineEdit>
#include <QPointer>

using namespace platform;
using namespace Function;

class RoomWindows : public ConnectedClient {
protected:
    static frmRoom* room(const QString& name) { return VentanasSala.first(frmRoom::captionFor(name)); }
    // A second window with the same caption, as only a closed-and-reopened
    // room could leave in the original; the registry must still serve both.
    static frmRoom* twin(const QString& name)
    {
        auto* w = new frmRoom;
        VentanasSala.add(w);
        w->Load();
        w->setCaption(frmRoom::captionFor(name));
        return w;
    }
    static QStringList view(const frmRoom* w) { return fragmentsOf(*w->DHTMLEdit1); }
    static QString line(QString html) { return FormatoHTML(html) + QStringLiteral("</font></b></u><br>"); }
};

TEST_F(RoomWindows, TheFirstJoinOpensTheRoomsWindowAndItsLinesReachIt)
{
    receive({QStringLiteral(":yo!y@hY JOIN :#Otra")});
    frmRoom* w = room(QStringLiteral("Otra"));
    ASSERT_NE(w, nullptr);
    EXPECT_TRUE(w->isVisible());
    EXPECT_EQ(w->windowStateValue(), vbNormal);
    EXPECT_EQ(VentanasSala.count(), 2);
    EXPECT_EQ(w->ListView1->count(), 0) << "the names list fills it";
    EXPECT_EQ(w->Text1->text(), QStringLiteral("0"));

    receive({QStringLiteral(":srv 353 yo = #Otra :@yo ana +luis"), QStringLiteral(":pepe!p@hP JOIN :#Otra"),
             QStringLiteral(":ana!a@hA PRIVMSG #Otra :hola <b>"), QStringLiteral(":pepe!p@hP PART #Otra :chao"),
             QStringLiteral(":yo!y@hY KICK #Otra luis :fuera"), QStringLiteral(":ana!a@hA NICK :anita"),
             QStringLiteral(":rosa!r@hR JOIN :#Otra"), QStringLiteral(":rosa!r@hR QUIT :me voy")});
    EXPECT_EQ(VentanasSala.count(), 2) << "later joins make no second window";
    EXPECT_EQ(listEntries(*w->ListView1),
              (std::vector<ListEntry>{{"yo", 4, {}, {}}, {"anita", 1, "hA NIC", {}}}));
    EXPECT_EQ(w->Text1->text(), QStringLiteral("2"));
    EXPECT_EQ(view(w), (QStringList{line(QStringLiteral("<font color=Silver> [pepe ] a Entrado a Otra.")),
                                    line(QStringLiteral("<b> ana :</B>  hola &lt;b&gt;")),
                                    line(QStringLiteral("<font color=Silver> [pepe ] a Salido de Otra.")),
                                    line(QStringLiteral("<font color=Silver> [ yo ] a  Expulsado a  [ luis ] en Otra")),
                                    line(QStringLiteral("<font color=Silver> [ana ] a Cambiado su Nick por [ anita ].")),
                                    line(QStringLiteral("<font color=Silver> [rosa ] a Entrado a Otra.")),
                                    line(QStringLiteral("<font color=Silver> [ rosa ] a cerrado su Cliente [ me voy ] "))}));

    // The main room saw none of it.
    EXPECT_TRUE(viewFragments().isEmpty());
    EXPECT_EQ(irc->ListView1->count(), 0);
    EXPECT_EQ(irc->TxtUsala->text(), QStringLiteral("0"));
}

TEST_F(RoomWindows, CaptionsCompareExactlyAndEveryMatchingWindowGetsTheLine)
{
    receive({QStringLiteral(":yo!y@h JOIN :#Otra")});
    frmRoom* first = room(QStringLiteral("Otra"));
    frmRoom* second = twin(QStringLiteral("Otra"));
    frmRoom* lower = twin(QStringLiteral("otra"));
    receive({QStringLiteral(":ana!a@h PRIVMSG #Otra :a todos"), QStringLiteral(":ana!a@h PRIVMSG #OTRA :a nadie"),
             QStringLiteral(":pepe!p@h JOIN :#Otra")});
    const QString toAll = line(QStringLiteral("<b> ana :</B>  a todos"));
    EXPECT_EQ(view(first), (QStringList{toAll, line(QStringLiteral("<font color=Silver> [pepe ] a Entrado a Otra."))}));
    EXPECT_EQ(view(second), QStringList{toAll}) << "a join goes to the first window only";
    EXPECT_TRUE(view(lower).isEmpty());
    EXPECT_EQ(VentanasSala.count(), 4) << "a line for an unknown room makes no window";
}

TEST_F(RoomWindows, AClosedWindowIsNeverFoundAgainAndTheNextJoinOpensAFreshOne)
{
    receive({QStringLiteral(":yo!y@h JOIN :#otra"), QStringLiteral(":srv 353 yo = #otra :yo ana")});
    QPointer<frmRoom> closed = room(QStringLiteral("otra"));
    closed->close();
    receive({QStringLiteral(":ana!a@h PRIVMSG #otra :sigues?"), QStringLiteral(":srv 353 yo = #otra :bea"),
             QStringLiteral(":ana!a@h NICK :anita"), QStringLiteral(":ana!a@h QUIT :bye")});
    ASSERT_TRUE(closed.isNull());

    receive({QStringLiteral(":yo!y@h JOIN :#otra"), QStringLiteral(":srv 353 yo = #otra :yo bea")});
    frmRoom* fresh = room(QStringLiteral("otra"));
    ASSERT_NE(fresh, nullptr);
    EXPECT_EQ(VentanasSala.count(), 3) << "a new slot; the closed one's stays";
    EXPECT_EQ(listTexts(*fresh->ListView1), (std::vector<QString>{"yo", "bea"}));
    EXPECT_TRUE(view(fresh).isEmpty());
}

TEST_F(RoomWindows, NamesListsAddNoOneTwiceAndAnEmptyNameEndsTheWholeList)
{
    receive({QStringLiteral(":yo!y@h JOIN :#otra")});
    frmRoom* w = room(QStringLiteral("otra"));
    frmRoom* second = twin(QStringLiteral("otra"));
    receive({QStringLiteral(":srv 353 yo = #otra :@yo +ana luis"), QStringLiteral(":srv 353 yo = #otra :yo ana luis pepe")});
    EXPECT_EQ(listEntries(*w->ListView1), (std::vector<ListEntry>{{"yo", 4, {}, {}},
                                                                  {"ana", 4, {}, {}},
                                                                  {"luis", 1, {}, {}},
                                                                  {"pepe", 1, {}, {}}}));
    EXPECT_EQ(w->Text1->text(), QStringLiteral("4"));
    EXPECT_EQ(second->ListView1->count(), 4);

    w->ListView1->clear();
    second->ListView1->clear();
    receive({QStringLiteral(":srv 353 yo = #otra :rosa @ luis")});
    EXPECT_EQ(listTexts(*w->ListView1), std::vector<QString>{"rosa"});
    EXPECT_EQ(w->Text1->text(), QStringLiteral("1"));
    EXPECT_EQ(second->ListView1->count(), 0) << "the list ended in the first window";
    receive({QStringLiteral(":srv 353 yo = #otra :bea ")});
    EXPECT_EQ(listTexts(*w->ListView1), (std::vector<QString>{"rosa", "bea"}));
    EXPECT_EQ(second->ListView1->count(), 0);
}

TEST_F(RoomWindows, RejoiningARoomWhoseWindowStayedOpenStartsItsListAfresh)
{
    receive({QStringLiteral(":yo!y@h JOIN :#otra"), QStringLiteral(":srv 353 yo = #otra :@op yo ana"),
             QStringLiteral(":op!o@h KICK #otra yo :fuera")});
    frmRoom* w = room(QStringLiteral("otra"));
    EXPECT_EQ(listTexts(*w->ListView1), (std::vector<QString>{"op", "ana"}));
    receive({QStringLiteral(":yo!y@h JOIN :#otra"), QStringLiteral(":srv 353 yo = #otra :yo @op ana bea")});
    EXPECT_EQ(room(QStringLiteral("otra")), w);
    EXPECT_EQ(listEntries(*w->ListView1), (std::vector<ListEntry>{{"yo", 3, "h JOIN", {}},
                                                                  {"op", 4, {}, {}},
                                                                  {"ana", 1, {}, {}},
                                                                  {"bea", 1, {}, {}}}));
    EXPECT_EQ(w->Text1->text(), QStringLiteral("4"));
}

TEST_F(RoomWindows, TheOwnNickChangeKeepsTheSavedPasswordWithThreeRoomsOpen)
{
    receive({QStringLiteral(":yo!y@h JOIN :#uno"), QStringLiteral(":yo!y@h JOIN :#dos"),
             QStringLiteral(":yo!y@h JOIN :#tres"), QStringLiteral(":srv 353 yo = #uno :yo ana")});
    irc->txtNick->setText(QStringLiteral("yo"));
    irc->TxtPass->setText(QStringLiteral("clave"));
    receive({QStringLiteral(":yo!y@h2 NICK :yo2")});
    const QByteArray saved = readFile(QStringLiteral("Parlowen.nt"));
    EXPECT_TRUE(saved.contains("\r\nPassword=clave\r\n")) << saved.toStdString();
    EXPECT_TRUE(saved.startsWith("Nick=yo\r\n")) << saved.toStdString();
    EXPECT_EQ(irc->txtNick->text(), QStringLiteral("yo2"));
    EXPECT_EQ(listEntries(*room(QStringLiteral("uno"))->ListView1),
              (std::vector<ListEntry>{{"ana", 1, {}, {}}, {"yo2", 3, "h2 NIC", {}}}));
}

TEST_F(RoomWindows, PrivateLinesGoToOneWindowPerPartner)
{
    PrivadosEnVentanas = true;
    receive({QStringLiteral(":ana!a@h PRIVMSG yo :hola"), QStringLiteral(":ana!a@h PRIVMSG yo :sigues?"),
             QStringLiteral(":Ana!a@h PRIVMSG yo :soy otra"), QStringLiteral(":yo!y@h PRIVMSG yo :eco"),
             QStringLiteral(":yo!y@h PRIVMSG yo :eco")});
    EXPECT_EQ(VentanasPrivado.count(), 4) << "ana, Ana and the own nick";
    const auto conversation = [](const QString& nick) {
        frmPrivado* w = VentanasPrivado.first(frmPrivado::captionFor(nick));
        return w ? w->RichTextBox1 : QStringLiteral("(no window)");
    };
    const QString b = QStringLiteral("\x02 "), o = QStringLiteral("\x0f");
    EXPECT_EQ(conversation(QStringLiteral("ana")),
              b + QStringLiteral("ana : ") + o + QStringLiteral("hola<br>") + b + QStringLiteral("ana : ") + o +
                  QStringLiteral("sigues?<br>"));
    EXPECT_EQ(conversation(QStringLiteral("Ana")), b + QStringLiteral("Ana : ") + o + QStringLiteral("soy otra<br>"));
    EXPECT_EQ(conversation(QStringLiteral("yo")),
              b + QStringLiteral("yo : ") + o + QStringLiteral("eco<br>") + b + QStringLiteral("yo : ") + o +
                  QStringLiteral("eco<br>"));
    for (frmPrivado* w : VentanasPrivado.open()) {
        EXPECT_TRUE(w->isVisible());
        EXPECT_EQ(w->windowStateValue(), vbMinimized) << "announced by an alert, opened minimised";
    }
    EXPECT_TRUE(viewFragments().isEmpty());

    AlertaPrivados = false;
    receive({QStringLiteral(":pepe!p@h PRIVMSG yo :hola")});
    EXPECT_EQ(VentanasPrivado.first(frmPrivado::captionFor(QStringLiteral("pepe")))->windowStateValue(), vbNormal);
}

TEST_F(RoomWindows, OpeningAPrivateWindowFindsTheOneThereIs)
{
    irc->Abre_Privado(QString());
    EXPECT_EQ(VentanasPrivado.count(), 1);
    irc->Abre_Privado(QStringLiteral("ana"));
    frmPrivado* w = VentanasPrivado.first(QStringLiteral("Privado Con : ana"));
    ASSERT_NE(w, nullptr);
    EXPECT_EQ(w->windowStateValue(), vbNormal);
    EXPECT_TRUE(w->isVisible());
    w->setWindowStateValue(vbMinimized);
    irc->Abre_Privado(QStringLiteral("ana"));
    EXPECT_EQ(w->windowStateValue(), vbNormal);
    EXPECT_EQ(VentanasPrivado.count(), 2);

    PrivadosEnVentanas = true;
    receive({QStringLiteral(":ana!a@h PRIVMSG yo :hola")});
    EXPECT_EQ(VentanasPrivado.count(), 2);
    EXPECT_EQ(w->windowStateValue(), vbNormal) << "a line into an open window leaves its state alone";
}
