#include "platform/DefaultButtons.h"

#include <QKeyEvent>
#include <QPushButton>

namespace platform {

static const char* kButton = "platformDefaultButton";
static const char* kEnter = "platformEnterClicks";

void DefaultButtons::bind(QWidget* box, QPushButton* button, Enter enter)
{
    box->setProperty(kButton, QVariant::fromValue(static_cast<QObject*>(button)));
    box->setProperty(kEnter, enter == Enter::ClicksDefault);
    box->installEventFilter(this);
}

void DefaultButtons::setCurrent(QPushButton* button)
{
    if (current_ == button)
        return;
    if (current_)
        current_->setDefault(false);
    current_ = button;
    if (current_)
        current_->setDefault(true);
}

bool DefaultButtons::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::FocusIn) {
        setCurrent(qobject_cast<QPushButton*>(watched->property(kButton).value<QObject*>()));
    } else if (event->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        if ((key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) &&
            watched->property(kEnter).toBool()) {
            if (current_ && current_->isEnabled())
                current_->click();
            return true;
        }
    }
    return QObject::eventFilter(watched, event);
}

}  // namespace platform
