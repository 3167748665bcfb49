#include "FakeServer.h"

#include <QRandomGenerator>
#include <QTest>

bool listenBelow32768(QTcpServer& server)
{
    for (int attempt = 0; attempt < 200; ++attempt) {
        const quint16 port = quint16(20000 + QRandomGenerator::global()->bounded(12000));
        if (server.listen(QHostAddress::LocalHost, port))
            return true;
    }
    return false;
}

FakeServer::FakeServer()
{
    // The client keeps its port in 16 signed bits, as the original did.
    listenBelow32768(server_);
    connect(&server_, &QTcpServer::newConnection, this, [this] {
        client_ = server_.nextPendingConnection();
        connect(client_, &QTcpSocket::readyRead, this, &FakeServer::onData);
    });
}

bool FakeServer::waitForClient(int ms)
{
    return QTest::qWaitFor([this] { return hasClient(); }, ms);
}

void FakeServer::sendsRaw(const QByteArray& bytes)
{
    if (client_) {
        client_->write(bytes);
        client_->flush();
    }
}

void FakeServer::sends(const QString& line) { sendsRaw(line.toUtf8() + "\r\n"); }

bool FakeServer::clientSent(const QString& line, int ms)
{
    return QTest::qWaitFor([&] { return lines_.contains(line); }, ms);
}

bool FakeServer::waitForLines(int n, int ms)
{
    return QTest::qWaitFor([&] { return lines_.size() >= n; }, ms);
}

void FakeServer::closeClient()
{
    if (client_)
        client_->disconnectFromHost();
}

void FakeServer::onData()
{
    const QByteArray bytes = client_->readAll();
    raw_ += bytes;
    pending_ += bytes;
    qsizetype end;
    while ((end = pending_.indexOf("\r\n")) >= 0) {
        lines_ << QString::fromUtf8(pending_.left(end));
        pending_.remove(0, end + 2);
    }
}
