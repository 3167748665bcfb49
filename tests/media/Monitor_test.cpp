// The running side of the player window over a player that plays nothing:
// time texts, the poll and its step to the next entry, the player's events,
// the two switches, the now-playing record and the song announced in the
// main room.
#include "AppFixture.h"
#include "ConnectedClient.h"
#include "PlayerWindow.h"
#include "core/Function.h"
#include "core/frmIRC.h"
#include "platform/ListView.h"
#include "platform/ProgressBar.h"
#include "platform/StatusBar.h"
#include "platform/TcpClient.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QTest>

using namespace platform;
using namespace Function;

namespace {

const QString kClearRecord = QStringLiteral(R"(\0Music\00\0{0} - {1}\0\0\0\0\0)");

QString showRecord(const QString& title)
{
    return QStringLiteral(R"(\0Music\01\0{0} - {1}\0Vexlo-Parlowen-Media Player :\0)") + title +
           QStringLiteral(R"(\0Debut\0\0)");
}

template <class Base>
class PlayerWindowTest : public Base {
protected:
    void SetUp() override
    {
        Base::SetUp();
        resetPlayerWindowState();
    }
    // The window with entries for /m/a, /m/b, ... and its player.
    frmMedia* withEntries(int n)
    {
        QByteArray file;
        for (int i = 0; i < n; ++i)
            file += frmMedia::Entry(QString(), QStringLiteral("/m/") + QChar(u'a' + i)).toUtf8() + "\r\n";
        this->writeFile(QStringLiteral("Play List.ini"), file);
        frmMedia* m = openStill();
        player = static_cast<FakePlayer*>(m->WMP);
        return m;
    }
    // The window with n entries, the first one playing.
    frmMedia* playing(int n, const QString& name, double duration)
    {
        frmMedia* m = withEntries(n);
        m->mnext->trigger();
        player->opens(name, duration);
        deliver();
        return m;
    }
    // The record texts sent, decoded, with their number checked.
    QStringList sent()
    {
        QStringList out;
        for (const CopyData& c : records.messages) {
            EXPECT_EQ(c.dwData, 1351u);
            EXPECT_EQ(c.data.size() % 2, 0);
            out << QString::fromUtf16(reinterpret_cast<const char16_t*>(c.data.constData()), c.data.size() / 2 - 1);
            EXPECT_EQ(c.data.right(2), QByteArray(2, '\0'));
        }
        records.messages.clear();
        return out;
    }

    FakePlayers players;
    CapturedRecords records;
    FakePlayer* player = nullptr;
};

using Monitor = PlayerWindowTest<AppFixture>;

}  // namespace

TEST(TimeString, HoursMinutesPeriodSeconds)
{
    const std::pair<int, const char*> cases[] = {
        {0, "0:00.00"}, {59, "0:00.59"}, {75, "0:01.15"}, {3599, "0:59.59"}, {3725, "1:02.05"}, {36000, "10:00.00"},
    };
    for (const auto& [seconds, text] : cases)
        EXPECT_EQ(frmMedia::TimeString(seconds), QString::fromLatin1(text)) << seconds;
}

TEST(MusicInfoRecord, TheClearRecordIsSixtyFourBytes)
{
    const QByteArray clear = frmMedia::MusicInfoRecord(QString(), QString(), QString(), QString(),
                                                       QStringLiteral("{0} - {1}"), false);
    EXPECT_EQ(clear.size(), 64);
    EXPECT_EQ(clear, utf16Record(kClearRecord));
    EXPECT_EQ(clear.left(6), QByteArray("\\\0000\0M\0", 6));  // "\0M": backslash and digit, no NUL
}

TEST(MusicInfoRecord, TheShowRecordHoldsEveryFieldInItsPlace)
{
    const QString title = QStringLiteral("[ Canción ]");
    const QByteArray show = frmMedia::MusicInfoRecord(QStringLiteral("Vexlo-Parlowen-Media Player :"),
                                                      QStringLiteral("Debut"), title, QString(),
                                                      QStringLiteral("{0} - {1}"), true);
    EXPECT_EQ(show, utf16Record(showRecord(title)));
    EXPECT_EQ(show.size(), 2 * (showRecord(title).size() + 1));
    EXPECT_TRUE(show.contains(QByteArray("\xF3\0n\0", 4)));  // ó as UTF-16LE
}

TEST_F(Monitor, ThePollRoundsThePositionHalfToEven)
{
    const std::pair<double, const char*> cases[] = {
        {0.49, "0:00.00"}, {0.5, "0:00.00"}, {1.5, "0:00.02"}, {2.5, "0:00.02"},
        {2.51, "0:00.03"}, {3.5, "0:00.04"}, {74.6, "0:01.15"},
    };
    frmMedia* m = withEntries(1);
    m->mnext->trigger();
    for (const auto& [position, text] : cases) {
        player->position = position;
        m->Timer2_Timer();
        EXPECT_EQ(m->Label1[1]->text(), QString::fromLatin1(text)) << position;
    }
}

TEST_F(Monitor, PlayingShowsTheNameTimeAndProgressInTheStatusBar)
{
    frmMedia* m = playing(1, QStringLiteral("abc"), 225.4);
    EXPECT_EQ(m->Label1[0]->text(), QStringLiteral("0:03.45"));
    player->position = 75.2;
    m->Timer2_Timer();
    EXPECT_EQ(m->StatusBar1->panelText(1), QStringLiteral("abc"));
    EXPECT_EQ(m->StatusBar1->panelText(3), QStringLiteral("0:01.15"));
    EXPECT_EQ(m->StatusBar1->panelText(4), QStringLiteral("0:03.45"));
    EXPECT_FLOAT_EQ(m->Progreso->Max(), 225.4f);
    EXPECT_FLOAT_EQ(m->Progreso->Value(), 75.2f);
    EXPECT_EQ(m->Label1[1]->text(), QStringLiteral("0:01.15"));

    // Paused: the poll keeps the elapsed text but leaves the status bar.
    player->pause();
    player->position = 80;
    m->Timer2_Timer();
    EXPECT_EQ(m->Label1[1]->text(), QStringLiteral("0:01.20"));
    EXPECT_EQ(m->StatusBar1->panelText(3), QStringLiteral("0:01.15"));
}

TEST_F(Monitor, TheTrackStepsOnWhenTheRoundedPositionReachesTheDuration)
{
    frmMedia* m = withEntries(3);
    m->mnext->trigger();
    for (int entry : {0, 1, 2}) {
        SCOPED_TRACE(entry);
        ASSERT_EQ(m->List1->listIndex(), entry);
        player->opens(QStringLiteral("tema"), 225);
        deliver();
        for (double p : {224.4, 224.5}) {
            player->position = p;
            m->Timer2_Timer();
            EXPECT_EQ(m->List1->listIndex(), entry) << p;
        }
        player->position = 224.51;
        m->Timer2_Timer();
        const int next = (entry + 1) % 3;
        EXPECT_EQ(m->List1->listIndex(), next);
        EXPECT_EQ(player->URL(), QStringLiteral("/m/") + QChar(u'a' + next));
        // The new address starts at 0: no second step.
        m->Timer2_Timer();
        EXPECT_EQ(m->List1->listIndex(), next);
    }
}

TEST_F(Monitor, AStreamOfDurationZeroNeverStepsAndKeepsTheProgressMaximum)
{
    frmMedia* m = playing(2, QStringLiteral("radio"), 0);
    EXPECT_EQ(m->Label1[0]->text(), QStringLiteral("0:00.00"));
    for (double p : {0.0, 0.4, 10.0, 130.0}) {
        player->position = p;
        m->Timer2_Timer();
    }
    EXPECT_EQ(m->List1->listIndex(), 0);
    EXPECT_EQ(player->urls.size(), 1);
    EXPECT_FLOAT_EQ(m->Progreso->Max(), 100.0f);
    EXPECT_EQ(m->StatusBar1->panelText(3), QStringLiteral("0:02.10"));
}

TEST_F(Monitor, TheEndOfAMediumPlaysTheNextEntryWhateverTheMessengerSwitch)
{
    for (bool msn : {false, true}) {
        SCOPED_TRACE(msn ? "MSN on" : "MSN off");
        MostrarMSN = msn;
        frmMedia* m = playing(2, QStringLiteral("a"), 3);
        player->position = 1;
        m->Timer2_Timer();
        ASSERT_GT(m->Progreso->Value(), 0.0f);
        sent();

        player->ends();
        deliver();
        EXPECT_EQ(m->List1->listIndex(), 1);
        EXPECT_EQ(player->URL(), QStringLiteral("/m/b"));
        EXPECT_EQ(m->Progreso->Value(), 0.0f);
        EXPECT_EQ(sent(), msn ? QStringList{kClearRecord} : QStringList{});

        player->opens(QStringLiteral("b"), 3);
        deliver();
        player->ends();
        deliver();
        EXPECT_EQ(m->List1->listIndex(), 0);
        destroyAllForms();
    }
}

TEST_F(Monitor, TheEndOfAMediumWithAnEmptiedListDoesNothing)
{
    frmMedia* m = playing(2, QStringLiteral("a"), 3);
    m->mclean->trigger();
    player->ends();
    deliver();
    EXPECT_EQ(player->urls, QStringList{QStringLiteral("/m/a")});
    EXPECT_EQ(m->List1->listIndex(), -1);
}

TEST_F(Monitor, OpeningANewMediumClearsTheElapsedText)
{
    frmMedia* m = withEntries(1);
    EXPECT_EQ(m->Label1[1]->text(), QStringLiteral("Tiempo"));
    m->mnext->trigger();
    deliver();
    EXPECT_EQ(m->Label1[1]->text(), QString());
}

TEST_F(Monitor, TheMarqueeTurnsTheTitleAndWithMsnOnSendsItsRecords)
{
    frmMedia* m = withEntries(1);
    m->TituloActual = QStringLiteral("abc");
    m->Marque_Timer();
    EXPECT_EQ(m->TituloActual, QStringLiteral("bca"));
    EXPECT_EQ(m->CurrentTitle->text(), QStringLiteral(" bca "));
    EXPECT_TRUE(sent().isEmpty());

    MostrarMSN = true;
    m->Marque_Timer();  // nothing plays: show, then clear
    EXPECT_EQ(sent(), (QStringList{showRecord(QStringLiteral("[ cab ]")), kClearRecord}));
    EXPECT_EQ(records.messages.size(), 0);

    m->mnext->trigger();
    player->opens(QStringLiteral("tema"), 3);
    deliver();
    sent();
    m->TituloActual = QStringLiteral("xy");
    m->Marque_Timer();
    EXPECT_EQ(sent(), QStringList{showRecord(QStringLiteral("[ yx ]"))});

    m->TituloActual.clear();
    m->Marque_Timer();
    EXPECT_EQ(m->CurrentTitle->text(), QStringLiteral("  "));
}

TEST_F(Monitor, ANewSongSetsTheTitleAndWithMsnOnShowsIt)
{
    MostrarMSN = true;
    frmMedia* m = playing(1, QStringLiteral("abc"), 3);
    EXPECT_EQ(m->TituloActual, QStringLiteral(" ... abc"));
    EXPECT_EQ(sent(), QStringList{showRecord(QStringLiteral("Reproduciendo: abc"))});

    // Not announced (announcing is off): every resume shows it again.
    player->pause();
    player->play();
    deliver();
    EXPECT_EQ(sent(), QStringList{showRecord(QStringLiteral("Reproduciendo: abc"))});

    // The song last announced is not shown again.
    frmMedia::UltimoPublicado = QStringLiteral("abc");
    m->TituloActual = QStringLiteral("x");
    player->pause();
    player->play();
    deliver();
    EXPECT_EQ(m->TituloActual, QStringLiteral("x"));
    EXPECT_TRUE(sent().isEmpty());
}

TEST_F(Monitor, StopAndErrorsClearTheRecordOnlyWithMsnOn)
{
    frmMedia* m = withEntries(1);
    for (bool msn : {false, true}) {
        SCOPED_TRACE(msn);
        MostrarMSN = msn;
        m->mnext->trigger();
        player->fails();
        deliver();
        m->mstop->trigger();
        EXPECT_EQ(sent(), msn ? (QStringList{kClearRecord, kClearRecord}) : QStringList{});
    }
    // Closing the window sends nothing.
    m->mclose->trigger();
    EXPECT_TRUE(sent().isEmpty());
}

TEST_F(Monitor, SwitchCaptionsNameTheNextClickAndStartOverAtEveryLoad)
{
    struct Case {
        QAction* frmMedia::*item;
        bool* flag;
        QString on, off;
    } cases[] = {
        {&frmMedia::mdisplaymsn, &MostrarMSN, QStringLiteral("Mostrar en MSN ON"), QStringLiteral("Mostrar en MSN OFF")},
        {&frmMedia::mpublica, &PublicarMusica, QStringLiteral("Publicar ON"), QStringLiteral("Publicar OFF")},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.on.toStdString());
        frmMedia* m = openStill();
        EXPECT_EQ((m->*c.item)->text(), c.on);
        EXPECT_FALSE((m->*c.item)->isChecked());
        (m->*c.item)->trigger();
        EXPECT_TRUE(*c.flag);
        EXPECT_EQ((m->*c.item)->text(), c.off);
        EXPECT_TRUE((m->*c.item)->isChecked());

        m->mclose->trigger();
        m = openStill();
        EXPECT_EQ((m->*c.item)->text(), c.on);
        EXPECT_TRUE(*c.flag);
        EXPECT_TRUE((m->*c.item)->isChecked()) << "the mark shows the switch, not the caption";
        (m->*c.item)->trigger();  // the first click leaves it on
        EXPECT_TRUE(*c.flag);
        EXPECT_EQ((m->*c.item)->text(), c.off);
        EXPECT_TRUE((m->*c.item)->isChecked());
        (m->*c.item)->trigger();
        EXPECT_FALSE(*c.flag);
        EXPECT_EQ((m->*c.item)->text(), c.on);
        EXPECT_FALSE((m->*c.item)->isChecked());
        EXPECT_TRUE(sent().isEmpty());
        m->mclose->trigger();
    }
}

TEST_F(Monitor, NothingIsAnnouncedWhileNotConnected)
{
    PublicarMusica = true;
    frmMedia::UltimoPublicado = QStringLiteral("antes");
    frmMedia* m = playing(1, QStringLiteral("abc"), 3);
    EXPECT_EQ(frmMedia::UltimoPublicado, QStringLiteral("antes"));
    EXPECT_EQ(m->TituloActual, QStringLiteral(" ... abc"));
    EXPECT_EQ(dialogs.msgBoxCount(), 0);
}

namespace {

class Announcing : public PlayerWindowTest<ConnectedClient> {
protected:
    void SetUp() override
    {
        PlayerWindowTest<ConnectedClient>::SetUp();
        PublicarMusica = true;
        irc->txtChannel->setText(QStringLiteral("#sala"));
    }
    static QString announcement(const QString& name)
    {
        const QString f15(QChar(15));
        return QStringLiteral("PRIVMSG #sala :") + f15 + f15 + QStringLiteral("Estoy Escuchando : ") + name +
               QStringLiteral(" en o: sala :D ") + f15 + f15 + f15;
    }
};

}  // namespace

TEST_F(Announcing, EachSongOnceInTheMainRoomNotAgainAfterPauseAndResume)
{
    frmMedia* m = playing(2, QStringLiteral("abc"), 3);
    ASSERT_TRUE(server.clientSent(announcement(QStringLiteral("abc"))));
    EXPECT_EQ(frmMedia::UltimoPublicado, QStringLiteral("abc"));
    sync();

    m->mpause->trigger();
    m->mplay->trigger();
    deliver();
    sync();
    EXPECT_TRUE(server.lines().isEmpty());

    m->mnext->trigger();
    player->opens(QStringLiteral("def"), 3);
    deliver();
    ASSERT_TRUE(server.clientSent(announcement(QStringLiteral("def"))));
    EXPECT_EQ(frmMedia::UltimoPublicado, QStringLiteral("def"));
}

TEST_F(Announcing, ASongNameCannotAddALineOfItsOwn)
{
    playing(1, QStringLiteral("abc\r\nQUIT :adios"), 3);
    ASSERT_TRUE(server.clientSent(announcement(QStringLiteral("abc  QUIT :adios"))));
    EXPECT_EQ(server.lines().size(), 1);
    sync();
    EXPECT_TRUE(server.hasClient());
}

TEST_F(Announcing, ARefusedAnnouncementDoesNotStackASecondBox)
{
    frmMedia* m = withEntries(2);
    server.closeClient();
    ASSERT_TRUE(QTest::qWaitFor([&] { return irc->sockIRC->State() != TcpClient::sckConnected; }));
    ASSERT_TRUE(Conectado);
    dialogs.expectMsgBox(QStringLiteral("Ha Ocurrido Un Error al intentar enviar el mensaje. \r\nEstas Desconectado!"),
                         vbInformation, QStringLiteral("Error"), vbOK, [&] {
                             // The next song starts while the box is open.
                             m->mnext->trigger();
                             player->opens(QStringLiteral("def"), 3);
                             deliver();
                         });
    m->mnext->trigger();
    player->opens(QStringLiteral("abc"), 3);
    deliver();
    EXPECT_EQ(dialogs.msgBoxCount(), 1);
    EXPECT_EQ(frmMedia::UltimoPublicado, QStringLiteral("abc"));
}
