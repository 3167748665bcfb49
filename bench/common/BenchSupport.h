#pragma once
// What the benches share: peak memory, a clock, and a scripted server in
// the same process that floods the client through a real socket.
#include "core/Function.h"
#include "core/frmIRC.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QRandomGenerator>
#include <QTcpServer>
#include <QTcpSocket>

#include <cstdio>
#include <sys/resource.h>
#include <functional>

namespace bench {

// Peak resident memory of this process in MiB.
inline double peakMiB()
{
    QFile f(QStringLiteral("/proc/self/status"));
    if (!f.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray& line : f.readAll().split('\n'))
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').first().toDouble() / 1024.0;
    return -1;
}

// CPU time this process has used, user and system, in seconds: on a loaded
// machine it says more than the wall clock.
inline double cpuSeconds()
{
    rusage u{};
    getrusage(RUSAGE_SELF, &u);
    return double(u.ru_utime.tv_sec + u.ru_stime.tv_sec) + double(u.ru_utime.tv_usec + u.ru_stime.tv_usec) / 1e6;
}

// A chat server that accepts one client and sends what it is told.
class Server {
public:
    Server()
    {
        for (int attempt = 0; attempt < 200 && !server_.isListening(); ++attempt)
            server_.listen(QHostAddress::LocalHost, quint16(20000 + QRandomGenerator::global()->bounded(12000)));
        QObject::connect(&server_, &QTcpServer::newConnection, [this] {
            client_ = server_.nextPendingConnection();
            QObject::connect(client_, &QTcpSocket::readyRead, [this] { received_ += client_->readAll(); });
        });
    }
    quint16 port() const { return server_.serverPort(); }
    bool waitForClient()
    {
        return waitUntil([this] { return client_ != nullptr; }, 5000);
    }
    void send(const QByteArray& bytes) { client_->write(bytes); }
    // Waits until the client sent text; ms, or -1 on time-out.
    bool waitForReceived(const QByteArray& text, int ms = 120000)
    {
        return waitUntil([&] { return received_.contains(text); }, ms);
    }
    void clearReceived() { received_.clear(); }

    static bool waitUntil(const std::function<bool()>& done, int ms)
    {
        QElapsedTimer t;
        t.start();
        while (!done()) {
            if (t.elapsed() > ms)
                return false;
            QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
        }
        return true;
    }

private:
    QTcpServer server_;
    QTcpSocket* client_ = nullptr;
    QByteArray received_;
};

// Sends lines and a trailing "PING :token"; the milliseconds until the PONG,
// or -1 when none came.
inline double timeToPong(Server& server, const QByteArray& lines, const char* token)
{
    server.clearReceived();
    QElapsedTimer clock;
    clock.start();
    server.send(lines + "PING :" + token + "\r\n");
    if (!server.waitForReceived(QByteArray("PONG :") + token))
        return -1;
    return clock.nsecsElapsed() / 1e6;
}

// The main window shown and connected to server as "yo" for "#sala";
// null when it did not register.
inline frmIRC* connectShown(Server& server)
{
    Function::ResetState();
    frmIRC* irc = frmIRC::instance();
    irc->Show();
    Function::MiNick = QStringLiteral("yo");
    Function::CanalActual = QStringLiteral("#sala");
    Function::ServidorIRC = QStringLiteral("127.0.0.1");
    Function::PuertoIRC = server.port();
    irc->ConnectarChat();
    if (!server.waitForClient() || !server.waitForReceived("USER ", 5000))
        return nullptr;
    return irc;
}

}  // namespace bench
