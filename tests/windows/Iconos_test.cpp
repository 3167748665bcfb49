// The emoticon picker: the grid of the 44 pictures, its hover frame, and
// the code put at the chat box's caret.
#include "AppFixture.h"
#include "core/Function.h"
#include "core/frmIRC.h"
#include "platform/PictureBox.h"
#include "windows/frmicon.h"

#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

using namespace Function;

class Iconos : public AppFixture {
protected:
    void SetUp() override
    {
        AppFixture::SetUp();
        irc = frmIRC::instance();
        irc->Command1->click();
        w = frmicon::loadedInstance();
        ASSERT_NE(w, nullptr);
    }
    frmIRC* irc = nullptr;
    frmicon* w = nullptr;
};

TEST_F(Iconos, EachCellInsertsItsCode)
{
    EXPECT_TRUE(w->isVisible());
    EXPECT_EQ(w->Caption(), QStringLiteral(" Iconos"));
    EXPECT_EQ(w->Picture1->picture().size(), QSize(161, 289));
    struct Case {
        int x, y;
        QString code;
        int frameLeft, frameTop;
    } cases[] = {
        {0, 0, QStringLiteral(":)"), 0, 0},
        {480, 480, QStringLiteral(":)"), 0, 0},
        {481, 0, QStringLiteral(":D"), 481, 0},
        {4 * 481 + 100, 100, QStringLiteral(":p"), 1924, 0},
        {10, 481, QStringLiteral(";)"), 0, 481},
        {3 * 481, 8 * 481 + 480, QStringLiteral("()"), 1443, 3848},
        {3 * 481 + 5, 481 + 5, QStringLiteral(u":\u00B4("), 1443, 481},
    };
    for (const Case& c : cases) {
        irc->txtChatMsg->clear();
        w->Picture1_MouseMove(c.x, c.y);
        w->Picture1_Click();
        EXPECT_EQ(irc->txtChatMsg->toPlainText(), c.code) << c.x << "," << c.y;
        EXPECT_EQ(w->Shape1->Left(), c.frameLeft);
        EXPECT_EQ(w->Shape1->Top(), c.frameTop);
    }
}

TEST_F(Iconos, ClicksGoToTheCaretAndTheEmptyCellRemovesTheSelection)
{
    ASSERT_TRUE(QTest::qWaitForWindowExposed(w));
    irc->txtChatMsg->setPlainText(QStringLiteral("hola  adios"));
    QTextCursor cursor = irc->txtChatMsg->textCursor();
    cursor.setPosition(5);
    irc->txtChatMsg->setTextCursor(cursor);
    // The real mouse over the first cell, twice, then the last of row 2.
    for (const QPoint at : {QPoint(10, 10), QPoint(10, 10), QPoint(4 * 32 + 10, 32 + 10)}) {
        QTest::mouseMove(w->Picture1, at);
        QTest::mouseClick(w->Picture1, Qt::LeftButton, {}, at);
    }
    EXPECT_EQ(irc->txtChatMsg->toPlainText(), QStringLiteral("hola :):):$ adios"));

    cursor.setPosition(0);
    cursor.setPosition(5, QTextCursor::KeepAnchor);
    irc->txtChatMsg->setTextCursor(cursor);
    w->Picture1_MouseMove(4 * 481 + 10, 8 * 481 + 10);
    w->Picture1_Click();
    EXPECT_EQ(irc->txtChatMsg->toPlainText(), QStringLiteral(":):):$ adios"));
}
