#pragma once
// The window of one private conversation, kept in VentanasPrivado under its
// caption, "Privado Con : " and the partner's nick. For now it keeps the
// conversation it is handed; its view and its send line come later.
#include "platform/Form.h"

#include <QString>

class frmPrivado : public platform::Form {
    Q_OBJECT
public:
    frmPrivado();

    // "Privado Con : " and the nick: the key the window is found by.
    static QString captionFor(const QString& nick);

    // A line from incomingnick: it names the window after the partner
    // (a line from the own nick leaves the caption alone) and is kept.
    void nuevomsg(const QString& incomingnick, const QString& incomingmsg);
    // Appends one line, with its IRC codes, to the conversation.
    void Imprime_rich(const QString& newmsg);
    // Every line so far, each followed by "<br>".
    const QString& conversation() const { return store_; }

protected:
    void Form_Load() override;

private:
    QString store_;
};
