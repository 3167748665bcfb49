#pragma once
// A pop-up alert: it slides up from below the screen at the right-hand
// side, rests above the task bar in its place of the stack, and slides down
// out of sight. Each alert is an instance of its own, made by MuestraAlerta;
// its DisplayAlert returns when the alert has gone or its title was
// clicked, handling every other event meanwhile.
#include "platform/Form.h"

#include <QPointer>
#include <QString>

class QEventLoop;
class QTimer;

namespace platform {
class ClickLabel;
}

class frmAlert : public platform::Form {
    Q_OBJECT
public:
    frmAlert();

    // The ms between ticks of the slide and the stay. Tests, which count
    // ticks, not time, make them as short as the event loop allows.
    static inline int Tick = 15;

    void DisplayAlert(const QString& title, const QString& message, const QString& link, qint32 stay);
    // What DisplayAlert does before it waits: the alert below the screen,
    // on top of every window, starting to slide in.
    void showAlert(const QString& title, const QString& message, const QString& link, qint32 stay);
    void Abre_Priv();

    // Position in twips from the screen's top left, as the slide counts it.
    int Left = 0;
    int Top = 0;

    qint32 Permanencia = 0;     // ticks still to stay once arrived
    bool TituloPulsado = false;  // the title was clicked: the wait ends
    qint16 Velocidad = 0;       // twips a slide step
    qint16 PuestoPila = 0;      // place in the stack, 1 the lowest

    platform::ClickLabel* Picture1;
    platform::ClickLabel* Label1;  // the title
    platform::ClickLabel* Label4;  // the message
    platform::ClickLabel* Label2;  // the link
    platform::ClickLabel* Image1;
    platform::ClickLabel* Image2;
    QTimer* Timer1;  // slide in and stay
    QTimer* Timer2;  // slide out

    void Timer1_Timer();
    void Timer2_Timer();
    void Form_Click();
    void Image1_Click();
    void Label1_Click();
    void Label2_Click();
    void Label4_Click();
    void Picture1_Click();

protected:
    void Form_Load() override;
    void Form_Unload(qint16& Cancel) override;
    void hideEvent(QHideEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void place();
    void endWait();

    QPointer<QEventLoop> wait_;
    bool waitOver_ = false;  // DisplayAlert has returned
    bool slidOut_ = false;
};
