// Pop-up alerts: where they slide and rest, counted in ticks, how they
// stack, what a click does, and how the caller's wait ends.
#include "AlertWatch.h"
#include "AppFixture.h"
#include "core/Function.h"
#include "platform/ClickLabel.h"
#include "windows/frmAlert.h"
#include "windows/frmPrivado.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QLabel>
#include <QTest>
#include <QTimer>

using namespace Function;
using namespace platform;

namespace {

// The scripted screen, in twips: 1024 pixels high, a 30-pixel task bar.
constexpr int kScreenHeight = 1024 * 15;
constexpr int kTaskBarTop = 994 * 15;
constexpr int kAlertHeight = 2085;

}  // namespace

class Alerts : public AppFixture {
protected:
    // An alert on screen whose ticks the test gives one by one.
    frmAlert* shown(const QString& title = QStringLiteral("Aviso"), const QString& link = QString())
    {
        auto* a = new frmAlert;
        a->showAlert(title, QStringLiteral("mensaje"), link, 300);
        AlertWatch::freeze(a);
        return a;
    }
    // Ticks until the alert rests; how many it took.
    static int slideIn(frmAlert* a)
    {
        int ticks = 0;
        for (int top = a->Top - 1; a->Top != top; ++ticks) {
            top = a->Top;
            a->Timer1_Timer();
        }
        return ticks - 1;  // the last tick counted the stay down instead
    }
    static void slideOut(frmAlert* a)
    {
        while (!a->Timer2->isActive())
            a->Timer1_Timer();
        AlertWatch::freeze(a);
        while (a->isVisible())
            a->Timer2_Timer();
    }
};

TEST_F(Alerts, OneRisesToTheTaskBarStaysItsTicksAndSlidesOutOfSight)
{
    frmAlert* a = shown();
    EXPECT_TRUE(a->isVisible());
    EXPECT_TRUE(desktop.alwaysOnTop.value(a));
    EXPECT_EQ(AlertasVisibles, 1);
    EXPECT_EQ(a->PuestoPila, 1);
    EXPECT_EQ(a->Top, kScreenHeight) << "starts just below the screen";
    EXPECT_EQ(a->Left, (1280 - a->width()) * 15) << "flush with the right edge";
    EXPECT_EQ(a->width(), 194);
    EXPECT_EQ(a->height(), 139);

    EXPECT_EQ(slideIn(a), 51) << "50 twips a tick";
    EXPECT_LE(a->Top + kAlertHeight, kTaskBarTop);
    EXPECT_GT(a->Top + kAlertHeight, kTaskBarTop - 50) << "on the task bar, within one step";
    EXPECT_EQ(a->pos(), QPoint(1280 - 194, (a->Top + 7) / 15));

    // The stay: 300 ticks counted, the first one by slideIn's last.
    const int rest = a->Top;
    for (int tick = 2; tick < 300; ++tick)
        a->Timer1_Timer();
    EXPECT_EQ(a->Permanencia, 1);
    EXPECT_FALSE(a->Timer2->isActive());
    a->Timer1_Timer();
    EXPECT_TRUE(a->Timer2->isActive());
    EXPECT_EQ(a->Top, rest);
    AlertWatch::freeze(a);

    a->Timer2_Timer();
    EXPECT_EQ(a->Top, rest + 100) << "100 twips a tick while on screen";
    while (a->isVisible())
        a->Timer2_Timer();
    EXPECT_GE(a->Top, kScreenHeight);
    EXPECT_LT(a->Top, kScreenHeight + 50) << "the last tick takes one step";
    EXPECT_EQ(AlertasVisibles, 0);
    EXPECT_FALSE(desktop.alwaysOnTop.value(a));
    delete a;
}

TEST_F(Alerts, EachTakesTheNextPlaceAndANewOneMayCoverAnOldOne)
{
    frmAlert* first = shown();
    frmAlert* second = shown();
    EXPECT_EQ(second->PuestoPila, 2);
    slideIn(first);
    slideIn(second);
    EXPECT_EQ(first->Top - second->Top, kAlertHeight - kAlertHeight % 50 + 50)
        << "one window height higher, within a step";
    EXPECT_LE(second->Top + kAlertHeight, first->Top + 50);

    // The first leaves; the second stays where it is, and a third takes
    // place 2 again, over it.
    slideOut(first);
    EXPECT_EQ(AlertasVisibles, 1);
    frmAlert* third = shown();
    EXPECT_EQ(third->PuestoPila, 2);
    slideIn(third);
    EXPECT_EQ(third->Top, second->Top);
    for (frmAlert* a : {first, second, third})
        delete a;
}

TEST_F(Alerts, TheTitleClickEndsTheWaitWhileTheAlertStillSlidesOutThenItIsFreed)
{
    AlertWatch watch;
    watch.whileShown([](frmAlert* a) { QTest::mouseClick(a->Label1, Qt::LeftButton); });
    MuestraAlerta(QStringLiteral("Texto"), QStringLiteral("Oferta"), QString());
    ASSERT_EQ(watch.shown().size(), 1u);
    QPointer<frmAlert> a = watch.shown()[0].alert;
    ASSERT_TRUE(a);
    EXPECT_TRUE(a->TituloPulsado);
    EXPECT_TRUE(a->isVisible()) << "the click neither moves nor hides it";
    EXPECT_TRUE(a->Timer1->isActive());
    EXPECT_EQ(AlertasVisibles, 1);

    QEventLoop untilFreed;
    QObject::connect(a, &QObject::destroyed, &untilFreed, &QEventLoop::quit);
    QTimer::singleShot(20000, &untilFreed, &QEventLoop::quit);
    untilFreed.exec();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(a.isNull()) << "freed once it has slid out";
    EXPECT_EQ(AlertasVisibles, 0);
}

TEST_F(Alerts, ClosedItHidesAtOnceButKeepsItsPlaceUntilItsStayHasRunOut)
{
    AlertWatch watch;
    watch.whileShown([](frmAlert* a) {
        AlertWatch::freeze(a);
        a->close();
    });
    MuestraAlerta(QStringLiteral("Texto"), QStringLiteral("Oferta"), QString());
    ASSERT_EQ(watch.shown().size(), 1u);
    QPointer<frmAlert> a = watch.shown()[0].alert;
    ASSERT_TRUE(a) << "closing only hides it";
    EXPECT_FALSE(a->isVisible());
    EXPECT_EQ(AlertasVisibles, 1);

    for (int tick = 0; tick < 51 + 300; ++tick)
        a->Timer1_Timer();
    EXPECT_EQ(AlertasVisibles, 1);
    a->Timer2->stop();
    a->Timer2_Timer();
    EXPECT_EQ(AlertasVisibles, 0);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(a.isNull());
}

TEST_F(Alerts, ALinkOpensOnlyWhenTheWholeLineIsOneWebAddress)
{
    const struct {
        const char* link;
        const char* opened;
    } cases[] = {
        {"http://www.vexlo-team.example/oferta", "http://www.vexlo-team.example/oferta"},
        {"www.vexlo-team.example", "http://www.vexlo-team.example"},
        {"https://www.vexlo-team.example/x", "https://www.vexlo-team.example/x"},
        {"mira http://www.vexlo-team.example", nullptr},
        {"http://", nullptr},
        {"www.vexlo-team.example ahora", nullptr},
        {"javascript:alert(1)//www.x", nullptr},
        {"file:///etc/passwd?http://x", nullptr},
        {"HTTP://WWW", nullptr},  // neither "http://" nor "www." as they are written
        {"", nullptr},
    };
    for (const auto& c : cases) {
        frmAlert* a = shown(QStringLiteral("Oferta"), QString::fromLatin1(c.link));
        desktop.opened.clear();
        QTest::mouseClick(a->Label2, Qt::LeftButton);
        EXPECT_EQ(desktop.opened, c.opened ? QStringList{QString::fromLatin1(c.opened)} : QStringList()) << c.link;
        delete a;
    }
}

TEST_F(Alerts, APrivateAlertBringsUpItsOwnWindow)
{
    const auto window = [](const QString& nick) {
        auto* w = new frmPrivado;
        VentanasPrivado.add(w);
        w->Load();
        w->setCaption(frmPrivado::captionFor(nick));
        w->Show();
        return w;
    };
    frmPrivado* ana = window(QStringLiteral("ana"));
    frmPrivado* bea = window(QStringLiteral("bea"));
    ASSERT_EQ(bea->windowStateValue(), vbMinimized);

    frmAlert* a = shown(QStringLiteral("Privado Con : bea"));
    QTest::mouseClick(a->Label4, Qt::LeftButton);
    EXPECT_EQ(bea->windowStateValue(), vbNormal);
    EXPECT_EQ(ana->windowStateValue(), vbMinimized);
    EXPECT_TRUE(a->isVisible());

    // A window that is gone, or never was, is not looked for again.
    ana->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    for (const char* title : {"Privado Con : ana", "Privado Con : nadie", "Privado Con :"}) {
        frmAlert* other = shown(QString::fromLatin1(title));
        QTest::mouseClick(other->Picture1, Qt::LeftButton);
        delete other;
    }
    EXPECT_EQ(VentanasPrivado.open(), QList<frmPrivado*>{bea});
    delete a;
}

TEST_F(Alerts, WhatAnAlertSaysIsShownAsPlainText)
{
    // A private line's text, from another user: tags in it stay text.
    frmAlert* a = shown(QStringLiteral("Privado Con : ana"));
    a->Label4->setText(QStringLiteral("<u></u>hola"));
    QLabel plain(QStringLiteral("hola"));
    plain.setFont(a->Label4->font());
    EXPECT_GT(a->Label4->sizeHint().width(), plain.sizeHint().width()) << "the tags are shown too";
    delete a;
}
