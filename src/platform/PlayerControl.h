#pragma once
// The media player control, as the player window uses it: setting the
// address opens the medium and starts it; play, pause, stop, the position,
// the volume, the medium's "name" and "duration", a play-state number, and
// events for open-state changes, play-state changes and errors.
//
// What the window relies on:
// - events arrive queued, never inside the call that caused them, and only
//   while their medium is still the current one (a new address drops the
//   events still queued for the one before);
// - Playing comes once the medium is open and its duration known, and again
//   on every resume from pause; MediaEnded comes once at the end of a medium;
// - the position is 0 right after a new address, after stop and after the
//   end;
// - "duration" is always a number of seconds in the C locale, "0" when the
//   medium has none (a stream).
#include <QObject>
#include <QString>
#include <functional>

class QWidget;

namespace platform {

class PlayerControl : public QObject {
    Q_OBJECT
public:
    enum PlayState : int {
        Undefined = 0,
        Stopped = 1,
        Paused = 2,
        Playing = 3,
        MediaEnded = 8,
        Transitioning = 9,
    };
    enum OpenState : int { MediaChanging = 8, MediaOpen = 13 };

    explicit PlayerControl(QObject* parent = nullptr);

    // Opens the file path or stream address and plays it; "" closes the
    // medium.
    virtual void setURL(const QString& url) = 0;
    QString URL() const { return url_; }
    virtual void play() = 0;
    virtual void pause() = 0;
    virtual void stop() = 0;
    // Seconds from the start of the medium.
    virtual double currentPosition() const = 0;
    // 0 to 100.
    virtual int volume() const = 0;
    virtual void setVolume(int volume) = 0;
    int playState() const { return playState_; }
    // "name": the medium's title tag, else its file name. "duration": see
    // above. Any other item is "".
    QString itemInfo(const QString& item) const;
    // Where the video shows; the window places it. None for a control
    // without a picture.
    virtual QWidget* display() const { return nullptr; }

signals:
    void OpenStateChange(int newState);
    void PlayStateChange(int newState);
    void Error();

protected:
    // A new address: its name and duration are not known yet, and the
    // events of the medium before it are dropped.
    void beginMedium(const QString& url);
    void setName(const QString& name) { name_ = name; }
    void setDurationSeconds(double seconds) { duration_ = seconds; }
    // The state changes now; its event follows, queued.
    void setPlayState(int state);
    void postOpenState(int state);
    void postError();

private:
    void post(std::function<void()> deliver);

    QString url_;
    QString name_;
    double duration_ = 0;
    int playState_ = Undefined;
    quint64 medium_ = 0;
};

// The name of a medium that has no title tag: its file name, or the whole
// address when the address names no file.
QString mediumFileName(const QString& url);

// The windows make their player controls here; tests put their own in.
using PlayerFactory = std::function<PlayerControl*(QObject* parent)>;
PlayerControl* makePlayer(QObject* parent);
// An empty factory restores the real player.
void setPlayerFactory(PlayerFactory factory);

}  // namespace platform
