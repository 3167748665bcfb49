// How fast the HTML chat view takes a flood of chat lines, and what it costs
// in memory; also the log box of the server console, hidden, as it is
// written during a flood.
//
//   bench_htmlview            the measurements
//   bench_htmlview --show OUT a window with the welcome page and some lines,
//                             grabbed to OUT (and OUT with "-top" before its
//                             extension for the start of the conversation)
#include "common/BenchSupport.h"
#include "platform/HtmlView.h"
#include "platform/LogBox.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QPainter>
#include <QScrollBar>
#include <QTemporaryDir>

#include <cstdio>
#include <random>

using platform::HtmlView;
using platform::LogBox;

namespace {

const QString emoticonHost = QStringLiteral("http://img.vexlo-team.example/");
const QString promoHost = QStringLiteral("http://promo.vexlo-team.example/");
const QString welcome = QStringLiteral(
    "<body bgcolor='black'><center><img src='http://promo.vexlo-team.example/ClientePictures/Parlowen(2).gif', "
    "width=470; height=400; top=0; left=0>");
const QString tail = QStringLiteral("</font></b></u><br>");

const char* const nicks[] = {"pepe", "ana", "Lucia_23", "elMago", "rocio", "xX_dark_Xx", "juanito", "MariCarmen",
                             "tormenta", "gato_negro", "sol", "Vampiro"};
const char* const words[] = {"hola", "que", "tal", "como", "estas", "bien", "y", "tu", "alguien", "de", "Madrid",
                             "jajaja", "no", "se", "vale", "pues", "mira", "esto", "buenas", "noches", "a", "todos",
                             "quien", "quiere", "hablar", "conmigo", "me", "aburro", "mucho", "hoy"};
const char* const colors[] = {"red", "blue", "darkgreen", "orange", "#800080", "darkred", "FUCHSIA", "#008080"};

// The chat text escaping for a single-quoted script string.
QString escapeForScript(QString t)
{
    t.remove(u'\n').remove(u'\r');
    t.replace(u"\\"_qs, u"\\\\"_qs);
    for (const char* c : {"{", "}", ";", "'", "\"", "(", ")", "]", "[", "#"})
        t.replace(QLatin1String(c), QLatin1String("\\") + QLatin1String(c));
    return t;
}

QString chatFragment(std::mt19937& random, int n)
{
    auto pick = [&](auto& table) { return QString::fromUtf8(table[random() % std::size(table)]); };
    QString text;
    const int count = 3 + int(random() % 12);
    for (int i = 0; i < count; ++i)
        text += pick(words) + u' ';
    const QString emoticon = QStringLiteral("<img src='http://img.vexlo-team.example/Brisolo/IconCG/%1.gif'>")
                                 .arg(int(random() % 44), 2, 10, QLatin1Char('0'));
    switch (n % 20) {
    case 0: case 1: case 2: case 3: case 4: case 5: case 6: case 7: case 8: case 9:
        return u"<b> "_qs + pick(nicks) + u" :</B>  "_qs + text + emoticon + u" "_qs + pick(words) + tail;
    case 10: case 11: case 12:
        return u"<font color=Silver> ["_qs + pick(nicks) + u" ] a Entrado a sala."_qs + tail;
    case 13: case 14: case 15:
        return u"<b> "_qs + pick(nicks) + u" :</B>  <font color='"_qs + pick(colors)
            + u"' STYLE='background: white'>"_qs + text + u"</font>"_qs + tail;
    case 16: case 17:
        return u"<font color=Navy><b> yo </font> : </b>"_qs + text + emoticon + tail;
    case 18:
        return u"<b> "_qs + pick(nicks) + u" :</B>  mira <IMG SRC=\"http://img.vexlo-team.example/img/list-new/"_qs
            + QString::number(1 + random() % 65) + u".gif\"> "_qs + text + tail;
    default:
        return u"<center><font color=silver><b>Has Desconectado el Trovelin</b></font></center>"_qs + tail;
    }
}

QString script(const QString& fragment)
{
    // The tail is written after the escaping, as the program does.
    QString body = fragment;
    body.chop(tail.size());
    return u"document.writeln('"_qs + escapeForScript(body) + tail + u"');"_qs;
}

// Stand-in pictures when the program's own are not there.
QString makePictures(const QString& root)
{
    auto draw = [](const QString& path, QSize size, QColor color) {
        QDir().mkpath(QFileInfo(path).path());
        QImage image(size, QImage::Format_ARGB32);
        image.fill(Qt::transparent);
        QPainter p(&image);
        p.setRenderHint(QPainter::Antialiasing);
        p.setBrush(color);
        p.drawEllipse(QRect(QPoint(1, 1), size - QSize(3, 3)));
        image.save(path);
    };
    for (int i = 0; i < 44; ++i)
        draw(root + QStringLiteral("/Brisolo/IconCG/%1.png").arg(i, 2, 10, QLatin1Char('0')), {19, 19}, Qt::yellow);
    for (int i = 1; i <= 65; ++i)
        draw(root + QStringLiteral("/img/list-new/%1.png").arg(i), {20, 20}, QColor::fromHsv(i * 5, 200, 230));
    draw(root + u"/ClientePictures/Parlowen(2).png"_qs, {470, 400}, QColor(40, 90, 200));
    return root;
}

long peakKiB()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').front().toLong();
    return -1;
}

double ms(const QElapsedTimer& t) { return t.nsecsElapsed() / 1e6; }

int show(HtmlView& view, const QString& out)
{
    std::mt19937 random(7);
    for (int i = 0; i < 60; ++i) {
        view.execScript(script(chatFragment(random, i)));
        view.scroll(0, 800000000);
    }
    QApplication::processEvents();
    view.grab().save(out);
    view.scroll(0, 0);
    QApplication::processEvents();
    QString top = out;
    top.insert(top.lastIndexOf(u'.') < 0 ? top.size() : top.lastIndexOf(u'.'), u"-top"_qs);
    view.grab().save(top);
    view.selectAll();
    QString selected = out;
    selected.insert(selected.lastIndexOf(u'.') < 0 ? selected.size() : selected.lastIndexOf(u'.'), u"-selected"_qs);
    view.grab().save(selected);

    LogBox log;
    log.resize(600, 300);
    log.show();
    for (int i = 0; i < 40; ++i) {
        log.setSelColor(i % 7 == 3 ? QColor(Qt::yellow) : QColor(Qt::white));
        log.append(QStringLiteral("12:%1:07 :irc.test.local 372 pepe :- Bienvenidos <b>al</b> servidor, linea %2 \r\n")
                       .arg(i, 2, 10, QLatin1Char('0'))
                       .arg(i));
    }
    log.append(QStringLiteral("12:41:00 :irc.test.local 353 pepe = #sala :") + QStringLiteral("@ana +luis pepe rocio ").repeated(6));
    QApplication::processEvents();
    QString logShot = out;
    logShot.insert(logShot.lastIndexOf(u'.') < 0 ? logShot.size() : logShot.lastIndexOf(u'.'), u"-log"_qs);
    log.grab().save(logShot);
    std::printf("saved %s, %s, %s and %s\n", qPrintable(out), qPrintable(top), qPrintable(selected), qPrintable(logShot));
    return 0;
}

// The server console's log as a flood fills it: hidden, one entry a line.
void benchLog(int lines)
{
    LogBox log;
    log.resize(600, 400);
    log.setSelColor(Qt::white);
    QStringList entries;
    for (int i = 0; i < lines; ++i)
        entries << u"12:34:56 :"_qs + QString::fromUtf8(nicks[i % std::size(nicks)])
                + u"!user@host-10-1-2-3 PRIVMSG #sala :"_qs + QString::fromUtf8(words[i % std::size(words)]).repeated(1 + i % 5) + u" \r\n"_qs;
    QElapsedTimer clock;
    clock.start();
    for (const QString& entry : entries) {
        log.setSelColor(Qt::white);
        log.append(entry);
    }
    const double logged = ms(clock);
    std::printf("log box, hidden: %d lines in %.1f ms (%.3f us each), %d lines kept\n", lines, logged,
                logged * 1000 / lines, log.lineCount());
}

}  // namespace

int main(int argc, char** argv)
{
    bench::offscreenWithoutDisplay();
    QApplication app(argc, argv);
    const QStringList args = app.arguments();
    constexpr int lines = 100000;
    if (args.contains(u"--log"_qs)) {
        benchLog(lines);
        return 0;
    }

    QTemporaryDir scratch;
    QString pictures = QCoreApplication::applicationDirPath() + u"/Files/Pictures"_qs;
    if (!QFileInfo::exists(pictures + u"/Brisolo/IconCG"_qs))
        pictures = makePictures(scratch.path());
    std::printf("pictures from %s\n", qPrintable(pictures));
    HtmlView::servePictures(emoticonHost, pictures);
    HtmlView::servePictures(promoHost, pictures);

    HtmlView view;
    view.resize(800, 600);
    view.setWindowTitle(u"Trovelin"_qs);
    view.show();
    view.setDocumentHTML(welcome);
    QApplication::processEvents();

    const qsizetype showAt = args.indexOf(u"--show"_qs);
    if (showAt >= 0)
        return show(view, showAt + 1 < args.size() ? args[showAt + 1] : u"/tmp/htmlview.png"_qs);

    // The scripts wait as UTF-8, so that they weigh little in the peak.
    std::mt19937 random(1);
    QByteArray scripts;
    std::vector<qsizetype> starts;
    for (int i = 0; i < lines; ++i) {
        starts.push_back(scripts.size());
        scripts += script(chatFragment(random, i)).toUtf8();
    }
    starts.push_back(scripts.size());
    std::printf("peak before the flood: %ld KiB\n", peakKiB());

    QElapsedTimer clock;
    clock.start();
    for (int i = 0; i < lines; ++i) {
        view.execScript(QString::fromUtf8(scripts.constData() + starts[i], starts[i + 1] - starts[i]));
        view.scroll(0, 800000000);
        if (i % 100 == 99)
            QApplication::processEvents();
    }
    QApplication::processEvents();
    const double flood = ms(clock);
    std::printf("html view: %d fragments in %.1f ms: %.0f fragments/s (%.2f us each)\n", lines, flood,
                lines / flood * 1000, flood * 1000 / lines);
    std::printf("peak after the flood: %ld KiB; view storage %.1f MiB\n", peakKiB(),
                view.storageBytes() / 1048576.0);
    std::printf("at end: %s, block at the bottom: %d of %d\n", view.isAtEnd() ? "yes" : "no",
                view.blockAt(QPoint(10, view.viewport()->height() - 4)), view.blockCount());

    clock.start();
    view.viewport()->repaint();
    std::printf("full repaint, laid out: %.2f ms\n", ms(clock));
    clock.start();
    view.resize(700, 600);
    view.viewport()->repaint();
    std::printf("full repaint after a width change (re-wrap): %.2f ms\n", ms(clock));
    clock.start();
    for (int i = 0; i < 50; ++i) {
        view.verticalScrollBar()->setValue(int(random() % unsigned(view.verticalScrollBar()->maximum())));
        view.viewport()->repaint();
    }
    std::printf("scroll bar to a random place, repaint: %.2f ms each\n", ms(clock) / 50);
    clock.start();
    for (int i = 0; i < 50; ++i) {
        view.scroll(0, 40000 * (i + 1));
        view.viewport()->repaint();
    }
    std::printf("scroll(0, y) to 50 places, repaint: %.2f ms each\n", ms(clock) / 50);
    clock.start();
    const qsizetype source = view.documentHTML().size();
    std::printf("document HTML (%.1f MiB as UTF-16): %.1f ms\n", source * 2 / 1048576.0, ms(clock));
    clock.start();
    view.selectAll();
    const QString all = view.selectedText();
    std::printf("select all and take its text (%.1f MiB): %.0f ms\n", all.size() * 2 / 1048576.0, ms(clock));
    std::printf("peak after these: %ld KiB\n", peakKiB());

    benchLog(lines);
    return 0;
}
