// The room window as the user handles it: its controls and how they follow
// the window's size, the input line, the list's pop-up menu and double
// click, and closing.
#include "windows/frmRoom.h"

#include "core/Function.h"
#include "core/UserList.h"
#include "core/frmIRC.h"
#include "platform/DefaultButtons.h"
#include "platform/Geometry.h"
#include "platform/Handlers.h"
#include "platform/HtmlView.h"
#include "platform/ListView.h"
#include "platform/TcpClient.h"
#include "platform/Text.h"

#include <QAction>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>

using namespace platform;
using namespace Function;

namespace {

// The design: the client area, and the places that the resize rule leaves.
constexpr int kClientWidth = 8310, kClientHeight = 4740;
constexpr int kLeft = 120, kListTop = 480, kSideWidth = 2055;
constexpr int kViewLeft = 2280, kViewTop = 120;
constexpr int kLineHeight = 285, kButtonWidth = 1095, kButtonHeight = 255;
constexpr RoomLayout kDesign{3735, 4320, 6855, 4320, 7080, 5895, 4065};

QRect placed(float left, float top, float width, float height)
{
    return twipsRect(qRound(left), qRound(top), qRound(width), qRound(height));
}

}  // namespace

RoomLayout roomLayout(float W, float H, const RoomLayout& current)
{
    RoomLayout l = current;
    auto size = [](float& field, float value) {
        if (value >= 0)
            field = value;
    };
    size(l.listHeight, H - 1500);
    l.inputTop = H - 900;
    size(l.inputWidth, W - 1500);
    l.buttonTop = l.inputTop;
    l.buttonLeft = l.inputWidth + 200;
    size(l.viewWidth, W - 2500);
    size(l.viewHeight, H - 1200);
    return l;
}

frmRoom::frmRoom() : layout_(kDesign)
{
    buildWindow();
    connectHandlers();
}

frmRoom::~frmRoom() { delete mpop; }

QString frmRoom::captionFor(const QString& room) { return QStringLiteral("Canal ") + room; }

QString frmRoom::roomName() const { return Mid(Caption(), 7); }

void frmRoom::buildWindow()
{
    setObjectName(QStringLiteral("frmRoom"));
    resize(twips(kClientWidth), twips(kClientHeight));
    setProperty("fixed", true);  // the skin's compact look for controls placed by hand

    Text1 = new QLineEdit(this);
    Text1->setObjectName(QStringLiteral("Text1"));
    Text1->setReadOnly(true);
    Text1->setFocusPolicy(Qt::NoFocus);
    Text1->setToolTip(QStringLiteral("Usuarios en el canal/ Users in the channels"));
    Text1->setStyleSheet(QStringLiteral("QLineEdit { color: rgb(149, 183, 244); background: black; font-weight: bold; }"));
    Text1->setGeometry(twipsRect(kLeft, 120, kSideWidth, kLineHeight));
    Text1->setText(QStringLiteral("0"));

    ListView1 = new ListView(this);
    ListView1->setObjectName(QStringLiteral("ListView1"));
    ListView1->setToolTip(QStringLiteral("Lista de Usuarios/User List"));
    ListView1->setColumns({QStringLiteral("Usuarios"), QStringLiteral("ipvirtual")}, {86, 30});
    ListView1->setImageList(userFaces());

    DHTMLEdit1 = new HtmlView(this);
    DHTMLEdit1->setObjectName(QStringLiteral("DHTMLEdit1"));
    DHTMLEdit1->setProperty("role", QStringLiteral("view"));

    Text2 = new QLineEdit(this);
    Text2->setObjectName(QStringLiteral("Text2"));
    Text2->setToolTip(QStringLiteral("Escribe tu mensaje/Write your message"));

    Command1 = new QPushButton(QStringLiteral("Enviar"), this);
    Command1->setObjectName(QStringLiteral("Command1"));
    Command1->setToolTip(QStringLiteral("Envia mensaje/Send message"));
    Command1->setAutoDefault(false);
    Command1->setProperty("primary", true);

    mcopia = new QAction(QStringLiteral("Copiar Nick"), this);
    mmencione = new QAction(QStringLiteral("Mencionar"), this);
    mignore = new QAction(QStringLiteral("Ignorar a: "), this);
    mwhois = new QAction(QStringLiteral("Quien es:"), this);
    Freeprvd = new QAction(QStringLiteral("Privado Libre"), this);

    defaultButtons = new DefaultButtons(this);
    Form_Resize();
}

void frmRoom::connectHandlers()
{
    on(Command1, &QPushButton::clicked, this, "frmRoom.Command1_Click", [this] { Command1_Click(); });
    on(ListView1, &ListView::itemDoubleClicked, this, "frmRoom.ListView1_DblClick", [this] { ListView1_DblClick(); });
    on(ListView1, &ListView::mouseUp, this, "frmRoom.ListView1_MouseUp",
       [this](Qt::MouseButton button, const QPoint& at) { ListView1_MouseUp(button, at); });
    on(mcopia, &QAction::triggered, this, "frmRoom.mcopia_Click", [this] { mcopia_Click(); });
    on(mmencione, &QAction::triggered, this, "frmRoom.mmencione_Click", [this] { mmencione_Click(); });
    on(mignore, &QAction::triggered, this, "frmRoom.mignore_Click", [this] { mignore_Click(); });
    on(mwhois, &QAction::triggered, this, "frmRoom.mwhois_Click", [this] { mwhois_Click(); });
    on(Freeprvd, &QAction::triggered, this, "frmRoom.Freeprvd_Click", [this] { Freeprvd_Click(); });
    // Enter is the input line's own: it sends and empties the line, where
    // a click on "Enviar" leaves it.
    defaultButtons->bind(Text2, Command1, "frmRoom.Text2_KeyPress", [this] { Text2_KeyPress(); });
}

void frmRoom::resizeEvent(QResizeEvent* event)
{
    Form::resizeEvent(event);
    guard("frmRoom.Form_Resize", [this] { Form_Resize(); });
}

// --- Handlers ----------------------------------------------------------------------

void frmRoom::Form_Resize()
{
    const QSizeF outer = outerSizeTwips(this);
    layout_ = roomLayout(float(outer.width()), float(outer.height()), layout_);
    const RoomLayout& l = layout_;
    ListView1->setGeometry(placed(kLeft, kListTop, kSideWidth, l.listHeight));
    Text2->setGeometry(placed(kLeft, l.inputTop, l.inputWidth, kLineHeight));
    Command1->setGeometry(placed(l.buttonLeft, l.buttonTop, kButtonWidth, kButtonHeight));
    DHTMLEdit1->setGeometry(placed(kViewLeft, kViewTop, l.viewWidth, l.viewHeight));
}

void frmRoom::Command1_Click()
{
    QString text = Text2->text();
    frmIRC::instance()->RoomMsg(text, u'#' + roomName());
}

void frmRoom::Text2_KeyPress()
{
    Command1_Click();
    Text2->clear();
}

void frmRoom::Form_Unload(qint16& Cancel)
{
    Q_UNUSED(Cancel);  // the window always closes
    frmIRC* irc = frmIRC::loadedInstance();
    if (irc && irc->sockIRC->State() == TcpClient::sckConnected && Conectado)
        irc->send(QStringLiteral("PART #") + roomName() + QStringLiteral(" :") + frmIRC::farewellText());
}

void frmRoom::ListView1_MouseUp(Qt::MouseButton Button, const QPoint& at)
{
    if (!chooseNick(*ListView1, Button))
        return;
    mignore->setText(ignoreCaption(NickSeleccionado));
    mwhois->setText(QStringLiteral("Quien es: ") + NickSeleccionado);
    if (!mpop) {
        mpop = new QMenu(QStringLiteral("Pop"), frmIRC::instance());
        mpop->addActions({mcopia, mmencione, mignore, mwhois, Freeprvd});
    }
    mpop->popup(ListView1->viewport()->mapToGlobal(at));
}

void frmRoom::ListView1_DblClick()
{
    const int selected = ListView1->selectedPosition();
    if (selected >= 0)
        frmIRC::instance()->Abre_Privado(ListView1->text(selected));
}

void frmRoom::mcopia_Click() { copyChosenNick(); }

void frmRoom::mmencione_Click() { Text2->setText(Text2->text() + mentionOf(NickSeleccionado)); }

void frmRoom::mignore_Click() { ignoreItemClicked(*mignore); }

void frmRoom::mwhois_Click() { frmIRC::instance()->send(QStringLiteral("WHOIS ") + NickSeleccionado); }

void frmRoom::Freeprvd_Click() { privateWithTypedNick(); }
