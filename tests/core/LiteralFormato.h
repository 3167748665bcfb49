#pragma once
// FormatoHTML and EscapaJS done the literal way, pass after pass over the
// whole text, with tables of their own. The renderer must give exactly what
// these give; the benchmark times them as the cost to beat.
#include "core/Hosts.h"
#include "platform/Text.h"

#include <QString>
#include <QStringList>

namespace literal {

inline const QStringList& emoticonCodes()
{
    static const QStringList codes = {
        ":)", ":D", ":O", ":o", ":p", ";)", ":(", ":|", QString::fromUtf8(":\u00B4("), ":$",
        "(H)", ":@", ":-@", ":s", "o:", ">o", "b)", "<t>", "&)", ":%",
        QString::fromUtf8("\u00AC\u00AC"), "(#)", ":=", "(/)", ":[", "[@", "x)", "ZzZ", ":{}", "8)",
        ":)?", ">:b", "@-", "#(", "(0)", ":9", "@@", "|)", "#/", "XxX",
        "c()", "@*", "@=", "()",
    };
    return codes;
}

inline QString colorHtml(int index)
{
    static const QStringList names = {
        "white", "black", "darkblue", "darkgreen", "red", "darkred", "#800080", "orange", "yellow",
        "#00FF00", "#008080", "cyan", "blue", "FUCHSIA", "darkgray", "gray", "", "silver",
    };
    return index >= 0 && index < names.size() ? names[index] : QString();
}

inline QString emoticonTag(int n)
{
    return "<img src='http://" + hosts::kPictures + "/Brisolo/IconCG/" + (n < 10 ? "0" : "") +
           QString::number(n) + ".gif'>";
}

inline QString listTag(int picture)
{
    return "<IMG SRC=\"http://" + hosts::kPictures + "/img/list-new/" + QString::number(picture) + ".gif\">";
}

inline void replaceFirst(QString& text, const QString& find, const QString& with)
{
    using namespace platform;
    const int at = InStr(text, find, Compare::Text);
    if (at > 0)
        text = Left(text, at - 1) + with + Mid(text, at + find.size());
}

inline QString formatoHtml(QString& text)
{
    using namespace platform;
    static const QStringList emoticonTags = [] {
        QStringList tags;
        for (int n = 0; n < emoticonCodes().size(); ++n)
            tags << emoticonTag(n);
        return tags;
    }();
    static const QStringList listCodes = [] {
        QStringList codes;
        for (int k = 0; k <= 64; ++k)
            codes << (k < 10 ? "//0" : "//") + QString::number(k);
        return codes;
    }();
    static const QStringList listTags = [] {
        QStringList tags;
        for (int k = 0; k <= 64; ++k)
            tags << listTag(k + 1);
        return tags;
    }();
    for (int n = 0; n < emoticonCodes().size(); ++n)
        text = Replace(text, emoticonCodes()[n], emoticonTags[n], Compare::Text);
    for (int k = 0; k <= 64; ++k)
        text = Replace(text, listCodes[k], listTags[k], Compare::Text);

    qint16 foreground = 0, background = 0;
    bool colour = false, bold = false, underline = false;
    int pos = 0;
    for (;;) {
        pos = InStr(pos + 1, text, Chr(3));
        if (pos == 0)
            break;
        const QString rest = Mid(text, pos + 1);
        int length = 0;
        if (Like(rest, "#,##*")) {
            foreground = CInt(Mid(rest, 1, 1));
            background = CInt(Mid(rest, 3, 2));
            length = 5;
        } else if (Like(rest, "#,#*")) {
            foreground = CInt(Mid(rest, 1, 1));
            background = CInt(Mid(rest, 3, 1));
            length = 4;
        } else if (Like(rest, "##,##*")) {
            foreground = CInt(Mid(rest, 1, 2));
            background = CInt(Mid(rest, 4, 2));
            length = 6;
        } else if (Like(rest, "##,#*")) {
            foreground = CInt(Mid(rest, 1, 2));
            background = CInt(Mid(rest, 4, 1));
            length = 5;
        } else if (Like(rest, "##*")) {
            foreground = CInt(Mid(rest, 1, 2));
            length = 3;
        } else if (Like(rest, "#*")) {
            foreground = CInt(Mid(rest, 1, 1));
            length = 2;
        }
        if (Like(Left(rest, 1), "#")) {
            const QString tag = "<font color='" + colorHtml(foreground) + "' STYLE='background: " +
                                colorHtml(background) + "'>";
            replaceFirst(text, Mid(text, pos, length), (colour ? "</font>" : "") + tag);
            colour = true;
        } else {
            replaceFirst(text, Chr(3), colour ? "</font>" : "");
            colour = false;
        }
    }

    const int bolds = text.count(Chr(2));
    for (int i = 0; i < bolds; ++i) {
        bold = !bold;
        replaceFirst(text, Chr(2), bold ? "<b>" : "</b>");
    }
    const int underlines = text.count(Chr(31));
    for (int i = 0; i < underlines; ++i) {
        underline = !underline;
        replaceFirst(text, Chr(31), underline ? "<u>" : "</u>");
    }
    text = Replace(text, Chr(15), "</u></b></font> </font>");
    if (underline)
        text += "</u>";
    if (bold)
        text += "</b>";
    if (colour)
        text += "</font>";
    return text;
}

inline QString escapaJs(QString& text)
{
    using namespace platform;
    text = Replace(text, Chr(10), "");
    text = Replace(text, Chr(13), "");
    text = Replace(text, "\\", "\\\\");
    for (const char* c : {"{", "}", ";", "'", "\"", "(", ")", "]", "[", "#"})
        text = Replace(text, c, QString("\\") + c);
    return text;
}

}  // namespace literal
