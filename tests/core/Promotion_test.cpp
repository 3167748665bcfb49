// The promotion notice: the request, the reply as the first delivery has
// it, and the notice that a reply holds. The fetch goes to a web server of
// the test's own.
#include "AlertWatch.h"
#include "AppFixture.h"
#include "core/Function.h"
#include "core/Hosts.h"
#include "core/frmIRC.h"
#include "platform/ClickLabel.h"
#include "platform/TcpClient.h"
#include "windows/frmAlert.h"

#include <QPointer>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTest>

using namespace Function;

namespace {

// A web server that takes one request and answers with what the test says.
class WebServer {
public:
    WebServer()
    {
        server.listen(QHostAddress::LocalHost);
        QObject::connect(&server, &QTcpServer::newConnection, [this] {
            client = server.nextPendingConnection();
            QObject::connect(client, &QTcpSocket::readyRead, [this] {
                request += client->readAll();
                if (request.endsWith("\r\n\r\n") && !reply.isEmpty())
                    client->write(reply);
            });
        });
    }
    bool clientClosed(int ms = 5000)
    {
        return QTest::qWaitFor([&] { return client && client->state() == QAbstractSocket::UnconnectedState; }, ms);
    }

    QTcpServer server;
    QPointer<QTcpSocket> client;
    QByteArray request;
    QByteArray reply;
};

const QByteArray kOk = "HTTP/1.1 200 OK\r\nContent-Type: text/plain\r\n\r\n";

}  // namespace

class Promotion : public AppFixture {
protected:
    void SetUp() override
    {
        AppFixture::SetUp();
        irc = frmIRC::instance();
        irc->ServidorPromo = QStringLiteral("127.0.0.1");
        irc->PuertoPromo = web.server.serverPort();
        watch.whileShown([](frmAlert* a) { QTest::mouseClick(a->Label1, Qt::LeftButton); });
    }
    frmIRC* irc = nullptr;
    WebServer web;
    AlertWatch watch;
};

TEST_F(Promotion, ANoticeShowsOnlyWhenTheReplyHoldsAWholeTitle)
{
    const struct {
        const char* what;
        QString reply;
        const char *title, *message, *link;
    } cases[] = {
        {"all three", "HTTP/1.1 200 OK\r\n\r\n<promo>Sale</promo><msg>Text</msg><url>http://x.example</url>",
         "Sale", "Text", "http://x.example"},
        {"in any order, kept as they are",
         "HTTP/1.1 200 OK\r\n\r\n<url>www.x.example</url> <msg> dos\r\nlineas </msg><promo>Sale</promo>", "Sale",
         " dos\r\nlineas ", "www.x.example"},
        {"no link", "HTTP/1.1 200 OK\r\n\r\n<promo>Sale</promo><msg>Text</msg>", "Sale", "Text", ""},
        {"the first of each", "HTTP/1.1 200 OK\r\n<promo>A</promo><promo>B</promo><msg>m</msg></msg>", "A", "m", ""},
        {"the status only in the body of another",
         "HTTP/1.1 404 Not Found\r\n\r\nHTTP/1.1 200 OK<promo>Sale</promo><msg>Text</msg>", "Sale", "Text", ""},
        {"an empty message", "HTTP/1.1 200 OK\r\n\r\n<promo>Sale</promo><msg></msg>", nullptr, nullptr, nullptr},
        {"a message never closed", "HTTP/1.1 200 OK\r\n\r\n<promo>Sale</promo><msg>Text", nullptr, nullptr, nullptr},
        {"a closing tag only before", "HTTP/1.1 200 OK\r\n</url><promo>Sale</promo><url>x", nullptr, nullptr, nullptr},
        {"an empty title", "HTTP/1.1 200 OK\r\n\r\n<promo></promo><msg>Text</msg>", nullptr, nullptr, nullptr},
        {"no title", "HTTP/1.1 200 OK\r\n\r\n<msg>Text</msg><url>http://x.example</url>", nullptr, nullptr, nullptr},
        {"HTTP/1.0", "HTTP/1.0 200 OK\r\n\r\n<promo>Sale</promo><msg>Text</msg>", nullptr, nullptr, nullptr},
        {"tags in another case", "HTTP/1.1 200 OK\r\n\r\n<PROMO>Sale</PROMO><msg>Text</msg>", nullptr, nullptr, nullptr},
    };
    for (const auto& c : cases) {
        const size_t before = watch.shown().size();
        irc->Verificacion(c.reply);
        if (!c.title) {
            EXPECT_EQ(watch.shown().size(), before) << c.what;
            continue;
        }
        ASSERT_EQ(watch.shown().size(), before + 1) << c.what;
        const AlertWatch::Shown& s = watch.shown().back();
        EXPECT_EQ(s.title, QString::fromLatin1(c.title)) << c.what;
        EXPECT_EQ(s.message, QString::fromLatin1(c.message)) << c.what;
        EXPECT_EQ(s.link, QString::fromLatin1(c.link)) << c.what;
    }
}

TEST_F(Promotion, TheFetchAsksForTheFileInTheseBytesAndClosesAfterTheNotice)
{
    web.reply = kOk + "<promo>Sale</promo><msg>Text</msg><url>http://www.vexlo-team.example</url>";
    irc->Actualizaciones(0);
    EXPECT_TRUE(irc->isVisible()) << "the window shows first";
    ASSERT_TRUE(QTest::qWaitFor([&] { return !watch.shown().empty(); }, 5000));
    EXPECT_EQ(web.request, "GET /ClientePictures/PublicidadIRC.txt HTTP/1.1\r\n"
                           "Accept: */*\r\n"
                           "Accept: text/html\r\n"
                           "Host: " + hosts::kPromotion.toLatin1() + "\r\n\r\n");
    EXPECT_EQ(watch.shown()[0].title, QStringLiteral("Sale"));
    EXPECT_TRUE(web.clientClosed());
    EXPECT_EQ(irc->BufferWeb, QString::fromLatin1(web.reply));
}

TEST_F(Promotion, OnlyTheFirstDeliveryCounts)
{
    // Tags that come in a later delivery are never read.
    web.reply = kOk;
    irc->Actualizaciones(0);
    ASSERT_TRUE(web.clientClosed()) << "closed after the first delivery";
    EXPECT_TRUE(watch.shown().empty());

    // Data that comes while the notice is up raises no second notice.
    web.request.clear();
    web.reply = kOk + "<promo>Uno</promo><msg>m</msg>";
    watch.whileShown([&](frmAlert* a) {
        if (watch.shown().size() == 1) {
            web.client->write(kOk + "<promo>Dos</promo><msg>m</msg>");
            EXPECT_TRUE(QTest::qWaitFor([&] { return irc->Winsock1->BytesReceived() > 0; }, 5000));
            QCoreApplication::sendPostedEvents();
            QCoreApplication::processEvents();
        }
        QTest::mouseClick(a->Label1, Qt::LeftButton);
    });
    irc->Actualizaciones(0);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !watch.shown().empty(); }, 5000));
    EXPECT_TRUE(web.clientClosed());
    ASSERT_EQ(watch.shown().size(), 1u);
    EXPECT_EQ(watch.shown()[0].title, QStringLiteral("Uno"));
}
