#include "core/Function.h"

#include "platform/Desktop.h"
#include "platform/EventPump.h"
#include "platform/Errors.h"
#include "windows/frmAlert.h"

namespace Function {

// The shared state. Its start values are given in ResetState() alone, which
// start-up and the tests both call.
QString MiNick, NickAnterior, PassIRC, ServidorIRC;
quint16 PuertoIRC;
QString CanalActual, NickSeleccionado, SalaSeleccionada, TextoMarquesina;
bool Conectado, EsOperador;

QString NickGuardado, AlternoGuardado, PassGuardado, AdornoIzquierdo, AdornoDerecho;
QString ColorIzquierdo, ColorCentral, ColorFondo, ColorDerecho, CodigoBold, CodigoUnder;
QString TextoContestadora;

bool PublicarPrivados, AntiFlood, PrivadosEnChat, PrivadosEnVentanas, VerMovimiento, AutoScroll, Invitaciones;
bool AlertaPrivados, MostrarMSN, PublicarMusica;
qint16 AlertasVisibles;

platform::WindowSlotsOf<frmRoom> VentanasSala;
platform::WindowSlotsOf<frmPrivado> VentanasPrivado;

IgnoreSlots ListaIgnorados(10001);
std::array<QString, 2> UltimosMensajes;
qint16 TurnoFlood;

std::array<QString, 6> FormatoTexto;

QString ArchivoINI;
std::array<QString, 31> Secciones;
std::vector<DatosServidor> Servidores;
QString BufferINI;
qint32 LargoINI;

void ResetState()
{
    MiNick = NickAnterior = PassIRC = ServidorIRC = QString();
    PuertoIRC = 0;
    CanalActual = NickSeleccionado = SalaSeleccionada = TextoMarquesina = QString();
    Conectado = EsOperador = false;

    NickGuardado = AlternoGuardado = PassGuardado = AdornoIzquierdo = AdornoDerecho = QString();
    ColorIzquierdo = ColorCentral = ColorFondo = ColorDerecho = CodigoBold = CodigoUnder = QString();
    TextoContestadora = QString();

    PublicarPrivados = AntiFlood = PrivadosEnChat = PrivadosEnVentanas = Invitaciones = false;
    VerMovimiento = AutoScroll = AlertaPrivados = true;
    MostrarMSN = PublicarMusica = false;
    AlertasVisibles = 0;

    VentanasSala.reset();
    VentanasPrivado.reset();

    ListaIgnorados.clear();
    UltimosMensajes = {};
    TurnoFlood = 0;

    FormatoTexto = {};

    ArchivoINI = QString();
    Secciones = {};
    Servidores.clear();
    BufferINI = QString();
    LargoINI = 0;
}

void Espera(float seconds)
{
    platform::resumeNext("Espera", [&] {
        // The clock reads seconds since midnight; a wait across midnight
        // moves its end back by one day.
        const double start = platform::Timer();
        double end = start + seconds;
        while (platform::Timer() < end) {
            platform::DoEvents();
            platform::PumpEventsFor(qBound(0, int((end - platform::Timer()) * 1000.0), 5));
            if (platform::Timer() < start)
                end -= 86400.0;
        }
    });
}

void MuestraAlerta(const QString& text, const QString& title, const QString& link)
{
    // The alert frees itself once it has slid out and this wait is over.
    frmAlert* alert = nullptr;
    platform::resumeNext("MuestraAlerta new", [&] { alert = new frmAlert; });
    if (alert)
        platform::resumeNext("MuestraAlerta DisplayAlert", [&] { alert->DisplayAlert(title, text, link, 300); });
}

void SiempreEncima(QWidget* window, bool on) { platform::desktop().setAlwaysOnTop(window, on); }

}  // namespace Function
