#pragma once
// The module shared by every window: the shared state, the settings values
// and option flags, and the module procedures (settings files, the server
// settings file, the rendering of chat text, the ignore list and flood
// control).
#include "core/ColourCodes.h"
#include "core/IgnoreSlots.h"
#include "platform/WindowSlots.h"

#include <QList>
#include <QString>
#include <array>
#include <vector>

class QWidget;
class frmPrivado;
class frmRoom;
namespace platform {
class ListBox;
}

namespace Function {

// --- Shared state -------------------------------------------------------
extern QString MiNick;            // own nick
extern QString NickAnterior;      // alternate nick, and the nick before a change
extern QString PassIRC;           // password of the connection
extern QString ServidorIRC;       // chat server host
extern quint16 PuertoIRC;         // chat server port
extern QString CanalActual;       // room of the main window, with its '#'
extern QString NickSeleccionado;  // nick last chosen in a user list
extern QString SalaSeleccionada;  // room last chosen in the room list
extern QString TextoMarquesina;   // marquee text
extern bool Conectado;            // set when the socket connects, never cleared
extern bool EsOperador;           // the user has operator rights

// --- Settings values (the user settings file) ---------------------------
extern QString NickGuardado;
extern QString AlternoGuardado;
extern QString PassGuardado;
extern QString AdornoIzquierdo;
extern QString AdornoDerecho;
extern QString ColorIzquierdo;
extern QString ColorCentral;
extern QString ColorFondo;
extern QString ColorDerecho;
extern QString CodigoBold;
extern QString CodigoUnder;
extern QString TextoContestadora;

// --- Option flags ---------------------------------------------------------
extern bool PublicarPrivados;
extern bool AntiFlood;
extern bool PrivadosEnChat;
extern bool PrivadosEnVentanas;
extern bool VerMovimiento;
extern bool AutoScroll;
extern bool Invitaciones;
extern bool AlertaPrivados;
extern bool MostrarMSN;
extern bool PublicarMusica;

// The windows of further rooms and of private conversations, found by
// their captions (frmRoom::captionFor, frmPrivado::captionFor). Each starts
// with one empty slot.
extern platform::WindowSlotsOf<frmRoom> VentanasSala;
extern platform::WindowSlotsOf<frmPrivado> VentanasPrivado;

// The ignore list: 10,001 slots (0 to 10,000), "" free. Never saved.
extern IgnoreSlots ListaIgnorados;
// The flood check's last two main-room lines, and the slot the next one
// goes to (0 or 1).
extern std::array<QString, 2> UltimosMensajes;
extern qint16 TurnoFlood;

// The six code strings wrapped around every line sent: bold, underline,
// background, font colour, left and right decoration colour.
extern std::array<QString, 6> FormatoTexto;

// --- The server settings file --------------------------------------------
struct DatosSala {
    QString Nombre;
    QString Valor;
};
struct DatosServidor {
    QString NombresSalas;
    std::vector<DatosSala> Salas;
    QString LoginServer;
    quint16 LoginPort = 0;   // 0: the file's text is no port
    QString LoginPortTexto;  // the port as the file writes it
};
extern QString ArchivoINI;
extern std::array<QString, 31> Secciones;  // 1 to 30
extern std::vector<DatosServidor> Servidores;
extern QString BufferINI;
extern qint32 LargoINI;

// Gives every shared value its start value: start-up calls it first, and
// the tests before each test (a fresh program).
void ResetState();

// --- Module procedures ------------------------------------------------------

// IRC text to an HTML fragment: emoticon codes, list-picture codes, colour,
// bold, underline and plain codes. Rewrites text in place and returns it.
QString FormatoHTML(QString& text);
// What FormatoHTML carries from one code to the next along its text.
struct FormatState {
    ColourState colour;
    bool bold = false;
    bool underline = false;
};
// FormatoHTML of a text that goes on from where state was left: it starts
// from state, leaves in it the state at the text's end, and appends no
// closing tags (ClosingTags gives them).
QString FormatoHTML(QString& text, FormatState& state);
// The tags that close what state holds open, as FormatoHTML ends a text.
QString ClosingTags(const FormatState& state);
// Text from outside made safe for view HTML: "<" and ">" escaped.
QString TextoHTML(QString text);
// IRC colour number to an HTML colour name ("" for none).
QString ColorHTML(qint16 index);
// An HTML fragment to the body of a single-quoted script string. Rewrites
// text in place and returns it.
QString EscapaJS(QString& text);
// The emoticon codes in picture order (picture NN is code NN).
const QList<QString>& EmoticonCodes();

// The rainbow: the text cut into 21 pieces by character position, each
// after its colour code; every code is written, also for pieces past the
// end of the text. Rewrites text in place and returns it.
QString Arcoiris(QString& text);

// The list files' scrambling: each character's Windows-1252 code XORed with
// key. The same call unscrambles.
QString Cifra(const QString& text, quint8 key);
constexpr quint8 kClaveListas = 0x9D;
// The part of a list entry after the first open tag up to the next close
// tag; "" when that part is empty or a tag is missing.
QString EntreMarcas(const QString& entry, const QString& open, const QString& close);

// The user settings file: read once at start-up, written whole after every
// change.
void LeeDatos();
void GuardaDatos();

// The server settings file.
void CargaSecciones();
bool CargaServidor(qint16 area, const QString& name);
QString LeeINI(const QString& section, const QString& key);
// The chat server of the maker's own room: the server of the file's first
// area, or the maker's host when the file names none.
QString ServidorPorDefecto();
// Every port the program takes goes through here: a whole number from 1 to
// 65535 in digits, leading zeros allowed, blanks around it ignored; 0 when
// the text is no port.
quint16 PuertoDeTexto(const QString& text);
// What the box says of a text that is no port.
QString PuertoNoValido(const QString& text);

// One row of the room list from a LIST reply; returns "".
QString AgregaSala(qint16 numeric, const QString& nick, const QString& line);

// The robot's file: each of its fields (the run time's field input) becomes
// an entry at the end of list, without the team's banner. An empty path or a
// file that cannot be read adds nothing.
void CargaRobot(const QString& path, platform::ListBox& list);
// Every occurrence of find (in any case) in text replaced, searching on after
// each replacement; text holds the result too. The event pump runs once per
// replacement.
QString ReemplazaTexto(QString& text, const QString& find, const QString& replacement);

// Waits while the run time keeps handling events.
void Espera(float seconds);

// Shows a pop-up alert and returns once it has gone or its title was
// clicked, handling every other event meanwhile.
void MuestraAlerta(const QString& text, const QString& title, const QString& link);
// Puts window on top of all others, or takes it off again.
void SiempreEncima(QWidget* window, bool on);
// The alerts on screen: a new one takes the next place of the stack.
extern qint16 AlertasVisibles;

// The ignore list. Nicks compare without regard to letter case, and the
// own nick is never ignored. Ignorar with op "+" puts nick into the first
// free slot, with "-" frees the first slot holding it; either marks every
// user list. Returns whether a slot changed (a full list takes no nick).
bool Ignorar(const QString& nick, const QString& op);
// Whether nick stands in a slot; never for the own nick or "".
bool EstaIgnorado(const QString& nick);
// Marks nick ignored ("+") or no longer ignored ("-") in the main user list
// and in every room window's.
void MarcaIgnorado(const QString& nick, const QString& op);
// The flood check of one main-room line: when it repeats the line seen just
// before (whoever said that one), its sender is ignored and the main room
// is told.
void ControlFlood(const QString& text, const QString& nick);

}  // namespace Function
