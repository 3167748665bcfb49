#include "windows/frmWhois.h"

#include "platform/Geometry.h"
#include "platform/Handlers.h"
#include "platform/Text.h"

#include <QLabel>
#include <QLineEdit>

using namespace platform;

frmWhois::frmWhois()
{
    setObjectName(QStringLiteral("frmWhois"));
    setCaption(QStringLiteral("Quien es"));
    fixedTwipsWindow(this, 4065, 1695);
    struct Row {
        int top;
        const char* label;
        QLineEdit** box;
        const char* name;
    };
    const Row rows[] = {
        {120, "Ip:", &Text4, "Text4"},
        {480, "Cliente:", &Text1, "Text1"},
        {840, "Canales:", &Text2, "Text2"},
        {1200, "Servidor:", &Text3, "Text3"},
    };
    for (const Row& r : rows) {
        auto* label = new QLabel(QString::fromLatin1(r.label), this);
        label->setGeometry(twipsRect(120, r.top, 735, 285));
        *r.box = new QLineEdit(this);
        (*r.box)->setObjectName(QString::fromLatin1(r.name));
        (*r.box)->setGeometry(twipsRect(1080, r.top, 2895, 285));
    }
    on(Text4, &QLineEdit::textChanged, this, "Text4_Change", [this] { Text4_Change(); });
}

void frmWhois::Text4_Change()
{
    // A text that begins with its blank is already cut; one without a blank
    // (a one-word host, or the user typing) stays as it is.
    const int blank = InStr(Text4->text(), QStringLiteral(" "));
    if (blank > 1)
        Text4->setText(Mid(Text4->text(), blank));
}
