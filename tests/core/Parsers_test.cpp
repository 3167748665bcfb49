// The line parsers every branch of the dispatcher uses.
#include "QtPrinters.h"
#include "core/frmIRC.h"
#include "platform/Errors.h"

#include <gtest/gtest.h>

TEST(Parsers, ProcessParamEscapesInPlaceAndTakesTheFirstParameter)
{
    struct Case {
        QString in, result, after;
    } cases[] = {
        {QStringLiteral("#sala :hola"), QStringLiteral("#sala"), QStringLiteral("#sala :hola")},
        {QStringLiteral(":hola a todos"), QStringLiteral("hola a todos"), QStringLiteral(":hola a todos")},
        {QStringLiteral("a<b"), QStringLiteral("a&lt;b"), QStringLiteral("a&lt;b")},
        {QStringLiteral(":a<b>"), QStringLiteral("a&lt;b&gt;"), QStringLiteral(":a&lt;b&gt;")},
        {QStringLiteral(" ana"), QStringLiteral(" ana"), QStringLiteral(" ana")},
        {QStringLiteral("palabra"), QStringLiteral("palabra"), QStringLiteral("palabra")},
        {QString(), QString(), QString()},
        {QStringLiteral("a&lt;b x"), QStringLiteral("a&lt;b"), QStringLiteral("a&lt;b x")},
    };
    for (Case c : cases) {
        QString msg = c.in;
        EXPECT_EQ(frmIRC::processParam(msg), c.result) << c.in.toStdString();
        EXPECT_EQ(msg, c.after) << c.in.toStdString();
    }
}

TEST(Parsers, ProcessRestIsTheTextAfterTheFirstBlank)
{
    struct Case {
        QString in, result;
    } cases[] = {
        {QStringLiteral("yo #sala :hola"), QStringLiteral("#sala :hola")},
        {QStringLiteral(":hola a todos"), QString()},
        {QStringLiteral("palabra"), QString()},
        {QStringLiteral("a "), QString()},
        {QStringLiteral("a  b"), QStringLiteral(" b")},
    };
    for (const Case& c : cases)
        EXPECT_EQ(frmIRC::processRest(c.in), c.result) << c.in.toStdString();
}

TEST(Parsers, ChannelNamesAndTheirFailures)
{
    EXPECT_EQ(frmIRC::IdentificaChannel(QStringLiteral("PRIVMSG #sala :hola")), QStringLiteral("sala"));
    EXPECT_EQ(frmIRC::IdentificaChannel(QStringLiteral("PRIVMSG yo :hola")), QStringLiteral("PRIVMSG yo"));
    EXPECT_EQ(frmIRC::IdentificaChannel(QStringLiteral("353 yo = #Sala :a b")), QStringLiteral("Sala"));
    EXPECT_THROW(frmIRC::IdentificaChannel(QStringLiteral("PRIVMSG #sala hola")), platform::RuntimeError);
    EXPECT_THROW(frmIRC::IdentificaChannel(QStringLiteral("X :a #b")), platform::RuntimeError);
    EXPECT_EQ(frmIRC::QuikChannel(QStringLiteral("#sala pepe :adios")), QStringLiteral("sala"));
    EXPECT_EQ(frmIRC::QuikChannel(QStringLiteral("#a b")), QStringLiteral("a"));
    EXPECT_THROW(frmIRC::QuikChannel(QStringLiteral("#sala")), platform::RuntimeError);
    EXPECT_THROW(frmIRC::QuikChannel(QStringLiteral("x #sala")), platform::RuntimeError);
}
