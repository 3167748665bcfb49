#pragma once
// A player control that plays nothing: the test says when the medium opens,
// where it is, when it ends or fails. Its events keep the real control's
// rules (queued, dropped once a new address is set), so a test delivers
// them with deliver().
#include "platform/PlayerControl.h"

#include <QList>
#include <QPointer>
#include <QStringList>
#include <QWidget>

class FakePlayer : public platform::PlayerControl {
    Q_OBJECT
public:
    explicit FakePlayer(QObject* parent = nullptr);
    ~FakePlayer() override;

    void setURL(const QString& url) override;
    void play() override;
    void pause() override;
    void stop() override;
    double currentPosition() const override { return position; }
    int volume() const override { return volume_; }
    void setVolume(int volume) override { volume_ = volume; }
    QWidget* display() const override { return display_; }

    // The medium opens with its name and duration and plays.
    void opens(const QString& name, double durationSeconds);
    void ends();
    void fails();

    double position = 0;
    QStringList urls;  // every address set, in order

private:
    QPointer<QWidget> display_;
    int volume_ = 0;
    bool open_ = false;
};

// Hands the queued player events to the windows.
void deliver();

// While it lives, every window that makes a player gets a FakePlayer.
class FakePlayers {
public:
    FakePlayers();
    ~FakePlayers();
    FakePlayer* last() const { return made_.isEmpty() ? nullptr : made_.last().data(); }

private:
    QList<QPointer<FakePlayer>> made_;
};
