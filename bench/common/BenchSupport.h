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

#include <QEventLoop>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <ctime>
#include <unistd.h>
#include <functional>

namespace bench {

// Resident memory of this process in MiB: the peak (VmHWM) or now (VmRSS).
inline double memoryMiB(const char* field)
{
    QFile f(QStringLiteral("/proc/self/status"));
    if (!f.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray& line : f.readAll().split('\n'))
        if (line.startsWith(field))
            return line.mid(qsizetype(qstrlen(field))).trimmed().split(' ').first().toDouble() / 1024.0;
    return -1;
}
inline double peakMiB() { return memoryMiB("VmHWM:"); }
inline double residentMiB() { return memoryMiB("VmRSS:"); }

// The processor time this process has used, in ms: on a machine busy with
// other work it varies far less than the time on the clock.
inline double cpuMs()
{
    timespec t{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return t.tv_sec * 1e3 + t.tv_nsec / 1e6;
}

// Benches draw offscreen unless a display is there (xvfb-run).
inline void offscreenWithoutDisplay()
{
    if (qEnvironmentVariableIsEmpty("DISPLAY") && qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
}

// Lets the program idle for seconds; the CPU seconds it used meanwhile.
inline double idleCpu(int seconds)
{
    const double before = cpuMs();
    QEventLoop idle;
    QTimer::singleShot(seconds * 1000, &idle, &QEventLoop::quit);
    idle.exec();
    return (cpuMs() - before) / 1000;
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
    // Sends bytes as a server does, a little at a time as the client takes
    // them, so the bench's own buffers stay out of the client's memory.
    void sendPaced(const QByteArray& bytes)
    {
        paced_ = bytes;
        pacedAt_ = 0;
        QObject::connect(client_, &QTcpSocket::bytesWritten, client_, [this] { sendMore(); });
        sendMore();
    }
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
    void sendMore()
    {
        constexpr qsizetype chunk = 64 * 1024;
        while (pacedAt_ < paced_.size() && client_->bytesToWrite() < 4 * chunk) {
            const qsizetype n = std::min(chunk, paced_.size() - pacedAt_);
            client_->write(paced_.constData() + pacedAt_, n);
            pacedAt_ += n;
        }
    }

    QTcpServer server_;
    QByteArray paced_;
    qsizetype pacedAt_ = 0;
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

// A flood of total PRIVMSG lines from 700 nicks behind 250 hosts, the
// texts taking turns (emoticons, IRC codes, a list-picture code), line i
// into room(i); then "PING :token".
inline QByteArray chatFlood(int total, const std::function<QByteArray(int)>& room, const char* token)
{
    const char* texts[] = {"hola a todos :) que tal", "jajaja :D", ("\x03" "04rojo\x03 y \x02negrita\x02"),
                           "una linea de charla corriente sin nada especial", "alguien de Lima? //07"};
    QByteArray flood;
    flood.reserve(qsizetype(total) * 80);
    for (int i = 0; i < total; ++i)
        flood += ":nick" + QByteArray::number(i % 700) + "!u@10.0." + QByteArray::number(i % 250) + ".1 PRIVMSG " +
                 room(i) + " :" + texts[i % 5] + "\r\n";
    return flood + "PING :" + token + "\r\n";
}

// The main window shown and connected to server as "yo" for "#sala";
// null, said on stderr, when it did not register.
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
    if (!server.waitForClient() || !server.waitForReceived("USER ", 5000)) {
        std::fprintf(stderr, "the client did not connect\n");
        return nullptr;
    }
    return irc;
}

}  // namespace bench
