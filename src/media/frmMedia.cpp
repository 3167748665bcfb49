// The media player window as a whole: its controls and layout, the playlist
// and its file, the selection that plays an entry, and the menu commands.
#include "media/frmMedia.h"

#include "core/Function.h"
#include "platform/AppFiles.h"
#include "platform/Desktop.h"
#include "platform/Dialogs.h"
#include "platform/Geometry.h"
#include "platform/Handlers.h"
#include "platform/ListView.h"
#include "platform/PlayerControl.h"
#include "platform/ProgressBar.h"
#include "platform/StatusBar.h"
#include "platform/Text.h"

#include <QFrame>
#include <QItemSelectionModel>
#include <QLabel>
#include <QMenuBar>
#include <QMouseEvent>
#include <QTimer>

using namespace platform;
using namespace Function;

namespace {

// The run between an entry's title and its target: "}", 116 blanks, "[".
const QString kRun = u'}' + QString(116, u' ') + u'[';

// The layout rule counts the window's outer size, frame, caption and menu
// bar included. These are the design's own frame, so the design size lays
// out as designed whatever frame the window manager draws.
constexpr int kFrameWidth = 120;
constexpr int kFrameHeight = 840;
constexpr int kStatusHeight = 255;

QString playListPath() { return FilesPath(QStringLiteral("Play List.ini")); }

// A negative size is refused: that step of the layout is skipped.
void setWidth(QWidget* w, int t)
{
    if (t >= 0)
        w->resize(twips(t), w->height());
}
void setHeight(QWidget* w, int t)
{
    if (t >= 0)
        w->resize(w->width(), twips(t));
}

}  // namespace

frmMedia::frmMedia()
{
    setObjectName(QStringLiteral("frmMedia"));
    setCaption(QStringLiteral("Media Player"));
    setProperty("fixed", true);  // the compact look of windows laid out in twips
    buildMenus();
    buildWindow();
    connectHandlers();
    resize(twips(6210), twips(3720) + menuBar->sizeHint().height());
}

void frmMedia::buildMenus()
{
    menuBar = new QMenuBar(this);
    auto item = [](QMenu* menu, const QString& caption, const char* name) {
        QAction* a = menu->addAction(caption);
        a->setObjectName(QString::fromLatin1(name));
        return a;
    };

    marchivo = menuBar->addMenu(QStringLiteral("Archivo"));
    mopen = item(marchivo, QStringLiteral("Abrir"), "mopen");
    ourl = item(marchivo, QStringLiteral("Url"), "ourl");
    mremove = item(marchivo, QStringLiteral("Remover"), "mremove");
    mclean = item(marchivo, QStringLiteral("Limpiar"), "mclean");
    marchivo->addSeparator();
    mclose = item(marchivo, QStringLiteral("Cerrar"), "mclose");

    mreproduce = menuBar->addMenu(QStringLiteral("Reproduccion"));
    mplay = item(mreproduce, QStringLiteral("Reproducir"), "mplay");
    mpause = item(mreproduce, QStringLiteral("Pausar"), "mpause");
    mstop = item(mreproduce, QStringLiteral("Detener"), "mstop");
    mreproduce->addSeparator();
    mnext = item(mreproduce, QStringLiteral("Siguiente"), "mnext");
    mbefore = item(mreproduce, QStringLiteral("Anterior"), "mbefore");

    mvol = menuBar->addMenu(QStringLiteral("Volumen"));
    for (int i = 0; i <= 10; ++i) {
        mvolumen[i] = mvol->addAction(QStringLiteral("%1%").arg(i * 10, 2, 10, QChar(u'0')));
        mvolumen[i]->setObjectName(QStringLiteral("mvolumen%1").arg(i));
        mvolumen[i]->setCheckable(true);
    }
    mvolumen[5]->setChecked(true);

    mopciones = menuBar->addMenu(QStringLiteral("Opciones"));
    mdisplaymsn = item(mopciones, QStringLiteral("Mostrar en MSN ON"), "mdisplaymsn");
    mpublica = item(mopciones, QStringLiteral("Publicar ON"), "mpublica");
    // The captions name the next click and start over at every load while the
    // switches live on: the check mark shows what is on now.
    for (QAction* a : {mdisplaymsn, mpublica})
        a->setCheckable(true);
    mdisplaymsn->setChecked(MostrarMSN);
    mpublica->setChecked(PublicarMusica);

    mpop = new QMenu(QStringLiteral("Pop"), this);
    mdelet = item(mpop, QStringLiteral("Remover"), "mdelet");
}

void frmMedia::buildWindow()
{
    client = new QWidget(this);

    Picture1 = new QFrame(client);
    Picture1->setObjectName(QStringLiteral("Picture1"));
    Picture1->setProperty("role", QStringLiteral("marquee"));
    Picture1->setGeometry(twipsRect(120, 0, 6015, 375));
    CurrentTitle = new QLabel(QStringLiteral("Vexlo Team Media Player"), Picture1);
    CurrentTitle->setObjectName(QStringLiteral("CurrentTitle"));
    CurrentTitle->setGeometry(twipsRect(-120, 0, 6135, 285));

    Picture2 = new QFrame(client);
    Picture2->setObjectName(QStringLiteral("Picture2"));
    Picture2->setProperty("role", QStringLiteral("screen"));
    Picture2->setGeometry(twipsRect(120, 480, 3135, 2775));
    WMP = makePlayer(this);
    WMP->setObjectName(QStringLiteral("WMP"));
    if (QWidget* video = WMP->display()) {
        video->setParent(Picture2);
        video->setGeometry(twipsRect(0, 0, 3180, 2760));
    }

    List1 = new ListBox(client);
    List1->setObjectName(QStringLiteral("List1"));
    List1->setGeometry(twipsRect(3480, 480, 2595, 2760));
    // The entries are wider than the list on purpose: only their titles
    // show, their targets lie beyond the right edge.
    List1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    List1->setTextElideMode(Qt::ElideNone);
    List1->viewport()->installEventFilter(this);

    StatusBar1 = new StatusBar(
        {QStringLiteral("Tema"), QStringLiteral("Progreso"), QStringLiteral("Duracion"), QString()},
        {twips(1800), twips(900), twips(900)}, client);
    StatusBar1->setGeometry(twipsRect(0, 3465, 6210, kStatusHeight));
    Progreso = new ProgressBar(client);
    Progreso->setObjectName(QStringLiteral("Progreso"));
    Progreso->setGeometry(twipsRect(120, 6480, 3375, 195));

    // They only hold the two texts that the poll compares; beyond the right
    // edge of the design, and hidden so a wide window does not show them.
    Label1[0] = new QLabel(client);
    Label1[0]->setGeometry(twipsRect(8760, 1800, 3375, 255));
    Label1[1] = new QLabel(QStringLiteral("Tiempo"), client);
    Label1[1]->setGeometry(twipsRect(9600, 2400, 3375, 255));
    for (QLabel* label : Label1)
        label->hide();

    Marque = new QTimer(this);
    Marque->setInterval(130);
    Timer2 = new QTimer(this);
    Timer2->setInterval(10);
}

void frmMedia::connectHandlers()
{
    on(List1->selectionModel(), &QItemSelectionModel::selectionChanged, this, "List1_Click", [this] {
        if (List1->listIndex() >= 0)
            List1_Click();
    });
    on(mopen, &QAction::triggered, this, "mopen_Click", [this] { mopen_Click(); });
    on(ourl, &QAction::triggered, this, "ourl_Click", [this] { ourl_Click(); });
    on(mremove, &QAction::triggered, this, "mremove_Click", [this] { mremove_Click(); });
    on(mdelet, &QAction::triggered, this, "mdelet_Click", [this] { mdelet_Click(); });
    on(mclean, &QAction::triggered, this, "mclean_Click", [this] { mclean_Click(); });
    on(mclose, &QAction::triggered, this, "mclose_Click", [this] { mclose_Click(); });
    on(mplay, &QAction::triggered, this, "mplay_Click", [this] { mplay_Click(); });
    on(mpause, &QAction::triggered, this, "mpause_Click", [this] { mpause_Click(); });
    on(mstop, &QAction::triggered, this, "mstop_Click", [this] { mstop_Click(); });
    on(mnext, &QAction::triggered, this, "mnext_Click", [this] { mnext_Click(); });
    on(mbefore, &QAction::triggered, this, "mbefore_Click", [this] { mbefore_Click(); });
    for (int i = 0; i <= 10; ++i)
        on(mvolumen[i], &QAction::triggered, this, "mvolumen_Click", [this, i] { mvolumen_Click(qint16(i)); });
    on(mdisplaymsn, &QAction::triggered, this, "mdisplaymsn_Click", [this] { mdisplaymsn_Click(); });
    on(mpublica, &QAction::triggered, this, "mpublica_Click", [this] { mpublica_Click(); });

    on(Marque, &QTimer::timeout, this, "Marque_Timer", [this] { Marque_Timer(); });
    on(Timer2, &QTimer::timeout, this, "Timer2_Timer", [this] { Timer2_Timer(); });
    on(WMP, &PlayerControl::OpenStateChange, this, "WMP_OpenStateChange",
       [this](int state) { WMP_OpenStateChange(state); });
    on(WMP, &PlayerControl::PlayStateChange, this, "WMP_PlayStateChange",
       [this](int state) { WMP_PlayStateChange(state); });
    on(WMP, &PlayerControl::Error, this, "WMP_Error", [this] { WMP_Error(); });
}

void frmMedia::Form_Load()
{
    // The window's icon is the program's, which the main window set.
    LoadList(List1);
    // A thin border is one pixel.
    BordeX = pixelsToTwips(1);
    BordeY = pixelsToTwips(1);
    Progreso->setParent(StatusBar1);
    Progreso->show();
    WMP->setVolume(50);
    TituloActual = QStringLiteral(" Vexlo Team Parlowen Cliente 2010 ");

    const QRect area = desktop().workArea();
    move(area.center() - QPoint(width() / 2, height() / 2));
    Marque->start();
    Timer2->start();
}

// --- Layout ---------------------------------------------------------------------

void frmMedia::resizeEvent(QResizeEvent* event)
{
    Form::resizeEvent(event);
    const int menu = menuBar->sizeHint().height();
    menuBar->setGeometry(0, 0, width(), menu);
    client->setGeometry(0, menu, width(), qMax(0, height() - menu));
    const int status = twips(kStatusHeight);
    StatusBar1->setGeometry(0, client->height() - status, client->width(), status);
    guard("Form_Resize", [this] { Form_Resize(); });
}

void frmMedia::Form_Resize()
{
    const int W = pixelsToTwips(client->width()) + kFrameWidth;
    const int H = pixelsToTwips(client->height()) + kFrameHeight;
    QWidget* video = WMP->display();
    List1->move(twips(W - 2850), List1->y());
    setHeight(List1, H - 1800);
    if (video)
        setWidth(video, W - 3100);
    setWidth(Picture2, W - 3100);
    if (video)
        setHeight(video, H - 1850);
    setHeight(Picture2, H - 1850);
    setWidth(CurrentTitle, W - 450);
    setWidth(Picture1, W - 380);
    AcomodarProgress();
}

void frmMedia::AcomodarProgress()
{
    const QRect p = StatusBar1->panelRect(2);
    Progreso->setGeometry(twipsRect(pixelsToTwips(p.left()) + BordeX, 3 * BordeY,
                                    pixelsToTwips(p.width()) - 2 * BordeX,
                                    pixelsToTwips(StatusBar1->height()) - 4 * BordeY));
}

// --- The playlist -------------------------------------------------------------------

QString frmMedia::Entry(const QString& title, const QString& target)
{
    return u'{' + title + kRun + target + u']';
}

QString frmMedia::EntryTarget(const QString& entry)
{
    const int run = int(entry.indexOf(kRun));
    const int start = run >= 0 ? run + int(kRun.size()) : int(entry.indexOf(u'[')) + 1;
    const int end = int(entry.lastIndexOf(u']'));
    return end - start >= 1 ? entry.mid(start, end - start) : QString();
}

QString frmMedia::UrlTitle(const QString& url)
{
    const qsizetype at = url.indexOf(QLatin1String("8000/"));
    return at < 0 ? QString() : RTrim(url.mid(at + 5));
}

QString frmMedia::GetFileName(const QString& path)
{
    return path.mid(qMax(path.lastIndexOf(u'\\'), path.lastIndexOf(u'/')) + 1);
}

QString frmMedia::configvol(QString& Porcento)
{
    Porcento.remove(u'%');
    return Porcento;
}

void frmMedia::LoadList(ListBox* lst)
{
    const auto lines = readUtf8Lines(playListPath());
    if (!lines) {
        MsgBox(QStringLiteral("File Not Found"), vbOKOnly, QStringLiteral("Error"));
        return;
    }
    for (const QString& line : *lines)
        lst->addItem(line);
}

void frmMedia::SaveList(ListBox* lst)
{
    QStringList lines;
    for (int i = 0; i < lst->count(); ++i)
        lines << lst->item(i);
    if (!writeUtf8Lines(playListPath(), lines))
        MsgBox(QStringLiteral("There has been a error!"), vbOKOnly, QStringLiteral("Error"));
}

// --- Selection ------------------------------------------------------------------------

void frmMedia::selectEntry(int index)
{
    if (index == List1->listIndex())
        List1_Click();
    else
        List1->setListIndex(index);  // its selection handler plays it
}

void frmMedia::selectNext()
{
    // An emptied list has no next entry.
    if (List1->count() == 0)
        return;
    const int i = List1->listIndex();
    selectEntry(i < List1->count() - 1 ? i + 1 : 0);
}

void frmMedia::List1_Click()
{
    const QString target = EntryTarget(List1->selectedText());
    if (target.isEmpty())
        return;
    WMP->setURL(target);
    TituloActual = u' ' + GetFileName(target) + u' ';
    IndiceActual = CInt(List1->listIndex());
}

bool frmMedia::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == List1->viewport()) {
        const auto type = event->type();
        if (type == QEvent::MouseButtonPress || type == QEvent::MouseButtonDblClick) {
            // The right button pops the menu up without moving the
            // selection: a move would play the entry under the mouse.
            if (static_cast<QMouseEvent*>(event)->button() == Qt::RightButton)
                return true;
        } else if (type == QEvent::MouseButtonRelease) {
            const auto* e = static_cast<QMouseEvent*>(event);
            const int button = e->button() == Qt::LeftButton ? 1 : e->button() == Qt::RightButton ? 2 : 4;
            const int shift = (e->modifiers() & Qt::ShiftModifier ? 1 : 0) |
                              (e->modifiers() & Qt::ControlModifier ? 2 : 0) |
                              (e->modifiers() & Qt::AltModifier ? 4 : 0);
            const QPoint at = e->position().toPoint();
            guard("List1_MouseUp", [&] {
                List1_MouseUp(button, shift, float(pixelsToTwips(at.x())), float(pixelsToTwips(at.y())));
            });
        }
    }
    return Form::eventFilter(watched, event);
}

void frmMedia::List1_MouseUp(int Button, int Shift, float X, float Y)
{
    Q_UNUSED(Shift);
    if (Button == 2)
        mpop->popup(List1->viewport()->mapToGlobal(QPoint(twips(int(X)), twips(int(Y)))));
}

// --- Menu commands ------------------------------------------------------------------

void frmMedia::mopen_Click()
{
    const QString file = dialogs().openFileName(QString());
    if (file.isEmpty())
        return;
    addEntry(GetFileName(file), file);
}

void frmMedia::ourl_Click()
{
    const QString s = InputBox(QStringLiteral("Introduce La Url que deseas reproducir."));
    if (s.isEmpty())
        return;
    addEntry(UrlTitle(s), s);
}

void frmMedia::addEntry(const QString& title, const QString& target)
{
    List1->addItem(Entry(title, target));
    SaveList(List1);
    selectEntry(List1->count() - 1);
}

void frmMedia::removeRemembered()
{
    // The remembered entry may be gone (an emptied list, earlier removals).
    if (IndiceActual < 0 || IndiceActual >= List1->count())
        return;
    List1->removeItem(IndiceActual);
    SaveList(List1);
}

void frmMedia::mremove_Click() { removeRemembered(); }

void frmMedia::mdelet_Click() { removeRemembered(); }

void frmMedia::mclean_Click()
{
    List1->clear();
    SaveList(List1);
}

void frmMedia::mclose_Click() { Unload(); }

void frmMedia::mplay_Click() { WMP->play(); }

void frmMedia::mpause_Click() { WMP->pause(); }

void frmMedia::mstop_Click()
{
    WMP->stop();
    if (MostrarMSN)
        sendClearRecord();
}

void frmMedia::mnext_Click() { selectNext(); }

void frmMedia::mbefore_Click()
{
    if (List1->count() == 0)
        return;
    const int i = List1->listIndex();
    selectEntry(i > 0 ? i - 1 : List1->count() - 1);
}

void frmMedia::mvolumen_Click(qint16 Index)
{
    for (int i = 0; i <= 10; ++i) {
        mvolumen[i]->setChecked(i == Index);
        if (i == Index)
            WMP->setVolume(i * 10);
    }
}
