// The main window's controls and their layout, and where each control's
// events go.
#include "core/frmIRC.h"

#include "core/Function.h"
#include "core/Hosts.h"
#include "core/UserList.h"
#include "platform/ClickLabel.h"
#include "platform/DefaultButtons.h"
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
#include <QSplitter>
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
    setMinimumSize(900, 560);

    auto* root = new QVBoxLayout(this);
    root->setContentsMargins(8, 8, 8, 8);
    root->setSpacing(6);
    root->addWidget(buildToolbar());

    // The marquee strip: the room and the welcome banner.
    auto* marquee = new QFrame;
    marquee->setObjectName(QStringLiteral("marquee"));
    marquee->setProperty("role", QStringLiteral("marquee"));
    auto* ml = new QHBoxLayout(marquee);
    ml->setContentsMargins(6, 2, 6, 2);
    txtSala = lineBox("txtSala");
    Text1 = lineBox("Text1");
    for (QLineEdit* box : {txtSala, Text1}) {
        box->setReadOnly(true);
        box->setFocusPolicy(Qt::NoFocus);
        box->setFrame(false);
    }
    txtSala->setFixedWidth(260);
    ml->addWidget(txtSala);
    ml->addWidget(Text1, 1);
    root->addWidget(marquee);

    // The conversation and the lists beside it.
    DHTMLEdit1 = new HtmlView;
    DHTMLEdit1->setObjectName(QStringLiteral("DHTMLEdit1"));
    DHTMLEdit1->setProperty("role", QStringLiteral("view"));
    auto* split = new QSplitter(Qt::Horizontal);
    split->setChildrenCollapsible(false);
    split->addWidget(DHTMLEdit1);
    split->addWidget(buildSidePanel());
    split->setStretchFactor(0, 1);
    split->setSizes({900, 300});
    root->addWidget(split, 1);

    // The chat box.
    auto* chatRow = new QHBoxLayout;
    txtChatMsg = new QPlainTextEdit;
    txtChatMsg->setObjectName(QStringLiteral("txtChatMsg"));
    txtChatMsg->setToolTip(QStringLiteral("Escribe tu mensaje/Write your message"));
    txtChatMsg->setPlaceholderText(QStringLiteral("Escribe tu mensaje…"));
    txtChatMsg->setFixedHeight(52);
    txtChatMsg->setTabChangesFocus(true);
    cmdChat = button(QStringLiteral("Enviar"), QStringLiteral("Envia mensaje/Send message"), "cmdChat");
    cmdChat->setFixedSize(110, 52);
    cmdChat->setProperty("primary", true);
    chatRow->addWidget(txtChatMsg, 1);
    chatRow->addWidget(cmdChat);
    root->addLayout(chatRow);

    root->addWidget(buildBottom());
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

    // Windows that are not built yet keep their buttons disabled.
    for (QPushButton* b : {Command14, Command17, Command6})
        b->setEnabled(false);

    auto* windows = new QHBoxLayout;
    windows->setSpacing(4);
    for (QPushButton* b : {Command11, Command1, Command36, Command14, Command16, Command17, Command28, Command33,
                           Command35, Command6, Command15, Command34, Command32})
        windows->addWidget(b);
    windows->addStretch(1);
    for (QPushButton* b : {Command30, Command31})
        windows->addWidget(b);

    auto* options = new QHBoxLayout;
    options->setSpacing(4);
    for (QPushButton* b : {Command18, Command19, Command20, Command21, Command5, Command26, Command27})
        options->addWidget(b);
    options->addStretch(1);
    for (QPushButton* b : {Command7, Command8, Command10})
        options->addWidget(b);

    rows->addLayout(windows);
    rows->addLayout(options);
    return bar;
}

QWidget* frmIRC::buildSidePanel()
{
    auto* side = new QWidget;
    side->setMinimumWidth(240);
    auto* sl = new QVBoxLayout(side);
    sl->setContentsMargins(0, 0, 0, 0);
    sl->setSpacing(4);

    auto* switcher = new QHBoxLayout;
    Command13 = button(QStringLiteral("Usuarios"), QStringLiteral("Usuarios/Users"), "Command13");
    Command12 = button(QStringLiteral("Salas"), QStringLiteral("Salas en Servidor/Server Rooms "), "Command12");
    auto* countLabel = new QLabel(QStringLiteral("En la sala:"));
    // A label: it changes with every join and part, and a label lays its
    // text out only when it is drawn.
    TxtUsala = new QLabel;
    TxtUsala->setObjectName(QStringLiteral("TxtUsala"));
    TxtUsala->setProperty("role", QStringLiteral("count"));
    TxtUsala->setFixedWidth(56);
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
    ListView1->setColumns({QStringLiteral("Usuarios"), QStringLiteral("Ip Virtual")}, {150, 100});
    ListView1->setImageList(userFaces());
    p5->addWidget(ListView1);

    Picture6 = new QFrame;
    Picture6->setObjectName(QStringLiteral("Picture6"));
    auto* p6 = new QVBoxLayout(Picture6);
    p6->setContentsMargins(0, 0, 0, 0);
    ListView2 = new ListView;
    ListView2->setObjectName(QStringLiteral("ListView2"));
    ListView2->setToolTip(QStringLiteral("Todas las salas del servidor/All server rooms"));
    ListView2->setColumns({QStringLiteral("Canal"), QStringLiteral("Usuarios")}, {170, 70});
    p6->addWidget(ListView2);
    Picture6->hide();
    msalas = new QMenu(QStringLiteral("Sala"), this);
    mproom = msalas->addAction(QStringLiteral("Sala Principal"));
    msroom = msalas->addAction(QStringLiteral("Sala Secundaria"));
    mnsala = msalas->addAction(QStringLiteral("Introduce Nombre De Sala"));

    sl->addWidget(Picture5, 1);
    sl->addWidget(Picture6, 1);

    Frame1 = new QGroupBox(QStringLiteral("Mensaje Privado"));
    Frame1->setObjectName(QStringLiteral("Frame1"));
    auto* f1 = new QVBoxLayout(Frame1);
    f1->setContentsMargins(6, 6, 6, 6);
    lstUsers = new ListBox;
    lstUsers->setObjectName(QStringLiteral("lstUsers"));
    lstUsers->setToolTip(QStringLiteral("Selecione Usuarios/Choose User"));
    lstUsers->setFixedHeight(90);
    txtPrivMsg = new QPlainTextEdit;
    txtPrivMsg->setObjectName(QStringLiteral("txtPrivMsg"));
    txtPrivMsg->setToolTip(QStringLiteral("Escriba Mensaje Privado/ write you private message"));
    txtPrivMsg->setFixedHeight(44);
    txtPrivMsg->setTabChangesFocus(true);
    cmdPriv = button(QStringLiteral("Enviar privado"), QStringLiteral("Enviar Mensaje Privado/Send private message"), "cmdPriv");
    f1->addWidget(lstUsers);
    f1->addWidget(txtPrivMsg);
    f1->addWidget(cmdPriv, 0, Qt::AlignRight);
    sl->addWidget(Frame1);
    return side;
}

QWidget* frmIRC::buildBottom()
{
    auto* bottom = new QWidget;
    auto* bl = new QHBoxLayout(bottom);
    bl->setContentsMargins(0, 0, 0, 0);
    bl->setSpacing(8);

    auto* status = new QVBoxLayout;
    status->setSpacing(2);
    // Server replies come in bursts (a message of the day, a names list):
    // the log box takes a line at constant cost.
    txtStatus = new LogBox;
    txtStatus->setObjectName(QStringLiteral("txtStatus"));
    txtStatus->setProperty("role", QStringLiteral("view"));
    txtStatus->setColors(QColor(0xfb, 0xfc, 0xfe), QColor(0x2a, 0x3a, 0x50));
    txtStatus->setFixedHeight(96);
    Label3 = new ClickLabel(QStringLiteral("Copy"));
    Label3->setObjectName(QStringLiteral("Label3"));
    Label3->setCursor(Qt::PointingHandCursor);
    Label3->setProperty("role", QStringLiteral("link"));
    status->addWidget(txtStatus);
    status->addWidget(Label3, 0, Qt::AlignRight);
    bl->addLayout(status, 1);

    auto* nickFrame = new QGroupBox(QStringLiteral("Cambiar Nick"));
    auto* nf = new QGridLayout(nickFrame);
    nf->setContentsMargins(8, 6, 8, 6);
    txtNick = lineBox("txtNick");
    TxtPass = lineBox("TxtPass");
    TxtPass->setEchoMode(QLineEdit::Password);
    cmdNick = button(QStringLiteral("Cambiar"), QString(), "cmdNick");
    txtChannel = lineBox("txtChannel");
    cmdDisconnect = button(QStringLiteral("Desconectar"), QString(), "cmdDisconnect");
    nf->addWidget(new QLabel(QStringLiteral("Nick:")), 0, 0);
    nf->addWidget(txtNick, 0, 1);
    nf->addWidget(new QLabel(QStringLiteral("Clave:")), 1, 0);
    nf->addWidget(TxtPass, 1, 1);
    nf->addWidget(cmdNick, 0, 2);
    nf->addWidget(new QLabel(QStringLiteral("Sala:")), 2, 0);
    nf->addWidget(txtChannel, 2, 1);
    nf->addWidget(cmdDisconnect, 2, 2);
    nickFrame->setFixedWidth(330);
    bl->addWidget(buildStyle(), 0, Qt::AlignTop);
    bl->addWidget(nickFrame);
    return bottom;
}

// --- Handlers --------------------------------------------------------------------

void frmIRC::connectHandlers()
{
    on(sockIRC, &TcpClient::Connected, this, "sockIRC_Connect", [this] { sockIRC_Connect(); });
    on(lineReader_, &LineReader::LineArrival, this, "sockIRC_LineArrival",
       [this](const QByteArray& line) { sockIRC_LineArrival(line); });
    on(lineReader_, &LineReader::Closed, this, "sockIRC_Close", [this] { sockIRC_Close(); });
    on(lineReader_, &LineReader::Error, this, "sockIRC_Error", [this] { sockIRC_Error(); });

    on(cmdDisconnect, &QPushButton::clicked, this, "cmdDisconnect_Click", [this] { cmdDisconnect_Click(); });
    on(cmdNick, &QPushButton::clicked, this, "cmdNick_Click", [this] { cmdNick_Click(); });
    on(cmdChat, &QPushButton::clicked, this, "cmdChat_Click", [this] { cmdChat_Click(); });
    on(cmdPriv, &QPushButton::clicked, this, "cmdPriv_Click", [this] { cmdPriv_Click(); });
    on(txtNick, &QLineEdit::textChanged, this, "txtNick_Change", [this] { txtNick_Change(); });

    on(Command1, &QPushButton::clicked, this, "Command1_Click", [this] { Command1_Click(); });
    on(Command36, &QPushButton::clicked, this, "Command36_Click", [this] { Command36_Click(); });
    on(Command11, &QPushButton::clicked, this, "Command11_Click", [this] { Command11_Click(); });
    on(Command15, &QPushButton::clicked, this, "Command15_Click", [this] { Command15_Click(); });
    on(Command16, &QPushButton::clicked, this, "Command16_Click", [this] { Command16_Click(); });
    on(Command28, &QPushButton::clicked, this, "Command28_Click", [this] { Command28_Click(); });
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
    // The robot and the time-out come with their own features; until then
    // their timers stay idle.
    Timer2 = new QTimer(this);
    Timer2->setInterval(1500);
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
