#pragma once
// The server console: the log of every received line, and a command line
// whose text goes to the server as a raw line.
#include "platform/Form.h"

class QLineEdit;
class QPushButton;
namespace platform {
class DefaultButtons;
class LogBox;
}  // namespace platform

class frmServer : public platform::FormOf<frmServer> {
    Q_OBJECT
public:
    frmServer();

    platform::LogBox* RichTextBox1;
    QLineEdit* Text1;
    QPushButton* CmdCommando;

    void CmdCommando_Click();

private:
    platform::DefaultButtons* defaultButtons;
};
