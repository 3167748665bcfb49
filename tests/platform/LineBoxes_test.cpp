// Message boxes raised by received lines never stack: while one is open,
// the next ones become lines of the diverted-box sink.
#include "ScriptedDialogs.h"
#include "platform/Dialogs.h"

#include <gtest/gtest.h>

using namespace platform;

namespace {

class LineBoxes : public ::testing::Test {
protected:
    void SetUp() override
    {
        setDivertedBoxSink([this](const QString& line) { diverted << line; });
    }
    void TearDown() override
    {
        setDivertedBoxSink({});
        dialogs.verify();
    }

    // A box raised as a received line would raise it.
    static int lineBox(const QString& text, int style = vbOKOnly)
    {
        const ReceivedLineScope line;
        return MsgBox(text, style, QStringLiteral("Titulo"));
    }

    ScriptedDialogs dialogs;
    QStringList diverted;
};

}  // namespace

TEST_F(LineBoxes, WhileALinesBoxIsOpenTheNextLinesBoxesAreDiverted)
{
    int answers[2] = {};
    dialogs.expectMsgBox(QStringLiteral("primera"), vbOKOnly, QStringLiteral("Titulo"), vbOK, [&] {
        answers[0] = lineBox(QStringLiteral("segunda\r\nen dos lineas"));
        answers[1] = lineBox(QStringLiteral("pregunta"), vbYesNoQuestion);
    });
    EXPECT_EQ(lineBox(QStringLiteral("primera")), vbOK);
    EXPECT_EQ(diverted, (QStringList{"segunda en dos lineas", "pregunta"}));
    EXPECT_EQ(answers[0], vbOK);
    EXPECT_EQ(answers[1], vbNo) << "a question nobody saw is not agreed to";

    // Once it is closed, the next line's box shows again.
    dialogs.expectMsgBox(QStringLiteral("despues"), vbOKOnly, QStringLiteral("Titulo"));
    lineBox(QStringLiteral("despues"));
    EXPECT_EQ(dialogs.msgBoxCount(), 2);
}

TEST_F(LineBoxes, BoxesNotRaisedByReceivedLinesShowAsUsual)
{
    // The user's own box (a click) stacks on a line's box, and a line's box
    // stacks on the user's.
    dialogs.expectMsgBox(QStringLiteral("de una linea"), vbOKOnly, QStringLiteral("Titulo"), vbOK, [&] {
        MsgBox(QStringLiteral("de un clic"), vbInformation, QStringLiteral("Titulo"));
    });
    dialogs.expectMsgBox(QStringLiteral("de un clic"), vbInformation, QStringLiteral("Titulo"));
    lineBox(QStringLiteral("de una linea"));

    dialogs.expectMsgBox(QStringLiteral("pregunta del usuario"), vbYesNoQuestion, QStringLiteral("Titulo"), vbYes,
                         [&] { lineBox(QStringLiteral("de otra linea")); });
    dialogs.expectMsgBox(QStringLiteral("de otra linea"), vbOKOnly, QStringLiteral("Titulo"));
    EXPECT_EQ(MsgBox(QStringLiteral("pregunta del usuario"), vbYesNoQuestion, QStringLiteral("Titulo")), vbYes);
    EXPECT_EQ(diverted, QStringList());
}
