#pragma once
// A label that can be clicked, as the original's labels could.
#include <QLabel>
#include <QMouseEvent>

namespace platform {

class ClickLabel : public QLabel {
    Q_OBJECT
public:
    using QLabel::QLabel;

signals:
    void clicked();

protected:
    // A click is the label's own: a label inside a panel that takes clicks
    // too does not pass it on.
    void mouseReleaseEvent(QMouseEvent* event) override
    {
        QLabel::mouseReleaseEvent(event);
        if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) {
            event->accept();
            emit clicked();
        }
    }
};

}  // namespace platform
