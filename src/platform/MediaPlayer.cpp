#include "platform/MediaPlayer.h"

#include <QAudioOutput>
#include <QMediaMetaData>
#include <QPainter>
#include <QVideoFrame>
#include <QVideoSink>
#include <QWidget>

namespace platform {

// The video of the medium, scaled to the widget with its proportions kept;
// black when the medium has no picture.
class VideoDisplay : public QWidget {
public:
    explicit VideoDisplay(QVideoSink* sink)
    {
        setAttribute(Qt::WA_OpaquePaintEvent);
        QObject::connect(sink, &QVideoSink::videoFrameChanged, this, [this](const QVideoFrame& frame) {
            frame_ = frame;
            update();
        });
    }
    void clear()
    {
        frame_ = QVideoFrame();
        update();
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter p(this);
        p.fillRect(rect(), Qt::black);
        if (frame_.isValid()) {
            QVideoFrame frame = frame_;
            frame.paint(&p, rect(), {Qt::black, Qt::KeepAspectRatio, {}});
        }
    }

private:
    QVideoFrame frame_;
};

// A path on disk is a file whatever characters it holds ("#", "?", "[").
static QUrl sourceOf(const QString& target)
{
    if (target.startsWith(u'/'))
        return QUrl::fromLocalFile(target);
    return QUrl::fromUserInput(target);
}

MediaPlayer::MediaPlayer(QObject* parent)
    : PlayerControl(parent), player_(new QMediaPlayer(this)), audio_(new QAudioOutput(this))
{
    // The frames go to a sink of the control's own: the display may go
    // first, with the window that holds it.
    auto* sink = new QVideoSink(this);
    display_ = new VideoDisplay(sink);
    player_->setAudioOutput(audio_);
    player_->setVideoSink(sink);
    audio_->setVolume(volume_ / 100.0f);

    connect(player_, &QMediaPlayer::mediaStatusChanged, this, &MediaPlayer::statusChanged);
    connect(player_, &QMediaPlayer::durationChanged, this, [this](qint64 ms) { setDurationSeconds(ms / 1000.0); });
    connect(player_, &QMediaPlayer::metaDataChanged, this, &MediaPlayer::readTitle);
    connect(player_, &QMediaPlayer::errorOccurred, this, [this](QMediaPlayer::Error error) {
        if (error != QMediaPlayer::NoError)
            failed();
    });
}

MediaPlayer::~MediaPlayer()
{
    player_->stop();
    delete display_;
}

QWidget* MediaPlayer::display() const { return display_; }

void MediaPlayer::setURL(const QString& url)
{
    // The medium before is closed first: what Qt still reports of it is not
    // taken for the new one.
    wantPlaying_ = false;
    player_->stop();
    player_->setSource(QUrl());
    beginMedium(url);
    open_ = false;
    failed_ = false;
    if (display_)
        display_->clear();
    if (url.isEmpty()) {
        setPlayState(Undefined);
        return;
    }
    setName(mediumFileName(url));
    setPlayState(Transitioning);
    postOpenState(MediaChanging);
    wantPlaying_ = true;
    player_->setSource(sourceOf(url));
    if (!failed_)
        player_->play();
}

void MediaPlayer::play()
{
    if (URL().isEmpty() || failed_)
        return;
    wantPlaying_ = true;
    player_->play();
    if (open_)
        setPlayState(Playing);
}

void MediaPlayer::pause()
{
    if (URL().isEmpty() || failed_)
        return;
    wantPlaying_ = false;
    player_->pause();
    setPlayState(Paused);
}

void MediaPlayer::stop()
{
    if (URL().isEmpty())
        return;
    wantPlaying_ = false;
    player_->stop();
    setPlayState(Stopped);
}

double MediaPlayer::currentPosition() const
{
    switch (playState()) {
    case Playing:
    case Paused:
        return player_->position() / 1000.0;
    default:
        return 0;
    }
}

void MediaPlayer::setVolume(int volume)
{
    volume_ = qBound(0, volume, 100);
    audio_->setVolume(volume_ / 100.0f);
}

void MediaPlayer::statusChanged(QMediaPlayer::MediaStatus status)
{
    if (failed_)
        return;
    switch (status) {
    case QMediaPlayer::LoadedMedia:
    case QMediaPlayer::BufferingMedia:
    case QMediaPlayer::BufferedMedia:
        if (open_)
            return;
        // Qt says "playing" as soon as it is asked to; the window may only
        // hear it once the medium is open and its duration known.
        open_ = true;
        setDurationSeconds(player_->duration() / 1000.0);
        readTitle();
        postOpenState(MediaOpen);
        if (wantPlaying_)
            setPlayState(Playing);
        return;
    case QMediaPlayer::EndOfMedia:
        // Qt stops before it reports the end; only the end is news.
        wantPlaying_ = false;
        if (open_)
            setPlayState(MediaEnded);
        return;
    case QMediaPlayer::InvalidMedia:
        failed();
        return;
    default:
        return;
    }
}

void MediaPlayer::readTitle()
{
    const QString title = player_->metaData().stringValue(QMediaMetaData::Title);
    setName(title.isEmpty() ? mediumFileName(URL()) : title);
}

void MediaPlayer::failed()
{
    // Qt reports one failure two to four times and still says "playing".
    if (failed_)
        return;
    failed_ = true;
    wantPlaying_ = false;
    player_->stop();
    setPlayState(Stopped);
    postError();
}

}  // namespace platform
