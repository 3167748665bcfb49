// A toggle keeps the caption of its next click and shows its state apart
// from it: checked look and tooltip. Only its handler changes the state.
#include "platform/ToggleButton.h"

#include <gtest/gtest.h>

using platform::ToggleButton;

TEST(ToggleButton, ShowsTheStateItsHandlerSets)
{
    struct Case {
        QString tip;
        QString offTip, onTip;
    } cases[] = {
        {QStringLiteral("Negrita/Bold"), QStringLiteral("Negrita/Bold\nEstado: desactivado"),
         QStringLiteral("Negrita/Bold\nEstado: activado")},
        {QString(), QStringLiteral("Estado: desactivado"), QStringLiteral("Estado: activado")},
    };
    for (const Case& c : cases) {
        ToggleButton b(QStringLiteral("Scroll on"), QStringLiteral("Scroll off"), c.tip);
        EXPECT_EQ(b.text(), QStringLiteral("Scroll on"));
        EXPECT_FALSE(b.isOn());
        EXPECT_EQ(b.toolTip(), c.offTip);

        // With no handler a click changes nothing.
        b.click();
        EXPECT_FALSE(b.isChecked());
        EXPECT_EQ(b.text(), QStringLiteral("Scroll on"));

        QObject::connect(&b, &QPushButton::clicked, &b, [&b] { b.setOn(!b.isOn()); });
        b.click();
        EXPECT_TRUE(b.isChecked());
        EXPECT_EQ(b.text(), QStringLiteral("Scroll off"));
        EXPECT_EQ(b.toolTip(), c.onTip);
        b.click();
        EXPECT_FALSE(b.isChecked());
        EXPECT_EQ(b.text(), QStringLiteral("Scroll on"));
        EXPECT_EQ(b.toolTip(), c.offTip);
    }
}
