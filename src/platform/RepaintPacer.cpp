#include "platform/RepaintPacer.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QPointer>
#include <QHash>
#include <QTimer>
#include <algorithm>
#include <deque>

namespace platform {

namespace {

class Pacer : public QObject {
public:
    explicit Pacer(QObject* parent) : QObject(parent)
    {
        timer_.setSingleShot(true);
        connect(&timer_, &QTimer::timeout, this, &Pacer::round);
    }

    void request(QObject* owner, std::function<void()> refresh)
    {
        if (Pending* waiting = waiting_.value(owner)) {
            // A new owner may sit where a gone one still waits: it takes its turn.
            if (!waiting->owner) {
                waiting->owner = owner;
                waiting->refresh = std::move(refresh);
            }
            return;
        }
        pending_.push_back({owner, owner, std::move(refresh)});
        waiting_.insert(owner, &pending_.back());
        schedule();
    }

private:
    struct Pending {
        QObject* key;
        QPointer<QObject> owner;
        std::function<void()> refresh;
    };

    void schedule()
    {
        if (timer_.isActive() || pending_.empty())
            return;
        const qint64 since = sinceRound_.isValid() ? sinceRound_.elapsed() : gapMs_;
        timer_.start(int(std::clamp<qint64>(gapMs_ - since, 0, gapMs_)));
    }

    void round()
    {
        QElapsedTimer took;
        took.start();
        while (!pending_.empty() && took.elapsed() < kFrameMs) {
            // Taken off first: a refresh may ask again, for a later round.
            const Pending p = std::move(pending_.front());
            pending_.pop_front();
            waiting_.remove(p.key);
            if (p.owner)
                p.refresh();
        }
        gapMs_ = std::max<qint64>(kFrameMs, 9 * took.elapsed());
        sinceRound_.start();
        schedule();
    }

    QTimer timer_;
    std::deque<Pending> pending_;
    QHash<QObject*, Pending*> waiting_;  // into pending_, whose ends move no element
    QElapsedTimer sinceRound_;
    qint64 gapMs_ = kFrameMs;
};

Pacer& pacer()
{
    // Owned by the application, so that its timer goes before the event loop.
    static QPointer<Pacer> p;
    if (!p)
        p = new Pacer(QCoreApplication::instance());
    return *p;
}

}  // namespace

void requestRepaint(QObject* owner, std::function<void()> refresh) { pacer().request(owner, std::move(refresh)); }

}  // namespace platform
