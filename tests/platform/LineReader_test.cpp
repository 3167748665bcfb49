// The line reader against a real socket: lines whole and in order while a
// handler waits, the end of a connection after the lines before it, and
// every connection starting with an empty buffer.
#include "FakeServer.h"
#include "platform/LineReader.h"
#include "platform/TcpClient.h"

#include <QEventLoop>
#include <QPointer>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

#include <functional>

using namespace platform;

namespace {

// Waits on a nested event loop, as a message box does; false when what it
// waits for did not come.
bool waitInside(const std::function<bool()>& done)
{
    QEventLoop loop;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, &loop, [&] {
        if (done())
            loop.quit();
    });
    poll.start(1);
    QTimer::singleShot(5000, &loop, &QEventLoop::quit);
    loop.exec();
    return done();
}

class LineReaderTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        client = new TcpClient;
        auto* reader = new LineReader(client);
        QObject::connect(reader, &LineReader::LineArrival, [this](const QByteArray& line) {
            events << QString::fromUtf8(line);
            if (onLine)
                onLine(line);
        });
        QObject::connect(reader, &LineReader::Closed, [this] { events << QStringLiteral("<closed>"); });
        connectTo(server);
    }
    void TearDown() override { delete client; }

    void connectTo(FakeServer& s)
    {
        client->Connect(QStringLiteral("127.0.0.1"), s.port());
        ASSERT_TRUE(s.waitForClient());
        ASSERT_TRUE(QTest::qWaitFor([&] { return client->State() == TcpClient::sckConnected; }));
    }
    bool handled(const QString& event) { return QTest::qWaitFor([&] { return events.contains(event); }, 5000); }

    FakeServer server;
    QPointer<TcpClient> client;
    QStringList events;
    std::function<void(const QByteArray&)> onLine;
};

}  // namespace

TEST_F(LineReaderTest, LinesComeInOrderAlsoWhileAHandlerWaits)
{
    onLine = [&](const QByteArray& line) {
        if (line != "espera")
            return;
        // "uno" came with this line; "dos" comes during the wait.
        EXPECT_TRUE(waitInside([&] { return events.contains(QStringLiteral("uno")); }));
        server.sends(QStringLiteral("dos"));
        EXPECT_TRUE(waitInside([&] { return events.contains(QStringLiteral("dos")); }));
        events << QStringLiteral("fin espera");
    };
    server.sendsRaw("espera\r\nuno\r\n");
    ASSERT_TRUE(handled(QStringLiteral("fin espera")));
    EXPECT_EQ(events, (QStringList{"espera", "uno", "dos", "fin espera"}));
}

TEST_F(LineReaderTest, TheEndOfAConnectionComesAfterTheLinesBeforeIt)
{
    onLine = [&](const QByteArray& line) {
        if (line == "espera") {
            EXPECT_TRUE(waitInside([&] { return events.contains(QStringLiteral("<closed>")); }));
        }
    };
    server.sendsRaw("espera\r\nuno\r\ndos\r\ncortada");
    server.closeClient();
    ASSERT_TRUE(handled(QStringLiteral("<closed>")));
    EXPECT_EQ(events, (QStringList{"espera", "uno", "dos", "<closed>"}));
}

TEST_F(LineReaderTest, ANewConnectionStartsWithAnEmptyBuffer)
{
    server.sendsRaw("antes\r\ncortada");
    ASSERT_TRUE(handled(QStringLiteral("antes")));
    client->Close();

    FakeServer next;
    connectTo(next);
    next.sends(QStringLiteral("PING :x"));
    ASSERT_TRUE(handled(QStringLiteral("PING :x")));
    EXPECT_EQ(events, (QStringList{"antes", "PING :x"}));
}

TEST_F(LineReaderTest, AHandlerMayDeleteTheConnection)
{
    onLine = [&](const QByteArray&) { delete client; };
    server.sendsRaw("uno\r\ndos\r\n");
    ASSERT_TRUE(handled(QStringLiteral("uno")));
    QTest::qWait(20);
    EXPECT_EQ(events, QStringList{"uno"});
}
