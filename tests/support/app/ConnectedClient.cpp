#include "ConnectedClient.h"

#include "core/Function.h"
#include "core/frmIRC.h"
#include "platform/LogBox.h"
#include "platform/HtmlView.h"

#include <QPlainTextEdit>

void ConnectedClient::SetUp()
{
    AppFixture::SetUp();
    irc = frmIRC::instance();
    Function::MiNick = QStringLiteral("yo");
    Function::NickAnterior = QStringLiteral("yo_alt");
    Function::CanalActual = QStringLiteral("#sala");
    Function::ServidorIRC = QStringLiteral("127.0.0.1");
    Function::PuertoIRC = server.port();
    irc->DHTMLEdit1->setDocumentHTML(QString());
    irc->ConnectarChat();
    ASSERT_TRUE(server.waitForClient());
    ASSERT_TRUE(server.waitForLines(3));
    server.clearLines();
}

namespace {

// How long the client may take to answer a PING.
constexpr int kAnswerMs = 60000;

}  // namespace

void ConnectedClient::sync()
{
    const QString token = QStringLiteral(":sync%1").arg(++syncs_);
    server.sends(QStringLiteral("PING ") + token);
    // A generous bound: the answer comes as soon as the lines before it are
    // handled, which takes long on a machine busy with other builds.
    ASSERT_TRUE(server.clientSent(QStringLiteral("PONG ") + token, kAnswerMs))
        << "client did not answer " << token.toStdString();
    server.clearLines();
}

void ConnectedClient::receive(const QStringList& lines)
{
    for (const QString& l : lines)
        server.sends(l);
    sync();
}

QStringList ConnectedClient::sentLines()
{
    const QString token = QStringLiteral(":look%1").arg(++syncs_);
    server.sends(QStringLiteral("PING ") + token);
    EXPECT_TRUE(server.clientSent(QStringLiteral("PONG ") + token, kAnswerMs))
        << "client did not answer " << token.toStdString();
    QStringList lines = server.lines();
    lines.removeAll(QStringLiteral("PONG ") + token);
    server.clearLines();
    return lines;
}

QStringList ConnectedClient::statusLines() const
{
    QStringList lines = irc->txtStatus->text().split(u'\n', Qt::SkipEmptyParts);
    lines.removeAll(QStringLiteral("PING? PONG!"));
    return lines;
}

QStringList ConnectedClient::viewFragments() const { return fragmentsOf(*irc->DHTMLEdit1); }

QStringList ConnectedClient::fragmentsOf(const platform::HtmlView& view)
{
    return view.documentHTML().split(u'\n', Qt::SkipEmptyParts);
}
