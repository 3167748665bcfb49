#include "Ngircd.h"

#include <QFile>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTest>

static quint16 freePortBelow32768()
{
    QTcpServer probe;
    for (quint16 port = quint16(21000 + (QCoreApplication::applicationPid() % 9000)); port < 32000; ++port)
        if (probe.listen(QHostAddress::LocalHost, port)) {
            probe.close();
            return port;
        }
    return 0;
}

Ngircd::Ngircd()
{
    port_ = freePortBelow32768();
    const QString conf = dir_.path() + QStringLiteral("/ngircd.conf");
    QFile f(conf);
    if (!f.open(QIODevice::WriteOnly)) {
        error_ = QStringLiteral("cannot write the configuration");
        return;
    }
    f.write(QStringLiteral("[Global]\n"
                           "\tName = irc.test.local\n"
                           "\tInfo = Test server\n"
                           "\tListen = 127.0.0.1\n"
                           "\tPorts = %1\n"
                           "\tMotdPhrase = Bienvenidos\n"
                           "\tAdminInfo1 = Test\n"
                           "\tAdminInfo2 = Test\n"
                           "\tAdminEMail = test@localhost\n"
                           "[Limits]\n"
                           "\tMaxPenaltyTime = 0\n"
                           "[Options]\n"
                           "\tDNS = no\n"
                           "\tIdent = no\n"
                           "\tPAM = no\n")
                .arg(port_)
                .toUtf8());
    f.close();
    QFile::setPermissions(conf, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadOther | QFile::ReadGroup);
    process_.setProcessChannelMode(QProcess::MergedChannels);
    process_.start(QStringLiteral("/usr/sbin/ngircd"), {QStringLiteral("-n"), QStringLiteral("-f"), conf});
    if (!process_.waitForStarted(5000)) {
        error_ = QStringLiteral("ngircd did not start: ") + process_.errorString();
        return;
    }
    running_ = QTest::qWaitFor(
        [this] {
            QTcpSocket s;
            s.connectToHost(QHostAddress::LocalHost, port_);
            return s.waitForConnected(100);
        },
        5000);
    if (!running_)
        error_ = QStringLiteral("ngircd is not listening: ") + QString::fromLocal8Bit(process_.readAll());
}

Ngircd::~Ngircd()
{
    if (process_.state() != QProcess::NotRunning) {
        process_.terminate();
        if (!process_.waitForFinished(3000))
            process_.kill();
        process_.waitForFinished(1000);
    }
}

IrcPeer::IrcPeer(quint16 port, const QString& nick) : socket_(new QTcpSocket)
{
    QObject::connect(socket_, &QTcpSocket::readyRead, socket_, [this] { readLines(); });
    socket_->connectToHost(QHostAddress::LocalHost, port);
    if (!socket_->waitForConnected(3000))
        return;
    send(QStringLiteral("NICK ") + nick);
    send(QStringLiteral("USER ") + nick + QStringLiteral(" 0 * :Peer"));
    registered_ = !waitFor({QStringLiteral(" 376 ")}).isEmpty() || !waitFor({QStringLiteral(" 422 ")}, 100).isEmpty();
}

IrcPeer::~IrcPeer() { delete socket_; }

void IrcPeer::send(const QString& line)
{
    socket_->write(line.toUtf8() + "\r\n");
    socket_->flush();
}

void IrcPeer::readLines()
{
    pending_ += socket_->readAll();
    qsizetype end;
    while ((end = pending_.indexOf('\n')) >= 0) {
        QByteArray line = pending_.left(end);
        pending_.remove(0, end + 1);
        if (line.endsWith('\r'))
            line.chop(1);
        if (line.startsWith("PING "))
            send(QStringLiteral("PONG ") + QString::fromUtf8(line.mid(5)));
        lines_ << QString::fromUtf8(line);
    }
}

QString IrcPeer::waitFor(const QStringList& parts, int ms)
{
    QString found;
    (void)QTest::qWaitFor(
        [&] {
            for (; seen_ < lines_.size(); ++seen_) {
                const QString& l = lines_[seen_];
                if (std::all_of(parts.begin(), parts.end(), [&](const QString& p) { return l.contains(p); })) {
                    found = l;
                    ++seen_;
                    return true;
                }
            }
            return false;
        },
        ms);
    return found;
}
