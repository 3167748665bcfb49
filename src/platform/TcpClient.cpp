#include "platform/TcpClient.h"

#include "platform/Errors.h"

#include <QTcpSocket>

namespace platform {

TcpClient::TcpClient(QObject* parent) : QObject(parent), socket_(new QTcpSocket(this))
{
    connect(socket_, &QTcpSocket::connected, this, [this] { emit Connected(); });
    connect(socket_, &QTcpSocket::readyRead, this, &TcpClient::onReadyRead);
    // Close and Error are queued behind the data that came before them, so
    // the last lines are handled before the end of the connection is.
    connect(socket_, &QTcpSocket::disconnected, this, [this] {
        if (closing_ || failed_)
            return;
        QMetaObject::invokeMethod(this, [this] { emit Closed(); }, Qt::QueuedConnection);
    });
    connect(socket_, &QTcpSocket::errorOccurred, this, [this](QAbstractSocket::SocketError e) {
        if (closing_ || e == QAbstractSocket::RemoteHostClosedError)
            return;  // a remote close is reported as Closed
        failed_ = true;
        const QString text = socket_->errorString();
        QMetaObject::invokeMethod(this, [this, e, text] { emit Error(int(e), text); }, Qt::QueuedConnection);
    });
}

TcpClient::~TcpClient() = default;

void TcpClient::Connect(const QString& host, int port)
{
    // A socket whose last attempt failed may connect again without Close.
    if (socket_->state() != QAbstractSocket::UnconnectedState)
        throw RuntimeError(40020, QStringLiteral("Invalid operation at current state"));
    if (port < 0 || port > 65535)
        throw RuntimeError(errInvalidCall);
    failed_ = false;
    pending_.clear();  // bytes of the last connection are not this one's
    socket_->connectToHost(host, quint16(port));
}

void TcpClient::SendData(const QByteArray& bytes)
{
    if (socket_->state() != QAbstractSocket::ConnectedState)
        throw RuntimeError(40006, QStringLiteral("Wrong protocol or connection state for the requested transaction or request"));
    socket_->write(bytes);
}

void TcpClient::Close()
{
    closing_ = true;
    socket_->abort();
    closing_ = false;
    failed_ = false;
}

int TcpClient::State() const
{
    switch (socket_->state()) {
    case QAbstractSocket::UnconnectedState: return failed_ ? sckError : sckClosed;
    case QAbstractSocket::HostLookupState: return sckResolvingHost;
    case QAbstractSocket::ConnectingState: return sckConnecting;
    case QAbstractSocket::ConnectedState: return sckConnected;
    case QAbstractSocket::ClosingState: return sckClosing;
    default: return sckClosed;
    }
}

QString TcpClient::LocalIP() const
{
    return socket_->localAddress().toString();
}

QByteArray TcpClient::GetData()
{
    QByteArray out;
    out.swap(pending_);
    return out;
}

void TcpClient::onReadyRead()
{
    pending_ += socket_->readAll();
    if (!deliveryQueued_) {
        deliveryQueued_ = true;
        QMetaObject::invokeMethod(this, &TcpClient::deliver, Qt::QueuedConnection);
    }
}

void TcpClient::deliver()
{
    deliveryQueued_ = false;
    if (!pending_.isEmpty())
        emit DataArrival(pending_.size());
}

}  // namespace platform
