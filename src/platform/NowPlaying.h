#pragma once
// Where the player's now-playing record goes: a copy-data message to every
// window of the messenger that shows what its user is listening to. Behind a
// replaceable sink, so tests see each message.
#include <QByteArray>

namespace platform {

class NowPlayingSink {
public:
    virtual ~NowPlayingSink() = default;
    // One copy-data message: its number (dwData) and its bytes.
    virtual void copyData(quint32 dwData, const QByteArray& data) = 0;
};

NowPlayingSink& nowPlaying();
void setNowPlayingSink(NowPlayingSink* sink);  // nullptr restores the real one

}  // namespace platform
