#include "platform/Errors.h"
#include "platform/Text.h"

#include <gtest/gtest.h>

using namespace platform;

TEST(Text, InStrCountsFromOne)
{
    EXPECT_EQ(InStr("abcabc", "c"), 3);
    EXPECT_EQ(InStr(4, "abcabc", "c"), 6);
    EXPECT_EQ(InStr("abc", "x"), 0);
    EXPECT_EQ(InStr("", "x"), 0);
    EXPECT_EQ(InStr("abc", "B"), 0);
    EXPECT_EQ(InStr("abc", "B", Compare::Text), 2);
    EXPECT_THROW(InStr(0, "abc", "a"), RuntimeError);
}
