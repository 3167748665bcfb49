#include "windows/frmAdornos.h"

#include <QLineEdit>

frmAdornos::frmAdornos()
{
    setObjectName(QStringLiteral("frmAdornos"));
    setCaption(QStringLiteral("Adornos"));
    AdornoI = new QLineEdit(this);
    AdornoI->setObjectName(QStringLiteral("AdornoI"));
    AdornoD = new QLineEdit(this);
    AdornoD->setObjectName(QStringLiteral("AdornoD"));
}
