#pragma once
// The auto-answer: while its box is ticked, a private line that reaches the
// end of the dispatcher's private branch is answered with the text below,
// "(USUARIO)" standing for the sender and "(HORA)" for the time of day.
#include "platform/Form.h"

#include <QHash>
#include <array>

class QCheckBox;
class QLabel;
class QPlainTextEdit;
class QPushButton;

class frmContestador : public platform::FormOf<frmContestador> {
    Q_OBJECT
public:
    frmContestador();

    // Answers Nicks, who sent text. Nobody is answered twice within this
    // time: two clients that answer each other would talk until the server
    // dropped them.
    static constexpr qint64 kPausa = 60000;  // ms
    void contesta(const QString& Nicks, const QString& text);

    // When each sender (in lower case) was last answered, in ms of a steady
    // clock (steadyMs).
    QHash<QString, qint64> Respondidos;
    static qint64 steadyMs();

    std::array<QLabel*, 2> SkinLabel1;
    QPlainTextEdit* Text1;  // the answer text
    QCheckBox* Check1;      // on while ticked
    QPushButton* Command1;  // "Aceptar"

    void Check1_Click();
    void Command1_Click();

protected:
    void Form_Load() override;
};
