// The running side of the media player: the position poll with the step to
// the next entry, the scrolling title, the player's events, the two
// switches, the song announced in the main room and the now-playing record.
#include "core/Function.h"
#include "core/frmIRC.h"
#include "media/frmMedia.h"
#include "platform/Errors.h"
#include "platform/ListView.h"
#include "platform/NowPlaying.h"
#include "platform/PlayerControl.h"
#include "platform/ProgressBar.h"
#include "platform/StatusBar.h"
#include "platform/Text.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QScopedValueRollback>

using namespace platform;
using namespace Function;

namespace {

constexpr quint32 kMusicInfo = 1351;  // the messenger's number for now-playing records
const QString kFormat = QStringLiteral("{0} - {1}");

// The player's "duration" item, a number in the C locale.
double seconds(const QString& number)
{
    bool ok = false;
    const double d = number.toDouble(&ok);
    if (!ok)
        throw RuntimeError(errTypeMismatch);
    return d;
}

}  // namespace

QString frmMedia::TimeString(qint32 s)
{
    const qint32 h = s / 3600;
    const qint32 m = s / 60 - 60 * h;
    const qint32 c = s % 60;
    return QStringLiteral("%1:%2.%3").arg(h).arg(m, 2, 10, QChar(u'0')).arg(c, 2, 10, QChar(u'0'));
}

QByteArray frmMedia::MusicInfoRecord(const QString& r_sArtist, const QString& r_sAlbum, const QString& r_sTitle,
                                     const QString& r_sWMContentID, const QString& r_sFormat, bool r_bShow)
{
    // Each separator is the two characters "\" and "0"; the one real NUL
    // ends the record.
    const QString sep = QStringLiteral("\\0");
    const QString text = sep + QStringLiteral("Music") + sep + (r_bShow ? u'1' : u'0') + sep + r_sFormat + sep +
                         r_sArtist + sep + r_sTitle + sep + r_sAlbum + sep + r_sWMContentID + sep + QChar(0);
    QByteArray record;
    record.reserve(text.size() * 2);
    for (const QChar c : text) {
        record.append(char(c.unicode() & 0xFF));
        record.append(char(c.unicode() >> 8));
    }
    return record;
}

void frmMedia::SetMusicInfo(const QString& r_sArtist, const QString& r_sAlbum, const QString& r_sTitle,
                            const QString& r_sWMContentID, const QString& r_sFormat, bool r_bShow)
{
    nowPlaying().copyData(kMusicInfo,
                          MusicInfoRecord(r_sArtist, r_sAlbum, r_sTitle, r_sWMContentID, r_sFormat, r_bShow));
}

void frmMedia::sendClearRecord() { SetMusicInfo(QString(), QString(), QString(), QString(), kFormat, false); }

void frmMedia::sendShowRecord(const QString& title)
{
    SetMusicInfo(QStringLiteral("Vexlo-Parlowen-Media Player :"), QStringLiteral("Debut"), title, QString(), kFormat,
                 true);
}

void frmMedia::Marque_Timer()
{
    TituloActual = Mid(TituloActual, 2) + Left(TituloActual, 1);
    CurrentTitle->setText(u' ' + TituloActual + u' ');
    if (MostrarMSN)
        sendShowRecord(QStringLiteral("[ ") + TituloActual + QStringLiteral(" ]"));
    if (WMP->playState() != PlayerControl::Playing && MostrarMSN)
        sendClearRecord();
}

void frmMedia::Timer2_Timer()
{
    QLabel* duration = Label1[0];
    QLabel* elapsed = Label1[1];
    if (!WMP->URL().isEmpty())
        elapsed->setText(TimeString(CLng(WMP->currentPosition())));
    // Both texts are whole seconds: the step comes as soon as the rounded
    // position reaches the rounded duration, up to a second early.
    if (elapsed->text() == duration->text() && duration->text() != QLatin1String("0:00.00"))
        selectNext();
    if (WMP->URL().isEmpty() || WMP->playState() != PlayerControl::Playing)
        return;
    // A stream has no length to measure progress by: the bar keeps the
    // maximum it had, and its value only moves within it.
    const QString length = WMP->itemInfo(QStringLiteral("duration"));
    const float position = float(WMP->currentPosition());
    if (seconds(length) > 0)
        Progreso->setMax(float(seconds(length)));
    const float value = Progreso->Max() > Progreso->Value() ? position : 0.0f;
    if (value <= Progreso->Max())
        Progreso->setValue(value);
    StatusBar1->setPanelText(1, WMP->itemInfo(QStringLiteral("name")));
    StatusBar1->setPanelText(4, TimeString(CLng(seconds(length))));
    StatusBar1->setPanelText(3, TimeString(CLng(position)));
    AcomodarProgress();
}

void frmMedia::WMP_OpenStateChange(int NewState)
{
    Q_UNUSED(NewState);
    Label1[1]->setText(QString());
}

void frmMedia::WMP_PlayStateChange(int NewState)
{
    if (NewState == PlayerControl::MediaEnded) {
        if (MostrarMSN)
            sendClearRecord();
        Progreso->setValue(0);
        // The playlist goes on whatever the switch says: a track whose end
        // the poll missed must not stop it.
        selectNext();
    } else if (NewState == PlayerControl::Playing) {
        const QString name = WMP->itemInfo(QStringLiteral("name"));
        Label1[0]->setText(TimeString(CLng(seconds(WMP->itemInfo(QStringLiteral("duration"))))));
        if (UltimoPublicado == name)
            return;
        TituloActual = QStringLiteral(" ... ") + name;
        if (MostrarMSN)
            sendShowRecord(QStringLiteral("Reproduciendo: ") + name);
        // A refused line opens a box; the next song must not stack another.
        if (PublicarMusica && Conectado && !announcing_) {
            QScopedValueRollback busy(announcing_, true);
            frmIRC* irc = frmIRC::instance();
            QString text = QStringLiteral("Estoy Escuchando : ") + name + QStringLiteral(" en o: ") +
                           Mid(irc->txtChannel->text(), 2) + QStringLiteral(" :D ");
            irc->RoomMsg(text);
            UltimoPublicado = name;
        }
    }
}

void frmMedia::WMP_Error()
{
    if (MostrarMSN)
        sendClearRecord();
}

void frmMedia::mdisplaymsn_Click()
{
    MostrarMSN = mdisplaymsn->text() == QLatin1String("Mostrar en MSN ON");
    mdisplaymsn->setText(MostrarMSN ? QStringLiteral("Mostrar en MSN OFF") : QStringLiteral("Mostrar en MSN ON"));
    mdisplaymsn->setChecked(MostrarMSN);
}

void frmMedia::mpublica_Click()
{
    PublicarMusica = mpublica->text() == QLatin1String("Publicar ON");
    mpublica->setText(PublicarMusica ? QStringLiteral("Publicar OFF") : QStringLiteral("Publicar ON"));
    mpublica->setChecked(PublicarMusica);
}
