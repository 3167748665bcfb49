// Bytes from a hostile or broken chat server, through everything a received
// line reaches: the real socket, the framer, the dispatcher, the renderer
// and the main view, whose new lines are laid out as on screen. Every box is
// answered at once. A client that stops answering PING is a finding too.
#include "ScriptedDesktop.h"
#include "core/Function.h"
#include "core/frmIRC.h"
#include "platform/Dialogs.h"
#include "platform/Errors.h"
#include "platform/Form.h"
#include "platform/HtmlView.h"
#include "platform/ListView.h"
#include "platform/LogBox.h"
#include "platform/WireText.h"
#include "windows/frmServer.h"

#include <QApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTemporaryDir>

#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace {

class AnsweringDialogs : public platform::DialogHost {
public:
    AnsweringDialogs() { platform::setDialogHost(this); }
    int msgBox(const QString&, int style, const QString&) override
    {
        return style == platform::vbYesNoQuestion ? platform::vbNo : platform::vbOK;
    }
    QString inputBox(const QString&, const QString&, const QString&) override { return {}; }
    QString openFileName(const QString&, const QString&, const QString&) override { return {}; }
    QString saveFileName(const QString&, const QString&, const QString&) override { return {}; }
};

[[noreturn]] void fail(const char* what)
{
    std::fprintf(stderr, "server lines: %s\n", what);
    std::abort();
}

// The errors handlers catch are the program's answer to bad lines, save an
// internal one (an exception the run time never raises) or running out of
// memory: those are faults. Everything else Qt says is dropped.
void onMessage(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    const bool caught = context.category && qstrcmp(context.category, "trovelin.errors") == 0;
    const bool fault = caught && (message.contains(QStringLiteral(": error %1:").arg(platform::errInternal)) ||
                                  message.contains(QStringLiteral(": error %1:").arg(platform::errOutOfMemory)));
    if (type == QtFatalMsg || fault)
        fail(qPrintable(message));
}

// Spins the event loop until done; a client that needs a minute for a few
// kilobytes has hung.
template <class Done>
void waitFor(Done done, const char* what)
{
    const QDeadlineTimer deadline(60000);
    while (!done()) {
        if (deadline.hasExpired())
            fail(what);
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    }
}

void copyTree(const QString& from, const QString& to)
{
    QDirIterator it(from, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString src = it.next();
        const QString dst = to + src.mid(from.size());
        QDir().mkpath(QFileInfo(dst).path());
        QFile::copy(src, dst);
    }
}

// Lays out the last blocks, as the view does to show them.
void layOut(platform::BlockView* view)
{
    for (int b = qMax(0, view->blockCount() - 50); b < view->blockCount(); ++b)
        view->blockHeight(b);
}

class Harness {
public:
    Harness()
    {
        // The program and its windows live until the process ends; only the
        // program folder is removed then.
        static QTemporaryDir home;
        if (!home.isValid())
            fail("no temporary folder");
        copyTree(QStringLiteral(TROVELIN_FILES_DIR), home.path() + QStringLiteral("/Files"));
        qputenv("TROVELIN_HOME", home.path().toLocal8Bit());
        if (!server_.listen(QHostAddress::LocalHost))
            fail("no free port");
    }

    void run(const QByteArray& bytes)
    {
        // Each input starts from empty views and lists, so it does the same
        // whatever ran before it; a fresh program now and then clears the
        // rest and keeps memory bounded.
        if (++runs_ % 1000 == 0 || !irc_ || !peer_ || peer_->state() != QAbstractSocket::ConnectedState)
            restart();
        setNicks();
        irc_->DHTMLEdit1->setDocumentHTML(QString());
        irc_->txtStatus->clear();
        irc_->ListView1->clear();
        irc_->ListView2->clear();
        irc_->lstUsers->clear();
        frmServer::instance()->RichTextBox1->clear();

        const QByteArray token = ":fuzz-end-" + QByteArray::number(runs_);
        peer_->write(bytes + "\r\nPING " + token + "\r\n");
        waitFor([&] { return received_.contains("PONG " + token); }, "the client stopped answering PING");
        received_.clear();

        // The renderer on the bytes as one chat line, as the user's own
        // text reaches it.
        irc_->New_msg(platform::decodeLine(bytes));
        layOut(irc_->DHTMLEdit1);
        layOut(irc_->txtStatus);
    }

private:
    static void setNicks()
    {
        Function::MiNick = QStringLiteral("yo");
        Function::NickAnterior = QStringLiteral("yo_alt");
        Function::CanalActual = QStringLiteral("#sala");
    }

    void restart()
    {
        for (platform::Form* f : platform::Form::loadedForms())
            delete f;
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        delete peer_;
        received_.clear();

        Function::ResetState();
        setNicks();
        Function::ServidorIRC = QStringLiteral("127.0.0.1");
        Function::PuertoIRC = server_.serverPort();
        irc_ = frmIRC::instance();
        irc_->ConnectarChat();
        waitFor([&] { return server_.hasPendingConnections(); }, "the client did not connect");
        peer_ = server_.nextPendingConnection();
        QObject::connect(peer_, &QTcpSocket::readyRead, [this] { received_ += peer_->readAll(); });
        received_ += peer_->readAll();
        waitFor([&] { return received_.contains("USER "); }, "the client did not register");
        received_.clear();
    }

    AnsweringDialogs dialogs_;
    ScriptedDesktop desktop_;
    QTcpServer server_;
    QPointer<QTcpSocket> peer_;
    QByteArray received_;
    QPointer<frmIRC> irc_;
    int runs_ = 0;
};

Harness* harness = nullptr;

}  // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    if (qEnvironmentVariableIsEmpty("DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    qInstallMessageHandler(onMessage);
    new QApplication(*argc, *argv);
    harness = new Harness;
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    harness->run(QByteArray(reinterpret_cast<const char*>(data), qsizetype(size)));
    return 0;
}
