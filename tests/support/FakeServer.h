#pragma once
// A scripted chat server in the test's own process, with the two verbs of
// an exchange: the server sends this, the client sent that.
#include <QByteArray>
#include <QPointer>
#include <QStringList>
#include <QTcpServer>
#include <QTcpSocket>

class FakeServer : public QObject {
    Q_OBJECT
public:
    FakeServer();

    quint16 port() const { return server_.serverPort(); }
    // Waits for the client to connect.
    bool waitForClient(int ms = 5000);
    bool hasClient() const { return client_ && client_->state() == QAbstractSocket::ConnectedState; }

    // The server sends these bytes as they are, or a line with CR LF.
    void sendsRaw(const QByteArray& bytes);
    void sends(const QString& line);
    // Waits until the client has sent this line; true when it did.
    bool clientSent(const QString& line, int ms = 3000);
    // Waits until the client has sent at least n lines.
    bool waitForLines(int n, int ms = 3000);
    // Every line the client sent, in order.
    QStringList lines() const { return lines_; }
    QByteArray rawReceived() const { return raw_; }
    void clearLines() { lines_.clear(); }
    // Drops the connection from the server's side.
    void closeClient();

private:
    void onData();

    QTcpServer server_;
    QPointer<QTcpSocket> client_;
    QByteArray pending_;
    QByteArray raw_;
    QStringList lines_;
};
