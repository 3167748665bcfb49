// The user settings file when the program dies, or the disk fills, while
// the file is rewritten.
//
//   bench_settingsfile kill [RUNS]
//       A child rewrites the file without pause (a 4 MiB auto-answer text
//       makes each write last); the parent kills it with SIGKILL at a random
//       moment after its first whole write, RUNS times (60 unless given),
//       and reads the file back each time. Prints how many runs left a whole
//       file, and how many kills came while the writer ran.
//   bench_settingsfile kill-truncating [RUNS]
//       The same against a writer that empties the file, then writes it: it
//       shows that the experiment sees the fault it looks for.
//   bench_settingsfile full HOME [PNG]
//       HOME/Files must be a small file system of its own, for instance
//         mount -t tmpfs -o size=64k tmpfs HOME/Files
//       Writes the file, fills the disk, clicks the main window's bold
//       button (which saves the settings) with the real message box on
//       screen, saved to PNG; reads the file back; frees the disk and
//       clicks again.
#include "common/BenchSupport.h"
#include "core/Function.h"
#include "core/frmIRC.h"
#include "platform/AppFiles.h"
#include "platform/Dialogs.h"
#include "platform/ToggleButton.h"

#include <QApplication>
#include <QDir>
#include <QMessageBox>
#include <QPixmap>
#include <QProcess>
#include <QScreen>
#include <QTemporaryDir>
#include <QThread>

namespace {

constexpr qsizetype kAnswerSize = 4 * 1024 * 1024;

QString settingsPath() { return platform::FilesPath(QStringLiteral("Parlowen.nt")); }

QString answerOf(int version) { return QString(kAnswerSize, QChar(u'a' + version % 26)); }

// Empties the file, then writes it, as the program once did.
void truncatingWrite()
{
    QFile f(settingsPath());
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return;
    f.write("Nick=" + Function::NickGuardado.toLatin1() + "\r\n");
    f.write("Contestadora=" + Function::TextoContestadora.toLatin1() + "\r\n");
}

[[noreturn]] void writeForever(bool truncating)
{
    // The parent reads the last mark after the kill: "w" when it came
    // while the writer ran.
    auto mark = [](const char* m) {
        std::fputs(m, stdout);
        std::fflush(stdout);
    };
    for (int version = 0;; ++version) {
        Function::NickGuardado = QStringLiteral("n%1").arg(version);
        Function::TextoContestadora = answerOf(version);
        mark("w");
        if (truncating)
            truncatingWrite();
        else
            Function::GuardaDatos();
        mark("-");
    }
}

// A whole file is one version, read back complete.
bool wholeVersionOnDisk()
{
    Function::ResetState();
    Function::LeeDatos();
    const QString& nick = Function::NickGuardado;
    bool numbered = false;
    const int version = nick.mid(1).toInt(&numbered);
    return nick.startsWith(u'n') && numbered && Function::TextoContestadora == answerOf(version);
}

int killRuns(const char* self, bool truncating, int runs)
{
    int whole = 0, whileWriting = 0;
    for (int run = 0; run < runs; ++run) {
        QTemporaryDir home;
        QDir(home.path()).mkdir(QStringLiteral("Files"));
        qputenv("TROVELIN_HOME", home.path().toLocal8Bit());
        QProcess child;
        child.start(QString::fromLocal8Bit(self), {truncating ? QStringLiteral("child-truncating")
                                                              : QStringLiteral("child")});
        QByteArray marks;
        while (!marks.contains("w-")) {  // the first version is whole
            if (!child.waitForReadyRead(30000)) {
                std::fprintf(stderr, "the writer did not start\n");
                return 1;
            }
            marks += child.readAllStandardOutput();
        }
        QThread::msleep(QRandomGenerator::global()->bounded(300));
        child.kill();  // SIGKILL
        child.waitForFinished();
        marks += child.readAllStandardOutput();
        whole += wholeVersionOnDisk();
        whileWriting += marks.endsWith('w');
    }
    std::printf("%s writer, %d kills, %d of them while the writer ran: file whole after %d\n",
                truncating ? "truncating" : "program's", runs, whileWriting, whole);
    return whole == runs ? 0 : 1;
}

QByteArray bytesOf(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// Fills the file system that holds path; false when it did not fill.
bool fill(const QString& path)
{
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly))
        return false;
    const QByteArray block(4096, 'x');
    for (int i = 0; i < 1 << 20; ++i)
        if (f.write(block) != block.size() || !f.flush())
            return true;
    return false;
}

int fullDisk(const QString& home, const QString& png)
{
    qputenv("TROVELIN_HOME", home.toLocal8Bit());
    // Real, modal boxes. Those of the start-up (the small folder lacks the
    // program's list files) are answered unseen; the one of the failed
    // write is kept.
    platform::setDialogHost(nullptr);
    bool diskFull = false;
    QString boxText;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box)
            return;
        if (diskFull) {
            boxText = box->windowTitle() + QStringLiteral(": ") + box->text();
            if (!png.isEmpty()) {
                const QPixmap shot =
                    qEnvironmentVariableIsEmpty("DISPLAY") ? box->grab() : box->screen()->grabWindow(0);
                shot.save(png);
            }
        }
        box->accept();
    });
    poll.start(200);

    Function::ResetState();
    frmIRC* irc = frmIRC::instance();
    irc->Show();
    Function::NickGuardado = QStringLiteral("antes");
    Function::GuardaDatos();
    const QByteArray previous = bytesOf(settingsPath());
    const QString filler = platform::FilesPath(QStringLiteral("relleno"));
    if (previous.isEmpty() || !fill(filler)) {
        std::fprintf(stderr, "HOME/Files is not a small file system of its own\n");
        return 1;
    }

    diskFull = true;
    Function::TextoContestadora = QString(16 * 1024, u'x');
    irc->Command2->click();
    const bool kept = bytesOf(settingsPath()) == previous;
    const int files = QDir(home + QStringLiteral("/Files")).entryList(QDir::Files | QDir::Hidden).size();

    QFile::remove(filler);
    diskFull = false;
    irc->Command2->click();
    Function::ResetState();
    Function::LeeDatos();
    const bool written = Function::TextoContestadora.size() == 16 * 1024;
    std::printf("full disk: box \"%s\"; old file kept byte for byte: %s; files beside it: %d; "
                "written once there is room: %s\n",
                qPrintable(boxText), kept ? "yes" : "no", files - 2, written ? "yes" : "no");
    return kept && written && !boxText.isEmpty() ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv)
{
    bench::offscreenWithoutDisplay();
    QApplication app(argc, argv);
    const QByteArray mode = argc > 1 ? argv[1] : "";
    const int runs = argc > 2 ? QByteArray(argv[2]).toInt() : 60;
    if (mode == "child" || mode == "child-truncating")
        writeForever(mode == "child-truncating");
    if (mode == "kill" || mode == "kill-truncating")
        return killRuns(argv[0], mode == "kill-truncating", runs);
    if (mode == "full" && argc > 2)
        return fullDisk(QString::fromLocal8Bit(argv[2]), argc > 3 ? QString::fromLocal8Bit(argv[3]) : QString());
    std::fprintf(stderr, "usage: bench_settingsfile kill|kill-truncating [RUNS] | full HOME [PNG]\n");
    return 2;
}
