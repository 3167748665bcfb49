// The main window's text style: bold and underline, the font and background
// swatches, mix colour, the colour palette that inserts a colour code, the
// rainbow switch, and ReConfigura, which brings the saved style back.
#include "core/ChatColors.h"
#include "core/Function.h"
#include "core/GridHit.h"
#include "core/frmIRC.h"
#include "platform/BoxLook.h"
#include "platform/ColorSwatch.h"
#include "platform/Handlers.h"
#include "platform/PictureBox.h"
#include "platform/Text.h"
#include "platform/ToggleButton.h"
#include "windows/frmAdornos.h"

#include <QAction>
#include <QButtonGroup>
#include <QCursor>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTimer>
#include <QVBoxLayout>

using namespace platform;
using namespace Function;

namespace {

const QString kNormal = QStringLiteral("Normal");

// Three rows of five swatches, then 15 and 16 wide on a fourth; the title
// stands beside them, which keeps the row as low as the chat box.
QWidget* swatchGroup(const QString& title, std::array<ColorSwatch*, 17>& swatches, const QString& tip,
                     const char* name)
{
    auto* box = new QWidget;
    auto* grid = new QGridLayout(box);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setSpacing(2);
    grid->addWidget(new QLabel(title), 0, 0, 4, 1, Qt::AlignTop);
    grid->setColumnMinimumWidth(1, 2);
    auto* group = new QButtonGroup(box);
    for (int n = 0; n <= 16; ++n) {
        auto* s = new ColorSwatch(chatcolors::swatch(n));
        s->setObjectName(QStringLiteral("%1%2").arg(QString::fromLatin1(name)).arg(n));
        s->setToolTip(tip);
        group->addButton(s, n);
        swatches[n] = s;
        if (n < 15) {
            s->setFixedSize(14, 10);
            grid->addWidget(s, n / 5, 2 + (n % 5) * 2, 1, 2);
        } else {
            s->setFixedHeight(10);
            grid->addWidget(s, 3, n == 15 ? 2 : 7, 1, 5);
        }
    }
    return box;
}

}  // namespace

QWidget* frmIRC::buildStyle()
{
    auto* style = new QWidget;
    style->setObjectName(QStringLiteral("style"));
    style->setProperty("role", QStringLiteral("compact"));
    auto* row = new QHBoxLayout(style);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(10);

    auto* toggles = new QGridLayout;
    toggles->setSpacing(3);
    Command2 = toggle(QStringLiteral("Negrita"), kNormal, QStringLiteral("Negrita/Bold"), "Command2");
    Command3 = toggle(QStringLiteral("Subrayada"), kNormal, QStringLiteral("Subrayada/Underline"), "Command3");
    Command29 = toggle(QStringLiteral("Mix color"), QStringLiteral("Normal color"),
                       QStringLiteral("Colores Alternos/Ramdom Color"), "Command29");
    toggles->addWidget(Command2, 0, 0);
    toggles->addWidget(Command3, 0, 1);
    toggles->addWidget(Command29, 1, 0, 1, 2);
    row->addLayout(toggles);

    row->addWidget(swatchGroup(QStringLiteral("Fuente"), Option1, QStringLiteral("Color de fuente/Font Color"), "Option1"),
                   0, Qt::AlignTop);
    row->addWidget(swatchGroup(QStringLiteral("Fondo"), Option2, QStringLiteral("Color de fondo/Background Color"), "Option2"),
                   0, Qt::AlignTop);
    Option1[1]->setChecked(true);

    Picture1 = new PictureBox;
    Picture1->setObjectName(QStringLiteral("Picture1"));
    Picture1->setPicture(chatcolors::grid(16));
    Picture1->setFixedSize(65, 65);
    Shape1 = new Shape(Picture1, 0, 0, 255, 255);
    Picture1->hide();
    row->addWidget(Picture1, 0, Qt::AlignTop);

    mcolor = new QMenu(QStringLiteral("Colores"), this);
    minsert = mcolor->addAction(QStringLiteral("Insertar Colores"));
    mcolors = mcolor->addAction(QStringLiteral("Colores Aleatorios"));
    // The captions name the next click; the check mark shows what is on now.
    minsert->setCheckable(true);
    mcolors->setCheckable(true);
    return style;
}

void frmIRC::connectStyleHandlers()
{
    on(Command2, &QPushButton::clicked, this, "Command2_Click", [this] { Command2_Click(); });
    on(Command3, &QPushButton::clicked, this, "Command3_Click", [this] { Command3_Click(); });
    on(Command29, &QPushButton::clicked, this, "Command29_Click", [this] { Command29_Click(); });
    for (int n = 0; n <= 16; ++n) {
        on(Option1[n], &ColorSwatch::clicked, this, "Option1_Click", [this, n] { Option1_Click(n); });
        on(Option2[n], &ColorSwatch::clicked, this, "Option2_Click", [this, n] { Option2_Click(n); });
    }
    on(Picture1, &PictureBox::MouseMove, this, "Picture1_MouseMove",
       [this](Qt::MouseButtons, int x, int y) { Picture1_MouseMove(x, y); });
    on(Picture1, &PictureBox::Click, this, "Picture1_Click", [this] { Picture1_Click(); });
    on(minsert, &QAction::triggered, this, "minsert_Click", [this] { minsert_Click(); });
    on(mcolors, &QAction::triggered, this, "mcolors_Click", [this] { mcolors_Click(); });
    // Qt starts no tick of a timer while the previous one still runs, as it
    // does while the settings write failure is on screen.
    on(Timer3, &QTimer::timeout, this, "Timer3_Timer", [this] { Timer3_Timer(); });
}

// --- Bold and underline ----------------------------------------------------------

void frmIRC::Command2_Click() { toggleCode(Command2, Chr(2), 0, setBold, CodigoBold); }

void frmIRC::Command3_Click() { toggleCode(Command3, Chr(31), 1, setUnderline, CodigoUnder); }

void frmIRC::toggleCode(ToggleButton* button, const QString& code, int slot, void (*show)(QWidget*, bool),
                        QString& saved)
{
    const bool on = !button->isOn();
    FormatoTexto[slot] = on ? code : QString();
    show(txtChatMsg, on);
    button->setOn(on);
    saved = FormatoTexto[slot];
    GuardaDatos();
}

// --- Font and background colour ----------------------------------------------------

void frmIRC::Option1_Click(int Index)
{
    const bool none = Index == 16;
    FormatoTexto[3] = none ? QString() : chatcolors::fontCode(Index);
    setForeColor(txtChatMsg, none ? QColor(Qt::black) : chatcolors::swatch(Index));
    ColorCentral = QString::number(Index);
    GuardaDatos();
}

void frmIRC::Option2_Click(int Index)
{
    // The background code names foreground 0 as well; a font colour set
    // after it in the line overrides that.
    const bool none = Index == 16;
    FormatoTexto[2] = none ? QString() : chatcolors::backCode(Index);
    const QColor back = none ? QColor(Qt::white) : chatcolors::swatch(Index);
    setBackColor(txtChatMsg, back);
    frmAdornos* adornos = frmAdornos::instance();
    setBackColor(adornos->AdornoI, back);
    setBackColor(adornos->AdornoD, back);
    ColorFondo = QString::number(Index);
    GuardaDatos();
}

// --- Mix colour --------------------------------------------------------------------

void frmIRC::Command29_Click()
{
    const bool on = !Command29->isOn();
    MixColor = on ? 1 : 0;
    Command29->setOn(on);
    // A tick does nothing while mix colour is off: the timer runs only
    // while it is on, so an idle program is not woken ten times a second.
    if (on)
        Timer3->start();
    else
        Timer3->stop();
}

void frmIRC::Timer3_Timer()
{
    if (MixColor < 1 || MixColor > 17)
        return;
    const int k = MixColor;
    Option1[k - 1]->click();
    MixColor = qint16(k == 17 ? 1 : k + 1);
}

// --- The palette --------------------------------------------------------------------

void frmIRC::Picture1_MouseMove(int X, int Y)
{
    // Cells are hit every 255 twips although the picture draws them every
    // 240: the frame and the code follow the hit grid.
    hitGrid(X, Y, 255, 1035, 1035, 4, *Shape1, ColumnaPaleta, FilaPaleta);
}

void frmIRC::Picture1_Click()
{
    txtChatMsg->insertPlainText(chatcolors::fontCode(ColumnaPaleta + FilaPaleta));
}

void frmIRC::minsert_Click()
{
    const bool show = minsert->text() == QStringLiteral("Insertar Colores");
    Picture1->setVisible(show);
    minsert->setText(show ? QStringLiteral("Ocultar Colores") : QStringLiteral("Insertar Colores"));
    minsert->setChecked(show);
}

// --- Rainbow --------------------------------------------------------------------------

void frmIRC::mcolors_Click()
{
    const bool rainbow = mcolors->text() == QStringLiteral("Colores Aleatorios");
    mcolors->setText(rainbow ? QStringLiteral("Colores Normales") : QStringLiteral("Colores Aleatorios"));
    mcolors->setChecked(rainbow);
}

void frmIRC::cmdChat_MouseUp(Qt::MouseButton Button)
{
    if (Button == Qt::RightButton)
        mcolor->popup(QCursor::pos());
}

// --- Start-up ---------------------------------------------------------------------------

void frmIRC::ReConfigura()
{
    // A value that is not a colour number (no settings file yet, or one
    // edited by hand) leaves its control as it is.
    auto colour = [](const QString& value) -> std::optional<int> {
        bool ok = false;
        const int n = value.toInt(&ok);
        return ok && n >= 0 && n <= 16 ? std::optional<int>(n) : std::nullopt;
    };
    frmAdornos* adornos = frmAdornos::instance();
    if (const auto v = colour(ColorIzquierdo))
        adornos->HScroll1->setValue(*v);
    if (const auto v = colour(ColorDerecho))
        adornos->HScroll2->setValue(*v);
    if (const auto n = colour(ColorCentral))
        Option1[*n]->click();
    if (const auto n = colour(ColorFondo))
        Option2[*n]->click();

    const bool bold = !CodigoBold.isEmpty();
    if (bold)
        FormatoTexto[0] = CodigoBold;
    setBold(txtChatMsg, bold);
    Command2->setOn(bold);
    const bool underline = !CodigoUnder.isEmpty();
    if (underline)
        FormatoTexto[1] = CodigoUnder;
    setUnderline(txtChatMsg, underline);
    Command3->setOn(underline);
}
