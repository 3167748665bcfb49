#pragma once
// Qt has default buttons only in dialogs; the original's windows had one
// each. A box that gets the focus makes its button the window's default,
// and Enter in the box clicks that button, unless the box handles Enter
// itself (its KeyPress handler): then Enter runs that handler alone and
// goes no further.
#include <QHash>
#include <QObject>
#include <QPointer>
#include <QPushButton>
#include <functional>

class QWidget;

namespace platform {

class DefaultButtons : public QObject {
    Q_OBJECT
public:
    explicit DefaultButtons(QObject* parent = nullptr) : QObject(parent) {}
    void bind(QWidget* box, QPushButton* button);
    // Enter runs onEnter, entered through guard() as the handler named.
    void bind(QWidget* box, QPushButton* button, const char* handler, std::function<void()> onEnter);
    QPushButton* current() const { return current_; }
    void setCurrent(QPushButton* button);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct OwnEnter {
        const char* handler;
        std::function<void()> body;
    };
    QPointer<QPushButton> current_;
    QHash<QObject*, OwnEnter> ownEnter_;
};

}  // namespace platform
