// The player window with the real player, its timers running, on media made
// for the test: tracks follow each other, a stream plays on, and the song is
// announced once. Waits are on what the window shows, with generous limits.
#include "AppFixture.h"
#include "ConnectedClient.h"
#include "PlayerWindow.h"
#include "TestMedia.h"
#include "core/Function.h"
#include "core/frmIRC.h"
#include "platform/ListView.h"
#include "platform/PlayerControl.h"
#include "platform/StatusBar.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QSet>
#include <QSignalSpy>
#include <QTest>

using namespace platform;
using namespace Function;

namespace {

constexpr int kLong = 30000;  // the machine may be busy: wait long, pass fast

template <class Base>
class RealPlayback : public Base {
protected:
    void SetUp() override
    {
        Base::SetUp();
        resetPlayerWindowState();
    }
    QString tone(const QString& name, double seconds, const QString& title = QString())
    {
        // gst-launch takes no blanks in a file name; the window takes any.
        const QString made = this->home.filePath(QStringLiteral("tono.tmp.") + QFileInfo(name).suffix());
        const QString path = this->home.filePath(name);
        EXPECT_TRUE(makeTone(made, seconds, title));
        EXPECT_TRUE(QFile::rename(made, path));
        return path;
    }
    frmMedia* withEntries(const QStringList& entries)
    {
        QByteArray file;
        for (const QString& e : entries)
            file += e.toUtf8() + "\r\n";
        this->writeFile(QStringLiteral("Play List.ini"), file);
        frmMedia* m = frmMedia::instance();
        m->Show();
        return m;
    }
    static bool waitUntil(const std::function<bool()>& done) { return QTest::qWaitFor(done, kLong); }
    // The seconds the elapsed text shows, -1 when it shows no time.
    static int elapsed(frmMedia* m)
    {
        const QString t = m->Label1[1]->text();
        return t.size() == 7 && t.startsWith(QLatin1String("0:")) && t[4] == u'.' ? t.mid(2, 2).toInt() * 60 + t.mid(5).toInt()
                                                                                : -1;
    }
    // The marquee turns the title one character at a time.
    static bool turnOf(const QString& shown, const QString& title)
    {
        return shown.size() == title.size() && (shown + shown).contains(title);
    }

    CapturedRecords records;
};

using Playback = RealPlayback<AppFixture>;

}  // namespace

TEST_F(Playback, TracksFollowEachOtherAndTheLastWrapsToTheFirst)
{
    const QString first = tone(QStringLiteral("uno.wav"), 3.0);
    const QString second = tone(QStringLiteral("[live] dos, tres.ogg"), 3.0, QStringLiteral("Cancion de prueba"));
    frmMedia* m = withEntries({frmMedia::Entry(QStringLiteral("uno.wav"), first),
                               frmMedia::Entry(QStringLiteral("[live] dos, tres.ogg"), second)});
    m->mnext->trigger();
    ASSERT_EQ(m->WMP->URL(), first);

    // The elapsed text moves while the first track plays.
    QSet<int> shown;
    ASSERT_TRUE(waitUntil([&] {
        if (m->List1->listIndex() == 0 && elapsed(m) >= 0)
            shown << elapsed(m);
        return shown.size() >= 2;
    }));
    ASSERT_TRUE(waitUntil([&] { return m->Label1[0]->text() == QLatin1String("0:00.03"); }));
    EXPECT_EQ(m->StatusBar1->panelText(1), QStringLiteral("uno.wav"));

    ASSERT_TRUE(waitUntil([&] { return m->List1->listIndex() == 1; }));
    EXPECT_EQ(m->WMP->URL(), second);
    ASSERT_TRUE(waitUntil([&] { return turnOf(m->TituloActual, QStringLiteral(" ... Cancion de prueba")); }))
        << m->TituloActual.toStdString();
    EXPECT_EQ(m->StatusBar1->panelText(1), QStringLiteral("Cancion de prueba"));

    ASSERT_TRUE(waitUntil([&] { return m->List1->listIndex() == 0; }));
    EXPECT_EQ(m->WMP->URL(), first);
    ASSERT_TRUE(waitUntil([&] { return m->WMP->playState() == PlayerControl::Playing; }));
}

TEST_F(Playback, AStreamWithoutDurationPlaysOnWithoutAdvancing)
{
    const QString radio = tone(QStringLiteral("radio.ogg"), 60.0);
    QFile f(radio);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    RadioStation station(f.readAll(), "application/ogg");
    const QString address = station.address(QStringLiteral("/x8000/radio"));
    frmMedia* m = withEntries({frmMedia::Entry(frmMedia::UrlTitle(address), address),
                               frmMedia::Entry(QStringLiteral("uno.wav"), tone(QStringLiteral("uno.wav"), 1.0))});
    m->mnext->trigger();

    ASSERT_TRUE(waitUntil([&] { return elapsed(m) >= 4; })) << m->Label1[1]->text().toStdString();
    EXPECT_EQ(m->Label1[0]->text(), QStringLiteral("0:00.00"));
    EXPECT_EQ(m->StatusBar1->panelText(1), QStringLiteral("radio"));
    EXPECT_EQ(m->StatusBar1->panelText(4), QStringLiteral("0:00.00"));
    EXPECT_EQ(m->List1->listIndex(), 0);
    EXPECT_EQ(m->WMP->URL(), address);
    EXPECT_EQ(station.requests(), 1);
}

TEST_F(Playback, NothingIsAnnouncedWhileNotConnected)
{
    PublicarMusica = true;
    const QString song = tone(QStringLiteral("uno.ogg"), 2.0, QStringLiteral("Cancion"));
    frmMedia* m = withEntries({frmMedia::Entry(QStringLiteral("uno.ogg"), song)});
    m->mnext->trigger();
    ASSERT_TRUE(waitUntil([&] { return turnOf(m->TituloActual, QStringLiteral(" ... Cancion")); }));
    EXPECT_EQ(frmMedia::UltimoPublicado, QString());
    EXPECT_EQ(dialogs.msgBoxCount(), 0);
}

namespace {
using AnnouncedPlayback = RealPlayback<ConnectedClient>;
}

TEST_F(AnnouncedPlayback, TheSongIsAnnouncedOnceNotAgainAfterPauseAndResume)
{
    PublicarMusica = true;
    irc->txtChannel->setText(QStringLiteral("#sala"));
    const QString song = tone(QStringLiteral("uno.ogg"), 5.0, QStringLiteral("Cancion de prueba"));
    frmMedia* m = withEntries({frmMedia::Entry(QStringLiteral("uno.ogg"), song)});
    QSignalSpy states(m->WMP, &PlayerControl::PlayStateChange);
    m->mnext->trigger();

    const QString f15(QChar(15));
    ASSERT_TRUE(server.clientSent(QStringLiteral("PRIVMSG #sala :") + f15 + f15 +
                                      QStringLiteral("Estoy Escuchando : Cancion de prueba en o: sala :D ") + f15 +
                                      f15 + f15,
                                  kLong));
    sync();

    m->mpause->trigger();
    ASSERT_TRUE(waitUntil([&] { return states.contains({PlayerControl::Paused}); }));
    m->mplay->trigger();
    ASSERT_TRUE(waitUntil([&] { return states.count({PlayerControl::Playing}) == 2; }));
    sync();
    EXPECT_TRUE(server.lines().isEmpty()) << server.lines().join(u'|').toStdString();
}
