#include "windows/frmOperador.h"

#include "platform/Geometry.h"
#include "platform/ListView.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>

using namespace platform;

frmOperador::frmOperador()
{
    setObjectName(QStringLiteral("frmOperador"));
    setCaption(QStringLiteral("Moderador"));
    fixedTwipsWindow(this, 3975, 4200);

    auto* label = new QLabel(QStringLiteral("Usuario:"), this);
    label->setGeometry(twipsRect(120, 240, 1095, 255));
    Text1 = new QLineEdit(this);
    Text1->setObjectName(QStringLiteral("Text1"));
    Text1->setGeometry(twipsRect(1200, 210, 2655, 285));

    auto* Frame2 = new QGroupBox(QStringLiteral("Baneados"), this);
    Frame2->setGeometry(twipsRect(2040, 600, 1815, 2415));
    List2 = new ListBox(Frame2);
    List2->setObjectName(QStringLiteral("List2"));
    List2->setGeometry(twipsRect(120, 720, 1575, 1230));
}
