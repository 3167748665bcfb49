#pragma once
// The module shared by every window: the shared state, the settings values
// and option flags, and the module procedures (settings files, the server
// settings file, the rendering of chat text).
#include <QList>
#include <QString>
#include <array>
#include <vector>

namespace Function {

// --- Shared state -------------------------------------------------------
extern QString MiNick;            // own nick
extern QString NickAnterior;      // alternate nick, and the nick before a change
extern QString PassIRC;           // password of the connection
extern QString ServidorIRC;       // chat server host
extern qint16 PuertoIRC;          // chat server port
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
    qint16 LoginPort = 0;
    QString LoginPortTexto;  // the port as the file writes it, shown in the port box
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
// IRC colour number to an HTML colour name ("" for none).
QString ColorHTML(qint16 index);
// An HTML fragment to the body of a single-quoted script string. Rewrites
// text in place and returns it.
QString EscapaJS(QString& text);
// The emoticon codes in picture order (picture NN is code NN).
const QList<QString>& EmoticonCodes();

// The user settings file: read once at start-up, written whole after every
// change.
void LeeDatos();
void GuardaDatos();

// The server settings file.
void CargaSecciones();
bool CargaServidor(qint16 area, const QString& name);
QString LeeINI(const QString& section, const QString& key);
// A port is a whole number from 0 to 32767 written in digits; -1 otherwise.
qint16 PuertoDeTexto(const QString& text);

// One row of the room list from a LIST reply; returns "".
QString AgregaSala(qint16 numeric, const QString& nick, const QString& line);

// Waits while the run time keeps handling events.
void Espera(float seconds);

// The ignore list and flood control (their own windows come later): nobody
// is ignored yet and no flood check runs.
bool EstaIgnorado(const QString& nick);
void ControlFlood(const QString& text, const QString& nick);

}  // namespace Function
