#include "platform/PlacedButton.h"

#include <QPushButton>

namespace platform {

QPushButton* placedButton(const QString& caption, const QString& tip, const char* name, QWidget* parent,
                          const QRect& place)
{
    auto* b = new QPushButton(caption, parent);
    b->setObjectName(QString::fromLatin1(name));
    b->setToolTip(tip);
    b->setAutoDefault(false);
    b->setGeometry(place);
    return b;
}

}  // namespace platform
