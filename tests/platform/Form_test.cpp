#include "platform/Form.h"

#include <QCoreApplication>
#include <QPointer>
#include <gtest/gtest.h>

using namespace platform;

namespace {

class Sample : public FormOf<Sample> {
public:
    int loads = 0;

protected:
    void Form_Load() override { ++loads; }
};

void deletePostedForms() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }

}  // namespace

// Run under UndefinedBehaviorSanitizer too: the instance's slot is cleared
// while the form is half destroyed.
TEST(DefaultInstance, AGoneFormIsNeverFoundAgain)
{
    EXPECT_EQ(Sample::loadedInstance(), nullptr);
    Sample* first = Sample::instance();
    EXPECT_EQ(first->loads, 1);
    EXPECT_EQ(Sample::instance(), first);
    EXPECT_EQ(Sample::loadedInstance(), first);

    QPointer<Sample> unloaded = first;
    ASSERT_TRUE(first->Unload());
    EXPECT_EQ(Sample::loadedInstance(), nullptr) << "unloaded, not yet deleted";
    Sample* second = Sample::instance();
    EXPECT_NE(second, first);
    EXPECT_EQ(second->loads, 1);
    deletePostedForms();
    EXPECT_TRUE(unloaded.isNull());
    EXPECT_EQ(Sample::loadedInstance(), second) << "the old one's deletion leaves the new one in place";

    delete second;
    EXPECT_EQ(Sample::loadedInstance(), nullptr);
    Sample* third = Sample::instance();
    EXPECT_EQ(third->loads, 1);
    delete third;
}
