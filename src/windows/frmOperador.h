#pragma once
// The operator panel ("Moderador"). For now it holds what the main user
// list reaches: the nick box, which a click in the list fills, and the list
// of banned nicks, which every kick from the list's menu joins. Its buttons
// come with the panel itself; until then it stays loaded and hidden, and
// its lists live as long as it does.
#include "platform/Form.h"

class QLineEdit;
namespace platform {
class ListBox;
}

class frmOperador : public platform::FormOf<frmOperador> {
    Q_OBJECT
public:
    frmOperador();

    QLineEdit* Text1;          // the nick to act on
    platform::ListBox* List2;  // nicks banned here
};
