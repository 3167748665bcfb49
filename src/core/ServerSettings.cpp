// The server settings file: its areas, each with a chat server, a port and
// rooms. The program only reads it.
#include "core/Function.h"
#include "core/Hosts.h"
#include "core/frmDialog.h"
#include "platform/AppFiles.h"
#include "platform/Desktop.h"
#include "platform/Dialogs.h"
#include "platform/Errors.h"
#include "platform/ListView.h"
#include "platform/Text.h"

using namespace platform;

namespace Function {

// The table of areas has 30 places; further areas are left out.
constexpr int kMaxAreas = 30;

namespace {

// The area a field of the file heads, or "" when it heads none.
QString areaOf(const QString& field)
{
    return field.startsWith(u'[') && field.endsWith(u']') && field.size() >= 2 ? field.mid(1, field.size() - 2)
                                                                                 : QString();
}

}  // namespace

void CargaSecciones()
{
    const auto fields = readFieldsOfFile(ArchivoINI);
    if (!fields) {
        MsgBox(QStringLiteral("No se puede leer el archivo ") + ArchivoINI, vbCritical,
               QStringLiteral("Error en archivo!"));
        return;
    }
    Servidores.clear();
    int counter = 1;
    for (const QString& field : *fields) {
        const QString name = areaOf(field);
        if (name.isEmpty())
            continue;
        if (counter > kMaxAreas)
            break;
        Secciones[size_t(counter)] = name;
        frmDialog::instance()->List1->addItem(name);
        Servidores.resize(size_t(counter));
        CargaServidor(qint16(counter - 1), name);
        ++counter;
    }
}

bool CargaServidor(qint16 area, const QString& name)
{
    DatosServidor& s = Servidores[size_t(area)];
    s.LoginServer = LeeINI(name, QStringLiteral("LOGINSERVER"));
    s.LoginPortTexto = LeeINI(name, QStringLiteral("LOGINPORT"));
    s.LoginPort = PuertoDeTexto(s.LoginPortTexto);  // 0: refused when a room is chosen
    const QString rooms = LeeINI(name, QStringLiteral("ROOMS"));
    for (const QString& item : rooms.split(u';')) {
        const qsizetype colon = item.indexOf(u':');
        if (colon < 0)
            continue;
        DatosSala sala{item.left(colon), item.mid(colon + 1)};
        s.NombresSalas += u':' + sala.Nombre;
        s.Salas.push_back(sala);
    }
    return true;
}

QString ServidorPorDefecto()
{
    // Read quietly: a missing file or value is no error here, only a reason
    // to fall back on the maker's server.
    const QString file = FilesPath(QStringLiteral("Parlowen.ini"));
    if (const auto fields = readFieldsOfFile(file))
        for (const QString& field : *fields)
            if (const QString area = areaOf(field); !area.isEmpty()) {
                const QString server = readProfileString(file, area, QStringLiteral("LOGINSERVER"));
                return server.isEmpty() ? hosts::kChat : server;
            }
    return hosts::kChat;
}

quint16 PuertoDeTexto(const QString& text)
{
    const QString t = Trim(text);
    if (t.isEmpty())
        return 0;
    int value = 0;
    for (const QChar c : t) {
        if (c < u'0' || c > u'9')
            return 0;
        value = value * 10 + (c.unicode() - '0');
        if (value > 65535)
            return 0;
    }
    return quint16(value);
}

QString PuertoNoValido(const QString& text)
{
    return QStringLiteral("El puerto \"") + text + QStringLiteral("\" no es valido: debe ser un numero de 1 a 65535.");
}

QString LeeINI(const QString& section, const QString& key)
{
    BufferINI = QString(350, u' ');
    const QString value = readProfileString(ArchivoINI, section, key, 350);
    LargoINI = qint32(value.size());
    BufferINI = value + BufferINI.mid(value.size());
    if (LargoINI != 0)
        return Trim(Left(BufferINI, LargoINI));
    MsgBox(QStringLiteral("Vexlo-iRc a detectado un error en el archivo Vexlo-iRc.INI\r\nal intentar acceder a la sección ") +
               section + QStringLiteral(".\r\n\r\nCompruebe el error y vuelva a iniciar el programa."),
           vbCritical, QStringLiteral("Error en archivo!"));
    MsgBox(QStringLiteral("Esta aplicación no puede continuar y se cerrará."), vbCritical,
           QStringLiteral("Finalizando..."));
    End();
}

}  // namespace Function
