// Runs the program through a short session against the chat server on
// 127.0.0.1:6667 (scripts/run-local starts one) and saves a picture of each
// window on the way: start, connect dialog, chat, server console.
//   screenshots OUT_FOLDER
// Run under xvfb-run with QT_QPA_PLATFORM unset to see the real drawing.
#include "core/Function.h"
#include "core/frmDialog.h"
#include "core/frmIRC.h"
#include "platform/EventPump.h"
#include "platform/ListView.h"
#include "windows/frmServer.h"
#include "windows/frmWhois.h"

#include <QApplication>
#include <QDir>
#include <QLineEdit>
#include <QPixmap>
#include <QPlainTextEdit>
#include <QTcpSocket>

#include <cstdio>

namespace {

QString outDir;

void wait(int ms) { platform::PumpEventsFor(ms); }

void shot(QWidget* w, const char* name)
{
    wait(300);
    const QString file = outDir + u'/' + QString::fromLatin1(name) + QStringLiteral(".png");
    w->grab().save(file);
    std::printf("%s\n", qPrintable(file));
}

// Another user of the network, to give the room some life.
struct Peer {
    QTcpSocket socket;
    explicit Peer(const QByteArray& nick)
    {
        socket.connectToHost(QStringLiteral("127.0.0.1"), 6667);
        socket.waitForConnected(2000);
        say("NICK " + nick);
        say("USER " + nick + " 0 * :" + nick);
        QObject::connect(&socket, &QTcpSocket::readyRead, &socket, [this] {
            const QByteArray in = socket.readAll();
            for (const QByteArray& line : in.split('\n'))
                if (line.startsWith("PING "))
                    say("PONG " + line.mid(5).trimmed());
        });
    }
    void say(const QByteArray& line)
    {
        socket.write(line + "\r\n");
        socket.flush();
        wait(60);
    }
};

}  // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    outDir = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("/tmp/trovelin-shots");
    QDir().mkpath(outDir);

    Function::ResetState();
    frmIRC* irc = frmIRC::instance();
    irc->Show();
    shot(irc, "1-start");

    irc->Command11_Click();
    frmDialog* dialog = frmDialog::instance();
    dialog->txtNick->setText(QStringLiteral("marta"));
    dialog->txtAlt->setText(QStringLiteral("marta_"));
    shot(dialog, "2-dialog-areas");
    dialog->List1_Click(0);
    shot(dialog, "3-dialog-rooms");

    Peer ana("ana"), luis("luis");
    ana.say("JOIN #amistad");
    luis.say("JOIN #amistad");
    dialog->List2_Click(0);
    wait(1500);

    const char c = 3, b = 2;
    ana.say("PRIVMSG #amistad :hola marta :) bienvenida a la sala");
    luis.say(QByteArray("PRIVMSG #amistad :") + c + "04que tal " + b + "todo" + b + c + " por aqui? ;) (h)");
    ana.say(QByteArray("PRIVMSG #amistad :") + c + "12,8 azul sobre amarillo " + c + " y //07 //12 :D");
    luis.say("NICK lucho");
    Peer pepe("pepe");
    pepe.say("JOIN #amistad");
    pepe.say("PRIVMSG #amistad :buenas noches a todos, alguien de Lima? :$");
    irc->txtChatMsg->setPlainText(QStringLiteral("hola a todos, gracias :D"));
    irc->cmdChat_Click();
    pepe.say("PART #amistad :me voy a dormir ZzZ");
    irc->txtChatMsg->setPlainText(QStringLiteral("escribiendo..."));
    wait(800);
    shot(irc, "4-chat");

    frmServer::instance()->Show();
    shot(frmServer::instance(), "5-server");

    luis.say("WHOIS marta");
    irc->send(QStringLiteral("WHOIS lucho"));
    wait(800);
    if (frmWhois* w = frmWhois::loadedInstance())
        shot(w, "6-whois");
    std::fflush(stdout);
    std::_Exit(0);
}
