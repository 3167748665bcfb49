// The robot: its file read into entries, and its steps posting them into the
// main room. Steps are driven by calling the timer's handler, tick by tick.
#include "ConnectedClient.h"
#include "ListEntries.h"
#include "core/Function.h"
#include "core/frmIRC.h"
#include "platform/AppFiles.h"
#include "platform/ListView.h"
#include "platform/Text.h"
#include "platform/ToggleButton.h"

#include <QPushButton>
#include <QTest>
#include <QTimer>

using namespace platform;
using namespace Function;

namespace {

// The line RoomMsg sends for text in the main room, with no style chosen.
QString posted(const QString& text)
{
    return QStringLiteral("PRIVMSG #sala :") + Chr(15) + Chr(15) + text + Chr(15) + Chr(15) + Chr(15);
}

}  // namespace

class RobotFile : public AppFixture {};

TEST_F(RobotFile, FieldsBecomeEntriesWithoutTheBanner)
{
    struct Case {
        const char* name;
        QByteArray file;
        QStringList entries;
    } cases[] = {
        {"a comma splits, the blank after it goes", "uno, dos\r\n", {"uno", "dos"}},
        {"commas inside quotes", "\"a, b\"\r\nc\r\n", {"a, b", "c"}},
        {"an empty line is an empty entry", "uno\r\n\r\ndos", {"uno", "", "dos"}},
        {"a line of the banner alone", "_.-+ Vexlo-TeaM +-._\r\nhola\r\n", {"", "hola"}},
        {"the banner in capitals, twice in a row", "hola _.-+ VEXLO-TEAM +-.__.-+ vexlo-team +-._ chao\n",
         {"hola  chao"}},
        {"UTF-8 as written today", "canción, ñandú\n", {"canción", "ñandú"}},
        {"Windows-1252 as older editors wrote it", "canci\xF3n\r\n", {"canción"}},
    };
    frmIRC* irc = frmIRC::instance();
    for (const Case& c : cases) {
        writeFile(QStringLiteral("robot.txt"), c.file);
        irc->List1->clear();
        CargaRobot(filePath(QStringLiteral("robot.txt")), *irc->List1);
        EXPECT_EQ(boxItems(*irc->List1), c.entries) << c.name;
    }
}

TEST_F(RobotFile, NoPathOrNoFileAddsNothing)
{
    frmIRC* irc = frmIRC::instance();
    irc->List1->addItem(QStringLiteral("antes"));
    CargaRobot(QString(), *irc->List1);
    CargaRobot(filePath(QStringLiteral("no-existe.txt")), *irc->List1);
    EXPECT_EQ(boxItems(*irc->List1), QStringList{QStringLiteral("antes")});
}

TEST_F(RobotFile, ReplaceAllSearchesOnAfterEachReplacement)
{
    struct Case {
        QString text, find, replacement, result;
    } cases[] = {
        {"aXbxc", "x", "-", "a-b-c"},
        {"xx", "x", "xx", "xxxx"},  // a replacement holding find is not replaced again
        {"abc", "z", "-", "abc"},
        {"", "x", "-", ""},
        {"İx", "x", "-", "İ-"},  // a letter whose lower case is longer keeps the positions right
    };
    for (const Case& c : cases) {
        QString text = c.text;
        EXPECT_EQ(ReemplazaTexto(text, c.find, c.replacement), c.result) << c.text.toStdString();
        EXPECT_EQ(text, c.result);
    }
}

class Robot : public ConnectedClient {
protected:
    void SetUp() override
    {
        ConnectedClient::SetUp();
        irc->Show();
    }
    void load(const QStringList& lines)
    {
        for (const QString& l : lines)
            irc->List1->addItem(l);
    }
};

TEST_F(Robot, ThreeEntriesGoOneATickThenItStops)
{
    load({QStringLiteral("uno"), QStringLiteral("dos"), QStringLiteral("tres")});
    EXPECT_EQ(irc->Timer2->interval(), 1500);
    irc->Command24->click();
    EXPECT_TRUE(irc->Timer2->isActive());
    EXPECT_TRUE(irc->Command24->isOn());

    for (const QString& e : {QStringLiteral("uno"), QStringLiteral("dos"), QStringLiteral("tres")}) {
        irc->Timer2_Timer();
        ASSERT_TRUE(server.waitForLines(1));
        EXPECT_EQ(server.lines(), QStringList{posted(e)});
        server.clearLines();
        // The first step came after 1.5 s, each later one 1 s after it.
        EXPECT_EQ(irc->Timer2->interval(), 1000);
    }
    EXPECT_FALSE(irc->Timer2->isActive());
    EXPECT_FALSE(irc->Command24->isOn());
    EXPECT_EQ(irc->List1->listIndex(), -1);
    EXPECT_EQ(irc->List1->count(), 3);

    // Started again: from the first entry, 1 s on.
    irc->Command24->click();
    EXPECT_EQ(irc->Timer2->interval(), 1000);
    irc->Timer2_Timer();
    ASSERT_TRUE(server.waitForLines(1));
    EXPECT_EQ(server.lines(), QStringList{posted(QStringLiteral("uno"))});
}

TEST_F(Robot, AnEmptyEntryIsPassedOverAndTheChosenEntryIsWhereItGoesOn)
{
    load({QStringLiteral("uno"), QString(), QStringLiteral("dos"), QStringLiteral("tres")});
    irc->Command24->click();
    irc->Timer2_Timer();
    irc->Timer2_Timer();  // the empty entry: nothing
    irc->Timer2_Timer();
    ASSERT_TRUE(server.waitForLines(2));
    EXPECT_EQ(server.lines(), (QStringList{posted(QStringLiteral("uno")), posted(QStringLiteral("dos"))}));
    server.clearLines();

    // Stopping keeps the place; a click on an entry moves it.
    irc->Command25->click();
    EXPECT_FALSE(irc->Timer2->isActive());
    EXPECT_EQ(irc->List1->listIndex(), 2);
    irc->List1->setListIndex(2);
    irc->Command24->click();
    irc->Timer2_Timer();
    ASSERT_TRUE(server.waitForLines(1));
    EXPECT_EQ(server.lines(), QStringList{posted(QStringLiteral("tres"))});
}

TEST_F(Robot, AStepWithNoNextEntryStopsTheRobot)
{
    struct Case {
        const char* name;
        QStringList list;
        int chosen;
    } cases[] = {
        {"never loaded", {}, -1},
        {"the last entry chosen by hand", {QStringLiteral("uno"), QStringLiteral("dos")}, 1},
    };
    for (const Case& c : cases) {
        irc->List1->clear();
        load(c.list);
        irc->List1->setListIndex(c.chosen);
        irc->Command24->click();
        irc->Timer2_Timer();
        EXPECT_FALSE(irc->Timer2->isActive()) << c.name;
        EXPECT_FALSE(irc->Command24->isOn()) << c.name;
        EXPECT_EQ(irc->List1->listIndex(), -1) << c.name;
    }
    sync();
    EXPECT_EQ(server.lines(), QStringList{});

    // Cleared while it runs: the next step stops it.
    load({QStringLiteral("uno"), QStringLiteral("dos")});
    irc->Command24->click();
    irc->Timer2_Timer();
    irc->Command23->click();
    EXPECT_EQ(irc->List1->count(), 0);
    irc->Timer2_Timer();
    EXPECT_FALSE(irc->Timer2->isActive());
}

TEST_F(Robot, AfterADisconnectOneRefusalAtATime)
{
    server.closeClient();
    ASSERT_TRUE(QTest::qWaitFor([&] { return !viewFragments().isEmpty(); }));
    load({QStringLiteral("uno"), QStringLiteral("dos"), QStringLiteral("tres")});
    irc->Command24->click();
    int stepsWhileOpen = 0;
    dialogs.expectMsgBox(QStringLiteral("Ha Ocurrido Un Error al intentar enviar el mensaje. \r\nEstas Desconectado!"),
                         vbInformation, QStringLiteral("Error"), vbOK, [&] {
                             // Ticks while the box is open start no step and no second box.
                             irc->Timer2_Timer();
                             irc->Timer2_Timer();
                             stepsWhileOpen = irc->List1->listIndex();
                         });
    irc->Timer2_Timer();
    dialogs.verify();
    EXPECT_EQ(stepsWhileOpen, 0);
    EXPECT_EQ(irc->List1->listIndex(), 0);
    EXPECT_TRUE(irc->Timer2->isActive());
    // Once the box is closed the next tick steps on.
    expectSendRefused();
    irc->Timer2_Timer();
    EXPECT_EQ(irc->List1->listIndex(), 1);
}

TEST_F(Robot, OpenLoadsAFileAndCancelKeepsTheList)
{
    writeFile(QStringLiteral("robot.txt"), "hola\r\nque tal\r\n");
    const QString robot = filePath(QStringLiteral("robot.txt"));
    dialogs.expectOpenFile(robot);
    irc->Command22->click();
    EXPECT_EQ(boxItems(*irc->List1), (QStringList{QStringLiteral("hola"), QStringLiteral("que tal")}));
    ASSERT_EQ(dialogs.shown().size(), 1u);
    const Prompt& first = dialogs.shown().back();
    EXPECT_EQ(first.title, QStringLiteral("Cargar Robot"));
    EXPECT_EQ(first.text, QStringLiteral("Solo archivos de texto  (*.txt)"));
    EXPECT_EQ(first.start, AppPath());

    // Cancel: the list stays, nothing is read again.
    irc->List1->addItem(QStringLiteral("a mano"));
    dialogs.expectOpenFile(QString());
    irc->Command22->click();
    EXPECT_EQ(irc->List1->count(), 3);
    EXPECT_EQ(dialogs.shown().back().start, robot);

    // The chat's "Guardar" keeps its own file name; the robot's is not offered there.
    const QString chat = home.path() + QStringLiteral("/charla.htm");
    dialogs.expectSaveFile(chat);
    irc->Command8->click();
    EXPECT_EQ(dialogs.shown().back().start, QString());
    dialogs.expectOpenFile(QString());
    irc->Command22->click();
    EXPECT_EQ(dialogs.shown().back().start, robot);
    EXPECT_EQ(irc->List1->count(), 3);
    dialogs.expectSaveFile(QString());
    irc->Command8->click();
    EXPECT_EQ(dialogs.shown().back().start, chat);
}

TEST_F(Robot, AFileLoadedWhileItRunsGoesFromItsFirstEntry)
{
    load({QStringLiteral("viejo 1"), QStringLiteral("viejo 2"), QStringLiteral("viejo 3")});
    irc->Command24->click();
    irc->Timer2_Timer();
    irc->Timer2_Timer();
    ASSERT_TRUE(server.waitForLines(2));
    server.clearLines();

    writeFile(QStringLiteral("nuevo.txt"), "nuevo 1, nuevo 2\r\n");
    dialogs.expectOpenFile(filePath(QStringLiteral("nuevo.txt")));
    irc->Command22->click();
    EXPECT_TRUE(irc->Timer2->isActive());
    irc->Timer2_Timer();
    irc->Timer2_Timer();
    ASSERT_TRUE(server.waitForLines(2));
    EXPECT_EQ(server.lines(), (QStringList{posted(QStringLiteral("nuevo 1")), posted(QStringLiteral("nuevo 2"))}));
    EXPECT_FALSE(irc->Timer2->isActive());
}

TEST_F(Robot, ATickWhileAFileLoadsNeitherStopsItNorPostsAHalfLoadedList)
{
    load({QStringLiteral("viejo")});
    irc->Command24->click();
    // Due at once: the event pump run by each banner's removal meets it.
    irc->Timer2->setInterval(0);
    writeFile(QStringLiteral("nuevo.txt"), "_.-+ Vexlo-TeaM +-._nuevo 1\r\n_.-+ Vexlo-TeaM +-._nuevo 2\r\n");
    dialogs.expectOpenFile(filePath(QStringLiteral("nuevo.txt")));
    irc->Command22->click();
    EXPECT_EQ(boxItems(*irc->List1), (QStringList{QStringLiteral("nuevo 1"), QStringLiteral("nuevo 2")}));
    EXPECT_TRUE(irc->Timer2->isActive());
    EXPECT_EQ(irc->List1->listIndex(), -1);
    ASSERT_TRUE(server.waitForLines(1));
    EXPECT_EQ(server.lines().first(), posted(QStringLiteral("nuevo 1")));
}

class RobotDisconnected : public AppFixture {};

TEST_F(RobotDisconnected, StepsMoveThroughTheListAndPostNothing)
{
    frmIRC* irc = frmIRC::instance();
    irc->List1->addItem(QStringLiteral("uno"));
    irc->List1->addItem(QStringLiteral("dos"));
    irc->Command24_Click();
    irc->Timer2_Timer();
    EXPECT_EQ(irc->List1->listIndex(), 0);
    irc->Timer2_Timer();
    EXPECT_EQ(irc->List1->listIndex(), -1);
    EXPECT_FALSE(irc->Timer2->isActive());
    EXPECT_EQ(dialogs.msgBoxCount(), 0);
}
