// The main window holds together from its smallest size up: no caption cut,
// no control on top of another or out of the window, and the conversation
// the largest thing on screen, whatever the toggles' captions read.
#include "AppFixture.h"
#include "core/frmIRC.h"
#include "platform/HtmlView.h"
#include "platform/ToggleButton.h"

#include <QApplication>
#include <QLabel>
#include <algorithm>

using platform::ToggleButton;

namespace {

// The controls on screen: named widgets and labels that hold no other one.
QList<QWidget*> controls(QWidget* window)
{
    QList<QWidget*> shown;
    for (QWidget* w : window->findChildren<QWidget*>()) {
        const bool control = (!w->objectName().isEmpty() && !w->objectName().startsWith(QStringLiteral("qt_"))) ||
                             qobject_cast<QLabel*>(w);
        if (control && !w->isWindow() && w->isVisibleTo(window))
            shown << w;
    }
    QList<QWidget*> leaves;
    for (QWidget* w : shown)
        if (std::none_of(shown.begin(), shown.end(), [w](QWidget* o) { return o != w && w->isAncestorOf(o); }))
            leaves << w;
    return leaves;
}

QRect placeIn(QWidget* window, QWidget* w) { return QRect(w->mapTo(window, QPoint(0, 0)), w->size()); }

QString nameOf(QWidget* w)
{
    const auto* label = qobject_cast<QLabel*>(w);
    return w->objectName().isEmpty() && label ? label->text() : w->objectName();
}

}  // namespace

using MainWindowLayout = AppFixture;

TEST_F(MainWindowLayout, HoldsTogetherFromItsSmallestSizeUp)
{
    frmIRC* irc = frmIRC::instance();
    irc->Show();
    struct Case {
        QSize asked, got;
    } cases[] = {
        {{640, 480}, {800, 600}},  // no smaller than that
        {{800, 600}, {800, 600}},
        {{1220, 760}, {1220, 760}},
        {{1920, 1080}, {1920, 1080}},
    };
    // Then once more with every toggle's other caption.
    for (int round = 0; round < 2; ++round) {
        if (round == 1)
            for (ToggleButton* t : irc->findChildren<ToggleButton*>())
                t->click();
        for (const Case& c : cases) {
            irc->resize(c.asked);
            QApplication::processEvents();
            ASSERT_EQ(irc->size(), c.got);
            const std::string at = QStringLiteral("at %1x%2, round %3")
                                       .arg(c.got.width()).arg(c.got.height()).arg(round).toStdString();
            const QList<QWidget*> all = controls(irc);
            const QRect view = placeIn(irc, irc->DHTMLEdit1);
            for (qsizetype i = 0; i < all.size(); ++i) {
                QWidget* w = all[i];
                const QRect r = placeIn(irc, w);
                EXPECT_TRUE(irc->rect().contains(r)) << nameOf(w).toStdString() << " leaves the window " << at;
                if (auto* b = qobject_cast<QPushButton*>(w)) {
                    EXPECT_GE(b->width(), b->sizeHint().width()) << b->text().toStdString() << " is cut " << at;
                }
                if (auto* l = qobject_cast<QLabel*>(w)) {
                    EXPECT_GE(l->width(), l->minimumSizeHint().width()) << nameOf(w).toStdString() << " is cut " << at;
                }
                if (w != irc->DHTMLEdit1) {
                    EXPECT_LT(r.width() * r.height(), view.width() * view.height())
                        << nameOf(w).toStdString() << " outgrows the conversation " << at;
                }
                for (qsizetype j = i + 1; j < all.size(); ++j)
                    EXPECT_FALSE(r.intersects(placeIn(irc, all[j])))
                        << nameOf(w).toStdString() << " overlaps " << nameOf(all[j]).toStdString() << " " << at;
            }
        }
    }
    // The default size gives the conversation nearly all of the window.
    irc->resize(1220, 760);
    QApplication::processEvents();
    EXPECT_GE(irc->DHTMLEdit1->width(), 940);
    EXPECT_GE(irc->DHTMLEdit1->height(), 620);
}
