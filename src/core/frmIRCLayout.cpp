// The main window's controls and their layout, and where each control's
// events go.
#include "core/frmIRC.h"

#include "core/Function.h"
#include "core/Hosts.h"
#include "core/UserList.h"
#include "platform/ClickLabel.h"
#include "platform/ColumnScrollArea.h"
#include "platform/DefaultButtons.h"
#include "platform/FlowLayout.h"
#include "platform/Handlers.h"
#include "platform/HtmlView.h"
#include "platform/LineReader.h"
#include "platform/ListView.h"
#include "platform/LogBox.h"
#include "platform/TcpClient.h"
#include "platform/ToggleButton.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTimer>
#include <QVBoxLayout>

using namespace platform;
using namespace Function;

QPushButton* frmIRC::button(const QString& caption, const QString& tip, const char* name)
{
    auto* b = new QPushButton(caption);
    b->setToolTip(tip);
    b->setObjectName(QString::fromLatin1(name));
    b->setAutoDefault(false);
    return b;
}

ToggleButton* frmIRC::toggle(const QString& offCaption, const QString& onCaption, const QString& tip,
                             const char* name)
{
    auto* b = new ToggleButton(offCaption, onCaption, tip);
    b->setObjectName(QString::fromLatin1(name));
    return b;
}

std::array<frmIRC::OptionFlag, 7> frmIRC::optionFlags() const
{
    return {{
        {Command18, &PublicarPrivados, "Command18_Click"},
        {Command19, &AntiFlood, "Command19_Click"},
        {Command20, &PrivadosEnChat, "Command20_Click"},
        {Command21, &PrivadosEnVentanas, "Command21_Click"},
        {Command5, &Invitaciones, "Command5_Click"},
        {Command26, &VerMovimiento, "Command26_Click"},
        {Command27, &AutoScroll, "Command27_Click"},
    }};
}

namespace {

QLineEdit* lineBox(const char* name)
{
    auto* box = new QLineEdit;
    box->setObjectName(QString::fromLatin1(name));
    return box;
}

}  // namespace

// --- Layout --------------------------------------------------------------------

void frmIRC::buildWindow()
{
    setObjectName(QStringLiteral("frmIRC"));
    setCaption(QStringLiteral("Vexlo-iRc-Trovelin-2. 010") + QString(52, u' ') + QStringLiteral("Vexlo-TeaM") +
               QString(57, u' ') + hosts::siteAddress());
    resize(1220, 760);
    // Smaller, the toolbar's rows and the panels would leave the
    // conversation too little room.
    setMinimumSize(800, 600);

    auto* root = new QVBoxLayout(this);
    root->setContentsMargins(4, 4, 4, 4);
    root->setSpacing(5);
    root->addWidget(buildToolbar());

    // The conversation and what is typed into it take all the room the
    // panels beside them leave.
    DHTMLEdit1 = new HtmlView;
    DHTMLEdit1->setObjectName(QStringLiteral("DHTMLEdit1"));
    DHTMLEdit1->setProperty("role", QStringLiteral("view"));
    auto* talk = new QWidget;
    auto* tl = new QVBoxLayout(talk);
    tl->setContentsMargins(0, 0, 0, 0);
    tl->setSpacing(5);
    tl->addWidget(DHTMLEdit1, 1);
    tl->addWidget(buildCompose());

    auto* middle = new QHBoxLayout;
    middle->setSpacing(6);
    middle->addWidget(talk, 1);
    middle->addWidget(buildSidePanel());
    root->addLayout(middle, 1);
}

QFrame* frmIRC::buildToolbar()
{
    auto* bar = new QFrame;
    bar->setObjectName(QStringLiteral("toolbar"));
    bar->setProperty("role", QStringLiteral("toolbar"));
    auto* rows = new QVBoxLayout(bar);
    rows->setContentsMargins(4, 4, 4, 4);
    rows->setSpacing(4);

    Command11 = button(QStringLiteral("Conexion"), QStringLiteral("Muestra la conexion/Show the conection"), "Command11");
    Command1 = button(QStringLiteral("Iconos"), QStringLiteral("Iconos/Smileys"), "Command1");
    Command36 = button(QStringLiteral("Adornos"), QStringLiteral("Adornos de escritura/Writing ornaments"), "Command36");
    Command14 = button(QStringLiteral("Registro"), QStringLiteral("Registro/Register"), "Command14");
    Command16 = button(QStringLiteral("Operador"), QStringLiteral("Opciones Operador/Operator Option"), "Command16");
    Command17 = button(QStringLiteral("Multi-Privados"), QStringLiteral("Multi privados / Multi privates"), "Command17");
    Command28 = button(QStringLiteral("Servidor"), QStringLiteral("Servidor/Server"), "Command28");
    Command33 = button(QStringLiteral("Favoritos"), QStringLiteral("Favoritos/Favorites"), "Command33");
    Command35 = button(QStringLiteral("Vexlo Sala"), QStringLiteral("Sala Vexlo Team/Vexlo Team Room"), "Command35");
    Command6 = button(QStringLiteral("Contestadora"), QStringLiteral("Contestador/Answering"), "Command6");
    Command15 = button(QStringLiteral("Media Player"), QStringLiteral("Repreductor de Media/ Media player"), "Command15");
    Command34 = button(QStringLiteral("Juego"), QStringLiteral("Juego/Game"), "Command34");
    Command32 = button(QStringLiteral("Team-Vexlo"), QStringLiteral("Miembros  Vexlo Team/ Vexlo Team Members"), "Command32");
    Command30 = button(QStringLiteral("Web"), QStringLiteral("Pagina Web Vexlo Team/ Vexlo Team Web Site"), "Command30");
    Command31 = button(QStringLiteral("Vexlo Foro"), QStringLiteral("Foro Vexlo Team/Vexlo Team forum"), "Command31");
    Command7 = button(QStringLiteral("Limpiar"), QStringLiteral("Limpiar  Ventana /Cleaning Chat"), "Command7");
    Command8 = button(QStringLiteral("Guardar"), QStringLiteral("Guardar Chat/Save Chat"), "Command8");
    Command10 = button(QStringLiteral("Cerrar"), QString(), "Command10");

    // Each caption names what the next click does; the tip names the option.
    Command18 = toggle(QStringLiteral("Publicador On"), QStringLiteral("Publicador Off"),
                       QStringLiteral("Publicar en la sala los privados que recibes"), "Command18");
    Command19 = toggle(QStringLiteral("Antiflood On"), QStringLiteral("Antiflood Off"),
                       QStringLiteral("Control de flood en la sala"), "Command19");
    Command20 = toggle(QStringLiteral("Privados en ventana"), QStringLiteral("Privados normales"),
                       QStringLiteral("Privados también en la conversación"), "Command20");
    Command21 = toggle(QStringLiteral("Ventanas privadas On"), QStringLiteral("Ventanas privadas Off"),
                       QStringLiteral("Privados en ventanas propias"), "Command21");
    Command5 = toggle(QStringLiteral("Invitacion On"), QStringLiteral("Invitacion Off"),
                      QStringLiteral("Aceptar invitaciones a otras salas"), "Command5");
    Command26 = toggle(QStringLiteral("Ver movimiento de usuarios"), QStringLiteral("No ver movimiento de usuarios"),
                       QStringLiteral("Ver entradas, salidas y cambios de nick"), "Command26");
    Command27 = toggle(QStringLiteral("Scroll on"), QStringLiteral("Scroll off"),
                       QStringLiteral("Llevar la conversación a su última línea"), "Command27");

    // Two groups, the windows and the options, each wrapping onto further
    // rows when the window is narrow.
    auto addGroup = [rows](std::initializer_list<QPushButton*> buttons) {
        auto* group = new FlowLayout;
        group->setSpacing(4);
        for (QPushButton* b : buttons)
            group->addWidget(b);
        rows->addLayout(group);
    };
    addGroup({Command11, Command1, Command36, Command14, Command16, Command17, Command28, Command33, Command35,
              Command6, Command15, Command34, Command32, Command30, Command31});
    addGroup({Command18, Command19, Command20, Command21, Command5, Command26, Command27, Command7, Command8,
              Command10});
    return bar;
}

QWidget* frmIRC::buildCompose()
{
    txtChatMsg = new QPlainTextEdit;
    txtChatMsg->setObjectName(QStringLiteral("txtChatMsg"));
    txtChatMsg->setToolTip(QStringLiteral("Escribe tu mensaje/Write your message"));
    txtChatMsg->setPlaceholderText(QStringLiteral("Escribe tu mensaje…"));
    txtChatMsg->setFixedHeight(46);
    txtChatMsg->setTabChangesFocus(true);
    cmdChat = button(QStringLiteral("Enviar"), QStringLiteral("Envia mensaje/Send message"), "cmdChat");
    cmdChat->setFixedSize(90, 46);
    cmdChat->setProperty("primary", true);
    auto* chat = new QWidget;
    auto* cl = new QHBoxLayout(chat);
    cl->setContentsMargins(0, 0, 0, 0);
    cl->setSpacing(6);
    cl->addWidget(txtChatMsg, 1);
    cl->addWidget(cmdChat);
    chat->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    chat->setMinimumWidth(320);

    // The style beside the chat box, or above it when the window is narrow.
    auto* compose = new QWidget;
    auto* flow = new FlowLayout(compose);
    flow->setContentsMargins(0, 0, 0, 0);
    flow->setSpacing(8);
    flow->addWidget(buildStyle());
    flow->addWidget(chat);
    return compose;
}

QWidget* frmIRC::buildSidePanel()
{
    auto* side = new QWidget;
    auto* sl = new QVBoxLayout(side);
    sl->setContentsMargins(0, 0, 0, 0);
    sl->setSpacing(6);

    // The marquee strip: the room and the welcome banner.
    auto* marquee = new QFrame;
    marquee->setObjectName(QStringLiteral("marquee"));
    marquee->setProperty("role", QStringLiteral("marquee"));
    auto* ml = new QHBoxLayout(marquee);
    ml->setContentsMargins(4, 1, 4, 1);
    txtSala = lineBox("txtSala");
    Text1 = lineBox("Text1");
    for (QLineEdit* box : {txtSala, Text1}) {
        box->setReadOnly(true);
        box->setFocusPolicy(Qt::NoFocus);
        box->setFrame(false);
        box->setMinimumWidth(60);
    }
    ml->addWidget(txtSala, 2);
    ml->addWidget(Text1, 3);
    sl->addWidget(marquee);

    auto* switcher = new QHBoxLayout;
    switcher->setSpacing(4);
    Command13 = button(QStringLiteral("Usuarios"), QStringLiteral("Usuarios/Users"), "Command13");
    Command12 = button(QStringLiteral("Salas"), QStringLiteral("Salas en Servidor/Server Rooms "), "Command12");
    auto* countLabel = new QLabel(QStringLiteral("En la sala:"));
    // A label: it changes with every join and part, and a label lays its
    // text out only when it is drawn.
    TxtUsala = new QLabel;
    TxtUsala->setObjectName(QStringLiteral("TxtUsala"));
    TxtUsala->setProperty("role", QStringLiteral("count"));
    TxtUsala->setFixedWidth(36);
    TxtUsala->setAlignment(Qt::AlignCenter);
    switcher->addWidget(Command13);
    switcher->addWidget(Command12);
    switcher->addStretch(1);
    switcher->addWidget(countLabel);
    switcher->addWidget(TxtUsala);
    sl->addLayout(switcher);

    Picture5 = new QFrame;
    Picture5->setObjectName(QStringLiteral("Picture5"));
    auto* p5 = new QVBoxLayout(Picture5);
    p5->setContentsMargins(0, 0, 0, 0);
    ListView1 = new ListView;
    ListView1->setObjectName(QStringLiteral("ListView1"));
    ListView1->setColumns({QStringLiteral("Usuarios"), QStringLiteral("Ip Virtual")}, {140, 90});
    ListView1->setImageList(userFaces());
    p5->addWidget(ListView1);

    Picture6 = new QFrame;
    Picture6->setObjectName(QStringLiteral("Picture6"));
    auto* p6 = new QVBoxLayout(Picture6);
    p6->setContentsMargins(0, 0, 0, 0);
    ListView2 = new ListView;
    ListView2->setObjectName(QStringLiteral("ListView2"));
    ListView2->setToolTip(QStringLiteral("Todas las salas del servidor/All server rooms"));
    ListView2->setColumns({QStringLiteral("Canal"), QStringLiteral("Usuarios")}, {150, 60});
    p6->addWidget(ListView2);
    Picture6->hide();
    msalas = new QMenu(QStringLiteral("Sala"), this);
    mproom = msalas->addAction(QStringLiteral("Sala Principal"));
    msroom = msalas->addAction(QStringLiteral("Sala Secundaria"));
    mnsala = msalas->addAction(QStringLiteral("Introduce Nombre De Sala"));

    // The lists take what the boxes below them leave.
    for (QFrame* panel : {Picture5, Picture6}) {
        panel->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Ignored);
        panel->setMinimumHeight(80);
        sl->addWidget(panel, 1);
    }

    Frame1 = new QGroupBox(QStringLiteral("Mensaje Privado"));
    Frame1->setObjectName(QStringLiteral("Frame1"));
    auto* f1 = new QVBoxLayout(Frame1);
    f1->setContentsMargins(6, 4, 6, 6);
    f1->setSpacing(4);
    lstUsers = new ListBox;
    lstUsers->setObjectName(QStringLiteral("lstUsers"));
    lstUsers->setToolTip(QStringLiteral("Selecione Usuarios/Choose User"));
    lstUsers->setMinimumHeight(40);
    lstUsers->setMaximumHeight(64);
    txtPrivMsg = new QPlainTextEdit;
    txtPrivMsg->setObjectName(QStringLiteral("txtPrivMsg"));
    txtPrivMsg->setToolTip(QStringLiteral("Escriba Mensaje Privado/ write you private message"));
    txtPrivMsg->setFixedHeight(38);
    txtPrivMsg->setTabChangesFocus(true);
    cmdPriv = button(QStringLiteral("Enviar privado"), QStringLiteral("Enviar Mensaje Privado/Send private message"), "cmdPriv");
    f1->addWidget(lstUsers);
    f1->addWidget(txtPrivMsg);
    f1->addWidget(cmdPriv, 0, Qt::AlignRight);
    // The private line and the robot take turns in one place: the column
    // has no room for both at the window's smallest size.
    auto* tabs = new QTabWidget;
    tabs->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Maximum);
    for (QGroupBox* page : {Frame1, buildRobot()}) {
        tabs->addTab(page, page->title());
        page->setTitle(QString());
        page->setFlat(true);
    }
    sl->addWidget(tabs);

    // Server replies come in bursts (a message of the day, a names list):
    // the log box takes a line at constant cost.
    txtStatus = new LogBox;
    txtStatus->setObjectName(QStringLiteral("txtStatus"));
    txtStatus->setProperty("role", QStringLiteral("view"));
    txtStatus->setColors(QColor(0xfb, 0xfc, 0xfe), QColor(0x2a, 0x3a, 0x50));
    txtStatus->setMinimumHeight(44);
    txtStatus->setMaximumHeight(84);
    Label3 = new ClickLabel(QStringLiteral("Copy"));
    Label3->setObjectName(QStringLiteral("Label3"));
    Label3->setCursor(Qt::PointingHandCursor);
    Label3->setProperty("role", QStringLiteral("link"));
    sl->addWidget(txtStatus);
    sl->addWidget(Label3, 0, Qt::AlignRight);

    auto* nickFrame = new QGroupBox(QStringLiteral("Cambiar Nick"));
    auto* nf = new QGridLayout(nickFrame);
    nf->setContentsMargins(6, 4, 6, 6);
    nf->setSpacing(4);
    txtNick = lineBox("txtNick");
    TxtPass = lineBox("TxtPass");
    TxtPass->setEchoMode(QLineEdit::Password);
    cmdNick = button(QStringLiteral("Cambiar"), QString(), "cmdNick");
    txtChannel = lineBox("txtChannel");
    cmdDisconnect = button(QStringLiteral("Desconectar"), QString(), "cmdDisconnect");
    for (QLineEdit* box : {txtNick, TxtPass, txtChannel})
        box->setMinimumWidth(60);
    nf->addWidget(new QLabel(QStringLiteral("Nick:")), 0, 0);
    nf->addWidget(txtNick, 0, 1);
    nf->addWidget(new QLabel(QStringLiteral("Clave:")), 1, 0);
    nf->addWidget(TxtPass, 1, 1);
    nf->addWidget(cmdNick, 0, 2);
    nf->addWidget(new QLabel(QStringLiteral("Sala:")), 2, 0);
    nf->addWidget(txtChannel, 2, 1);
    nf->addWidget(cmdDisconnect, 2, 2);
    sl->addWidget(nickFrame);

    // On a short screen the column scrolls rather than squeezing its boxes
    // into one another.
    auto* scroll = new ColumnScrollArea(side);
    scroll->setProperty("role", QStringLiteral("panel"));
    scroll->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Expanding);
    return scroll;
}

// --- Handlers --------------------------------------------------------------------

void frmIRC::connectHandlers()
{
    on(sockIRC, &TcpClient::Connected, this, "sockIRC_Connect", [this] { sockIRC_Connect(); });
    on(lineReader_, &LineReader::LineArrival, this, "sockIRC_LineArrival",
       [this](const QByteArray& line) { sockIRC_LineArrival(line); });
    on(lineReader_, &LineReader::Closed, this, "sockIRC_Close", [this] { sockIRC_Close(); });
    on(lineReader_, &LineReader::Error, this, "sockIRC_Error", [this] { sockIRC_Error(); });
    on(Winsock1, &TcpClient::Connected, this, "Winsock1_Connect", [this] { Winsock1_Connect(); });
    on(Winsock1, &TcpClient::DataArrival, this, "Winsock1_DataArrival", [this] { Winsock1_DataArrival(); });

    on(cmdDisconnect, &QPushButton::clicked, this, "cmdDisconnect_Click", [this] { cmdDisconnect_Click(); });
    on(cmdNick, &QPushButton::clicked, this, "cmdNick_Click", [this] { cmdNick_Click(); });
    on(cmdChat, &QPushButton::clicked, this, "cmdChat_Click", [this] { cmdChat_Click(); });
    on(cmdPriv, &QPushButton::clicked, this, "cmdPriv_Click", [this] { cmdPriv_Click(); });
    on(txtNick, &QLineEdit::textChanged, this, "txtNick_Change", [this] { txtNick_Change(); });

    on(Command1, &QPushButton::clicked, this, "Command1_Click", [this] { Command1_Click(); });
    on(Command36, &QPushButton::clicked, this, "Command36_Click", [this] { Command36_Click(); });
    on(Command11, &QPushButton::clicked, this, "Command11_Click", [this] { Command11_Click(); });
    on(Command14, &QPushButton::clicked, this, "Command14_Click", [this] { Command14_Click(); });
    on(Command15, &QPushButton::clicked, this, "Command15_Click", [this] { Command15_Click(); });
    on(Command16, &QPushButton::clicked, this, "Command16_Click", [this] { Command16_Click(); });
    on(Command28, &QPushButton::clicked, this, "Command28_Click", [this] { Command28_Click(); });
    on(Command6, &QPushButton::clicked, this, "Command6_Click", [this] { Command6_Click(); });
    on(Command17, &QPushButton::clicked, this, "Command17_Click", [this] { Command17_Click(); });
    on(Command30, &QPushButton::clicked, this, "Command30_Click", [this] { Command30_Click(); });
    on(Command31, &QPushButton::clicked, this, "Command31_Click", [this] { Command31_Click(); });
    on(Command32, &QPushButton::clicked, this, "Command32_Click", [this] { Command32_Click(); });
    on(Command34, &QPushButton::clicked, this, "Command34_Click", [this] { Command34_Click(); });
    on(Command7, &QPushButton::clicked, this, "Command7_Click", [this] { Command7_Click(); });
    on(Command8, &QPushButton::clicked, this, "Command8_Click", [this] { Command8_Click(); });
    on(Command10, &QPushButton::clicked, this, "Command10_Click", [this] { Command10_Click(); });
    on(Command12, &QPushButton::clicked, this, "Command12_Click", [this] { Command12_Click(); });
    on(Command13, &QPushButton::clicked, this, "Command13_Click", [this] { Command13_Click(); });
    on(Command33, &QPushButton::clicked, this, "Command33_Click", [this] { Command33_Click(); });
    on(Command35, &QPushButton::clicked, this, "Command35_Click", [this] { Command35_Click(); });
    on(ListView2, &ListView::mouseUp, this, "ListView2_MouseUp",
       [this](Qt::MouseButton button, const QPoint& at) { ListView2_MouseUp(button, at); });
    on(ListView2, &ListView::itemDoubleClicked, this, "ListView2_DblClick", [this] { ListView2_DblClick(); });
    on(mproom, &QAction::triggered, this, "mproom_Click", [this] { mproom_Click(); });
    on(msroom, &QAction::triggered, this, "msroom_Click", [this] { msroom_Click(); });
    on(mnsala, &QAction::triggered, this, "mnsala_Click", [this] { mnsala_Click(); });
    on(Label3, &ClickLabel::clicked, this, "Label3_Click", [this] { Label3_Click(); });
    on(txtStatus, &LogBox::doubleClicked, this, "txtStatus_DblClick", [this] { txtStatus_DblClick(); });

    // The option flags: a click switches the flag, and its button shows it.
    for (const OptionFlag& o : optionFlags())
        on(o.button, &QPushButton::clicked, this, o.handler, [o] {
            *o.flag = !*o.flag;
            o.button->setOn(*o.flag);
        });

    Marquesina = new QTimer(this);
    Marquesina->setInterval(300);
    on(Marquesina, &QTimer::timeout, this, "Marquesina_Timer", [this] { Marquesina_Timer(); });
    Timer3 = new QTimer(this);
    Timer3->setInterval(100);
    connectStyleHandlers();
    connectRobotHandlers();
    // The time-out's ticks would do nothing: it stays idle.
    timTimeout = new QTimer(this);
    timTimeout->setInterval(15000);

    // Enter in the chat box sends the line once and never adds a line break.
    defaultButtons->bind(txtChatMsg, cmdChat, "txtChatMsg_KeyPress", [this] { cmdChat_Click(); });
    defaultButtons->bind(txtPrivMsg, cmdPriv);
    defaultButtons->bind(txtNick, cmdNick);
    cmdChat->installEventFilter(this);
}

bool frmIRC::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == cmdChat && event->type() == QEvent::MouseButtonRelease) {
        const Qt::MouseButton button = static_cast<QMouseEvent*>(event)->button();
        guard("cmdChat_MouseUp", [this, button] { cmdChat_MouseUp(button); });
    }
    return Form::eventFilter(watched, event);
}
