#pragma once
// The emoticon picker: every emoticon in one picture laid out as a grid; a
// click puts the code of the cell under the mouse at the chat box's caret.
#include "platform/Form.h"

class QGroupBox;

namespace platform {
class PictureBox;
class Shape;
}  // namespace platform

class frmicon : public platform::FormOf<frmicon> {
    Q_OBJECT
public:
    frmicon();

    QGroupBox* Frame1;
    platform::PictureBox* Picture1;
    platform::Shape* Shape1;  // the hover frame

    qint32 ColumnaIcono = 0;  // column of the cell under the mouse
    qint32 FilaIcono = 0;     // its row times 5

    void Picture1_MouseMove(int X, int Y);
    void Picture1_Click();
};
