#include "platform/DefaultButtons.h"

#include "platform/Errors.h"

#include <QKeyEvent>
#include <QPushButton>

namespace platform {

static const char* kButton = "platformDefaultButton";

void DefaultButtons::bind(QWidget* box, QPushButton* button)
{
    box->setProperty(kButton, QVariant::fromValue(static_cast<QObject*>(button)));
    box->installEventFilter(this);
}

void DefaultButtons::bind(QWidget* box, QPushButton* button, const char* handler, std::function<void()> onEnter)
{
    bind(box, button);
    ownEnter_.insert(box, {handler, std::move(onEnter)});
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
        if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
            if (const auto own = ownEnter_.constFind(watched); own != ownEnter_.cend()) {
                const OwnEnter run = *own;  // the handler may bind or unbind boxes
                guard(run.handler, run.body);
            } else if (current_ && current_->isEnabled()) {
                current_->click();
            }
            return true;
        }
    }
    return QObject::eventFilter(watched, event);
}

}  // namespace platform
