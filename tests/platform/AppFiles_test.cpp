#include "FileSizeLimit.h"
#include "platform/AppFiles.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace platform;

namespace {

class FileReaders : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(dir_.isValid()); }

    QString write(const QByteArray& bytes)
    {
        const QString path = dir_.filePath("file.ini");
        QFile f(path);
        EXPECT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(bytes);
        return path;
    }

    static QByteArray readAll(const QString& path)
    {
        QFile f(path);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("(unreadable)");
    }

    QTemporaryDir dir_;
};

}  // namespace

TEST(Cp1252, BytesAndCharactersBothWays)
{
    const std::vector<std::pair<QByteArray, QString>> cases = {
        {"abc", "abc"},
        {"\xF1", "\u00F1"},
        {"\x80", "\u20AC"},
        {"\x9F", "\u0178"},
        {"\x81\x8D\x8F\x90\x9D", "\u0081\u008D\u008F\u0090\u009D"},  // unassigned: kept as they are
        {"\xA0\xFF", "\u00A0\u00FF"},
        {"\x02\x1F", "\x02\x1F"},
    };
    for (const auto& [bytes, text] : cases) {
        EXPECT_EQ(fromCp1252(bytes), text) << bytes.toHex().toStdString();
        EXPECT_EQ(toCp1252(text), bytes) << bytes.toHex().toStdString();
    }
    EXPECT_EQ(toCp1252("\u0436\U0001F600"), QByteArray("???"));  // one "?" for each half of the pair
}

TEST_F(FileReaders, LinesEndAtCrLfLfOrCr)
{
    EXPECT_EQ(*readTextLines(write("a\r\nb\nc\rd")), QStringList({"a", "b", "c", "d"}));
    EXPECT_EQ(*readTextLines(write("a\r\n\r\nb\r\n")), QStringList({"a", "", "b"}));
    EXPECT_EQ(*readTextLines(write("")), QStringList());
    EXPECT_FALSE(readTextLines(dir_.filePath("missing.nt")));
    EXPECT_FALSE(readFieldsOfFile(dir_.filePath("missing.ini")));
}

TEST_F(FileReaders, WrittenLinesEndInCrLfAsWindows1252)
{
    const QString path = dir_.filePath("out.nt");
    ASSERT_TRUE(writeTextLines(path, {"Nick=Pe\u00F1a", ""}));
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.readAll(), QByteArray("Nick=Pe\xF1" "a\r\n\r\n"));
    EXPECT_FALSE(writeTextLines(dir_.filePath("no/such/folder/out.nt"), {"x"}));
}

TEST_F(FileReaders, Utf8LinesHoldAnyNameAndOlderLinesReadAsWindows1252)
{
    const QString path = dir_.filePath("list.ini");
    const QStringList lines = {QString::fromUtf8("/m\xC3\xBAsica/\xE6\xAD\x8C \xE2\x82\xAC.ogg"), "", "plain"};
    ASSERT_TRUE(writeUtf8Lines(path, lines));
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.readAll(), QByteArray("/m\xC3\xBAsica/\xE6\xAD\x8C \xE2\x82\xAC.ogg\r\n\r\nplain\r\n"));
    EXPECT_EQ(readUtf8Lines(path), lines);

    EXPECT_EQ(readUtf8Lines(write("canci\xF3n\r\n\xE2\x82\xAC\n")), (QStringList{"canci\u00F3n", "\u20AC"}));
    EXPECT_EQ(readUtf8Lines(dir_.filePath("none.ini")), std::nullopt);
    EXPECT_FALSE(writeUtf8Lines(dir_.filePath("no/such/folder/list.ini"), {"x"}));
}

TEST_F(FileReaders, AFileIsRewrittenWholeOrNotAtAll)
{
    const QString path = write("old bytes\r\n");
    ASSERT_TRUE(writeFileWhole(path, "new"));
    EXPECT_EQ(readAll(path), QByteArray("new"));

    bool written = true;
    {
        const FileSizeLimit limit(100);  // the write stops after 100 bytes, as on a full disk
        ASSERT_TRUE(limit.active());
        written = writeFileWhole(path, QByteArray(4096, 'x'));
    }
    EXPECT_FALSE(written);
    EXPECT_EQ(readAll(path), QByteArray("new"));
    EXPECT_EQ(QDir(dir_.path()).entryList(QDir::Files | QDir::Hidden), QStringList({"file.ini"}))
        << "nothing half-written is left beside it";
}

TEST_F(FileReaders, FieldInput)
{
    const std::vector<std::pair<QByteArray, QStringList>> cases = {
        {"a,b,c", {"a", "b", "c"}},
        {"a\r\nb\nc\rd\r\n", {"a", "b", "c", "d"}},
        {"   a,  \tb", {"a", "b"}},
        {"a  ,b  \r\n", {"a", "b"}},
        {"\"x, y\",z", {"x, y", "z"}},
        {"  \"  spaced  \"  ,z", {"  spaced  ", "z"}},
        {"\"q\"junk,b", {"q", "b"}},
        {"x,[Norte],y\r\n[Sur]\r\n", {"x", "[Norte]", "y", "[Sur]"}},
        {"[Norte]\r\nLOGINSERVER=irc.norte.example\r\nROOMS=sala1:a;sala2:b\r\n",
         {"[Norte]", "LOGINSERVER=irc.norte.example", "ROOMS=sala1:a;sala2:b"}},
        {"Pe\xF1" "a", {"Pe\u00F1a"}},
        {"", {}},
    };
    for (const auto& [bytes, fields] : cases)
        EXPECT_EQ(*readFieldsOfFile(write(bytes)), fields) << bytes.toStdString();
}

TEST_F(FileReaders, ProfileString)
{
    const QString path = write("LOGINSERVER=before.any.section\r\n"
                               "[Norte]\r\n"
                               "  LOGINSERVER = irc.norte.example  \r\n"
                               "loginport=6667\r\n"
                               "ROOMS=sala1:a;sala2:b\r\n"
                               "Empty=\r\n"
                               "NoEquals\r\n"
                               "Quoted=\"  spaced  \"\r\n"
                               "Nombre=Pe\xF1\xF3n\r\n"
                               "LOGINSERVER=second.in.section\r\n"
                               "[sur]\r\n"
                               "LoginServer=irc.sur.example\r\n"
                               "Long=" + QByteArray(400, 'x') + "\r\n"
                               "[Este]\n"
                               "ROOMS=este:1\n");
    struct Case {
        const char* section;
        const char* key;
        QString value;
    };
    const std::vector<Case> cases = {
        {"Norte", "LOGINSERVER", "irc.norte.example"},
        {"norte", "loginserver", "irc.norte.example"},
        {"NORTE", "LoginPort", "6667"},
        {"Norte", "ROOMS", "sala1:a;sala2:b"},
        {"Norte", "Empty", ""},
        {"Norte", "NoEquals", ""},
        {"Norte", "Quoted", "  spaced  "},
        {"Norte", "Nombre", "Pe\u00F1\u00F3n"},
        {"Norte", "Missing", ""},
        {"Sur", "LOGINSERVER", "irc.sur.example"},
        {"Sur", "ROOMS", ""},  // not taken from the next section
        {"Sur", "Long", QString(349, 'x')},
        {"Este", "ROOMS", "este:1"},
        {"Oeste", "LOGINSERVER", ""},
        {"", "LOGINSERVER", ""},
    };
    for (const Case& c : cases)
        EXPECT_EQ(readProfileString(path, c.section, c.key), c.value) << c.section << " / " << c.key;
    EXPECT_EQ(readProfileString(path, "Norte", "LOGINSERVER", 4), "irc");
    EXPECT_EQ(readProfileString(dir_.filePath("missing.ini"), "Norte", "LOGINSERVER"), "");
}
