// Runs the program through a short session against the chat server on
// 127.0.0.1:6667 (scripts/run-local starts one; the server settings file must
// name the same port) and saves a picture of each window on the way: start,
// connect dialog, chat (and a busy room at three window sizes, with the
// conversation's size printed), the save dialog, server console, whois, the
// text style, decorations and emoticons, styled lines as another user sends
// them back, the team and game windows, a second room in its own window
// (with its menu open, made small and large), two private partners
// announced by alerts (the screen while they slide and while they rest), a
// private conversation, the auto-answer and the message to many; then the
// tools: registration, the robot with a file loaded and running, the server
// console after a few hundred lines, the main user list's menu as a plain
// user and as an operator sees it with a user ignored in the main list and
// in the room window, and the operator panel; last the room list with its
// menu, a change of the main room, an invitation, and the favourite rooms,
// one of them on a second server at PORT + 1 when one listens there.
//   screenshots OUT_FOLDER [PORT]
// Run under xvfb-run with QT_QPA_PLATFORM unset to see the real drawing.
#include "core/Function.h"
#include "core/frmDialog.h"
#include "core/frmIRC.h"
#include "media/frmPlay.h"
#include "media/frmVexlo.h"
#include "platform/ColorSwatch.h"
#include "platform/EventPump.h"
#include "platform/AppFiles.h"
#include "platform/HtmlView.h"
#include "platform/ListView.h"
#include "platform/MovieControl.h"
#include "platform/ToggleButton.h"
#include "platform/Translations.h"
#include "windows/frmAdornos.h"
#include "windows/frmContestador.h"
#include "windows/frmFavoritos.h"
#include "windows/frmInvita.h"
#include "windows/frmMultiPrivados.h"
#include "windows/frmOperador.h"
#include "windows/frmPrivado.h"
#include "windows/frmRegistrador.h"
#include "windows/frmServer.h"
#include "windows/frmWhois.h"
#include "windows/frmRoom.h"
#include "windows/frmicon.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QScreen>
#include <QDir>
#include <QGroupBox>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QScrollBar>
#include <QTabWidget>
#include <QPixmap>
#include <QPlainTextEdit>
#include <QTcpSocket>
#include <QTimer>

#include <cstdio>
#include <memory>
#include <vector>

namespace {

QString outDir;
quint16 port = 6667;

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
    QByteArray pending;
    QByteArray lastHeard;  // the text of the last room line another user sent
    explicit Peer(const QByteArray& nick)
    {
        socket.connectToHost(QStringLiteral("127.0.0.1"), port);
        socket.waitForConnected(2000);
        say("NICK " + nick);
        say("USER " + nick + " 0 * :" + nick);
        QObject::connect(&socket, &QTcpSocket::readyRead, &socket, [this] {
            pending += socket.readAll();
            for (qsizetype end; (end = pending.indexOf("\r\n")) >= 0; pending.remove(0, end + 2)) {
                const QByteArray line = pending.left(end);
                if (line.startsWith("PING "))
                    say("PONG " + line.mid(5).trimmed());
                else if (const qsizetype at = line.indexOf(" PRIVMSG #"); at > 0)
                    lastHeard = line.mid(line.indexOf(" :", at) + 2);
            }
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
    platform::prepareMovieEngine();
    QApplication app(argc, argv);
    platform::installQtSpanish();
    outDir = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("/tmp/trovelin-shots");
    if (argc > 2)
        port = quint16(QByteArray(argv[2]).toUShort());
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

    // A busy room at three window sizes; the conversation's size goes to the
    // output beside each picture.
    for (int i = 1; i <= 30; ++i) {
        Peer& who = i % 2 ? ana : luis;
        who.say("PRIVMSG #amistad :linea " + QByteArray::number(i) +
                " de una charla animada, con bastante texto para llenar la vista :)");
    }
    wait(800);
    const QSize sizes[] = {{800, 600}, {1220, 760}, {1920, 1080}};
    for (const QSize& size : sizes) {
        irc->resize(size);
        wait(300);
        std::printf("window %dx%d: conversation %dx%d\n", irc->width(), irc->height(), irc->DHTMLEdit1->width(),
                    irc->DHTMLEdit1->height());
        shot(irc, qPrintable(QStringLiteral("4-chat-%1x%2").arg(size.width()).arg(size.height())));
    }
    irc->resize(1220, 760);

    // The standard save dialog, as "Guardar" shows it.
    QTimer::singleShot(0, [] {
        if (QWidget* d = QApplication::activeModalWidget()) {
            shot(d, "4-save-dialog");
            d->close();
        }
    });
    irc->Command8_Click();

    frmServer::instance()->Show();
    shot(frmServer::instance(), "5-server");

    luis.say("WHOIS marta");
    irc->send(QStringLiteral("WHOIS lucho"));
    wait(800);
    if (frmWhois* w = frmWhois::loadedInstance())
        shot(w, "6-whois");

    // The text style: bold, font 12 on background 8, the palette shown.
    irc->Command2_Click();
    irc->Option1[12]->click();
    irc->Option2[8]->click();
    irc->minsert_Click();
    irc->Picture1_MouseMove(300, 560);
    irc->txtChatMsg->setPlainText(QStringLiteral("con estilo"));
    shot(irc, "7-style");
    irc->mcolor->popup(irc->cmdChat->mapToGlobal(QPoint(20, 20)));
    wait(300);
    irc->mcolor->grab().save(outDir + QStringLiteral("/8-rainbow-menu.png"));
    std::printf("%s/8-rainbow-menu.png\n", qPrintable(outDir));
    irc->mcolor->hide();

    // Decorations: a few stored pairs in their colours.
    frmAdornos* adornos = frmAdornos::instance();
    adornos->Show();
    const QString pairs[][2] = {{QStringLiteral("«¤»"), QStringLiteral("«¤»")},
                                {QStringLiteral(">>"), QStringLiteral("<<")},
                                {QStringLiteral("(¯`·."), QStringLiteral(".·´¯)")}};
    const int colours[][2] = {{4, 12}, {6, 3}, {13, 2}};
    for (int i = 0; i < 3; ++i) {
        adornos->HScroll1->setValue(colours[i][0]);
        adornos->HScroll2->setValue(colours[i][1]);
        adornos->AdornoI->setText(pairs[i][0]);
        adornos->AdornoD->setText(pairs[i][1]);
        adornos->Command6_Click();
    }
    adornos->Text1->setText(QStringLiteral("~*"));
    adornos->Picture1_MouseMove(600, 300);
    adornos->Picture1_Click();
    adornos->Text1->insert(QStringLiteral("*~"));
    adornos->Picture2_MouseMove(300, 800);
    shot(adornos, "9-adornos");

    frmicon::instance()->Show();
    frmicon::instance()->Picture1_MouseMove(1000, 1500);
    shot(frmicon::instance(), "10-iconos");

    // Three styled lines as another user of the room sends them back.
    auto sendAndHear = [&](const QString& text) {
        irc->txtChatMsg->setPlainText(text);
        irc->cmdChat_Click();
        wait(300);
        return ana.lastHeard;
    };
    const QByteArray styled = sendAndHear(QStringLiteral("negrita azul sobre amarillo :)"));
    irc->Command2_Click();
    irc->Option2[16]->click();
    irc->Option1[16]->click();
    adornos->Command5_Click();
    irc->mcolors_Click();
    const QByteArray rainbow =
        sendAndHear(QStringLiteral("un arcoiris de colores para toda la sala, que se vea bien desde lejos"));
    irc->mcolors_Click();
    adornos->List1->setListIndex(0);
    adornos->List1_Click();
    irc->Command3_Click();
    const QByteArray decorated = sendAndHear(QStringLiteral("con adornos y subrayada"));
    irc->DHTMLEdit1->setDocumentHTML(QString());
    for (const QByteArray& line : {styled, rainbow, decorated})
        ana.say("PRIVMSG #amistad :" + line);
    wait(800);
    shot(irc, "11-styled-lines");

    irc->Command32_Click();
    wait(3000);
    shot(frmVexlo::instance(), "12-team");
    irc->Command34_Click();
    wait(3000);
    shot(frmPlay::instance(), "13-game");

    // A second room in a window of its own, with a crowd and a conversation.
    irc->send(QStringLiteral("JOIN #tertulia"));
    std::vector<std::unique_ptr<Peer>> crowd;
    for (const char* nick : {"carmen", "diego", "elena", "fabio", "gloria", "hugo", "ines", "jorge", "karla",
                             "lalo", "mimi", "nacho", "olga", "pablo", "quique", "rita"}) {
        crowd.push_back(std::make_unique<Peer>(nick));
        crowd.back()->say("JOIN #tertulia");
    }
    ana.say("JOIN #tertulia");
    wait(500);
    crowd[0]->say("PRIVMSG #tertulia :buenas tardes a todos :)");
    crowd[3]->say(QByteArray("PRIVMSG #tertulia :") + c + "03alguien vio el partido de ayer? " + b + "golazo" + b);
    ana.say("PRIVMSG #tertulia :yo lo vi, que final mas emocionante :D");
    crowd[5]->say("NICK hugo_bar");
    frmRoom* room = Function::VentanasSala.first(frmRoom::captionFor(QStringLiteral("tertulia")));
    if (!room) {
        std::fprintf(stderr, "screenshots: no window for #tertulia\n");
        std::_Exit(1);
    }
    room->Text2->setText(QStringLiteral("hola tertulia"));
    room->Command1_Click();
    crowd[8]->say("PART #tertulia :vuelvo luego");
    crowd[2]->say("PRIVMSG #tertulia :bienvenida marta, pasa y sientate (h)");
    room->Text2->setText(QStringLiteral("gracias elena, que tal todo?"));
    room->move(60, 60);
    room->raise();
    wait(800);
    shot(room, "14-room");

    // Its menu, open on a nick: the whole screen, since the menu is a window of its own.
    room->ListView1->select(2);
    const QRect row = room->ListView1->visualRect(room->ListView1->model()->index(2, 0));
    room->ListView1_MouseUp(Qt::RightButton, row.center());
    wait(400);
    QGuiApplication::primaryScreen()->grabWindow(0).save(outDir + QStringLiteral("/15-room-menu.png"));
    std::printf("%s/15-room-menu.png\n", qPrintable(outDir));
    room->mpop->hide();

    room->resize(300, 200);
    shot(room, "16-room-small");
    room->resize(1000, 680);
    shot(room, "17-room-large");
    room->hide();

    // Two new private partners, each announced by an alert: the screen while
    // the second slides in above the first, and once both rest.
    Function::PrivadosEnVentanas = true;
    auto grabScreen = [](const char* name) {
        QGuiApplication::primaryScreen()->grabWindow(0).save(outDir + u'/' + QString::fromLatin1(name) + QStringLiteral(".png"));
        std::printf("%s/%s.png\n", qPrintable(outDir), name);
    };
    QTimer::singleShot(1100, [&] { grabScreen("18-alerts-sliding"); });
    QTimer::singleShot(2600, [&] { grabScreen("19-alerts-resting"); });
    // Both lines leave before any is handled: the first alert's wait would
    // hold up the second one's sending.
    ana.socket.write("PRIVMSG marta :hola marta! tienes un momento? :)\r\n");
    crowd[2]->socket.write("PRIVMSG marta :marta, te paso el enlace luego\r\n");
    ana.socket.flush();
    crowd[2]->socket.flush();
    wait(9000);

    // A private conversation of a few dozen lines.
    irc->Abre_Privado(QStringLiteral("ana"));
    frmPrivado* priv = Function::VentanasPrivado.first(frmPrivado::captionFor(QStringLiteral("ana")));
    if (!priv) {
        std::fprintf(stderr, "screenshots: no private window for ana\n");
        std::_Exit(1);
    }
    const QByteArray said[] = {
        "claro, dime", QByteArray("te cuento: ") + c + "04manana" + c + " hay quedada en la plaza " + b + "a las 8" + b,
        "quien va?", "vamos todos los de la sala :D", QByteArray("") + c + "12,8 lleva la camara " + c + " (h)",
        "vale, ahi estare ;)", "//07 genial", "y despues cena? :p"};
    for (int i = 0; i < 24; ++i) {
        if (i % 3 == 2) {
            priv->Text1->setText(QStringLiteral("respuesta %1, me parece bien :)").arg(i));
            priv->Command1_Click();
        } else {
            ana.say("PRIVMSG marta :" + said[i % 8]);
        }
    }
    priv->Text1->setText(QStringLiteral("nos vemos alli <3"));
    priv->move(80, 80);
    priv->raise();
    wait(800);
    shot(priv, "20-private");

    irc->Command6_Click();
    frmContestador* answer = frmContestador::instance();
    answer->Text1->setPlainText(QStringLiteral("Hola (USUARIO), ahora no estoy (son las (HORA)). Te contesto en un rato."));
    answer->Check1->setChecked(true);
    shot(answer, "21-contestadora");
    answer->Check1->setChecked(false);

    for (auto& peer : crowd)
        peer->say("JOIN #amistad");
    wait(500);
    irc->Command17_Click();
    frmMultiPrivados* many = frmMultiPrivados::instance();
    many->Text1->setText(QStringLiteral("quedada manana a las 8 en la plaza"));
    for (int i = 0; i < many->ListView1->count(); i += 2)
        many->ListView1->setChecked(i, true);
    shot(many, "22-multiprivados");

    frmRegistrador* registro = frmRegistrador::instance();
    registro->Show();
    registro->Text1->setText(QStringLiteral("marta@correo.es"));
    registro->Text5->setText(QStringLiteral("tertulia"));
    registro->Text8->setText(QStringLiteral("charla libre"));
    shot(registro, "23-registro");

    // The robot with a file of its own, two entries posted.
    const QString robotFile = platform::FilesPath(QStringLiteral("robot.txt"));
    platform::writeUtf8Lines(robotFile, {QStringLiteral("Buenas noches a todos :)"),
                                         QStringLiteral("_.-+ Vexlo-TeaM +-._"),
                                         QStringLiteral("Quien escucha musica?, yo"),
                                         QStringLiteral("\"Hasta luego, amigos\"")});
    Function::CargaRobot(robotFile, *irc->List1);
    if (auto* tabs = irc->findChild<QTabWidget*>())
        tabs->setCurrentWidget(irc->Frame5);
    irc->Command24_Click();
    irc->Timer2_Timer();
    irc->Timer2_Timer();
    irc->raise();
    wait(500);
    shot(irc, "24-robot");
    irc->Command25_Click();

    // The console after a few hundred lines.
    for (int i = 1; i <= 300; ++i)
        luis.say("PRIVMSG #amistad :linea " + QByteArray::number(i) + " para la consola");
    frmServer::instance()->Show();
    frmServer::instance()->Text1->setText(QStringLiteral("/join #cine"));
    wait(800);
    shot(frmServer::instance(), "25-server-busy");

    // The main user list's menu on "ana", then ana ignored from it: a sad
    // face in silver in the main list and in the room window.
    room->show();
    room->resize(830, 500);
    room->move(420, 470);
    irc->raise();
    irc->activateWindow();
    auto userMenu = [&](const char* name) {
        const int pos = irc->ListView1->find(QStringLiteral("ana"));
        irc->ListView1->select(pos);
        const QRect anaRow = irc->ListView1->visualRect(irc->ListView1->model()->index(pos, 0));
        irc->ListView1_MouseUp(Qt::RightButton, anaRow.center());
        wait(400);
        QGuiApplication::primaryScreen()->grabWindow(0).save(outDir + u'/' + QString::fromLatin1(name) + ".png");
        std::printf("%s/%s.png\n", qPrintable(outDir), name);
        irc->mpop->hide();
    };
    userMenu("25a-user-menu");
    irc->mignore->trigger();
    // The menu as an operator sees it (the local server's rooms have none).
    Function::EsOperador = true;
    userMenu("25b-user-menu-operator");
    irc->ListView1->select(-1);
    shot(irc, "25c-user-ignored");
    room->ListView1->select(-1);
    shot(room, "25d-room-user-ignored");
    // Back as it was for the rest of the tour: ana is heard again.
    Function::Ignorar(QStringLiteral("ana"), QStringLiteral("-"));
    room->hide();
    Function::EsOperador = false;

    // The operator panel, opened by the console's own command, with the
    // rooms of the room list and a few nicks in its lists (not sent: the
    // server would refuse them, since marta is no operator here).
    irc->Command12_Click();
    wait(800);
    frmServer::instance()->Text1->setText(QStringLiteral("/open CTRL"));
    frmServer::instance()->CmdCommando_Click();
    frmOperador* panel = frmOperador::instance();
    for (const char* nick : {"ana", "carmen"})
        panel->List1->addItem(QString::fromLatin1(nick));
    for (const char* nick : {"hugo_bar", "jorge", "rita"})
        panel->List2->addItem(QString::fromLatin1(nick));
    panel->Text1->setText(QStringLiteral("lucho"));
    panel->Combo1->setCurrentIndex(0);
    panel->move(120, 120);
    shot(panel, "26-moderador");

    // The network's rooms in the room list, a few dozen of them.
    ana.say("JOIN #Amigos");
    size_t next = 0;
    for (const char* name : {"Puerto", "Republica", "Hotel", "Cine", "Musica", "Deportes", "Latinos",
                             "Lima", "Caracas", "Bogota", "Quito", "Madrid", "Sevilla", "Rosario", "Cordoba",
                             "Chistes", "Poesia", "Ajedrez", "Juegos", "Novelas", "Anime", "Rock", "Salsa",
                             "Tango", "Cocina", "Viajes", "Mascotas", "Trabajo", "Estudio"})
        crowd[next++ % crowd.size()]->say("JOIN #" + QByteArray(name));  // ngircd lets one user into ten rooms
    irc->Command12->click();
    wait(1000);
    shot(irc, "27-room-list");
    const int amigos = [&] {
        for (int r = 0; r < irc->ListView2->count(); ++r)
            if (irc->listedRoom(r) == QStringLiteral("#Amigos"))
                return r;
        return 0;
    }();
    irc->ListView2->select(amigos);
    const QRect listed = irc->ListView2->visualRect(irc->ListView2->model()->index(amigos, 0));
    irc->ListView2_MouseUp(Qt::RightButton, listed.center());
    wait(400);
    QGuiApplication::primaryScreen()->grabWindow(0).save(outDir + QStringLiteral("/28-room-list-menu.png"));
    std::printf("%s/28-room-list-menu.png\n", qPrintable(outDir));
    irc->msalas->hide();
    irc->mproom->trigger();
    wait(800);
    ana.say("PRIVMSG #Amigos :bienvenida a Amigos, marta :)");
    wait(500);
    shot(irc, "29-main-room-changed");

    // An invitation, accepted.
    irc->Command5->click();
    ana.say("INVITE marta #fiesta");
    wait(500);
    if (frmInvita* invita = frmInvita::loadedInstance())
        shot(invita, "30-invitation");

    // Favourite rooms: this one, two more, and one on a second server.
    frmFavoritos* favoritos = frmFavoritos::instance();
    favoritos->Show();
    favoritos->Command1_Click();
    const QString here = Function::CanalActual;
    for (const char* other : {"#cine", "#tertulia"}) {
        Function::CanalActual = QString::fromLatin1(other);
        favoritos->Command1_Click();
    }
    Function::CanalActual = QStringLiteral("#lejos");
    Function::PuertoIRC = quint16(port + 1);
    favoritos->Command1_Click();
    Function::CanalActual = here;
    Function::PuertoIRC = port;
    favoritos->move(irc->geometry().topRight() - QPoint(300, -120));
    shot(favoritos, "31-favoritos");
    favoritos->lstCanales->setListIndex(3);
    favoritos->lstCanales_Click();
    wait(1500);
    shot(irc, "32-favourite-elsewhere");
    std::fflush(stdout);
    std::_Exit(0);
}
