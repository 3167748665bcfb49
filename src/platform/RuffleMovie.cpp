#include "platform/RuffleMovie.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLibraryInfo>
#include <QVBoxLayout>
#include <QWebEnginePage>
#include <QWebEngineProfile>
#include <QWebEngineSettings>
#include <QWebEngineUrlRequestInfo>
#include <QWebEngineUrlRequestInterceptor>
#include <QWebEngineUrlRequestJob>
#include <QWebEngineUrlScheme>
#include <QWebEngineUrlSchemeHandler>
#include <QWebEngineView>

#include <unistd.h>

namespace platform {

namespace {

const QByteArray kScheme = "trovelin";
const QUrl kPageUrl(QStringLiteral("trovelin://movie/"));
const QString kReport = QStringLiteral("trovelin-movie ");

// The design settings of the original control, in Ruffle's words. Qt's web
// engine refuses fetch() on a scheme of the program's own, and Ruffle
// fetches its WebAssembly and the movie, so fetch goes through
// XMLHttpRequest. The page reports to the control on its console.
const char kPage[] = R"(<!DOCTYPE html>
<html><head><meta charset="utf-8"><style>
html, body { margin: 0; width: 100%; height: 100%; overflow: hidden; background: #000; }
ruffle-player { display: block; width: 100%; height: 100%; }
</style><script>
window.fetch = (input, init) => new Promise((resolve, reject) => {
  const url = new URL(input instanceof Request ? input.url : String(input), document.baseURI).href;
  const xhr = new XMLHttpRequest();
  xhr.open((init && init.method) || "GET", url);
  xhr.responseType = "arraybuffer";
  xhr.onload = () => {
    const response = new Response(xhr.response, {
      status: xhr.status || 200,
      headers: { "Content-Type": xhr.getResponseHeader("Content-Type") || "" },
    });
    Object.defineProperty(response, "url", { value: url });
    resolve(response);
  };
  xhr.onerror = () => reject(new TypeError("Failed to fetch " + url));
  xhr.send();
});
const report = (what, detail) => console.info("trovelin-movie " + what + " " + JSON.stringify(detail));
window.addEventListener("error", (e) => report("failed", String(e.message)));
window.addEventListener("unhandledrejection", (e) => report("failed", String(e.reason)));
window.RufflePlayer = { config: {
  autoplay: "on", unmuteOverlay: "hidden", splashScreen: false,
  contextMenu: "on", menu: true, quality: "high", scale: "showAll", wmode: "window",
  allowFullscreen: false, allowNetworking: "all", preferredRenderer: "canvas",
  polyfills: false, warnOnUnsupportedContent: false, showSwfDownload: false,
  upgradeToHttps: false, logLevel: "error",
} };
</script><script src="ruffle/ruffle.js"></script></head><body><script>
const player = window.RufflePlayer.newest().createPlayer();
document.body.appendChild(player);
player.addEventListener("loadedmetadata", () => {
  const m = player.ruffle().metadata;
  report("loaded", { width: m.width, height: m.height, frameRate: m.frameRate });
  player.focus();
});
// Ruffle tells of a movie it cannot play only on a screen of its own.
new MutationObserver(() => {
  const panic = player.shadowRoot.getElementById("panic-body");
  if (panic) report("failed", panic.textContent);
}).observe(player.shadowRoot, { childList: true, subtree: true });
player.ruffle().load("movie.swf").catch((e) => report("failed", String(e)));
</script></body></html>
)";

QString mimeOf(const QString& name)
{
    if (name.endsWith(QStringLiteral(".js")))
        return QStringLiteral("text/javascript");
    if (name.endsWith(QStringLiteral(".wasm")))
        return QStringLiteral("application/wasm");
    return QStringLiteral("application/octet-stream");
}

// Only the program's scheme and what the page makes itself.
class OwnSchemeOnly : public QWebEngineUrlRequestInterceptor {
public:
    using QWebEngineUrlRequestInterceptor::QWebEngineUrlRequestInterceptor;
    void interceptRequest(QWebEngineUrlRequestInfo& info) override
    {
        const QString scheme = info.requestUrl().scheme();
        info.block(scheme != QLatin1String(kScheme) && scheme != QLatin1String("data") &&
                   scheme != QLatin1String("blob"));
    }
};

}  // namespace

// Serves the page, Ruffle's files by plain name and the one movie; nothing
// else.
class MovieFiles : public QWebEngineUrlSchemeHandler {
public:
    MovieFiles(const QString& ruffleFolder, QObject* parent)
        : QWebEngineUrlSchemeHandler(parent), ruffleFolder_(ruffleFolder) {}

    QString movie;

    void requestStarted(QWebEngineUrlRequestJob* job) override
    {
        const QUrl url = job->requestUrl();
        const QString path = url.path();
        if (url.host() != kPageUrl.host() || job->requestMethod() != "GET") {
            job->fail(QWebEngineUrlRequestJob::RequestDenied);
            return;
        }
        if (path == QLatin1String("/")) {
            auto* page = new QBuffer(job);
            page->setData(kPage);
            job->reply("text/html", page);
            return;
        }
        QString file;
        QByteArray mime = "application/x-shockwave-flash";
        if (path == QLatin1String("/movie.swf")) {
            file = movie;
        } else if (path.startsWith(QLatin1String("/ruffle/"))) {
            const QString name = path.mid(8);
            if (!name.contains(u'/') && !name.startsWith(u'.')) {
                file = ruffleFolder_ + u'/' + name;
                mime = mimeOf(name).toLatin1();
            }
        }
        auto* device = new QFile(file, job);
        if (file.isEmpty() || !device->open(QIODevice::ReadOnly)) {
            job->fail(QWebEngineUrlRequestJob::UrlNotFound);
            return;
        }
        job->reply(mime, device);
    }

private:
    QString ruffleFolder_;
};

class MoviePage : public QWebEnginePage {
    Q_OBJECT
public:
    using QWebEnginePage::QWebEnginePage;

signals:
    void reported(const QString& what, const QJsonValue& detail);

protected:
    void javaScriptConsoleMessage(JavaScriptConsoleMessageLevel, const QString& message, int,
                                  const QString& source) override
    {
        if (QUrl(source) != kPageUrl || !message.startsWith(kReport))
            return;
        const QString rest = message.mid(kReport.size());
        const QString what = rest.section(u' ', 0, 0);
        const QJsonDocument detail =
            QJsonDocument::fromJson((QStringLiteral("[") + rest.section(u' ', 1) + u']').toUtf8());
        emit reported(what, detail.array().isEmpty() ? QJsonValue() : detail.array().first());
    }

    bool acceptNavigationRequest(const QUrl& url, NavigationType, bool isMainFrame) override
    {
        return isMainFrame && url == kPageUrl;
    }
};

void prepareMovieEngine()
{
    QWebEngineUrlScheme scheme(kScheme);
    scheme.setSyntax(QWebEngineUrlScheme::Syntax::Host);
    // LocalScheme alone keeps the page from running Ruffle's own scripts.
    scheme.setFlags(QWebEngineUrlScheme::SecureScheme | QWebEngineUrlScheme::CorsEnabled);
    QWebEngineUrlScheme::registerScheme(scheme);
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    // The engine's sandbox refuses to run as root.
    if (geteuid() == 0 && !qEnvironmentVariableIsSet("QTWEBENGINE_DISABLE_SANDBOX"))
        qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
    // Ruffle draws on a canvas; without a GPU process the engine does not
    // complain about the GPU it cannot use.
    QByteArray flags = qgetenv("QTWEBENGINE_CHROMIUM_FLAGS");
    if (!flags.contains("--disable-gpu"))
        qputenv("QTWEBENGINE_CHROMIUM_FLAGS", (flags + " --disable-gpu").trimmed());
}

RuffleMovie::RuffleMovie(QWidget* parent, const QString& ruffleFolder)
    : MovieControl(parent), ruffleFolder_(ruffleFolder)
{
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
}

RuffleMovie::~RuffleMovie() { tearDown(); }

QString RuffleMovie::defaultRuffleFolder()
{
    return QCoreApplication::applicationDirPath() + QStringLiteral("/ruffle");
}

QString RuffleMovie::engineMissing()
{
    // Without these the engine ends the program instead of failing.
    QString process = qEnvironmentVariable("QTWEBENGINEPROCESS_PATH");
    if (process.isEmpty())
        process = QLibraryInfo::path(QLibraryInfo::LibraryExecutablesPath) + QStringLiteral("/QtWebEngineProcess");
    if (!QFileInfo(process).isExecutable())
        return QStringLiteral("Falta el motor web (") + process + QStringLiteral(").");
    QString resources = qEnvironmentVariable("QTWEBENGINE_RESOURCES_PATH");
    if (resources.isEmpty())
        resources = QLibraryInfo::path(QLibraryInfo::DataPath) + QStringLiteral("/resources");
    if (!QFileInfo::exists(resources + QStringLiteral("/qtwebengine_resources.pak")))
        return QStringLiteral("Faltan los recursos del motor web (") + resources + QStringLiteral(").");
    return QString();
}

void RuffleMovie::setMovie(const QString& path)
{
    number_ = beginMovie(path);
    if (path.isEmpty()) {
        tearDown();
        return;
    }
    QString why = engineMissing();
    if (why.isEmpty() && !QFileInfo::exists(ruffleFolder_ + QStringLiteral("/ruffle.js")))
        why = QStringLiteral("Faltan los archivos de Ruffle (") + ruffleFolder_ + QStringLiteral(").");
    if (why.isEmpty() && !QFileInfo(path).isReadable())
        why = QStringLiteral("No se puede leer la animación ") + path + u'.';
    if (!why.isEmpty()) {
        tearDown();
        reportFailed(number_, QStringLiteral("No se puede mostrar la animación. ") + why);
        return;
    }
    start();
    files_->movie = path;
    page_->load(kPageUrl);
}

void RuffleMovie::start()
{
    if (view_)
        return;
    profile_ = new QWebEngineProfile(this);  // off the record: nothing is written to disk
    profile_->setHttpAcceptLanguage(QStringLiteral("es-ES,es"));  // Ruffle's menu and messages in Spanish
    profile_->setUrlRequestInterceptor(new OwnSchemeOnly(profile_));
    files_ = new MovieFiles(ruffleFolder_, profile_);
    profile_->installUrlSchemeHandler(kScheme, files_);

    page_ = new MoviePage(profile_, this);
    page_->settings()->setAttribute(QWebEngineSettings::PlaybackRequiresUserGesture, false);
    page_->setBackgroundColor(Qt::black);
    connect(page_, &MoviePage::reported, this, [this](const QString& what, const QJsonValue& detail) {
        if (what == QLatin1String("loaded")) {
            // Ruffle takes keys only once the view gains the focus after the
            // movie has started; a focus it already had is not enough.
            if (view_->hasFocus())
                view_->clearFocus();
            view_->setFocus();
            const QJsonObject m = detail.toObject();
            const QSize stage(m.value(QLatin1String("width")).toInt(), m.value(QLatin1String("height")).toInt());
            reportLoaded(number_, stage, m.value(QLatin1String("frameRate")).toDouble());
        } else {
            reportFailed(number_, QStringLiteral("Ruffle no pudo mostrar la animación ") + Movie() +
                                      QStringLiteral(": ") + detail.toString());
        }
    });
    connect(page_, &QWebEnginePage::loadFinished, this, [this](bool ok) {
        if (!ok)
            reportFailed(number_, QStringLiteral("No se pudo abrir la página de la animación."));
    });
    connect(page_, &QWebEnginePage::renderProcessTerminated, this,
            [this](QWebEnginePage::RenderProcessTerminationStatus status, int code) {
                if (status != QWebEnginePage::NormalTerminationStatus)
                    reportFailed(number_, QStringLiteral("El motor web se detuvo (código ") + QString::number(code) +
                                              QStringLiteral(")."));
            });

    view_ = new QWebEngineView(this);
    view_->setPage(page_);
    view_->setContextMenuPolicy(Qt::NoContextMenu);  // Ruffle's own menu shows instead
    layout()->addWidget(view_);
    setFocusProxy(view_);
    view_->setFocus();
}

void RuffleMovie::tearDown()
{
    // The engine wants the view gone before its page, and the page before
    // its profile.
    setFocusProxy(nullptr);
    delete view_;
    delete page_;
    delete profile_;
    view_ = nullptr;
    page_ = nullptr;
    profile_ = nullptr;
    files_ = nullptr;
}

}  // namespace platform

#include "RuffleMovie.moc"
