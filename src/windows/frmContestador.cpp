#include "windows/frmContestador.h"

#include "core/Function.h"
#include "core/frmIRC.h"
#include "platform/Geometry.h"
#include "platform/Handlers.h"
#include "platform/Text.h"

#include <QCheckBox>
#include <QElapsedTimer>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTime>

using namespace platform;
using namespace Function;

frmContestador::frmContestador()
{
    setObjectName(QStringLiteral("frmContestador"));
    setCaption(QStringLiteral("Contestadora"));
    fixedTwipsWindow(this, 5190, 2160);

    SkinLabel1[0] = new QLabel(QStringLiteral("Utiliza  (USUARIO) para referirte al usuario."), this);
    SkinLabel1[0]->setGeometry(twipsRect(120, 120, 5295, 255));
    SkinLabel1[1] = new QLabel(QStringLiteral("Utiliza  (HORA) para referirte a la Hora."), this);
    SkinLabel1[1]->setGeometry(twipsRect(120, 360, 5295, 255));
    Text1 = new QPlainTextEdit(this);
    Text1->setObjectName(QStringLiteral("Text1"));
    Text1->setGeometry(twipsRect(120, 600, 5055, 975));
    Text1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    Text1->setToolTip(QStringLiteral("Contestacion/Answer"));
    Check1 = new QCheckBox(QStringLiteral("Activar Contestadora"), this);
    Check1->setObjectName(QStringLiteral("Check1"));
    Check1->setGeometry(twipsRect(120, 1680, 2535, 330));
    Check1->setToolTip(QStringLiteral("Activar/Activate"));
    Command1 = new QPushButton(QStringLiteral("Aceptar"), this);
    Command1->setObjectName(QStringLiteral("Command1"));
    Command1->setGeometry(twipsRect(2520, 1680, 2535, 330));
    Command1->setToolTip(QStringLiteral("Aceptar/Ok"));

    on(Check1, &QCheckBox::toggled, this, "Check1_Click", [this] { Check1_Click(); });
    on(Command1, &QPushButton::clicked, this, "Command1_Click", [this] { Command1_Click(); });
}

void frmContestador::Form_Load() { Text1->setPlainText(TextoContestadora); }

qint64 frmContestador::steadyMs()
{
    static QElapsedTimer clock = [] {
        QElapsedTimer t;
        t.start();
        return t;
    }();
    return clock.elapsed();
}

void frmContestador::contesta(const QString& Nicks, const QString& text)
{
    // Never the own nick, nor a CTCP request, whose answer is automatic on
    // the other side too; and each sender once a pause at most.
    if (Nicks.compare(MiNick, Qt::CaseInsensitive) == 0 || text.startsWith(Chr(1)))
        return;
    const QString key = Nicks.toLower();
    const qint64 now = steadyMs();
    if (const auto last = Respondidos.constFind(key); last != Respondidos.cend() && now - *last < kPausa)
        return;
    Respondidos.insert(key, now);
    // A copy: the text in the box stays as the user wrote it, for the next
    // sender and for "Aceptar".
    QString answer = Text1->toPlainText();
    answer.replace(QStringLiteral("(USUARIO)"), Nicks);
    answer.replace(QStringLiteral("(HORA)"), QTime::currentTime().toString(QStringLiteral("HH:mm:ss")));
    frmIRC::instance()->SendMsg(answer, Nicks);
}

void frmContestador::Check1_Click()
{
    Check1->setText(Check1->isChecked() ? QStringLiteral("Desactivar") : QStringLiteral("Activar"));
}

void frmContestador::Command1_Click()
{
    TextoContestadora = Text1->toPlainText();
    GuardaDatos();
    Hide();
}
