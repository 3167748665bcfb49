#include "FileSizeLimit.h"
#include "ScriptedDialogs.h"
#include "core/Function.h"
#include "platform/AppFiles.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <map>

using namespace Function;

namespace {

// A fresh program in a temporary folder with its Files/ beside it.
class SettingsFile : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(home_.isValid());
        ASSERT_TRUE(QDir(home_.path()).mkdir("Files"));
        previousHome_ = qgetenv("TROVELIN_HOME");
        qputenv("TROVELIN_HOME", QFile::encodeName(home_.path()));
        ResetState();
    }

    void TearDown() override
    {
        if (previousHome_.isNull())
            qunsetenv("TROVELIN_HOME");
        else
            qputenv("TROVELIN_HOME", previousHome_);
        ResetState();
    }

    QString path() const { return home_.path() + "/Files/Parlowen.nt"; }

    void writeFile(const QByteArray& bytes)
    {
        QFile f(path());
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
    }

    QByteArray fileBytes()
    {
        QFile f(path());
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }

    QTemporaryDir home_;
    QByteArray previousHome_;
    ScriptedDialogs dialogs_;
};

// Every settings value by its key, so a case names only what it expects.
std::map<QString, QString*> valuesByKey()
{
    return {
        {"Nick=", &NickGuardado},         {"Alterno=", &AlternoGuardado},
        {"Password=", &PassGuardado},     {"Adorno Izquierdo=", &AdornoIzquierdo},
        {"Adorno Derecho=", &AdornoDerecho}, {"Color Izquierdo=", &ColorIzquierdo},
        {"Color Central=", &ColorCentral}, {"Color Fondo=", &ColorFondo},
        {"Color Derecho=", &ColorDerecho}, {"Bold=", &CodigoBold},
        {"Under=", &CodigoUnder},         {"Contestadora=", &TextoContestadora},
    };
}

}  // namespace

TEST_F(SettingsFile, NoFileLeavesEveryValueAsItWas)
{
    NickGuardado = "Pepe";
    LeeDatos();
    EXPECT_EQ(NickGuardado, "Pepe");
    EXPECT_TRUE(TextoContestadora.isEmpty());
    EXPECT_FALSE(QFile::exists(path()));
}

TEST_F(SettingsFile, WritesTheTwelveLinesInOrder)
{
    NickGuardado = "Pepe";
    PassGuardado = "secreto";
    AdornoIzquierdo = "\u00AB\u00B7";
    AdornoDerecho = "\u00B7\u00BB";
    AlternoGuardado = "Pepe_";
    ColorIzquierdo = "4";
    ColorDerecho = "12";
    ColorCentral = "0";
    ColorFondo = "16";
    CodigoBold = QString(QChar(2));
    CodigoUnder = "";
    TextoContestadora = "No estoy, vuelvo ma\u00F1ana";
    GuardaDatos();
    EXPECT_EQ(fileBytes(), QByteArray("Nick=Pepe\r\n"
                                      "Password=secreto\r\n"
                                      "Adorno Izquierdo=\xAB\xB7\r\n"
                                      "Adorno Derecho=\xB7\xBB\r\n"
                                      "Alterno=Pepe_\r\n"
                                      "Color Izquierdo=4\r\n"
                                      "Color Derecho=12\r\n"
                                      "Color Central=0\r\n"
                                      "Color Fondo=16\r\n"
                                      "Bold=\x02\r\n"
                                      "Under=\r\n"
                                      "Contestadora=No estoy, vuelvo ma\xF1" "ana\r\n"));

    ResetState();  // the file is written whole again, shorter
    GuardaDatos();
    EXPECT_EQ(fileBytes(), QByteArray("Nick=\r\nPassword=\r\nAdorno Izquierdo=\r\nAdorno Derecho=\r\n"
                                      "Alterno=\r\nColor Izquierdo=\r\nColor Derecho=\r\nColor Central=\r\n"
                                      "Color Fondo=\r\nBold=\r\nUnder=\r\nContestadora=\r\n"));
}

TEST_F(SettingsFile, ReadsEachKeyWhereverItStands)
{
    struct Case {
        const char* what;
        QByteArray file;
        std::map<QString, QString> expected;  // keys not named keep "old"
    };
    const std::vector<Case> cases = {
        {"keys in any order and case",
         "contestadora=hola\r\nCOLOR FONDO=3\r\nNick=Pepe\r\nbOLD=x\r\n",
         {{"Contestadora=", "hola"}, {"Color Fondo=", "3"}, {"Nick=", "Pepe"}, {"Bold=", "x"}}},
        {"a key after other text", "mi Nick=Pepe\r\n", {{"Nick=", "Pepe"}}},
        {"trailing blanks go, leading stay", "Nick=  Pepe  \r\n", {{"Nick=", "  Pepe"}}},
        {"only blanks are trailing blanks", "Nick=Pepe\t\r\n", {{"Nick=", "Pepe\t"}}},
        {"an empty value", "Bold=\r\nUnder=\r\n", {{"Bold=", ""}, {"Under=", ""}}},
        {"the bold code", "Bold=\x02\r\n", {{"Bold=", QString(QChar(2))}}},
        {"the last line wins", "Nick=Ana\r\nNick=Pepe\r\n", {{"Nick=", "Pepe"}}},
        {"lines without a key are skipped", "hola\r\n\r\nNick=Pepe", {{"Nick=", "Pepe"}}},
        {"one line sets every key it holds", "Nick=Pepe Bold=x\r\n",
         {{"Nick=", "Pepe Bold=x"}, {"Bold=", "x"}}},
        {"the value runs from the first key on", "Nick=a Nick=b\r\n", {{"Nick=", "a Nick=b"}}},
        {"an equals sign in the value", "Adorno Izquierdo=a=b\r\n", {{"Adorno Izquierdo=", "a=b"}}},
        {"Windows-1252 bytes", "Nick=Pe\xF1\x61\x80\r\n", {{"Nick=", "Pe\u00F1a\u20AC"}}},
        {"LF and CR line ends", "Nick=a\nAlterno=b\rPassword=c", {{"Nick=", "a"}, {"Alterno=", "b"}, {"Password=", "c"}}},
        {"Color Izquierdo is not Color Derecho", "Color Izquierdo=4\r\n", {{"Color Izquierdo=", "4"}}},
    };
    for (const Case& c : cases) {
        ResetState();
        for (auto& [key, value] : valuesByKey())
            *value = "old";
        writeFile(c.file);
        LeeDatos();
        for (auto& [key, value] : valuesByKey()) {
            const auto it = c.expected.find(key);
            EXPECT_EQ(*value, it == c.expected.end() ? QString("old") : it->second)
                << c.what << ": " << key.toStdString();
        }
    }
}

TEST_F(SettingsFile, ValuesReadBackAsTheyWereWritten)
{
    const QString bold = QString(QChar(2)), under = QString(QChar(31));
    // Values without a line break are written as they stand, even those that
    // look like an escape.
    for (const QString& value : {QString("Pepe"), bold + "hola" + under, QString("ma\u00F1ana \u20AC"),
                                 QString("\\n"), QString("\\"), QString("a\\=b\\s"), QString("\\Nick"),
                                 QString("  dos blancos delante")}) {
        ResetState();
        NickGuardado = "Pepe";
        TextoContestadora = value;
        GuardaDatos();
        EXPECT_TRUE(fileBytes().endsWith("\r\nContestadora=" + platform::toCp1252(value) + "\r\n"))
            << value.toStdString();
        ResetState();
        LeeDatos();
        EXPECT_EQ(TextoContestadora, value);
        EXPECT_EQ(NickGuardado, "Pepe");
    }
    // Values with line breaks, whatever else they hold.
    for (const QString& value : {QString("No estoy.\r\nVuelvo pronto."), QString("uno\ndos\n"), QString("\r"),
                                 QString("\n\n"), QString("a\nb  "), QString("  a\n  b"),
                                 QString("\\n\n\\r\\s\\=\\\\ \\"), QString("hola\nNick=intruso"),
                                 QString("x\nBold=") + bold, QString("ma\u00F1ana\r\n\u20AC")}) {
        ResetState();
        NickGuardado = "Pepe";
        CodigoBold = bold;
        TextoContestadora = value;
        GuardaDatos();
        EXPECT_EQ(fileBytes().count("\r\n"), 12) << "one line each";
        ResetState();
        LeeDatos();
        EXPECT_EQ(TextoContestadora, value);
        EXPECT_EQ(NickGuardado, "Pepe") << "no key is read out of an escaped value";
        EXPECT_EQ(CodigoBold, bold);
    }
}

TEST_F(SettingsFile, AFailedWriteKeepsThePreviousFileAndSaysSo)
{
    NickGuardado = "Pepe";
    GuardaDatos();
    const QByteArray previous = fileBytes();
    ASSERT_TRUE(previous.startsWith("Nick=Pepe\r\n"));

    // A write that stops midway, as on a full disk: the file keeps its old
    // bytes. One box, even when the mix-colour cycle saves again under it.
    NickGuardado = QString(200, u'n');
    dialogs_.expectMsgBox("There has been a error!", 0, "Error", platform::vbOK, [] { GuardaDatos(); });
    {
        const FileSizeLimit limit(64);
        ASSERT_TRUE(limit.active());
        GuardaDatos();
    }
    dialogs_.verify();
    EXPECT_EQ(dialogs_.msgBoxCount(), 1);
    EXPECT_EQ(fileBytes(), previous);
    EXPECT_EQ(QDir(home_.path() + "/Files").entryList(QDir::Files | QDir::Hidden), QStringList({"Parlowen.nt"}));

    // No folder to write in: nothing is written, and the user is told.
    ASSERT_TRUE(QFile::remove(path()));
    ASSERT_TRUE(QDir(home_.path()).rmdir("Files"));
    dialogs_.expectMsgBox("There has been a error!", 0, "Error");
    GuardaDatos();
    dialogs_.verify();
    EXPECT_FALSE(QFile::exists(path()));
}
