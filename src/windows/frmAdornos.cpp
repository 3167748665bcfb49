#include "windows/frmAdornos.h"

#include "core/ChatColors.h"
#include "core/Function.h"
#include "core/GridHit.h"
#include "core/frmIRC.h"
#include "platform/AppFiles.h"
#include "platform/BoxLook.h"
#include "platform/Colors.h"
#include "platform/Dialogs.h"
#include "platform/Errors.h"
#include "platform/Geometry.h"
#include "platform/Handlers.h"
#include "platform/ListView.h"
#include "platform/PlacedButton.h"
#include "platform/PictureBox.h"
#include "platform/Text.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTimer>

using namespace platform;
using namespace Function;

namespace {

const QString kArchivo = QStringLiteral("\\Files\\Adornos.ini");

// A decoration colour v (0 to 16): its code and the box's text colour.
QString decorationCode(int v) { return v == 16 ? QString() : chatcolors::fontCode(v); }

QColor decorationColor(int v)
{
    static constexpr quint32 colors[17] = {
        0xE0E0E0, 0x0,    0x800000, 0x8000,   0xFF,     0x80,     0x800080, 0x40C0, 0xFFFF,
        0xFF00,   0xC0C000, 0xFFFF00, 0xFF0000, 0xFF00FF, 0xC0C0C0, 0x808080, 0x0,
    };
    return vbColor(colors[v]);
}

QLabel* label(const QString& text, QWidget* parent, int left, int top, int width)
{
    auto* l = new QLabel(text, parent);
    l->setGeometry(twipsRect(left, top, width, 240));
    return l;
}

QLineEdit* box(const char* name, const QString& tip, QWidget* parent, int top)
{
    auto* b = new QLineEdit(parent);
    b->setObjectName(QString::fromLatin1(name));
    b->setToolTip(tip);
    b->setGeometry(twipsRect(120, top, 4560, 315));
    return b;
}

QScrollBar* colourBar(const char* name, QWidget* parent, int top)
{
    auto* bar = new QScrollBar(Qt::Horizontal, parent);
    bar->setObjectName(QString::fromLatin1(name));
    bar->setRange(0, 16);
    bar->setPageStep(1);
    bar->setGeometry(twipsRect(120, top, 4560, 240));
    return bar;
}

}  // namespace

frmAdornos::frmAdornos()
{
    setObjectName(QStringLiteral("frmAdornos"));
    setCaption(QStringLiteral("Adornos"));
    fixedTwipsWindow(this, 8040, 4680);

    label(QStringLiteral("Tu Adorno Izquierdo:"), this, 120, 120, 2400);
    AdornoI = box("AdornoI", QStringLiteral("Tu dorno isquierdo/Your left ornament"), this, 360);
    HScroll1 = colourBar("HScroll1", this, 720);
    label(QStringLiteral("Tu Adorno Derecho:"), this, 120, 1080, 2400);
    AdornoD = box("AdornoD", QStringLiteral("Tu adorno Derecho/Your ight ornament"), this, 1320);
    HScroll2 = colourBar("HScroll2", this, 1680);
    label(QStringLiteral("Edita Tus adornos aqui:"), this, 120, 2040, 2400);
    Text1 = box("Text1", QString(), this, 2280);

    Command2 = placedButton(QStringLiteral("Izquierdo"), QStringLiteral("Aplicar adorno isquierdo/Apply left ornament"),
                            "Command2", this, twipsRect(120, 2700, 1440, 345));
    Command3 = placedButton(QStringLiteral("Derecho"), QStringLiteral("Aplicar dorno Derecho/Apply right ornament"),
                            "Command3", this, twipsRect(1680, 2700, 1440, 345));
    Command4 = placedButton(QStringLiteral("Preview en chat"), QStringLiteral("Previsualizar en chat/Chat preview"),
                            "Command4", this, twipsRect(3240, 2700, 1440, 345));

    label(QStringLiteral("Fuente"), this, 120, 3240, 1200);
    label(QStringLiteral("Fondo"), this, 1440, 3240, 1200);
    Picture1 = new PictureBox(this);
    Picture1->setObjectName(QStringLiteral("Picture1"));
    Picture1->setGeometry(twipsRect(120, 3480, 975, 975));
    Picture1->setPicture(chatcolors::grid(17));
    Shape1 = new Shape(Picture1, 0, 0, 255, 255);
    Picture2 = new PictureBox(this);
    Picture2->setObjectName(QStringLiteral("Picture2"));
    Picture2->setGeometry(twipsRect(1440, 3480, 975, 975));
    Picture2->setPicture(chatcolors::grid(17));
    Shape2 = new Shape(Picture2, 0, 0, 255, 255);
    Command5 = placedButton(QStringLiteral("Limpiar"), QStringLiteral("Limpiar/Clean"), "Command5", this,
                            twipsRect(3240, 3480, 1440, 345));

    List1 = new ListBox(this);
    List1->setObjectName(QStringLiteral("List1"));
    List1->setToolTip(QStringLiteral("Tus adornos/Your Ornaments"));
    List1->setGeometry(twipsRect(4920, 120, 3000, 2460));
    Command6 = placedButton(QStringLiteral("Almacenar Adornos"), QString(), "Command6", this,
                            twipsRect(4920, 2700, 3000, 345));
    Command7 = placedButton(QStringLiteral("Random On"), QStringLiteral("Aleatorios/Random"), "Command7", this,
                            twipsRect(4920, 3240, 1320, 345));
    Command8 = placedButton(QStringLiteral("Remover Adorno"), QStringLiteral("Aleatorios/Random"), "Command8", this,
                            twipsRect(6360, 3240, 1560, 345));
    Command1 = placedButton(QStringLiteral("Aceptar"), QString(), "Command1", this,
                            twipsRect(4920, 4110, 3000, 345));
    Command1->setProperty("primary", true);

    Timer1 = new QTimer(this);
    Timer1->setInterval(500);
    connectHandlers();
}

void frmAdornos::connectHandlers()
{
    on(Command1, &QPushButton::clicked, this, "Command1_Click", [this] { Command1_Click(); });
    on(Command2, &QPushButton::clicked, this, "Command2_Click", [this] { Command2_Click(); });
    on(Command3, &QPushButton::clicked, this, "Command3_Click", [this] { Command3_Click(); });
    on(Command4, &QPushButton::clicked, this, "Command4_Click", [this] { Command4_Click(); });
    on(Command5, &QPushButton::clicked, this, "Command5_Click", [this] { Command5_Click(); });
    on(Command6, &QPushButton::clicked, this, "Command6_Click", [this] { Command6_Click(); });
    on(Command7, &QPushButton::clicked, this, "Command7_Click", [this] { Command7_Click(); });
    on(Command8, &QPushButton::clicked, this, "Command8_Click", [this] { Command8_Click(); });
    on(List1, &ListBox::itemClicked, this, "List1_Click", [this] { List1_Click(); });
    on(HScroll1, &QScrollBar::valueChanged, this, "HScroll1_Change", [this] { HScroll1_Change(); });
    on(HScroll2, &QScrollBar::valueChanged, this, "HScroll2_Change", [this] { HScroll2_Change(); });
    on(Picture1, &PictureBox::MouseMove, this, "Picture1_MouseMove",
       [this](Qt::MouseButtons, int x, int y) { Picture1_MouseMove(x, y); });
    on(Picture1, &PictureBox::Click, this, "Picture1_Click", [this] { Picture1_Click(); });
    on(Picture2, &PictureBox::MouseMove, this, "Picture2_MouseMove",
       [this](Qt::MouseButtons, int x, int y) { Picture2_MouseMove(x, y); });
    on(Picture2, &PictureBox::Click, this, "Picture2_Click", [this] { Picture2_Click(); });
    on(Timer1, &QTimer::timeout, this, "Timer1_Timer", [this] { Timer1_Timer(); });
}

void frmAdornos::Form_Load()
{
    AdornoI->setText(AdornoIzquierdo);
    AdornoD->setText(AdornoDerecho);
    frmIRC::instance()->LoadList(*List1, kArchivo);
}

void frmAdornos::guardar_adornos()
{
    AdornoIzquierdo = AdornoI->text();
    AdornoDerecho = AdornoD->text();
    GuardaDatos();
}

// --- Buttons ------------------------------------------------------------------------

void frmAdornos::Command1_Click()
{
    guardar_adornos();
    Hide();
}

void frmAdornos::Command2_Click() { AdornoI->setText(Text1->text()); }

void frmAdornos::Command3_Click() { AdornoD->setText(Text1->text()); }

void frmAdornos::Command4_Click()
{
    // The decorations are the user's own text: shown as written, never as markup.
    frmIRC::instance()->New_msg(TextoHTML(AdornoI->text()) + QStringLiteral(" Tu adorno ") + TextoHTML(AdornoD->text()) +
                                QStringLiteral("<br>"));
}

void frmAdornos::Command5_Click()
{
    AdornoI->clear();
    AdornoD->clear();
}

void frmAdornos::Command6_Click()
{
    const QString entry = QStringLiteral("[IZQ]") + FormatoTexto[4] + AdornoI->text() + QStringLiteral("[/IZQ][DER]") +
                          FormatoTexto[5] + AdornoD->text() + QStringLiteral("[/DER]");
    // The list file holds Windows-1252 only: an entry it cannot hold would
    // come back damaged.
    if (fromCp1252(toCp1252(entry)) != entry) {
        MsgBox(QStringLiteral("Este adorno tiene caracteres que no se pueden almacenar."), vbInformation,
               QStringLiteral("Adornos"));
        return;
    }
    List1->addItem(entry);
    frmIRC::instance()->SaveList(*List1, kArchivo);
}

void frmAdornos::Command7_Click()
{
    if (Command7->text() != QStringLiteral("Random On")) {
        Timer1->stop();
        Command7->setText(QStringLiteral("Random On"));
    } else {
        Timer1->start();
        Command7->setText(QStringLiteral("Random Off"));
    }
}

void frmAdornos::Command8_Click()
{
    // A position that names no entry any more (a second removal without a
    // new click) removes nothing.
    if (List1->count() >= 1 && IndiceAdorno >= 0 && IndiceAdorno < List1->count())
        List1->removeItem(IndiceAdorno);
}

void frmAdornos::List1_Click()
{
    IndiceAdorno = qint16(List1->listIndex());
    const QString entry = List1->selectedText();
    const QString left = EntreMarcas(entry, QStringLiteral("[IZQ]"), QStringLiteral("[/IZQ]"));
    if (left.isEmpty())
        return;
    AdornoI->setText(left);
    const QString right = EntreMarcas(entry, QStringLiteral("[DER]"), QStringLiteral("[/DER]"));
    if (!right.isEmpty())
        AdornoD->setText(right);
}

void frmAdornos::Timer1_Timer()
{
    resumeNext("Timer1_Timer", [this] {
        if (List1->count() < 2)
            return;
        if (List1->listIndex() >= List1->count() - 1)
            List1->setListIndex(-1);
        List1->setListIndex(List1->listIndex() + 1);
        List1_Click();
    });
}

// --- Colours ------------------------------------------------------------------------

void frmAdornos::HScroll1_Change() { decorationColour(HScroll1->value(), AdornoI, 4, ColorIzquierdo); }

void frmAdornos::HScroll2_Change() { decorationColour(HScroll2->value(), AdornoD, 5, ColorDerecho); }

void frmAdornos::decorationColour(int v, QLineEdit* box, int slot, QString& saved)
{
    setForeColor(box, decorationColor(v));
    FormatoTexto[slot] = decorationCode(v);
    saved = QString::number(v);
    GuardaDatos();
}

void frmAdornos::Picture1_MouseMove(int X, int Y)
{
    hitGrid(X, Y, 255, 1035, 1035, 4, *Shape1, ColumnaPaleta, FilaPaleta);
    Picture1->setToolTip(QStringLiteral("Color de fuente/Font color"));
}

void frmAdornos::Picture1_Click()
{
    Text1->insert(chatcolors::fontCode(ColumnaPaleta + FilaPaleta));
}

void frmAdornos::Picture2_MouseMove(int X, int Y)
{
    hitGrid(X, Y, 255, 1035, 1035, 4, *Shape2, ColumnaFondo, FilaFondo);
    Picture2->setToolTip(QStringLiteral("Color de fondo/Background color"));
}

void frmAdornos::Picture2_Click()
{
    Text1->insert(chatcolors::backCode(ColumnaFondo + FilaFondo));
}
