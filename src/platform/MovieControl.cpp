#include "platform/MovieControl.h"

#include "platform/RuffleMovie.h"

#include <QMetaObject>
#include <QPointer>

namespace platform {

quint64 MovieControl::beginMovie(const QString& path)
{
    movie_ = path;
    outcome_ = Pending;
    return ++current_;
}

void MovieControl::reportLoaded(quint64 movie, QSize stage, double frameRate)
{
    QMetaObject::invokeMethod(this, [this, movie, stage, frameRate] {
        if (movie != current_ || outcome_ != Pending)
            return;
        outcome_ = Running;
        emit Loaded(stage, frameRate);
    }, Qt::QueuedConnection);
}

void MovieControl::reportFailed(quint64 movie, const QString& reason)
{
    QMetaObject::invokeMethod(this, [this, movie, reason] {
        if (movie != current_ || outcome_ == Broken)
            return;
        outcome_ = Broken;
        emit Failed(reason);
    }, Qt::QueuedConnection);
}

static MovieFactory& factory()
{
    static MovieFactory f;
    return f;
}

MovieControl* makeMovieControl(QWidget* parent)
{
    if (factory())
        return factory()(parent);
    return new RuffleMovie(parent);
}

void setMovieFactory(MovieFactory f) { factory() = std::move(f); }

}  // namespace platform
