// Our movies in Ruffle on the real web engine: they load, draw and move, the
// game answers the arrow keys, the page reaches no network, and whatever
// is missing is told instead of ending the program.
#include "AppFixture.h"
#include "core/frmIRC.h"
#include "media/frmPlay.h"
#include "platform/Dialogs.h"
#include "platform/RuffleMovie.h"

#include <QApplication>
#include <QDir>
#include <QPushButton>
#include <QSignalSpy>
#include <QTcpServer>
#include <QTest>
#include <QWebEnginePage>
#include <QWebEngineView>

using namespace platform;

namespace {

constexpr int kStartUp = 60000;  // ms; the engine starts slowly on a busy machine

QString builtMovie(const QString& name)
{
    return QStringLiteral(TROVELIN_BUILT_FILES_DIR "/Flash/") + name;
}

int colourCount(const QImage& picture)
{
    QSet<QRgb> seen;
    const QImage image = picture.convertToFormat(QImage::Format_RGB32);
    for (int y = 0; y < image.height(); y += 2)
        for (int x = 0; x < image.width(); x += 2)
            seen.insert(image.pixel(x, y));
    return seen.size();
}

// The game's well, as the movie draws it: 10 columns of 18 cells of 19
// pixels from (24, 18) of the stage, dark where no block lies.
bool blockInColumn(const QImage& stage, int column)
{
    for (int row = 0; row < 18; ++row) {
        const QColor c = stage.pixelColor(24 + column * 19 + 9, 18 + row * 19 + 9);
        if (std::max({c.red(), c.green(), c.blue()}) > 120)
            return true;
    }
    return false;
}

// The script's value; invalid when the page did not answer.
QVariant evaluate(QWebEnginePage* page, const QString& script)
{
    QVariant result;
    bool done = false;
    page->runJavaScript(script, [&](const QVariant& v) {
        result = v;
        done = true;
    });
    (void)QTest::qWaitFor([&] { return done; }, kStartUp);
    return result;
}

}  // namespace

struct MovieCase {
    const char* name;
    QSize stage;
    friend void PrintTo(const MovieCase& c, std::ostream* os) { *os << c.name; }
};

class EachMovie : public ::testing::TestWithParam<MovieCase> {};

TEST_P(EachMovie, LoadsInRuffleAndDrawsFramesThatChange)
{
    const MovieCase& c = GetParam();
    RuffleMovie movie;
    movie.resize(c.stage);
    movie.show();
    QSignalSpy loaded(&movie, &MovieControl::Loaded);
    QSignalSpy failed(&movie, &MovieControl::Failed);
    movie.setMovie(builtMovie(QString::fromLatin1(c.name) + QStringLiteral(".swf")));
    ASSERT_TRUE(loaded.wait(kStartUp)) << failed.value(0).value(0).toString().toStdString();
    EXPECT_EQ(loaded.at(0).at(0).toSize(), c.stage);
    EXPECT_EQ(loaded.at(0).at(1).toDouble(), 30.0);

    QImage first;
    ASSERT_TRUE(QTest::qWaitFor([&] { return colourCount(first = movie.grab().toImage()) > 20; }, kStartUp));
    EXPECT_TRUE(QTest::qWaitFor([&] { return movie.grab().toImage() != first; }, kStartUp));
    EXPECT_TRUE(failed.isEmpty());
}

INSTANTIATE_TEST_SUITE_P(Movies, EachMovie,
                         ::testing::Values(MovieCase{"Tetriswm2", QSize(481, 377)},
                                           MovieCase{"Parlowen", QSize(497, 305)}),
                         [](const auto& info) { return std::string(info.param.name); });

// The windows as the program opens them, with the movies in the program
// folder.
struct RealMovieWindows : AppFixture {
    void copyMovies()
    {
        QDir().mkpath(filePath(QStringLiteral("Flash")));
        for (const char* name : {"Tetriswm2.swf", "Parlowen.swf"})
            ASSERT_TRUE(QFile::copy(builtMovie(QString::fromLatin1(name)),
                                    filePath(QStringLiteral("Flash/") + QString::fromLatin1(name))));
    }
};

TEST_F(RealMovieWindows, TheArrowKeysMoveTheFallingPiece)
{
    copyMovies();
    frmIRC::instance()->Command34->click();
    frmPlay* play = frmPlay::loadedInstance();
    ASSERT_NE(play, nullptr);
    QSignalSpy loaded(play->ShockwaveFlash1, &MovieControl::Loaded);
    ASSERT_TRUE(loaded.wait(kStartUp));
    ASSERT_NE(play->focusWidget(), nullptr);
    EXPECT_TRUE(play->ShockwaveFlash1->isAncestorOf(play->focusWidget()));

    // No window manager here to bring the window forward if it is not yet.
    play->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(play));
    auto stage = [&] { return play->ShockwaveFlash1->grab().toImage(); };
    ASSERT_TRUE(QTest::qWaitFor([&] { return colourCount(stage()) > 20; }, kStartUp));
    // A new piece starts in the middle columns.
    ASSERT_FALSE(blockInColumn(stage(), 0));
    ASSERT_FALSE(blockInColumn(stage(), 9));

    for (int i = 0; i < 6; ++i)
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Left);
    EXPECT_TRUE(QTest::qWaitFor([&] { return blockInColumn(stage(), 0); }, kStartUp));
    for (int i = 0; i < 10; ++i)
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Right);
    EXPECT_TRUE(QTest::qWaitFor([&] { return blockInColumn(stage(), 9); }, kStartUp));
}

TEST_F(RealMovieWindows, AMissingMovieIsToldInABoxWhenTheWindowOpens)
{
    dialogs.expectMsgBox(QStringLiteral("No se puede mostrar la animación. No se puede leer la animación ") +
                             filePath(QStringLiteral("Flash/Tetriswm2.swf")) + u'.',
                         vbCritical, QStringLiteral("Tetris"));
    frmIRC::instance()->Command34->click();
    EXPECT_TRUE(QTest::qWaitFor([&] { return dialogs.msgBoxCount() == 1; }, kStartUp));
    EXPECT_TRUE(frmPlay::loadedInstance()->isVisible());
    EXPECT_EQ(frmPlay::loadedInstance()->findChild<QWebEngineView*>(), nullptr);
}

TEST(MissingParts, EachIsToldAndNothingStarts)
{
    QTemporaryDir empty;
    struct Case {
        const char* what;
        QString ruffle;
        QString movie;
        QByteArray process;
        QString reason;
    } cases[] = {
        {"Ruffle", empty.path(), builtMovie(QStringLiteral("Parlowen.swf")), {},
         QStringLiteral("Faltan los archivos de Ruffle (") + empty.path() + QStringLiteral(").")},
        {"the movie", RuffleMovie::defaultRuffleFolder(), empty.path() + QStringLiteral("/no.swf"), {},
         QStringLiteral("No se puede leer la animación ") + empty.path() + QStringLiteral("/no.swf.")},
        {"the engine", RuffleMovie::defaultRuffleFolder(), builtMovie(QStringLiteral("Parlowen.swf")),
         "/nonexistent/QtWebEngineProcess", QStringLiteral("Falta el motor web (/nonexistent/QtWebEngineProcess).")},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        if (!c.process.isEmpty())
            qputenv("QTWEBENGINEPROCESS_PATH", c.process);
        RuffleMovie movie(nullptr, c.ruffle);
        QSignalSpy failed(&movie, &MovieControl::Failed);
        movie.setMovie(c.movie);
        qunsetenv("QTWEBENGINEPROCESS_PATH");
        EXPECT_TRUE(failed.isEmpty());  // told later, never inside setMovie
        ASSERT_TRUE(failed.wait(kStartUp));
        EXPECT_EQ(failed.at(0).at(0).toString(), QStringLiteral("No se puede mostrar la animación. ") + c.reason);
        EXPECT_EQ(movie.findChild<QWebEngineView*>(), nullptr);
    }
}

// What Ruffle itself cannot play is told the same way.
TEST(MissingParts, WhatRuffleCannotPlayIsTold)
{
    QTemporaryDir folder;
    const QString notAMovie = folder.filePath(QStringLiteral("notes.swf"));
    QFile notes(notAMovie);
    ASSERT_TRUE(notes.open(QIODevice::WriteOnly));
    notes.write("not a movie\n");
    notes.close();
    // Ruffle without its WebAssembly.
    const QString scripts = folder.filePath(QStringLiteral("scripts"));
    QDir().mkpath(scripts);
    for (const QString& name : QDir(RuffleMovie::defaultRuffleFolder()).entryList({QStringLiteral("*.js")}))
        ASSERT_TRUE(QFile::copy(RuffleMovie::defaultRuffleFolder() + u'/' + name, scripts + u'/' + name));

    struct Case {
        const char* what;
        QString ruffle;
        QString movie;
        QString reason;
    } cases[] = {
        {"not a movie", RuffleMovie::defaultRuffleFolder(), notAMovie,
         QStringLiteral("Ruffle no puede analizar el archivo solicitado.")},
        {"no WebAssembly", scripts, builtMovie(QStringLiteral("Parlowen.swf")),
         QStringLiteral("Ruffle no pudo cargar el archivo \".wasm")},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        RuffleMovie movie(nullptr, c.ruffle);
        movie.resize(497, 305);
        movie.show();
        QSignalSpy failed(&movie, &MovieControl::Failed);
        QSignalSpy loaded(&movie, &MovieControl::Loaded);
        movie.setMovie(c.movie);
        ASSERT_TRUE(failed.wait(kStartUp));
        const QString reason = failed.at(0).at(0).toString();
        EXPECT_TRUE(reason.startsWith(QStringLiteral("Ruffle no pudo mostrar la animación ") + c.movie + u':'))
            << reason.toStdString();
        EXPECT_TRUE(reason.contains(c.reason)) << reason.toStdString();
        EXPECT_TRUE(loaded.isEmpty());
    }
}

TEST(MoviePage, ReachesNoNetworkAndNoOtherFile)
{
    QTcpServer server;
    ASSERT_TRUE(server.listen(QHostAddress::LocalHost));
    const QString host = QStringLiteral("127.0.0.1:") + QString::number(server.serverPort());
    RuffleMovie movie;
    movie.resize(497, 305);
    movie.show();
    QSignalSpy loaded(&movie, &MovieControl::Loaded);
    movie.setMovie(builtMovie(QStringLiteral("Parlowen.swf")));
    ASSERT_TRUE(loaded.wait(kStartUp));
    QWebEnginePage* page = movie.findChild<QWebEngineView*>()->page();

    // Every attempt must end in an error; one that reached the server would
    // wait for its answer forever.
    evaluate(page, QStringLiteral(R"(
        window.attempts = [];
        const attempt = (name, start) => window.attempts.push(new Promise((done) => start(
            () => done(name + ": loaded"), () => done(name + ": refused"))));
        for (const scheme of ["http", "https"])
            attempt("img " + scheme, (ok, no) => {
                const i = new Image(); i.onload = ok; i.onerror = no; i.src = scheme + "://HOST/a.png"; });
        attempt("fetch", (ok, no) => fetch("http://HOST/").then(ok, no));
        attempt("websocket", (ok, no) => {
            const s = new WebSocket("wss://HOST/"); s.onopen = ok; s.onerror = no; });
        attempt("file", (ok, no) => fetch("file:///etc/hostname").then(ok, no));
        attempt("outside", (ok, no) => fetch("ruffle/../../etc/hostname").then(ok, no));
        attempt("outside encoded", (ok, no) => fetch("ruffle/..%2F..%2F..%2Fetc%2Fhostname").then(ok, no));
        Promise.all(window.attempts).then((results) => { window.results = results.join("; "); });
    )").replace(QStringLiteral("HOST"), host));
    QString results;
    EXPECT_TRUE(QTest::qWaitFor(
        [&] { return !(results = evaluate(page, QStringLiteral("window.results || ''")).toString()).isEmpty(); },
        kStartUp));
    EXPECT_EQ(results, QStringLiteral("img http: refused; img https: refused; fetch: refused; websocket: refused; "
                                      "file: refused; outside: refused; outside encoded: refused"));
    EXPECT_FALSE(server.hasPendingConnections());
}
