#pragma once
// The main window: the one connection to the chat server, the dispatcher of
// received lines, the main room's view and user list, the chat and private
// boxes, the toolbar with the option flags, start-up and shutdown.
#include "platform/Form.h"

#include <QString>
#include <array>

class QAction;
class QFrame;
class QGroupBox;
class QLabel;
class QLineEdit;
class QMenu;
class QPlainTextEdit;
class QPushButton;
class QTimer;
class frmRoom;
struct ReceivedLine;

namespace platform {
class ClickLabel;
class ColorSwatch;
class DefaultButtons;
class HtmlView;
class LineReader;
class ListBox;
class ListView;
class LogBox;
class PictureBox;
class Shape;
class TcpClient;
class ToggleButton;
}  // namespace platform

// The pending reply to a whois request.
struct DatosWhois {
    QString Nick;      // the nick asked about, followed by one blank
    QString Host;      // user and host text
    QString Nombre;    // real-name text
    QString Campo4;    // never filled or read
    QString Canales;   // channel list, prepared for display
    QString Servidor;  // the server's description
    QString Campo7;    // never filled or read; emptied by CleanWhois
};

class frmIRC : public platform::FormOf<frmIRC> {
    Q_OBJECT
public:
    frmIRC();
    ~frmIRC() override;

    // --- Connection ---------------------------------------------------------
    void ConnectarChat();
    void send(const QString& msg);

    // --- Received lines -------------------------------------------------------
    void processCommand();
    // The line parsers: pure, shared by every branch of the dispatcher.
    // processParam escapes "<" and ">" in msg itself, then returns its first
    // parameter (after a leading ":", everything after it).
    static QString processParam(QString& msg);
    // The text after msg's first blank, or "" when msg starts with ":" or
    // holds no blank.
    static QString processRest(const QString& msg);
    // The channel name (without "#") of a channel message body; throws when
    // the body has no ":" after its "#".
    static QString IdentificaChannel(QString nDatos);
    // The channel name (without "#") at the head of a parameter text; throws
    // when no blank follows the "#".
    static QString QuikChannel(QString nDatos);
    void CleanWhois();

    // --- Views ----------------------------------------------------------------
    void New_msg(QString tmstr);
    void display(const QString& msg);

    // --- Sending chat and private lines ----------------------------------------
    void RoomMsg(QString& text, const QString& room = QString());
    void SendMsg(const QString& text, const QString& nick);
    // "Vexlo-iRc-Trovelin [<site> Bye :D ]": the farewell of QUIT and of a
    // room window's PART.
    static QString farewellText();

    // --- The network's service bots ---------------------------------------------
    // Each hands one line to send, its arguments unchecked: the nick bot
    // takes a mail address, a confirmation code or a new password; the room
    // bot takes the room (without "#") after its password.
    void RegistraUsers(const QString& ResgisterMeta);
    void ConfirmaUsers(const QString& ConfirmaMeta);
    void CambiaPass(const QString& PassMeta);
    void RegistraSala(const QString& PassMeta, const QString& SalaMeta, const QString& SessionMeta,
                      const QString& DescripcionMeta);

    // --- Windows of further rooms and private conversations ---------------------
    // A room line, names list or private line for those windows.
    void MsgComming(const QString& EntraA, const QString& Mensajero, const QString& iMensaje);
    void NickComming(const QString& EntraA, QString& Entrantes);
    QString nickclean(QString msg);
    void MsgPrvComming(const QString& Mensajero, const QString& iMensaje);
    // Shows the private window of Whoto, made when there is none.
    void Abre_Privado(const QString& Whoto);

    // --- The room list and moving between rooms ------------------------------------
    void MuestrasRooms();
    // Leaves the main room and joins the room in txtChannel.
    void ChannelChange();
    // Leaves the server and connects to nuevo_server for nueva_sala, which is
    // joined at the end of the message of the day.
    void Nuevo_Canal(const QString& nueva_sala, const QString& nuevo_server, quint16 nuevo_puerto);
    // Shows the user list, emptied.
    void Desaparece();
    // The room of a room-list row as the server named it, with its "#": what
    // every join and invitation takes, never the text the row shows.
    QString listedRoom(int position) const;

    // --- The promotion notice -----------------------------------------------------
    // Shows the window and, esperemos seconds later, asks the web server
    // for the notice.
    void Actualizaciones(qint16 esperemos);
    // Shows the notice that a reply of the web server holds, if any.
    void Verificacion(const QString& thebuffer);
    void Winsock1_Connect();
    void Winsock1_DataArrival();
    QString BufferWeb;
    // Where the fetch connects: the promotion server, unless a test points
    // it at a server of its own.
    QString ServidorPromo;
    int PuertoPromo = 80;

    // --- The user list's menu --------------------------------------------------------
    // Kicks kicknick from kickchannel. A channel named after a country of
    // two words keeps its first word only, in the caller's variable too, so
    // the ban that follows names the channel the kick named.
    void Expulsa(QString& kickchannel, const QString& kicknick);

    // --- Text style -------------------------------------------------------------
    // Applies the saved style at start-up.
    void ReConfigura();

    // --- Scrambled list files ------------------------------------------------------
    // Patch is the file beside the program in the original's form
    // ("\Files\Adornos.ini"). SaveList replaces the file with every item of
    // lst; LoadList appends the file's items to lst. Each shows its error box.
    void SaveList(platform::ListBox& lst, const QString& Patch);
    void LoadList(platform::ListBox& lst, const QString& Patch);

    // --- Form variables -------------------------------------------------------
    QString BufferIRC;
    QString NickServidor;
    QString NickFallido;
    DatosWhois Whois;
    bool PrefijoNames = false;
    bool PrefijoNick = false;  // nickclean removed a leading "@" or "+"
    QString TextoBienvenida;
    qint32 ColumnaPaleta = 0;  // column of the palette cell under the mouse
    qint32 FilaPaleta = 0;     // its row times 4
    qint16 MixColor = 0;       // 0: mix colour off; else the next font swatch + 1

    // --- Controls -----------------------------------------------------------------
    platform::TcpClient* sockIRC;
    platform::TcpClient* Winsock1;  // the promotion fetch
    platform::HtmlView* DHTMLEdit1;
    platform::LogBox* txtStatus;  // the status box: it takes no typing
    platform::ClickLabel* Label3;  // "Copy"
    QLineEdit* txtNick;
    QLineEdit* TxtPass;
    QPushButton* cmdNick;
    QLineEdit* txtChannel;
    QLabel* TxtUsala;    // the user count
    QLineEdit* txtSala;  // marquee of the room
    QLineEdit* Text1;    // marquee of the welcome banner
    QFrame* Picture5;    // user list panel
    QFrame* Picture6;    // room list panel
    platform::ListView* ListView1;
    platform::ListView* ListView2;
    QPushButton* Command12;  // "Salas"
    QPushButton* Command13;  // "Usuarios"
    QMenu* msalas;           // "Sala", the room list's pop-up menu
    QAction* mproom;         // "Sala Principal"
    QAction* msroom;         // "Sala Secundaria"
    QAction* mnsala;         // "Introduce Nombre De Sala"
    QPlainTextEdit* txtChatMsg;
    QPushButton* cmdChat;
    QGroupBox* Frame1;  // "Mensaje Privado"
    // The user list's pop-up menu, which acts on NickSeleccionado.
    QMenu* mpop;
    QAction* mncopy;
    QAction* mmenci;
    QAction* mignore;
    QAction* mKick;  // shown once an operator opens the menu
    QAction* mwhois;
    QAction* mfreeprv;
    platform::ListBox* lstUsers;
    QPlainTextEdit* txtPrivMsg;
    QPushButton* cmdPriv;
    QPushButton* cmdDisconnect;

    // Text style.
    platform::ToggleButton* Command2;  // Negrita
    platform::ToggleButton* Command3;  // Subrayada
    platform::ToggleButton* Command29;  // Mix color
    std::array<platform::ColorSwatch*, 17> Option1;  // font colour swatches
    std::array<platform::ColorSwatch*, 17> Option2;  // background swatches
    platform::PictureBox* Picture1;  // colour palette
    platform::Shape* Shape1;         // frame of the palette cell under the mouse
    QMenu* mcolor;                   // "Colores", the chat button's pop-up menu
    QAction* minsert;
    QAction* mcolors;

    // Toolbar: windows and actions.
    QPushButton* Command11;  // Conexion
    QPushButton* Command1;   // Iconos
    QPushButton* Command14;  // Registro
    QPushButton* Command15;  // Media Player
    QPushButton* Command16;  // Operador
    QPushButton* Command17;  // Multi-Privados
    QPushButton* Command28;  // Servidor
    QPushButton* Command32;  // Team-Vexlo
    QPushButton* Command33;  // Favoritos
    QPushButton* Command35;  // Vexlo Sala
    QPushButton* Command34;  // Juego
    QPushButton* Command36;  // Adornos
    QPushButton* Command6;   // Contestadora
    QPushButton* Command30;  // Web
    QPushButton* Command31;  // Vexlo Foro
    QPushButton* Command7;   // Limpiar
    QPushButton* Command8;   // Guardar
    QPushButton* Command10;  // Cerrar
    // Toolbar: the option flags.
    platform::ToggleButton* Command18;  // PublicarPrivados
    platform::ToggleButton* Command19;  // AntiFlood
    platform::ToggleButton* Command20;  // PrivadosEnChat
    platform::ToggleButton* Command21;  // PrivadosEnVentanas
    platform::ToggleButton* Command5;  // Invitaciones
    platform::ToggleButton* Command26;  // VerMovimiento
    platform::ToggleButton* Command27;  // AutoScroll

    // The robot.
    QGroupBox* Frame5;
    platform::ListBox* List1;  // its entries; the selection is the one posted last
    QPushButton* Command22;    // Abrir
    QPushButton* Command23;    // Limpiar
    platform::ToggleButton* Command24;  // Iniciar
    QPushButton* Command25;    // Detener

    QTimer* Marquesina;
    QTimer* Timer3;
    QTimer* Timer2;
    QTimer* timTimeout;

    platform::DefaultButtons* defaultButtons;

    // --- Event handlers -------------------------------------------------------
    void sockIRC_Connect();
    void sockIRC_LineArrival(const QByteArray& line);
    void sockIRC_Close();
    void sockIRC_Error();
    void cmdDisconnect_Click();
    void cmdNick_Click();
    void cmdChat_Click();
    void cmdPriv_Click();
    void cmdChat_MouseUp(Qt::MouseButton Button);
    void txtNick_Change();
    void Command2_Click();
    void Command3_Click();
    void Command29_Click();
    void Option1_Click(int Index);
    void Option2_Click(int Index);
    void Picture1_MouseMove(int X, int Y);
    void Picture1_Click();
    void minsert_Click();
    void mcolors_Click();
    void Timer3_Timer();
    void Command1_Click();
    void Command36_Click();
    void Command11_Click();
    void Command14_Click();
    void Command15_Click();
    void Command16_Click();
    void Command28_Click();
    void Command6_Click();
    void Command17_Click();
    void Command30_Click();
    void Command31_Click();
    void Command32_Click();
    void Command34_Click();
    void Command7_Click();
    void Command8_Click();
    void Command10_Click();
    void Command12_Click();
    void Command13_Click();
    void Command33_Click();
    void Command35_Click();
    void ListView2_MouseUp(Qt::MouseButton Button, const QPoint& at);
    void ListView2_DblClick();
    void mproom_Click();
    void msroom_Click();
    void mnsala_Click();
    void Label3_Click();
    void Marquesina_Timer();
    void Command22_Click();
    void Command23_Click();
    void Command24_Click();
    void Command25_Click();
    void Timer2_Timer();
    void ListView1_Click();
    void ListView1_DblClick();
    void ListView1_MouseUp(Qt::MouseButton Button, const QPoint& at);
    void mncopy_Click();
    void mmenci_Click();
    void mignore_Click();
    void mKick_Click();
    void mwhois_Click();
    void mfreeprv_Click();
    // The raw command entry.
    void txtStatus_DblClick();

protected:
    void Form_Load() override;
    void Form_Unload(qint16& Cancel) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // The farewell QUIT line, and the notice the view shows when the
    // connection ends; the disconnect button and shutdown share both.
    static QString farewellLine();
    static QString disconnectedNotice();
    void buildWindow();
    void connectHandlers();
    QFrame* buildToolbar();
    QWidget* buildSidePanel();
    QWidget* buildCompose();
    QWidget* buildStyle();
    void connectStyleHandlers();
    QGroupBox* buildRobot();
    void connectRobotHandlers();
    void stopRobot();
    void buildUserMenu();
    static QPushButton* button(const QString& caption, const QString& tip, const char* name);
    static platform::ToggleButton* toggle(const QString& offCaption, const QString& onCaption, const QString& tip,
                                          const char* name);
    // The option flags and the buttons that switch and show them.
    struct OptionFlag {
        platform::ToggleButton* button;
        bool* flag;
        const char* handler;
    };
    std::array<OptionFlag, 7> optionFlags() const;
    // Bold and underline: each click switches its code in and out.
    void toggleCode(platform::ToggleButton* button, const QString& code, int slot, void (*show)(QWidget*, bool),
                    QString& saved);
    void nickFailure(const QString& text);
    // The main room's events, one line each.
    void privmsgLine(ReceivedLine& l);
    void joinLine(ReceivedLine& l);
    void kickLine(ReceivedLine& l);
    void quitLine(ReceivedLine& l);
    void nickLine(ReceivedLine& l);
    void partLine(ReceivedLine& l);
    void namesLine(ReceivedLine& l);
    void whoisReply(const QString& command, QString& parameters);
    // Makes the listed room the main room, as the room list's double click
    // and "Sala Principal" do.
    void makeMainRoom(const QString& room);
    // Empties the view and the user list, closes a live connection and
    // connects again for room (txtChannel shows roomBox until connected).
    void reconnect(const QString& room, const QString& roomBox, const QString& server, quint16 port);
    // The window of a room that has none yet, shown and found from now on.
    frmRoom* newRoomWindow(const QString& room);
    void removeUser(int position);
    // Empties the user list, its twin and the count together.
    void clearUsers();
    void refreshCount();

    platform::LineReader* lineReader_;  // the lines sockIRC receives
    bool promoRead_ = false;  // the reply's first delivery has been handled
    // The last files of the chat's "Guardar" and of the robot's "Abrir", apart.
    QString chatFile_;
    QString robotFile_;
    // A step waits in a box, or a file is being loaded: ticks meanwhile do nothing.
    bool robotBusy_ = false;
};
