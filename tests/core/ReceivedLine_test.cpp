// The dispatcher's split of a received line, alone.
#include "QtPrinters.h"
#include "core/ReceivedLine.h"
#include "platform/Errors.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

struct Parts {
    bool prefixed, hasCommand;
    QString sender, body, command, parameters, hostKey, lineChannel;
};

}  // namespace

TEST(ReceivedLine, SplitsPrefixSenderCommandAndParameters)
{
    struct Case {
        const char* name;
        QString line;
        Parts want;
    } cases[] = {
        {"no prefix", u"PING :srv.red"_s, {false, false, {}, {}, {}, {}, {}, {}}},
        {"only ':'", u":"_s, {true, false, {}, {}, {}, {}, {}, {}}},
        {"prefix without a blank", u":srv"_s, {true, false, {}, {}, {}, {}, {}, {}}},
        {"command without parameters", u":srv 001"_s, {true, false, u"srv"_s, u"001"_s, {}, {}, {}, {}}},
        {"empty parameters", u":srv 001 "_s,
         {true, true, u"srv"_s, u"001 "_s, u"001"_s, {}, u":srv 0"_s, {}}},
        {"prefix without '!'", u":srv.red 372 yo :- texto"_s,
         {true, true, u"srv.red"_s, u"372 yo :- texto"_s, u"372"_s, u"yo :- texto"_s, u":srv.r"_s, {}}},
        {"'!' after the first blank", u":srv 372 yo :hola!"_s,
         {true, true, u"srv"_s, u"372 yo :hola!"_s, u"372"_s, u"yo :hola!"_s, u":srv 3"_s, {}}},
        {"trailing parameter with blanks", u":pepe!p@h PRIVMSG #sala :hola a todos"_s,
         {true, true, u"pepe"_s, u"PRIVMSG #sala :hola a todos"_s, u"PRIVMSG"_s, u"#sala :hola a todos"_s,
          u"h PRIV"_s, {}}},
        {"host key cut after virtual", u":ana!u@3F2Avirtualnet JOIN :#sala"_s,
         {true, true, u"ana"_s, u"JOIN :#sala"_s, u"JOIN"_s, u":#sala"_s, u"3F2Avirtual"_s, u"sala"_s}},
        {"part with a reason", u":pepe!p@host-10-1-2-3 PART #sala :adios"_s,
         {true, true, u"pepe"_s, u"PART #sala :adios"_s, u"PART"_s, u"#sala :adios"_s, u"host-1"_s,
          u"sala"_s}},
        {"JOIN anywhere without '#'", u":srv 999 yo :JOIN"_s,
         {true, true, u"srv"_s, u"999 yo :JOIN"_s, u"999"_s, u"yo :JOIN"_s, u":srv 9"_s, u":srv"_s}},
    };
    for (const Case& c : cases) {
        const ReceivedLine r = splitLine(c.line);
        const Parts& w = c.want;
        EXPECT_EQ(r.prefixed, w.prefixed) << c.name;
        EXPECT_EQ(r.hasCommand, w.hasCommand) << c.name;
        EXPECT_EQ(r.sender, w.sender) << c.name;
        EXPECT_EQ(r.body, w.body) << c.name;
        EXPECT_EQ(r.command, w.command) << c.name;
        EXPECT_EQ(r.parameters, w.parameters) << c.name;
        EXPECT_EQ(r.hostKey, w.hostKey) << c.name;
        EXPECT_EQ(r.lineChannel, w.lineChannel) << c.name;
    }
}

TEST(ReceivedLine, PositionsPastSixteenBitsOverflow)
{
    const QString far(40000, u'x');
    for (const QString& line : {u":"_s + far + u" 001 yo"_s, u":srv 372 yo :"_s + far + u'!',
                                u":ana!a@h JOIN :"_s + far + u"#sala"_s}) {
        try {
            splitLine(line);
            ADD_FAILURE() << "no error for a line of " << line.size() << " characters";
        } catch (const platform::RuntimeError& e) {
            EXPECT_EQ(e.number(), platform::errOverflow);
        }
    }
    // Unprefixed lines are not split at all.
    EXPECT_FALSE(splitLine(far + u" PRIVMSG"_s).prefixed);
}
