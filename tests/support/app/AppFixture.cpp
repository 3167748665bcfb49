#include "AppFixture.h"

#include "core/Function.h"
#include "platform/Dialogs.h"
#include "platform/Form.h"
#include "windows/frmAlert.h"

#include <QCoreApplication>
#include <QDir>
#include <QDirIterator>
#include <QFile>

static void copyTree(const QString& from, const QString& to)
{
    QDir().mkpath(to);
    QDirIterator it(from, QDir::Files | QDir::NoDotAndDotDot, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString src = it.next();
        const QString dst = to + src.mid(from.size());
        QDir().mkpath(QFileInfo(dst).path());
        QFile::copy(src, dst);
    }
}

void destroyAllForms()
{
    for (platform::Form* f : platform::Form::loadedForms())
        delete f;
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

void AppFixture::SetUp()
{
    ASSERT_TRUE(home.isValid());
    copyTree(QStringLiteral(TROVELIN_FILES_DIR), home.path() + QStringLiteral("/Files"));
    QFile::remove(filePath(QStringLiteral("Parlowen.nt")));
    qputenv("TROVELIN_HOME", home.path().toLocal8Bit());
    Function::ResetState();
    frmAlert::Tick = 0;
}

void AppFixture::TearDown()
{
    destroyAllForms();
    dialogs.verify();
    qunsetenv("TROVELIN_HOME");
}

QString AppFixture::filePath(const QString& name) const
{
    return home.path() + QStringLiteral("/Files/") + name;
}

void AppFixture::writeFile(const QString& name, const QByteArray& bytes) const
{
    QFile f(filePath(name));
    QDir().mkpath(QFileInfo(f).path());
    ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(bytes);
}

QByteArray AppFixture::readFile(const QString& name) const
{
    QFile f(filePath(name));
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void AppFixture::expectSendRefused()
{
    dialogs.expectMsgBox(QStringLiteral("Ha Ocurrido Un Error al intentar enviar el mensaje. \r\nEstas Desconectado!"),
                         platform::vbInformation, QStringLiteral("Error"));
}
