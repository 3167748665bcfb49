// The real player control on GStreamer, with media made for each test and
// no sound device: the events in the order and number the player window
// relies on. Waits are on events, with generous limits, never on timings.
#include "QtPrinters.h"
#include "TestMedia.h"
#include "platform/MediaPlayer.h"

#include <QImage>
#include <QLocale>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

using platform::MediaPlayer;
using platform::PlayerControl;

namespace {

constexpr int kLong = 30000;  // the machine may be busy: wait long, pass fast

class RealPlayer : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        // The duration item must stay a C-locale number whatever the language.
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        QObject::connect(&player, &PlayerControl::OpenStateChange, [this](int s) { events << QStringLiteral("open %1").arg(s); });
        QObject::connect(&player, &PlayerControl::PlayStateChange, [this](int s) {
            events << QStringLiteral("play %1").arg(s);
            if (s == PlayerControl::Playing) {
                nameAtPlaying = player.itemInfo(QStringLiteral("name"));
                durationAtPlaying = player.itemInfo(QStringLiteral("duration"));
            }
        });
        QObject::connect(&player, &PlayerControl::Error, [this] { events << QStringLiteral("error"); });
    }
    void TearDown() override { QLocale::setDefault(QLocale::c()); }

    QString tone(const QString& name, double seconds, const QString& title = QString())
    {
        const QString path = dir.filePath(name);
        EXPECT_TRUE(makeTone(path, seconds, title)) << "gst-launch-1.0 could not make " << name.toStdString();
        return path;
    }
    bool waitFor(const QString& event, int times = 1)
    {
        return QTest::qWaitFor([&] { return events.count(event) >= times; }, kLong);
    }

    QTemporaryDir dir;
    MediaPlayer player;
    QStringList events;
    QString nameAtPlaying, durationAtPlaying;
};

}  // namespace

TEST_F(RealPlayer, AFileOpensPlaysAndEndsOnceWithItsNameAndDuration)
{
    struct Case {
        QString file, title, name;
    } cases[] = {
        {QStringLiteral("tono.wav"), QString(), QStringLiteral("tono.wav")},
        {QStringLiteral("tono.ogg"), QStringLiteral("Cancion de prueba"), QStringLiteral("Cancion de prueba")},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.file.toStdString());
        events.clear();
        const QString path = tone(c.file, 3.0, c.title);
        player.setURL(path);
        EXPECT_TRUE(events.isEmpty()) << "an event came inside the call that set the address";
        EXPECT_EQ(player.currentPosition(), 0.0);
        EXPECT_EQ(player.URL(), path);

        ASSERT_TRUE(waitFor(QStringLiteral("play 3")));
        EXPECT_EQ(nameAtPlaying, c.name);
        bool isNumber = false;
        const double duration = durationAtPlaying.toDouble(&isNumber);
        EXPECT_TRUE(isNumber) << durationAtPlaying.toStdString();
        EXPECT_NEAR(duration, 3.0, 0.2);
        EXPECT_LT(events.indexOf(QStringLiteral("open 13")), events.indexOf(QStringLiteral("play 3")));

        ASSERT_TRUE(waitFor(QStringLiteral("play 8")));
        QTest::qWait(300);  // room for a late echo of the end
        EXPECT_EQ(events.count(QStringLiteral("play 3")), 1);
        EXPECT_EQ(events.count(QStringLiteral("play 8")), 1);
        EXPECT_EQ(player.playState(), PlayerControl::MediaEnded);
        EXPECT_EQ(player.currentPosition(), 0.0);
    }
}

TEST_F(RealPlayer, PauseHoldsThePositionAndEveryResumeSaysPlayingAgain)
{
    player.setURL(tone(QStringLiteral("tono.wav"), 4.0));
    ASSERT_TRUE(waitFor(QStringLiteral("play 3")));
    ASSERT_TRUE(QTest::qWaitFor([&] { return player.currentPosition() > 0.3; }, kLong));

    player.pause();
    ASSERT_TRUE(waitFor(QStringLiteral("play 2")));
    const double held = player.currentPosition();
    QTest::qWait(400);
    EXPECT_EQ(player.currentPosition(), held);

    player.play();
    ASSERT_TRUE(waitFor(QStringLiteral("play 3"), 2));
    ASSERT_TRUE(QTest::qWaitFor([&] { return player.currentPosition() > held; }, kLong));

    player.stop();
    ASSERT_TRUE(waitFor(QStringLiteral("play 1")));
    EXPECT_EQ(player.currentPosition(), 0.0);
    player.play();
    ASSERT_TRUE(waitFor(QStringLiteral("play 3"), 3));

    player.setVolume(30);
    EXPECT_EQ(player.volume(), 30);
    player.setVolume(150);
    EXPECT_EQ(player.volume(), 100);
}

TEST_F(RealPlayer, ANewAddressDropsWhatWasStillQueuedForTheOneBefore)
{
    player.setURL(tone(QStringLiteral("uno.wav"), 3.0));
    ASSERT_TRUE(waitFor(QStringLiteral("play 3")));
    events.clear();
    player.pause();  // its event is queued...
    player.setURL(tone(QStringLiteral("dos.wav"), 3.0, QStringLiteral("Segunda")));
    ASSERT_TRUE(waitFor(QStringLiteral("play 3")));
    EXPECT_FALSE(events.contains(QStringLiteral("play 2"))) << events.join(u',').toStdString();
    EXPECT_EQ(nameAtPlaying, QStringLiteral("Segunda"));
}

TEST_F(RealPlayer, AMissingFileFailsOnceAndNeverPlays)
{
    player.setURL(dir.filePath(QStringLiteral("no-existe.ogg")));
    EXPECT_TRUE(events.isEmpty());
    ASSERT_TRUE(waitFor(QStringLiteral("error")));
    QTest::qWait(500);  // Qt repeats a failure; the repeats must not come through
    EXPECT_EQ(events.count(QStringLiteral("error")), 1);
    EXPECT_FALSE(events.contains(QStringLiteral("play 3")));
    EXPECT_EQ(player.playState(), PlayerControl::Stopped);
    player.play();
    QTest::qWait(300);
    EXPECT_FALSE(events.contains(QStringLiteral("play 3")));
}

TEST_F(RealPlayer, ALiveStreamHasDurationZeroAndPlaysOn)
{
    const QString path = tone(QStringLiteral("radio.ogg"), 60.0);
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    RadioStation station(f.readAll(), "application/ogg");

    player.setURL(station.address(QStringLiteral("/x8000/radio")));
    ASSERT_TRUE(waitFor(QStringLiteral("play 3")));
    EXPECT_EQ(durationAtPlaying, QStringLiteral("0"));
    EXPECT_EQ(nameAtPlaying, QStringLiteral("radio"));
    ASSERT_TRUE(QTest::qWaitFor([&] { return player.currentPosition() >= 2.0; }, kLong));
    EXPECT_FALSE(events.contains(QStringLiteral("play 8")));
    EXPECT_FALSE(events.contains(QStringLiteral("error")));
    EXPECT_EQ(player.itemInfo(QStringLiteral("duration")), QStringLiteral("0"));
}

TEST_F(RealPlayer, VideoShowsOnTheDisplay)
{
    const QString path = dir.filePath(QStringLiteral("bola.ogg"));
    ASSERT_TRUE(makeVideo(path, 3.0));
    QWidget* display = player.display();
    ASSERT_NE(display, nullptr);
    display->resize(160, 120);
    display->show();
    player.setURL(path);
    ASSERT_TRUE(waitFor(QStringLiteral("play 3")));
    // The test picture is a white ball on black: some pixel turns light.
    const bool drawn = QTest::qWaitFor(
        [&] {
            const QImage shot = display->grab().toImage();
            for (int y = 0; y < shot.height(); y += 2)
                for (int x = 0; x < shot.width(); x += 2)
                    if (qGray(shot.pixel(x, y)) > 128)
                        return true;
            return false;
        },
        kLong);
    EXPECT_TRUE(drawn);
}
