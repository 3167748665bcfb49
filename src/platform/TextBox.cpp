#include "platform/TextBox.h"

namespace platform {

TextBox::TextBox(QWidget* parent) : QPlainTextEdit(parent)
{
    setReadOnly(true);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
}

void TextBox::setText(const QString& text)
{
    text_ = text;
    QString shown = text;
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n")).remove(u'\r');
    setPlainText(shown);
}

}  // namespace platform
