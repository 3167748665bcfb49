// Repaints in shared rounds: once per owner however often it asks, never
// for an owner that is gone, and again when a refresh asks anew.
#include "platform/RepaintPacer.h"

#include <QTest>
#include <gtest/gtest.h>
#include <cstddef>
#include <memory>
#include <new>

using namespace platform;

TEST(RepaintPacer, EachOwnerRefreshesOnceARoundAndAGoneOwnerNever)
{
    QObject a, b;
    auto gone = std::make_unique<QObject>();
    int aRuns = 0, bRuns = 0, goneRuns = 0;
    for (int i = 0; i < 3; ++i) {
        requestRepaint(&a, [&] { ++aRuns; });
        requestRepaint(gone.get(), [&] { ++goneRuns; });
    }
    requestRepaint(&b, [&] { ++bRuns; });
    gone.reset();
    ASSERT_TRUE(QTest::qWaitFor([&] { return bRuns == 1; }, 5000));
    EXPECT_EQ(aRuns, 1);
    EXPECT_EQ(goneRuns, 0);
}

TEST(RepaintPacer, ARefreshThatAsksAgainRunsInALaterRound)
{
    QObject view;
    int runs = 0;
    std::function<void()> refresh = [&] {
        if (++runs < 3)
            requestRepaint(&view, refresh);
    };
    requestRepaint(&view, refresh);
    ASSERT_TRUE(QTest::qWaitFor([&] { return runs == 3; }, 5000));
    QTest::qWait(50);
    EXPECT_EQ(runs, 3);
}

TEST(RepaintPacer, AnOwnerBornWhereAGoneOneWaitedIsRefreshed)
{
    alignas(QObject) std::byte place[sizeof(QObject)];
    QObject* gone = new (place) QObject;
    requestRepaint(gone, [] {});
    gone->~QObject();
    QObject* born = new (place) QObject;
    QObject later;
    int bornRuns = 0, laterRuns = 0;
    requestRepaint(born, [&] { ++bornRuns; });
    requestRepaint(&later, [&] { ++laterRuns; });
    const bool ran = QTest::qWaitFor([&] { return laterRuns == 1; }, 5000);
    born->~QObject();
    ASSERT_TRUE(ran);
    EXPECT_EQ(bornRuns, 1);
}
