// The status bar's panels and the progress bar's refusals.
#include "platform/Errors.h"
#include "platform/ProgressBar.h"
#include "platform/StatusBar.h"

#include <gtest/gtest.h>

using namespace platform;

TEST(StatusBar, TheFirstPanelTakesWhatTheOthersLeave)
{
    StatusBar bar({QStringLiteral("Tema"), QStringLiteral("Progreso"), QStringLiteral("x")}, {100, 50});
    bar.resize(400, 17);
    EXPECT_EQ(bar.panelRect(1), QRect(0, 0, 246, 17));
    EXPECT_EQ(bar.panelRect(2), QRect(248, 0, 100, 17));
    EXPECT_EQ(bar.panelRect(3), QRect(350, 0, 50, 17));
    bar.resize(100, 17);
    EXPECT_EQ(bar.panelRect(1).width(), 0);
    EXPECT_EQ(bar.panelRect(2).left(), 2);

    bar.setPanelText(3, QStringLiteral("0:01.15"));
    EXPECT_EQ(bar.panelText(3), QStringLiteral("0:01.15"));
    for (int bad : {0, 4})
        EXPECT_THROW(bar.setPanelText(bad, QString()), RuntimeError) << bad;
}

TEST(ProgressBar, RefusesAMaximumOfZeroAndAValueOutsideTheRange)
{
    ProgressBar bar;
    EXPECT_FLOAT_EQ(bar.Max(), 100.0f);
    bar.setMax(3.5f);
    bar.setValue(3.5f);
    EXPECT_EQ(bar.value(), bar.maximum());
    for (float max : {0.0f, -1.0f}) {
        EXPECT_THROW(bar.setMax(max), RuntimeError);
        EXPECT_FLOAT_EQ(bar.Max(), 3.5f);
    }
    for (float value : {-0.1f, 3.6f}) {
        EXPECT_THROW(bar.setValue(value), RuntimeError);
        EXPECT_FLOAT_EQ(bar.Value(), 3.5f);
    }
    // A maximum below the value is taken; the bar shows full.
    bar.setMax(2.0f);
    EXPECT_EQ(bar.value(), bar.maximum());
    bar.setValue(1.0f);
    EXPECT_EQ(bar.value(), bar.maximum() / 2);
}
