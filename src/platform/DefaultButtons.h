#pragma once
// Qt has default buttons only in dialogs; the original's windows had one
// each. A box that gets the focus makes its button the window's default,
// and Enter in a box that does not take Enter itself clicks that button.
#include <QObject>
#include <QPointer>
#include <QPushButton>

class QWidget;

namespace platform {

class DefaultButtons : public QObject {
    Q_OBJECT
public:
    enum class Enter { ClicksDefault, LeftToBox };

    explicit DefaultButtons(QObject* parent = nullptr) : QObject(parent) {}
    void bind(QWidget* box, QPushButton* button, Enter enter = Enter::ClicksDefault);
    QPushButton* current() const { return current_; }
    void setCurrent(QPushButton* button);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QPointer<QPushButton> current_;
};

}  // namespace platform
