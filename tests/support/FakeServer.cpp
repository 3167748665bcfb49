#include "FakeServer.h"

#include <QTest>

FakeServer::FakeServer()
{
    server_.listen(QHostAddress::LocalHost);
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
