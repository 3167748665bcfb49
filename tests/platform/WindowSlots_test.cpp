// Windows kept in slots and found by caption: first slot, exact caption,
// and a closed window never found again.
#include "platform/Form.h"
#include "platform/WindowSlots.h"

#include <QCoreApplication>
#include <QPointer>
#include <gtest/gtest.h>

using namespace platform;

namespace {

class Win : public Form {
public:
    explicit Win(const QString& caption) { setCaption(caption); }
};

void deletePostedForms() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }

class WindowSlotsTest : public ::testing::Test {
protected:
    // Made and loaded like the program's windows; deleted with the test.
    Win* make(const QString& caption)
    {
        auto* w = new Win(caption);
        w->Load();
        owned.push_back(w);
        return w;
    }
    void TearDown() override
    {
        for (const QPointer<Win>& w : owned)
            delete w.data();
        deletePostedForms();
    }
    WindowSlotsOf<Win> windows;
    std::vector<QPointer<Win>> owned;
};

}  // namespace

TEST_F(WindowSlotsTest, StartsWithOneEmptySlotAndGrowsAtTheEnd)
{
    EXPECT_EQ(windows.count(), 1);
    EXPECT_EQ(windows.at(0), nullptr);
    EXPECT_EQ(windows.first(QString()), nullptr) << "an empty slot matches nothing, not even an empty caption";
    Win* a = make(QStringLiteral("Canal Otra"));
    EXPECT_EQ(windows.add(a), 1);
    EXPECT_EQ(windows.at(1), a);
    EXPECT_EQ(windows.count(), 2);
}

TEST_F(WindowSlotsTest, CaptionsCompareExactlyAndTheFirstSlotWins)
{
    Win* upper = make(QStringLiteral("Canal Otra"));
    Win* lower = make(QStringLiteral("Canal otra"));
    Win* second = make(QStringLiteral("Canal Otra"));
    windows.add(upper);
    windows.add(lower);
    windows.add(second);
    EXPECT_EQ(windows.first(QStringLiteral("Canal Otra")), upper);
    EXPECT_EQ(windows.first(QStringLiteral("Canal otra")), lower);
    EXPECT_EQ(windows.first(QStringLiteral("Canal OTRA")), nullptr);
    EXPECT_EQ(windows.first(QStringLiteral("Canal Otra ")), nullptr);
    EXPECT_EQ(windows.all(QStringLiteral("Canal Otra")), (QList<Win*>{upper, second}));
    EXPECT_EQ(windows.open(), (QList<Win*>{upper, lower, second}));
}

TEST_F(WindowSlotsTest, ACaptionChangedAfterwardsIsTheKeyFromThenOn)
{
    Win* w = make(QString());
    windows.add(w);
    Win* older = make(QStringLiteral("Privado Con : ana"));
    windows.add(older);
    w->setCaption(QStringLiteral("Privado Con : ana"));
    EXPECT_EQ(windows.first(QStringLiteral("Privado Con : ana")), w) << "slot 1 comes before slot 2";
    w->setCaption(QStringLiteral("Privado Con : bea"));
    EXPECT_EQ(windows.first(QStringLiteral("Privado Con : ana")), older);
    EXPECT_EQ(windows.first(QStringLiteral("Privado Con : bea")), w);
}

TEST_F(WindowSlotsTest, AClosedWindowIsNeverFoundAgainAndKeepsItsSlot)
{
    Win* closed = make(QStringLiteral("Canal Otra"));
    windows.add(closed);
    QPointer<Win> gone = closed;
    ASSERT_TRUE(closed->Unload());
    EXPECT_EQ(windows.first(QStringLiteral("Canal Otra")), nullptr) << "unloaded, not yet deleted";
    EXPECT_TRUE(windows.open().isEmpty());
    deletePostedForms();
    ASSERT_TRUE(gone.isNull());
    EXPECT_EQ(windows.at(1), nullptr);

    Win* fresh = make(QStringLiteral("Canal Otra"));
    EXPECT_EQ(windows.add(fresh), 2) << "a new window takes a new slot";
    EXPECT_EQ(windows.first(QStringLiteral("Canal Otra")), fresh);
    EXPECT_EQ(windows.all(QStringLiteral("Canal Otra")), QList<Win*>{fresh});
}

TEST_F(WindowSlotsTest, ResetForgetsEveryWindowAndNoLongerFollowsThem)
{
    Win* w = make(QStringLiteral("Canal Otra"));
    windows.add(w);
    windows.reset();
    EXPECT_EQ(windows.count(), 1);
    EXPECT_EQ(windows.first(QStringLiteral("Canal Otra")), nullptr);
    w->setCaption(QStringLiteral("Canal Nueva"));  // a window from before the reset changes nothing
    EXPECT_EQ(windows.first(QStringLiteral("Canal Nueva")), nullptr);
    Win* next = make(QStringLiteral("Canal Nueva"));
    EXPECT_EQ(windows.add(next), 1);
    EXPECT_EQ(windows.first(QStringLiteral("Canal Nueva")), next);
}
