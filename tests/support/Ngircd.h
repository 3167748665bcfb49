#pragma once
// A real IRC server for the test: ngircd started in the foreground on a free
// loopback port with a configuration of the test's own, and stopped with
// the test.
#include <QProcess>
#include <QTemporaryDir>

class Ngircd {
public:
    Ngircd();
    ~Ngircd();
    bool isRunning() const { return running_; }
    quint16 port() const { return port_; }
    QString error() const { return error_; }

private:
    QTemporaryDir dir_;
    QProcess process_;
    quint16 port_ = 0;
    bool running_ = false;
    QString error_;
};

// A second client of the test's own, speaking the protocol line by line.
class IrcPeer {
public:
    explicit IrcPeer(quint16 port, const QString& nick);
    ~IrcPeer();
    IrcPeer(const IrcPeer&) = delete;
    IrcPeer& operator=(const IrcPeer&) = delete;
    bool isRegistered() const { return registered_; }
    void send(const QString& line);
    // Waits for a received line that contains every part; returns it, or ""
    // when none came in time.
    QString waitFor(const QStringList& parts, int ms = 5000);
    QStringList received() const { return lines_; }

private:
    void readLines();

    class QTcpSocket* socket_;
    QByteArray pending_;
    QStringList lines_;
    qsizetype seen_ = 0;
    bool registered_ = false;
};
