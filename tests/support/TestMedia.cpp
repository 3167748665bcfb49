#include "TestMedia.h"

#include <QFileInfo>
#include <QProcess>

static bool launch(const QStringList& pipeline)
{
    QProcess gst;
    gst.start(QStringLiteral("gst-launch-1.0"), QStringList{QStringLiteral("-q")} + pipeline);
    return gst.waitForFinished(60000) && gst.exitStatus() == QProcess::NormalExit && gst.exitCode() == 0;
}

bool makeTone(const QString& path, double seconds, const QString& title)
{
    const bool ogg = QFileInfo(path).suffix() == QLatin1String("ogg");
    const int rate = ogg ? 22050 : 8000;
    // Ten buffers a second, so the length is exact.
    QStringList p = {QStringLiteral("audiotestsrc"),
                     QStringLiteral("num-buffers=%1").arg(qRound(seconds * 10)),
                     QStringLiteral("samplesperbuffer=%1").arg(rate / 10),
                     QStringLiteral("!"),
                     QStringLiteral("audio/x-raw,rate=%1,channels=1").arg(rate)};
    if (!title.isEmpty())
        p << QStringLiteral("!") << QStringLiteral("taginject")
          << QStringLiteral("tags=\"title=\\\"%1\\\"\"").arg(title);
    p << QStringLiteral("!") << QStringLiteral("audioconvert");
    if (ogg)
        p << QStringLiteral("!") << QStringLiteral("vorbisenc") << QStringLiteral("!") << QStringLiteral("oggmux");
    else
        p << QStringLiteral("!") << QStringLiteral("wavenc");
    p << QStringLiteral("!") << QStringLiteral("filesink") << QStringLiteral("location=") + path;
    return launch(p) && QFileInfo(path).size() > 0;
}

bool makeVideo(const QString& path, double seconds)
{
    return launch({QStringLiteral("videotestsrc"), QStringLiteral("pattern=ball"),
                   QStringLiteral("num-buffers=%1").arg(qRound(seconds * 10)), QStringLiteral("!"),
                   QStringLiteral("video/x-raw,width=160,height=120,framerate=10/1"), QStringLiteral("!"),
                   QStringLiteral("theoraenc"), QStringLiteral("!"), QStringLiteral("oggmux"), QStringLiteral("!"),
                   QStringLiteral("filesink"), QStringLiteral("location=") + path}) &&
           QFileInfo(path).size() > 0;
}

RadioStation::RadioStation(const QByteArray& body, const QByteArray& contentType)
    : body_(body), contentType_(contentType)
{
    server_.listen(QHostAddress::LocalHost);
    connect(&server_, &QTcpServer::newConnection, this, [this] {
        while (QTcpSocket* s = server_.nextPendingConnection()) {
            listeners_ << s;
            connect(s, &QTcpSocket::readyRead, this, [this, s] {
                // One answer per connection, once the request's head is in.
                if (s->property("answered").toBool() || !s->peek(1 << 16).contains("\r\n\r\n"))
                    return;
                s->setProperty("answered", true);
                ++requests_;
                s->write("HTTP/1.0 200 OK\r\nContent-Type: " + contentType_ + "\r\n\r\n");
                s->write(body_);
            });
        }
    });
}

QString RadioStation::address(const QString& path) const
{
    return QStringLiteral("http://127.0.0.1:%1").arg(server_.serverPort()) + path;
}
