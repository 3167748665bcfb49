#include "platform/Errors.h"
#include "platform/Text.h"

#include <cmath>
#include <gtest/gtest.h>

using namespace platform;

namespace {

int errorOf(const std::function<void()>& f)
{
    try {
        f();
    } catch (const RuntimeError& e) {
        return e.number();
    }
    return 0;
}

}  // namespace

TEST(Text, InStrCountsFromOneAndComparesAsAsked)
{
    struct Case {
        int start;
        const char *s1, *s2;
        Compare c;
        int expected;
    } cases[] = {
        {1, "abcabc", "c", Compare::Binary, 3},
        {4, "abcabc", "c", Compare::Binary, 6},
        {1, "abc", "x", Compare::Binary, 0},
        {1, "", "x", Compare::Binary, 0},
        {1, "", "", Compare::Binary, 0},
        {2, "abc", "", Compare::Binary, 2},
        {4, "abc", "", Compare::Binary, 4},
        {5, "abc", "", Compare::Binary, 0},
        {4, "abc", "c", Compare::Binary, 0},
        {1, "abc", "B", Compare::Binary, 0},
        {1, "abc", "B", Compare::Text, 2},
        {1, "Nick=pepe", "nick=", Compare::Text, 1},
    };
    for (const Case& k : cases)
        EXPECT_EQ(InStr(k.start, QString::fromUtf8(k.s1), QString::fromUtf8(k.s2), k.c), k.expected)
            << k.s1 << " / " << k.s2 << " from " << k.start;
}

TEST(Text, SubstringsAndTheirErrors)
{
    EXPECT_EQ(Mid("hola", 2), "ola");
    EXPECT_EQ(Mid("hola", 2, 2), "ol");
    EXPECT_EQ(Mid("hola", 5), "");
    EXPECT_EQ(Mid("hola", 3, 100), "la");
    EXPECT_EQ(Left("hola", 0), "");
    EXPECT_EQ(Right("hola", 2), "la");
    EXPECT_EQ(errorOf([] { Mid("hola", 0); }), errInvalidCall);
    EXPECT_EQ(errorOf([] { Mid("hola", 1, -1); }), errInvalidCall);
    EXPECT_EQ(errorOf([] { Left("hola", -1); }), errInvalidCall);
    EXPECT_EQ(errorOf([] { Right("hola", -2); }), errInvalidCall);
    EXPECT_EQ(errorOf([] { InStr(0, "a", "a"); }), errInvalidCall);
}

TEST(Text, TrimStripsBlanksOnly)
{
    EXPECT_EQ(Trim("  a b  "), "a b");
    EXPECT_EQ(Trim("\ta\t"), "\ta\t");
    EXPECT_EQ(Trim(" \r\n"), "\r\n");
    EXPECT_EQ(LTrim("  a "), "a ");
    EXPECT_EQ(RTrim("  a "), "  a");
}

TEST(Text, ReplaceIsLeftToRightAndNonOverlapping)
{
    EXPECT_EQ(Replace("aaa", "aa", "b"), "ba");
    EXPECT_EQ(Replace("Hola hola", "hola", "x"), "Hola x");
    EXPECT_EQ(Replace("Hola hola", "hola", "x", Compare::Text), "x x");
    EXPECT_EQ(Replace("abc", "", "x"), "abc");
}

TEST(Text, LikeWithDigitPatterns)
{
    struct Case {
        const char *s, *p;
        bool expected;
    } cases[] = {
        {"4,12hola", "#,##*", true}, {"4,1hola", "#,##*", false}, {"4,1hola", "#,#*", true},
        {"04,12", "##,##*", true},   {"04", "##*", true},          {"4", "##*", false},
        {"4x", "#*", true},          {"x4", "#*", false},          {"", "*", true},
        {"ab", "a?", true},          {"ab", "a", false},
    };
    for (const Case& k : cases)
        EXPECT_EQ(Like(k.s, k.p), k.expected) << k.s << " like " << k.p;
}

TEST(Text, CIntHoldsSixteenBits)
{
    EXPECT_EQ(CInt(QStringLiteral("6667")), 6667);
    EXPECT_EQ(CInt(QStringLiteral(" 0099 ")), 99);
    EXPECT_EQ(CInt(QStringLiteral("2.5")), 2);  // rounds half to even
    EXPECT_EQ(CInt(QStringLiteral("-32768")), -32768);
    EXPECT_EQ(errorOf([] { CInt(QStringLiteral("32768")); }), errOverflow);
    EXPECT_EQ(errorOf([] { CInt(QStringLiteral("abc")); }), errTypeMismatch);
    EXPECT_EQ(errorOf([] { CInt(QStringLiteral("")); }), errTypeMismatch);
    EXPECT_EQ(errorOf([] { CInt(qint64(40000)); }), errOverflow);
}

TEST(Text, CLngRoundsHalfToEvenWithinThirtyTwoBits)
{
    const std::pair<double, qint32> cases[] = {
        {0.5, 0}, {1.5, 2}, {2.5, 2}, {3.5, 4}, {2.51, 3}, {-2.5, -2}, {224.5, 224}, {2147483647.0, 2147483647},
    };
    for (const auto& [d, n] : cases)
        EXPECT_EQ(CLng(d), n) << d;
    EXPECT_EQ(errorOf([] { CLng(2147483648.0); }), errOverflow);
    EXPECT_EQ(errorOf([] { CLng(std::nan("")); }), errOverflow);
}
