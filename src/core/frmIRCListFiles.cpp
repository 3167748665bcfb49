// The scrambled list files (the stored decorations, the favourite rooms):
// one item a line, each character scrambled by Cifra, the line ends not.
#include "core/Function.h"
#include "core/frmIRC.h"

#include "platform/AppFiles.h"
#include "platform/Dialogs.h"
#include "platform/ListView.h"
#include "platform/Text.h"

using namespace platform;

namespace Function {

QString Cifra(const QString& text, quint8 key)
{
    QByteArray bytes = toCp1252(text);
    for (char& b : bytes)
        b = char(quint8(b) ^ key);
    return fromCp1252(bytes);
}

QString EntreMarcas(const QString& entry, const QString& open, const QString& close)
{
    const int start = InStr(entry, open) + int(open.size());
    const int length = InStr(start, entry, close) - start;
    return length >= 1 ? Mid(entry, start, length) : QString();
}

}  // namespace Function

namespace {

// "\Files\X" beside the program.
QString listPath(const QString& Patch) { return AppPath() + QString(Patch).replace(u'\\', u'/'); }

}  // namespace

void frmIRC::SaveList(ListBox& lst, const QString& Patch)
{
    QStringList lines;
    for (int i = 0; i < lst.count(); ++i)
        lines << Function::Cifra(lst.item(i), Function::kClaveListas);
    if (!writeTextLines(listPath(Patch), lines))
        MsgBox(QStringLiteral("There has been a error!"), vbOKOnly, QStringLiteral("Error"));
}

void frmIRC::LoadList(ListBox& lst, const QString& Patch)
{
    // The fields are cut on the stored bytes: a plain character whose
    // scrambled form is a comma, a quote or a line end splits its item.
    const auto fields = readFieldsOfFile(listPath(Patch));
    if (!fields) {
        MsgBox(QStringLiteral("File Not Found"), vbOKOnly, QStringLiteral("Error"));
        return;
    }
    for (const QString& field : *fields)
        lst.addItem(Function::Cifra(field, Function::kClaveListas));
}
