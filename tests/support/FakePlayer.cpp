#include "FakePlayer.h"

#include <QCoreApplication>
#include <QWidget>

// A blank picture, for the window to place as it places the real one.
FakePlayer::FakePlayer(QObject* parent) : PlayerControl(parent), display_(new QWidget) {}

FakePlayer::~FakePlayer() { delete display_; }

void FakePlayer::setURL(const QString& url)
{
    urls << url;
    beginMedium(url);
    position = 0;
    open_ = false;
    if (url.isEmpty()) {
        setPlayState(Undefined);
        return;
    }
    setPlayState(Transitioning);
    postOpenState(MediaChanging);
}

void FakePlayer::play()
{
    if (open_)
        setPlayState(Playing);
}

void FakePlayer::pause() { setPlayState(Paused); }

void FakePlayer::stop()
{
    position = 0;
    setPlayState(Stopped);
}

void FakePlayer::opens(const QString& name, double durationSeconds)
{
    setName(name);
    setDurationSeconds(durationSeconds);
    open_ = true;
    postOpenState(MediaOpen);
    setPlayState(Playing);
}

void FakePlayer::ends()
{
    position = 0;
    setPlayState(MediaEnded);
}

void FakePlayer::fails()
{
    setPlayState(Stopped);
    postError();
}

void deliver() { QCoreApplication::sendPostedEvents(); }

FakePlayers::FakePlayers()
{
    platform::setPlayerFactory([this](QObject* parent) {
        auto* p = new FakePlayer(parent);
        made_ << p;
        return p;
    });
}

FakePlayers::~FakePlayers() { platform::setPlayerFactory({}); }
