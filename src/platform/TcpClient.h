#pragma once
// The TCP client in place of the socket control: asynchronous Connect,
// SendData, Close, State (7 = connected), the local address, and the events
// Connect, DataArrival, Close and Error.
//
// DataArrival is delivered from a queued call, never from inside Qt's own
// readyRead: Qt does not emit readyRead again while its slot runs, so a
// handler that waits (a message box, a timed wait) would stop the stream.
// Delivered this way, bytes that come during a wait raise DataArrival again,
// nested, and are handled at once.
#include <QByteArray>
#include <QObject>
#include <QString>

class QTcpSocket;

namespace platform {

class TcpClient : public QObject {
    Q_OBJECT
public:
    enum State : int {
        sckClosed = 0,
        sckResolvingHost = 4,
        sckConnecting = 6,
        sckConnected = 7,
        sckClosing = 8,
        sckError = 9,
    };

    explicit TcpClient(QObject* parent = nullptr);
    ~TcpClient() override;

    // Returns at once; the outcome comes as Connect or Error. Throws
    // RuntimeError when the socket is not closed.
    void Connect(const QString& host, int port);
    // Writes the bytes as they are; throws RuntimeError when not connected.
    void SendData(const QByteArray& bytes);
    void Close();
    int State() const;
    QString LocalIP() const;

    // Everything received so far and not yet taken.
    QByteArray GetData();
    qsizetype BytesReceived() const { return pending_.size(); }

signals:
    void Connected();
    void DataArrival(qsizetype bytesTotal);
    void Closed();
    void Error(int number, const QString& description);

private:
    void onReadyRead();
    void deliver();

    QTcpSocket* socket_;
    QByteArray pending_;
    bool deliveryQueued_ = false;
    bool failed_ = false;
    bool closing_ = false;
};

}  // namespace platform
