// The robot's file read into its list.
#include "core/Function.h"
#include "platform/AppFiles.h"
#include "platform/EventPump.h"
#include "platform/ListView.h"
#include "platform/Text.h"
#include "platform/WireText.h"

using namespace platform;

namespace Function {

void CargaRobot(const QString& path, ListBox& list)
{
    if (path.isEmpty())
        return;
    // The file is the user's own text: UTF-8 as written today, or the older
    // Windows-1252.
    const auto fields = readFieldsOfFile(path, decodeLine);
    if (!fields)
        return;
    for (QString field : *fields) {
        ReemplazaTexto(field, QStringLiteral("_.-+ Vexlo-TeaM +-._"), QString());
        list.addItem(field);
    }
}

QString ReemplazaTexto(QString& text, const QString& find, const QString& replacement)
{
    if (find.isEmpty())
        return text;
    // Compared without case letter by letter, so positions stay those of text.
    int p = InStr(text, find, Compare::Text);
    while (p > 0) {
        DoEvents();
        text = Left(text, p - 1) + replacement + Mid(text, p + int(find.size()));
        // On after the replacement: text joined around an empty one is searched again.
        p = InStr(p + int(replacement.size()), text, find, Compare::Text);
    }
    return text;
}

}  // namespace Function
