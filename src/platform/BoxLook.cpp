#include "platform/BoxLook.h"

#include <QVariant>
#include <QWidget>

namespace platform {

namespace {

// The skin colours every box through its style sheet, so a box's own look
// is a style sheet of its own, rebuilt from what was set on it.
void restyle(QWidget* box)
{
    QString rules;
    const QColor fore = box->property("foreColor").value<QColor>();
    const QColor back = box->property("backColor").value<QColor>();
    if (fore.isValid())
        rules += QStringLiteral("color: %1; ").arg(fore.name());
    if (back.isValid())
        rules += QStringLiteral("background: %1; ").arg(back.name());
    if (box->property("bold").toBool())
        rules += QStringLiteral("font-weight: bold; ");
    if (box->property("underline").toBool())
        rules += QStringLiteral("text-decoration: underline; ");
    box->setStyleSheet(rules.isEmpty() ? QString()
                                       : QStringLiteral("%1 { %2}").arg(QString::fromLatin1(box->metaObject()->className()).replace(QStringLiteral("::"), QStringLiteral("--")), rules));
}

}  // namespace

void setForeColor(QWidget* box, const QColor& color)
{
    box->setProperty("foreColor", color);
    restyle(box);
}

void setBackColor(QWidget* box, const QColor& color)
{
    box->setProperty("backColor", color);
    restyle(box);
}

void setBold(QWidget* box, bool bold)
{
    box->setProperty("bold", bold);
    restyle(box);
}

void setUnderline(QWidget* box, bool underline)
{
    box->setProperty("underline", underline);
    restyle(box);
}

}  // namespace platform
