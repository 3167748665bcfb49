#pragma once
// What the player window's tests share: the now-playing messages caught,
// the window's own variables back to their start, and the window opened
// with its timers still, so each tick runs when the test says.
#include "FakePlayer.h"
#include "media/frmMedia.h"
#include "platform/NowPlaying.h"

#include <QList>
#include <QTimer>

struct CopyData {
    quint32 dwData;
    QByteArray data;
};

class CapturedRecords : public platform::NowPlayingSink {
public:
    CapturedRecords() { platform::setNowPlayingSink(this); }
    ~CapturedRecords() override { platform::setNowPlayingSink(nullptr); }
    void copyData(quint32 dwData, const QByteArray& data) override { messages.append({dwData, data}); }

    QList<CopyData> messages;
};

// The record's text as UTF-16LE bytes, the final NUL added.
inline QByteArray utf16Record(const QString& text)
{
    QByteArray out;
    for (const QChar c : text + QChar(0)) {
        out.append(char(c.unicode() & 0xFF));
        out.append(char(c.unicode() >> 8));
    }
    return out;
}

inline void resetPlayerWindowState()
{
    frmMedia::IndiceActual = 0;
    frmMedia::UltimoPublicado.clear();
}

inline frmMedia* openStill()
{
    frmMedia* m = frmMedia::instance();
    m->Marque->stop();
    m->Timer2->stop();
    return m;
}
