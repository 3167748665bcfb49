#include "platform/PlayerControl.h"

#include "platform/MediaPlayer.h"

#include <QFileInfo>
#include <QUrl>

namespace platform {

PlayerControl::PlayerControl(QObject* parent) : QObject(parent) {}

QString PlayerControl::itemInfo(const QString& item) const
{
    if (item == QLatin1String("name"))
        return name_;
    if (item == QLatin1String("duration")) {
        // Milliseconds are all a player knows; the C locale keeps the text a
        // number whatever the user's language.
        QString text = QString::number(duration_, 'f', 3);
        while (text.endsWith(u'0'))
            text.chop(1);
        if (text.endsWith(u'.'))
            text.chop(1);
        return text;
    }
    return QString();
}

void PlayerControl::beginMedium(const QString& url)
{
    ++medium_;
    url_ = url;
    name_.clear();
    duration_ = 0;
}

void PlayerControl::setPlayState(int state)
{
    if (state == playState_)
        return;
    playState_ = state;
    post([this, state] { emit PlayStateChange(state); });
}

void PlayerControl::postOpenState(int state)
{
    post([this, state] { emit OpenStateChange(state); });
}

void PlayerControl::postError()
{
    post([this] { emit Error(); });
}

void PlayerControl::post(std::function<void()> deliver)
{
    QMetaObject::invokeMethod(
        this,
        [this, medium = medium_, deliver = std::move(deliver)] {
            if (medium == medium_)
                deliver();
        },
        Qt::QueuedConnection);
}

QString mediumFileName(const QString& url)
{
    const QString name = url.contains(QLatin1String("://")) ? QUrl(url).fileName() : QFileInfo(url).fileName();
    return name.isEmpty() ? url : name;
}

static PlayerFactory& factory()
{
    static PlayerFactory f;
    return f;
}

PlayerControl* makePlayer(QObject* parent)
{
    if (factory())
        return factory()(parent);
    return new MediaPlayer(parent);
}

void setPlayerFactory(PlayerFactory f) { factory() = std::move(f); }

}  // namespace platform
