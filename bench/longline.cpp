// The worst single lines a server can send, each through the real socket
// with the main window shown and the server console open, each followed by
// a PING. Prints the time to the PONG, and to the moment every view has
// painted the line (main view, status box, console log). Goal: each well
// under a quarter of a second.
#include "common/BenchSupport.h"
#include "core/frmIRC.h"
#include "platform/HtmlView.h"
#include "platform/ListView.h"
#include "platform/LogBox.h"
#include "windows/frmServer.h"

#include <QApplication>

#include <random>

namespace {

struct Case {
    const char* name;
    QByteArray line;
};

QByteArray privmsg(const QByteArray& text) { return ":ana!a@host.example PRIVMSG #sala :" + text; }

QByteArray oneLetter() { return privmsg(QByteArray(1000000, 'a')); }

QByteArray randomPrintable(std::mt19937& rng)
{
    QByteArray text(1000000, ' ');
    for (char& c : text)
        c = char(0x20 + rng() % 95);
    return privmsg(text);
}

// Every form of colour code, each followed by a letter.
QByteArray colourCodes(std::mt19937& rng)
{
    QByteArray text;
    text.reserve(500100);
    while (text.size() < 500000) {
        const int fg = int(rng() % 16), bg = int(rng() % 16);
        text += '\x03';
        switch (rng() % 4) {
        case 0: text += QByteArray::number(fg); break;
        case 1: text += QByteArray::number(fg).rightJustified(2, '0'); break;
        case 2: text += QByteArray::number(fg) + ',' + QByteArray::number(bg); break;
        default: text += QByteArray::number(fg).rightJustified(2, '0') + ',' + QByteArray::number(bg).rightJustified(2, '0'); break;
        }
        text += char('a' + rng() % 26);
    }
    return privmsg(text);
}

// Lone and doubled Chr(3) among colour codes: the codes that are looked up
// again from the start of the text.
QByteArray strayColourCodes(std::mt19937& rng)
{
    static const char* const pieces[] = {"\x03", "\x03\x03", "\x03" "5", "\x03" "4,1", "\x03" "12x", "a", ","};
    QByteArray text;
    while (text.size() < 500000)
        text += pieces[rng() % std::size(pieces)];
    return privmsg(text);
}

QByteArray toggles(std::mt19937& rng)
{
    QByteArray text;
    text.reserve(600100);
    while (text.size() < 600000) {
        text += rng() % 2 ? '\x02' : '\x1f';
        text += char('a' + rng() % 26);
    }
    return privmsg(text);
}

QByteArray names(int count)
{
    QByteArray line = ":srv 353 yo = #sala :";
    line.reserve(count * 10 + 32);
    for (int i = 0; i < count; ++i)
        line += (i % 50 == 0 ? "@" : i % 20 == 0 ? "+" : "") + QByteArray("n") + QByteArray::number(i) + ' ';
    line.chop(1);
    return line;
}

}  // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("DISPLAY") && qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    bench::Server server;
    frmIRC* irc = bench::connectShown(server);
    if (!irc) {
        std::fprintf(stderr, "the client did not connect\n");
        return 1;
    }
    frmServer* console = frmServer::instance();
    console->Show();
    QApplication::processEvents();

    std::mt19937 rng(7);
    const std::vector<Case> cases = {
        {"1 MB of one letter", oneLetter()},
        {"1 MB random printable", randomPrintable(rng)},
        {"500 kB of colour codes", colourCodes(rng)},
        {"500 kB of stray colour codes", strayColourCodes(rng)},
        {"600 kB of bold/underline toggles", toggles(rng)},
        {"353 with 60,000 names", names(60000)},
    };
    const QWidget* views[] = {irc->DHTMLEdit1->viewport(), irc->txtStatus->viewport(),
                              console->RichTextBox1->viewport()};
    int n = 0;
    for (const Case& c : cases) {
        const QByteArray token = "case" + QByteArray::number(++n);
        server.clearReceived();
        QElapsedTimer clock;
        clock.start();
        server.send(c.line + "\r\nPING :" + token + "\r\n");
        if (!server.waitForReceived("PONG :" + token, 600000)) {
            std::fprintf(stderr, "%s: no PONG\n", c.name);
            return 1;
        }
        const double pong = clock.nsecsElapsed() / 1e6;
        for (const QWidget* view : views)
            const_cast<QWidget*>(view)->repaint();
        const double shown = clock.nsecsElapsed() / 1e6;
        std::printf("%-34s %7.1f kB  PONG %9.1f ms  shown %9.1f ms\n", c.name, c.line.size() / 1000.0, pong, shown);
        std::fflush(stdout);
    }
    std::printf("user list: %d entries; peak memory %.1f MiB\n", irc->ListView1->count(), bench::peakMiB());
    return 0;
}
