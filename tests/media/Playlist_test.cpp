// The player window's playlist, its file, its menu commands and its
// layout, over a player that plays nothing.
#include "AppFixture.h"
#include "PlayerWindow.h"
#include "core/frmIRC.h"
#include "platform/Geometry.h"
#include "platform/ListView.h"
#include "platform/ProgressBar.h"
#include "platform/StatusBar.h"

#include <QAction>
#include <QDir>
#include <QFrame>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTest>

using namespace platform;

namespace {

const QString kBlanks(116, u' ');

class Playlist : public AppFixture {
protected:
    void SetUp() override
    {
        AppFixture::SetUp();
        resetPlayerWindowState();
    }
    QStringList items(frmMedia* m) const
    {
        QStringList out;
        for (int i = 0; i < m->List1->count(); ++i)
            out << m->List1->item(i);
        return out;
    }
    QByteArray fileOf(const QStringList& entries) const
    {
        QByteArray out;
        for (const QString& e : entries)
            out += e.toUtf8() + "\r\n";
        return out;
    }
    QString playList() const { return QStringLiteral("Play List.ini"); }
    FakePlayer* player(frmMedia* m) const { return static_cast<FakePlayer*>(m->WMP); }

    FakePlayers players;
    CapturedRecords records;
};

}  // namespace

TEST_F(Playlist, AbrirAndUrlAddAnEntryThatSurvivesSaveAndReload)
{
    struct Case {
        bool url;
        QString typed, entry;
    } cases[] = {
        {false, QStringLiteral("/música/a b.ogg"),
         QStringLiteral("{a b.ogg}") + kBlanks + QStringLiteral("[/música/a b.ogg]")},
        {false, QStringLiteral("/m/\"uno\", dos.wav"),
         QStringLiteral("{\"uno\", dos.wav}") + kBlanks + QStringLiteral("[/m/\"uno\", dos.wav]")},
        {false, QStringLiteral("C:\\Music\\a b.mp3"),
         QStringLiteral("{a b.mp3}") + kBlanks + QStringLiteral("[C:\\Music\\a b.mp3]")},
        {true, QStringLiteral("http://radio.example:8000/radio "),
         QStringLiteral("{radio}") + kBlanks + QStringLiteral("[http://radio.example:8000/radio ]")},
        {true, QStringLiteral("http://radio.example/stream"),
         QStringLiteral("{}") + kBlanks + QStringLiteral("[http://radio.example/stream]")},
    };
    frmMedia* m = openStill();
    QStringList expected;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.typed.toStdString());
        if (c.url) {
            dialogs.expectInputBox(QStringLiteral("Introduce La Url que deseas reproducir."), appTitle(), c.typed);
            m->ourl->trigger();
        } else {
            dialogs.expectOpenFile(c.typed);
            m->mopen->trigger();
        }
        expected << c.entry;
        EXPECT_EQ(items(m), expected);
        EXPECT_EQ(readFile(playList()), fileOf(expected));
        // The new entry is selected, and so it plays.
        EXPECT_EQ(m->List1->listIndex(), expected.size() - 1);
        EXPECT_EQ(player(m)->URL(), c.typed);
        EXPECT_EQ(frmMedia::IndiceActual, expected.size() - 1);
    }
    EXPECT_EQ(m->TituloActual, QStringLiteral(" stream "));

    m->mclose->trigger();
    destroyAllForms();
    EXPECT_EQ(items(openStill()), expected);
}

TEST_F(Playlist, CancelledBoxesChangeNothing)
{
    frmMedia* m = openStill();
    dialogs.expectOpenFile(QString());
    m->mopen->trigger();
    dialogs.expectInputBox(QStringLiteral("Introduce La Url que deseas reproducir."), appTitle(), QString());
    m->ourl->trigger();
    EXPECT_EQ(m->List1->count(), 0);
    EXPECT_TRUE(player(m)->urls.isEmpty());
    EXPECT_EQ(readFile(playList()), QByteArray());
}

TEST_F(Playlist, TheTargetRunsFromTheFixedRunToTheLastBracket)
{
    const QString run = u'}' + kBlanks + u'[';
    struct Case {
        QString entry, target;
    } cases[] = {
        {u'{' + QStringLiteral("[live] song.ogg") + run + QStringLiteral("/m/[live] song.ogg]"),
         QStringLiteral("/m/[live] song.ogg")},
        {QStringLiteral("{x}") + kBlanks + QStringLiteral("[/m/a]b].ogg]"), QStringLiteral("/m/a]b].ogg")},
        {QStringLiteral("{hecho a mano}[/m/a.ogg]"), QStringLiteral("/m/a.ogg")},
        {QStringLiteral("/m/sin corchetes.ogg"), QString()},
        {QStringLiteral("{x}") + run + u']', QString()},
        {QStringLiteral("{x}[/m/a.ogg"), QString()},
    };
    QByteArray file;
    for (const Case& c : cases)
        file += c.entry.toUtf8() + "\r\n";
    writeFile(playList(), file);
    frmMedia* m = openStill();
    ASSERT_EQ(m->List1->count(), int(std::size(cases)));
    for (int i = 0; i < m->List1->count(); ++i) {
        SCOPED_TRACE(cases[i].entry.toStdString());
        EXPECT_EQ(frmMedia::EntryTarget(cases[i].entry), cases[i].target);
        frmMedia::IndiceActual = -5;
        player(m)->urls.clear();
        m->List1->setListIndex(i);
        if (cases[i].target.isEmpty()) {
            EXPECT_TRUE(player(m)->urls.isEmpty());
            EXPECT_EQ(frmMedia::IndiceActual, -5);
        } else {
            EXPECT_EQ(player(m)->urls, QStringList{cases[i].target});
            EXPECT_EQ(frmMedia::IndiceActual, i);
        }
    }
}

TEST_F(Playlist, AMissingFileSaysFileNotFoundOnceAndTheFirstAbrirCreatesIt)
{
    QFile::remove(filePath(playList()));
    dialogs.expectMsgBox(QStringLiteral("File Not Found"), vbOKOnly, QStringLiteral("Error"));
    frmMedia* m = openStill();
    EXPECT_EQ(m->List1->count(), 0);
    EXPECT_EQ(dialogs.msgBoxCount(), 1);

    dialogs.expectOpenFile(QStringLiteral("/m/a.ogg"));
    m->mopen->trigger();
    EXPECT_EQ(readFile(playList()), fileOf({QStringLiteral("{a.ogg}") + kBlanks + QStringLiteral("[/m/a.ogg]")}));
    EXPECT_EQ(dialogs.msgBoxCount(), 1);
}

TEST_F(Playlist, WithoutTheFilesFolderASaveFailsAndTheListKeepsTheChange)
{
    ASSERT_TRUE(QDir(home.path() + QStringLiteral("/Files")).removeRecursively());
    dialogs.expectMsgBox(QStringLiteral("File Not Found"), vbOKOnly, QStringLiteral("Error"));
    frmMedia* m = openStill();
    dialogs.expectOpenFile(QStringLiteral("/m/a.ogg"));
    dialogs.expectMsgBox(QStringLiteral("There has been a error!"), vbOKOnly, QStringLiteral("Error"));
    m->mopen->trigger();
    EXPECT_EQ(m->List1->count(), 1);
    EXPECT_EQ(player(m)->URL(), QStringLiteral("/m/a.ogg"));
    EXPECT_FALSE(QFile::exists(filePath(playList())));
}

TEST_F(Playlist, ALineThatIsNotUtf8IsReadAsWindows1252)
{
    writeFile(playList(), "{canci\xF3n.ogg}" + kBlanks.toLatin1() + "[/m/canci\xF3n.ogg]\r\n");
    frmMedia* m = openStill();
    EXPECT_EQ(frmMedia::EntryTarget(m->List1->item(0)), QStringLiteral("/m/canción.ogg"));
}

TEST_F(Playlist, RemoverTakesTheRememberedEntryAndLimpiarEmptiesTheFile)
{
    const QStringList entries = {frmMedia::Entry(QStringLiteral("a"), QStringLiteral("/m/a")),
                                 frmMedia::Entry(QStringLiteral("b"), QStringLiteral("/m/b")),
                                 frmMedia::Entry(QStringLiteral("c"), QStringLiteral("/m/c"))};
    writeFile(playList(), fileOf(entries));
    frmMedia* m = openStill();
    m->List1->setListIndex(1);
    ASSERT_EQ(frmMedia::IndiceActual, 1);

    m->mremove->trigger();
    EXPECT_EQ(items(m), (QStringList{entries[0], entries[2]}));
    EXPECT_EQ(readFile(playList()), fileOf({entries[0], entries[2]}));
    // The remembered index stays; the pop-up's item does the same.
    m->mdelet->trigger();
    EXPECT_EQ(items(m), QStringList{entries[0]});
    EXPECT_EQ(readFile(playList()), fileOf({entries[0]}));
    // Nothing left at that index: nothing happens.
    m->mremove->trigger();
    EXPECT_EQ(items(m), QStringList{entries[0]});

    m->mclean->trigger();
    EXPECT_EQ(m->List1->count(), 0);
    EXPECT_TRUE(QFile::exists(filePath(playList())));
    EXPECT_EQ(readFile(playList()), QByteArray());
    m->mremove->trigger();
    EXPECT_EQ(readFile(playList()), QByteArray());
}

TEST_F(Playlist, SiguienteAndAnteriorWrapAndPlayWhatTheySelect)
{
    struct Case {
        int from;
        bool next;
        int to;
    } cases[] = {
        {-1, true, 0}, {0, true, 1}, {2, true, 0}, {-1, false, 2}, {0, false, 2}, {2, false, 1},
    };
    QStringList entries;
    for (const char* t : {"/m/a", "/m/b", "/m/c"})
        entries << frmMedia::Entry(QString(), QString::fromLatin1(t));
    writeFile(playList(), fileOf(entries));
    frmMedia* m = openStill();
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.from << (c.next ? " Siguiente" : " Anterior"));
        m->List1->setListIndex(c.from);
        player(m)->urls.clear();
        (c.next ? m->mnext : m->mbefore)->trigger();
        EXPECT_EQ(m->List1->listIndex(), c.to);
        EXPECT_EQ(player(m)->urls, QStringList{frmMedia::EntryTarget(entries[c.to])});
    }
}

TEST_F(Playlist, ASingleEntryPlaysAgainAndAnEmptyListPlaysNothing)
{
    writeFile(playList(), fileOf({frmMedia::Entry(QString(), QStringLiteral("/m/a"))}));
    frmMedia* m = openStill();
    m->mnext->trigger();
    m->mnext->trigger();
    m->mbefore->trigger();
    EXPECT_EQ(player(m)->urls, QStringList(3, QStringLiteral("/m/a")));

    m->mclean->trigger();
    player(m)->urls.clear();
    m->mnext->trigger();
    m->mbefore->trigger();
    EXPECT_EQ(m->List1->listIndex(), -1);
    EXPECT_TRUE(player(m)->urls.isEmpty());
}

TEST_F(Playlist, VolumeItemsCheckOneAndSetTheVolumeInStepsOfTen)
{
    frmMedia* m = openStill();
    auto checked = [m] {
        QList<int> on;
        for (int i = 0; i <= 10; ++i)
            if (m->mvolumen[i]->isChecked())
                on << i;
        return on;
    };
    EXPECT_EQ(m->WMP->volume(), 50);
    EXPECT_EQ(checked(), QList<int>{5});
    for (int i : {0, 3, 10}) {
        m->mvolumen[i]->trigger();
        EXPECT_EQ(m->WMP->volume(), i * 10);
        EXPECT_EQ(checked(), QList<int>{i});
        EXPECT_EQ(m->mvolumen[i]->text(), QStringLiteral("%1%").arg(i * 10, 2, 10, QChar(u'0')));
    }
    QString percent = QStringLiteral("5%0%");
    EXPECT_EQ(frmMedia::configvol(percent), QStringLiteral("50"));
    EXPECT_EQ(percent, QStringLiteral("50"));
}

TEST_F(Playlist, TheLayoutFollowsTheWindowSize)
{
    frmMedia* m = openStill();
    m->Show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(m));
    // At the design size the places are the design's.
    EXPECT_EQ(m->client->size(), QSize(twips(6210), twips(3720)));
    EXPECT_EQ(m->List1->geometry(), twipsRect(3480, 480, 2595, 2760));
    EXPECT_EQ(m->Picture2->size(), QSize(twips(3230), twips(2710)));
    EXPECT_EQ(m->WMP->display()->size(), m->Picture2->size());
    EXPECT_EQ(m->Picture1->width(), twips(5950));
    EXPECT_EQ(m->CurrentTitle->width(), twips(5880));
    EXPECT_EQ(m->StatusBar1->geometry(), QRect(0, m->client->height() - twips(255), m->client->width(), twips(255)));

    const QRect list = m->List1->geometry();
    const QSize player = m->Picture2->size();
    const int title = m->CurrentTitle->width(), strip = m->Picture1->width();
    m->resize(m->width() + 10, m->height() + 20);  // 150 twips wider, 300 taller
    QCoreApplication::processEvents();
    EXPECT_EQ(m->List1->geometry(), list.translated(10, 0).adjusted(0, 0, 0, 20));
    EXPECT_EQ(m->Picture2->size(), player + QSize(10, 20));
    EXPECT_EQ(m->WMP->display()->size(), player + QSize(10, 20));
    EXPECT_EQ(m->CurrentTitle->width(), title + 10);
    EXPECT_EQ(m->Picture1->width(), strip + 10);

    // Too small for the heights: those steps are skipped, the others run.
    m->resize(150, m->menuBar->sizeHint().height() + 40);
    QCoreApplication::processEvents();
    EXPECT_EQ(m->List1->x(), twips(pixelsToTwips(150) + 120 - 2850));
    EXPECT_EQ(m->List1->height(), list.height() + 20);
    EXPECT_EQ(m->Picture1->width(), twips(pixelsToTwips(150) + 120 - 380));
}

TEST_F(Playlist, TheProgressBarLiesInTheStatusBarOverPanelTwo)
{
    frmMedia* m = openStill();
    m->Show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(m));
    EXPECT_EQ(m->Progreso->parentWidget(), m->StatusBar1);
    const QRect panel = m->StatusBar1->panelRect(2);
    EXPECT_EQ(m->Progreso->geometry(),
              QRect(panel.left() + 1, 3, panel.width() - 2, m->StatusBar1->height() - 4));
    m->resize(m->width() + 60, m->height());
    QCoreApplication::processEvents();
    EXPECT_EQ(m->Progreso->geometry().left(), m->StatusBar1->panelRect(2).left() + 1);
}

TEST_F(Playlist, TheRightButtonPopsTheMenuUpWithoutChangingTheSelection)
{
    QStringList entries;
    for (const char* t : {"/m/a", "/m/b"})
        entries << frmMedia::Entry(QString(), QString::fromLatin1(t));
    writeFile(playList(), fileOf(entries));
    frmMedia* m = openStill();
    m->Show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(m));
    m->List1->setListIndex(0);
    player(m)->urls.clear();

    const QPoint second = m->List1->visualRect(m->List1->model()->index(1, 0)).center();
    QTest::mousePress(m->List1->viewport(), Qt::RightButton, {}, second);
    QTest::mouseRelease(m->List1->viewport(), Qt::RightButton, {}, second);
    EXPECT_TRUE(m->mpop->isVisible());
    EXPECT_EQ(m->List1->listIndex(), 0);
    EXPECT_TRUE(player(m)->urls.isEmpty());
    m->mpop->hide();

    QTest::mouseClick(m->List1->viewport(), Qt::LeftButton, {}, second);
    EXPECT_EQ(m->List1->listIndex(), 1);
    EXPECT_EQ(player(m)->urls, QStringList{QStringLiteral("/m/b")});
    EXPECT_FALSE(m->mpop->isVisible());
}

TEST_F(Playlist, TheToolbarButtonOpensTheWindowAndCerrarUnloadsIt)
{
    frmIRC* irc = frmIRC::instance();
    ASSERT_TRUE(irc->Command15->isEnabled());
    irc->Command15->click();
    frmMedia* m = frmMedia::loadedInstance();
    ASSERT_NE(m, nullptr);
    EXPECT_TRUE(m->isVisible());
    EXPECT_EQ(m->Caption(), QStringLiteral("Media Player"));

    m->mclose->trigger();
    EXPECT_EQ(frmMedia::loadedInstance(), nullptr);
    irc->Command15->click();
    EXPECT_NE(frmMedia::loadedInstance(), nullptr);
}
