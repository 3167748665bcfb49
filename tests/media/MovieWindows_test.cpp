// The game and team windows as the toolbar opens them, on a movie control
// that plays nothing: their frames, places, movies and one error box.
#include "AppFixture.h"
#include "FakeMovie.h"
#include "core/frmIRC.h"
#include "media/frmPlay.h"
#include "media/frmVexlo.h"
#include "platform/Dialogs.h"
#include "platform/Geometry.h"

#include <QGuiApplication>
#include <QPushButton>
#include <QScreen>
#include <QTest>

using namespace platform;

struct MovieWindows : AppFixture {
    FakeMovies movies;
};

struct Window {
    const char* name;
    QPushButton* frmIRC::*button;
    std::function<Form*()> loaded;
    QString caption;
    QString movie;
    QSize client;
    QRect control;
};

static std::vector<Window> windows()
{
    return {
        {"frmPlay", &frmIRC::Command34, [] { return frmPlay::loadedInstance(); }, QStringLiteral("Tetris"),
         QStringLiteral("Flash/Tetriswm2.swf"), QSize(499, 394), QRect(8, 8, 481, 377)},
        {"frmVexlo", &frmIRC::Command32, [] { return frmVexlo::loadedInstance(); },
         QStringLiteral("Vexlo Team Member"), QStringLiteral("Flash/Parlowen.swf"), QSize(498, 303),
         QRect(0, 0, 497, 305)},
    };
}

TEST(CentredTwips, DropsTheFractionOfTheHalf)
{
    EXPECT_EQ(centredTwips(19200, 7605), 5797);
    EXPECT_EQ(centredTwips(19200, 7604), 5798);
    EXPECT_EQ(centredTwips(15360, 5910), 4725);
    EXPECT_EQ(centredTwips(7605, 7605), 0);
    EXPECT_EQ(centredTwips(7600, 7605), -2);  // toward zero, as the original's \ did
}

TEST_F(MovieWindows, EachButtonOpensOneWindowWithItsMovieHoweverOftenClicked)
{
    frmIRC* irc = frmIRC::instance();
    for (const Window& w : windows()) {
        SCOPED_TRACE(w.name);
        QPushButton* button = irc->*w.button;
        ASSERT_TRUE(button->isEnabled());
        const size_t before = movies.made.size();
        button->click();
        Form* form = w.loaded();
        ASSERT_NE(form, nullptr);
        button->click();
        button->click();
        EXPECT_EQ(w.loaded(), form);
        EXPECT_TRUE(form->isVisible());
        EXPECT_EQ(form->Caption(), w.caption);
        EXPECT_EQ(form->size(), w.client);
        EXPECT_EQ(form->minimumSize(), form->maximumSize());
        EXPECT_FALSE(form->windowFlags() & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint));
        EXPECT_TRUE(form->windowFlags() & Qt::WindowCloseButtonHint);

        ASSERT_EQ(movies.made.size(), before + 1);
        FakeMovie* movie = movies.made.back();
        EXPECT_EQ(movie->parentWidget(), form);
        EXPECT_EQ(movie->geometry(), w.control);
        EXPECT_EQ(movie->loads, QStringList{filePath(w.movie)});
        EXPECT_EQ(movie->Movie(), filePath(w.movie));
    }
}

TEST_F(MovieWindows, ClosingUnloadsTheWindowAndTheNextClickLoadsTheMovieAgain)
{
    frmIRC* irc = frmIRC::instance();
    for (const Window& w : windows()) {
        SCOPED_TRACE(w.name);
        (irc->*w.button)->click();
        QPointer<Form> first = w.loaded();
        QPointer<FakeMovie> firstMovie = movies.made.back();
        first->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        EXPECT_TRUE(first.isNull());
        EXPECT_TRUE(firstMovie.isNull());
        EXPECT_EQ(w.loaded(), nullptr);

        (irc->*w.button)->click();
        Form* second = w.loaded();
        ASSERT_NE(second, nullptr);
        EXPECT_TRUE(second->isVisible());
        EXPECT_EQ(movies.made.back()->loads, QStringList{filePath(w.movie)});
    }
}

// A window's frame is known only once it is on screen, so it is centred by
// the size known at load: its own.
TEST_F(MovieWindows, BothSitInTheMiddleOfTheScreen)
{
    const QSize screen = QGuiApplication::primaryScreen()->geometry().size();
    frmIRC* irc = frmIRC::instance();
    for (const Window& w : windows()) {
        SCOPED_TRACE(w.name);
        (irc->*w.button)->click();
        const QPoint at = w.loaded()->pos();
        EXPECT_LE(std::abs(at.x() - (screen.width() - at.x() - w.client.width())), 1);
        EXPECT_LE(std::abs(at.y() - (screen.height() - at.y() - w.client.height())), 1);
    }
}

TEST_F(MovieWindows, AMovieThatCannotPlayIsToldInOneBoxAndTheWindowStays)
{
    frmIRC* irc = frmIRC::instance();
    irc->Command34->click();
    FakeMovie* movie = movies.made.back();
    dialogs.expectMsgBox(QStringLiteral("No se puede mostrar la animación."), vbCritical, QStringLiteral("Tetris"));
    movie->fail(QStringLiteral("No se puede mostrar la animación."));
    movie->fail(QStringLiteral("Otra vez."));  // a movie fails once
    QCoreApplication::sendPostedEvents();
    EXPECT_EQ(dialogs.msgBoxCount(), 1);
    EXPECT_TRUE(frmPlay::loadedInstance()->isVisible());

    // The other windows go on as before.
    irc->Command32->click();
    EXPECT_NE(frmVexlo::loadedInstance(), nullptr);
}
