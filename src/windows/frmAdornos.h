#pragma once
// The decorations window: the two decorations every line sent is framed by,
// their colours, a box for composing decoration text with colour codes, and
// the stored decoration pairs, which can take turns every half second.
#include "platform/Form.h"

class QLineEdit;
class QPushButton;
class QScrollBar;
class QTimer;

namespace platform {
class ListBox;
class PictureBox;
class Shape;
}  // namespace platform

class frmAdornos : public platform::FormOf<frmAdornos> {
    Q_OBJECT
public:
    frmAdornos();

    // Keeps the two decorations in the settings.
    void guardar_adornos();

    // --- Controls --------------------------------------------------------------
    QLineEdit* AdornoI;  // left decoration
    QLineEdit* AdornoD;  // right decoration
    QLineEdit* Text1;    // composing box
    QPushButton* Command1;  // Aceptar
    QPushButton* Command2;  // Izquierdo
    QPushButton* Command3;  // Derecho
    QPushButton* Command4;  // Preview en chat
    QPushButton* Command5;  // Limpiar
    QPushButton* Command6;  // Almacenar Adornos
    QPushButton* Command7;  // Random On / Random Off
    QPushButton* Command8;  // Remover Adorno
    platform::ListBox* List1;   // stored decoration pairs
    QScrollBar* HScroll1;       // left decoration colour, 0 to 16
    QScrollBar* HScroll2;       // right decoration colour
    platform::PictureBox* Picture1;  // font colour grid
    platform::PictureBox* Picture2;  // background colour grid
    platform::Shape* Shape1;
    platform::Shape* Shape2;
    QTimer* Timer1;  // the rotation

    // --- Form fields -------------------------------------------------------------
    qint32 ColumnaPaleta = 0, FilaPaleta = 0;
    qint32 ColumnaFondo = 0, FilaFondo = 0;
    qint16 IndiceAdorno = 0;  // the entry last chosen in List1

    // --- Event handlers ------------------------------------------------------------
    void Command1_Click();
    void Command2_Click();
    void Command3_Click();
    void Command4_Click();
    void Command5_Click();
    void Command6_Click();
    void Command7_Click();
    void Command8_Click();
    void List1_Click();
    void HScroll1_Change();
    void HScroll2_Change();
    void Picture1_MouseMove(int X, int Y);
    void Picture1_Click();
    void Picture2_MouseMove(int X, int Y);
    void Picture2_Click();
    void Timer1_Timer();

protected:
    void Form_Load() override;

private:
    void connectHandlers();
    // A decoration colour v: the box's text colour, its format slot and its
    // saved value.
    void decorationColour(int v, QLineEdit* box, int slot, QString& saved);
};
