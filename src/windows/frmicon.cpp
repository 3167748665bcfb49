#include "windows/frmicon.h"

#include "core/Function.h"
#include "core/GridHit.h"
#include "core/frmIRC.h"
#include "platform/AppFiles.h"
#include "platform/Geometry.h"
#include "platform/Handlers.h"
#include "platform/PictureBox.h"

#include <QGroupBox>
#include <QPainter>
#include <QPlainTextEdit>

using namespace platform;

namespace {

constexpr int kCell = 481;  // twips from one cell's start to the next

// The 44 emoticons in 5 columns and 9 rows, row by row, each centred in its
// cell; the last cell stays empty.
QPixmap emoticonGrid()
{
    QPixmap grid(161, 289);
    grid.fill(Qt::white);
    QPainter p(&grid);
    p.setPen(QColor(0xdd, 0xe4, 0xee));
    for (int k = 1; k < 5; ++k)
        p.drawLine(twips(k * kCell), 0, twips(k * kCell), grid.height());
    for (int k = 1; k < 9; ++k)
        p.drawLine(0, twips(k * kCell), grid.width(), twips(k * kCell));
    for (int n = 0; n < Function::EmoticonCodes().size(); ++n) {
        const QPixmap face(FilesPath(QStringLiteral("Pictures/Brisolo/IconCG/%1.png").arg(n, 2, 10, QChar(u'0'))));
        const QRect cell = twipsRect((n % 5) * kCell, (n / 5) * kCell, kCell, kCell);
        p.drawPixmap(cell.center() - face.rect().center(), face);
    }
    return grid;
}

}  // namespace

frmicon::frmicon()
{
    setObjectName(QStringLiteral("frmicon"));
    setCaption(QStringLiteral(" Iconos"));
    fixedTwipsWindow(this, 2895, 4980);
    Frame1 = new QGroupBox(QStringLiteral("Iconos"), this);
    Frame1->setGeometry(twipsRect(120, 120, 2655, 4695));
    Picture1 = new PictureBox(Frame1);
    Picture1->setObjectName(QStringLiteral("Picture1"));
    Picture1->setGeometry(twipsRect(120, 240, 2415, 4335));
    Picture1->setPicture(emoticonGrid());
    Shape1 = new Shape(Picture1, 480, 480, 495, 495);

    on(Picture1, &PictureBox::MouseMove, this, "Picture1_MouseMove",
       [this](Qt::MouseButtons, int x, int y) { Picture1_MouseMove(x, y); });
    on(Picture1, &PictureBox::Click, this, "Picture1_Click", [this] { Picture1_Click(); });
}

void frmicon::Picture1_MouseMove(int X, int Y)
{
    hitGrid(X, Y, kCell, 3435, 4875, 5, *Shape1, ColumnaIcono, FilaIcono);
}

void frmicon::Picture1_Click()
{
    // The empty last cell puts nothing in: it only removes the selection.
    const int index = ColumnaIcono + FilaIcono;
    const QList<QString>& codes = Function::EmoticonCodes();
    frmIRC::instance()->txtChatMsg->insertPlainText(index >= 0 && index < codes.size() ? codes.at(index) : QString());
}
