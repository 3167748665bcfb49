// The scrambled list files: Cifra, and SaveList / LoadList over a real file,
// byte for byte as the original wrote and read them.
#include "AppFixture.h"
#include "FileSizeLimit.h"
#include "ListEntries.h"
#include "core/Function.h"
#include "core/frmIRC.h"
#include "platform/AppFiles.h"
#include "platform/Dialogs.h"
#include "platform/ListView.h"

#include <QDir>
#include <QFile>

using namespace platform;
using namespace Function;

namespace {

const QString kFile = QStringLiteral("\\Files\\Channels.ini");

}  // namespace

TEST(Cifra, ScramblesEachCodeAndUnscramblesWithTheSameKey)
{
    struct Case {
        QString plain;
        QString scrambled;
    } cases[] = {
        {QString(), QString()},
        {QStringLiteral("abc"), QStringLiteral(u"\u00FC\u00FF\u00FE")},
        {QStringLiteral(","), QStringLiteral(u"\u00B1")},
        {QStringLiteral(u"\u00B1"), QStringLiteral(",")},
        {QStringLiteral(u"\u20AC"), QStringLiteral(u"\u001D")},  // the euro sign is 0x80 in Windows-1252
    };
    for (const Case& c : cases) {
        EXPECT_EQ(Cifra(c.plain, kClaveListas), c.scrambled) << c.plain.toStdString();
        EXPECT_EQ(Cifra(c.scrambled, kClaveListas), c.plain) << c.plain.toStdString();
    }
    // Every one of the 256 codes comes back.
    QString all;
    for (int b = 0; b < 256; ++b)
        all += fromCp1252(QByteArray(1, char(b)));
    EXPECT_EQ(Cifra(Cifra(all, kClaveListas), kClaveListas), all);
}

class ListFiles : public AppFixture {
protected:
    void SetUp() override
    {
        AppFixture::SetUp();
        irc = frmIRC::instance();
    }
    QByteArray stored() const { return readFile(QStringLiteral("Channels.ini")); }
    frmIRC* irc = nullptr;
    ListBox lst;
};

TEST_F(ListFiles, SavedBytesAndWhatLoadingGivesBack)
{
    struct Case {
        const char* name;
        QStringList saved;
        QByteArray bytes;  // empty: not checked
        QStringList loaded;
    } cases[] = {
        {"one item", {QStringLiteral("abc")}, QByteArray("\xFC\xFF\xFE\r\n"), {QStringLiteral("abc")}},
        {"an empty list is an empty file", {}, QByteArray(), {}},
        {"three items keep their order",
         {QStringLiteral("#amistad"), QStringLiteral("#cine"), QStringLiteral("#tertulia")},
         {},
         {QStringLiteral("#amistad"), QStringLiteral("#cine"), QStringLiteral("#tertulia")}},
        {"a comma inside an item survives", {QStringLiteral("uno, dos")}, {}, {QStringLiteral("uno, dos")}},
        {"a character stored as a comma splits its item",
         {QStringLiteral(u"uno\u00B1dos")},
         QByteArray("\xE8\xF3\xF2,\xF9\xF2\xEE\r\n"),
         {QStringLiteral("uno"), QStringLiteral("dos")}},
        {"an empty item is an empty line", {QStringLiteral("a"), QString(), QStringLiteral("b")}, QByteArray("\xFC\r\n\r\n\xFF\r\n"),
         {QStringLiteral("a"), QString(), QStringLiteral("b")}},
    };
    for (const Case& c : cases) {
        lst.clear();
        for (const QString& item : c.saved)
            lst.addItem(item);
        irc->SaveList(lst, kFile);
        EXPECT_EQ(boxItems(lst), c.saved) << c.name << ": the list itself is not changed";
        if (!c.bytes.isEmpty() || c.saved.isEmpty()) {
            EXPECT_EQ(stored(), c.bytes) << c.name;
        }
        ListBox loaded;
        irc->LoadList(loaded, kFile);
        EXPECT_EQ(boxItems(loaded), c.loaded) << c.name;
    }
}

TEST_F(ListFiles, LoadingAppendsToWhatTheListHolds)
{
    writeFile(QStringLiteral("Channels.ini"), "\xFC\r\n\xFF\r\n");
    lst.addItem(QStringLiteral("antes"));
    irc->LoadList(lst, kFile);
    irc->LoadList(lst, kFile);
    EXPECT_EQ(boxItems(lst), (QStringList{QStringLiteral("antes"), QStringLiteral("a"), QStringLiteral("b"),
                                       QStringLiteral("a"), QStringLiteral("b")}));
}

TEST_F(ListFiles, AMissingFileAndAFailedWriteEachShowTheirBox)
{
    dialogs.expectMsgBox(QStringLiteral("File Not Found"), vbOKOnly, QStringLiteral("Error"));
    irc->LoadList(lst, QStringLiteral("\\Files\\Ninguno.ini"));
    dialogs.verify();
    EXPECT_EQ(lst.count(), 0);

    // A write that stops midway, as on a full disk, leaves the old list whole.
    writeFile(QStringLiteral("Channels.ini"), "\xFC\r\n");
    lst.addItem(QString(4000, u'x'));
    dialogs.expectMsgBox(QStringLiteral("There has been a error!"), vbOKOnly, QStringLiteral("Error"));
    {
        const FileSizeLimit limit(1024);
        ASSERT_TRUE(limit.active());
        irc->SaveList(lst, kFile);
    }
    dialogs.verify();
    EXPECT_EQ(stored(), QByteArray("\xFC\r\n"));
    EXPECT_EQ(QDir(filePath(QString())).entryList({QStringLiteral("Channels*")}, QDir::Files | QDir::Hidden),
              QStringList{QStringLiteral("Channels.ini")})
        << "no half-written file is left beside it";
}
