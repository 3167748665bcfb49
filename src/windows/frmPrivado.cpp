#include "windows/frmPrivado.h"

#include "core/Function.h"
#include "core/frmIRC.h"
#include "platform/DefaultButtons.h"
#include "platform/Geometry.h"
#include "platform/Handlers.h"
#include "platform/HtmlView.h"
#include "platform/Text.h"

#include <QLineEdit>
#include <QPushButton>

using namespace platform;
using namespace Function;

frmPrivado::frmPrivado()
{
    setObjectName(QStringLiteral("frmPrivado"));
    fixedTwipsWindow(this, 6015, 4680);

    DHTML = new HtmlView(this);
    DHTML->setObjectName(QStringLiteral("DHTML"));
    DHTML->setProperty("role", QStringLiteral("view"));
    DHTML->setGeometry(twipsRect(120, 240, 5775, 3855));
    Text1 = new QLineEdit(this);
    Text1->setObjectName(QStringLiteral("Text1"));
    Text1->setGeometry(twipsRect(120, 4200, 4455, 285));
    Text1->setToolTip(QStringLiteral("Tu Mensaje/Your Message"));
    Command1 = new QPushButton(QStringLiteral("Send"), this);
    Command1->setObjectName(QStringLiteral("Command1"));
    Command1->setGeometry(twipsRect(4680, 4200, 1215, 285));
    Command1->setToolTip(QStringLiteral("Envia/Send"));

    defaultButtons = new DefaultButtons(this);
    defaultButtons->bind(Text1, Command1, "frmPrivado.Text1_KeyPress", [this] { Text1_KeyPress(); });
    on(Command1, &QPushButton::clicked, this, "Command1_Click", [this] { Command1_Click(); });
}

QString frmPrivado::captionFor(const QString& nick) { return QStringLiteral("Privado Con : ") + nick; }

void frmPrivado::Form_Load() { setWindowStateValue(vbMinimized); }

void frmPrivado::nuevomsg(const QString& incomingnick, const QString& incomingmsg)
{
    if (incomingnick != MiNick)
        setCaption(captionFor(incomingnick));
    Imprime_rich(Chr(2) + u' ' + incomingnick + QStringLiteral(" : ") + Chr(15) + incomingmsg);
}

void frmPrivado::Imprime_rich(const QString& newmsg)
{
    const QString line = newmsg + QStringLiteral("<br>");
    RichTextBox1 += line;
    // The document is FormatoHTML of the whole conversation; only the new
    // line is rendered, unless it could change what came before it.
    if (formato_.continues(line))
        DHTML->writeOn(formato_.add(line));
    else
        DHTML->setDocumentHTML(formato_.restart(RichTextBox1));
    DHTML->setClosingTags(formato_.closing());
    DHTML->scrollToEnd();
}

void frmPrivado::Command1_Click()
{
    const QString text = Text1->text();
    frmIRC::instance()->SendMsg(text, Mid(Caption(), 15));
    // Typed "<" and ">" are shown, not taken for tags: one "<!--" would
    // hide every later line.
    Imprime_rich(Chr(2) + MiNick + QStringLiteral(" : ") + Chr(15) + TextoHTML(text));
    Text1->clear();
}

void frmPrivado::Text1_KeyPress() { Command1_Click(); }
