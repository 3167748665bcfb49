#pragma once
// Media made at test time with GStreamer's command line, and a radio
// station in the test's own process. Nothing is downloaded.
#include <QByteArray>
#include <QList>
#include <QPointer>
#include <QString>
#include <QTcpServer>
#include <QTcpSocket>

// A tone of whole tenths of a second, WAV or Ogg Vorbis by the path's
// extension, with a title tag when one is given. False when it could not be
// made.
bool makeTone(const QString& path, double seconds, const QString& title = QString());
// A moving test picture in Ogg Theora, without sound.
bool makeVideo(const QString& path, double seconds);

// Serves one medium to every request as a live station does: no length, no
// ranges, the connection held open after the last byte, so the medium has
// no duration and never ends.
class RadioStation : public QObject {
    Q_OBJECT
public:
    RadioStation(const QByteArray& body, const QByteArray& contentType);
    // http://127.0.0.1:<port> followed by path.
    QString address(const QString& path) const;
    int requests() const { return requests_; }

private:
    QTcpServer server_;
    QList<QPointer<QTcpSocket>> listeners_;
    QByteArray body_;
    QByteArray contentType_;
    int requests_ = 0;
};
