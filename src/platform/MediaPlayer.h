#pragma once
// The real player control, over Qt Multimedia on GStreamer. Qt's own events
// come in an order of their own (playing before the medium is open, stopped
// before the end, each failure reported several times); this control turns
// them into the events PlayerControl promises. Plays with no audio output
// at all: the clock and the events go on without sound.
#include "platform/PlayerControl.h"

#include <QMediaPlayer>
#include <QPointer>

class QAudioOutput;

namespace platform {

class VideoDisplay;

class MediaPlayer : public PlayerControl {
    Q_OBJECT
public:
    explicit MediaPlayer(QObject* parent = nullptr);
    ~MediaPlayer() override;

    void setURL(const QString& url) override;
    void play() override;
    void pause() override;
    void stop() override;
    double currentPosition() const override;
    int volume() const override { return volume_; }
    void setVolume(int volume) override;
    QWidget* display() const override;

private:
    void statusChanged(QMediaPlayer::MediaStatus status);
    void readTitle();
    void failed();

    QMediaPlayer* player_;
    QAudioOutput* audio_;
    QPointer<VideoDisplay> display_;
    int volume_ = 50;
    bool open_ = false;         // the medium is open: duration and tags known
    bool wantPlaying_ = false;  // play was asked last, not pause or stop
    bool failed_ = false;       // the medium failed; later reports are echoes
};

}  // namespace platform
