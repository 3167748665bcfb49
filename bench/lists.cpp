// The user list under a big room: N joins (unique nicks, a host key each),
// N lookups, then N parts of random users, with the list view and its list
// box twin on screen and events handled every 500 operations. Between the
// lookups and the parts, single joins and parts with the events handled after
// each, as they arrive from the server. The cost per operation should not
// grow with N.
#include "common/BenchSupport.h"
#include "platform/ListView.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QHBoxLayout>
#include <cstdio>
#include <random>
#include <vector>

using platform::ListBox;
using platform::ListView;

namespace {

constexpr int kEventsEvery = 500;
constexpr int kSingles = 200;

// Times a phase, keeping the lists' own work apart from the event handling
// (layout and painting of the two views) that follows it.
class Phase {
public:
    Phase(const char* name, int entries, int operations)
        : name_(name), entries_(entries), operations_(operations)
    {
        timer_.start();
    }
    void handleEvents()
    {
        QElapsedTimer t;
        t.start();
        QApplication::processEvents();
        events_ += t.nsecsElapsed();
    }
    ~Phase()
    {
        const qint64 total = timer_.nsecsElapsed();
        std::printf("%6d entries  %-22s %8.2f ms  %6.2f us/op  (events %7.2f ms, the rest %6.2f us/op)\n",
                    entries_, name_, total / 1e6, total / 1e3 / operations_, events_ / 1e6,
                    (total - events_) / 1e3 / operations_);
    }

private:
    const char* name_;
    int entries_;
    int operations_;
    QElapsedTimer timer_;
    qint64 events_ = 0;
};

void run(int n)
{
    QWidget window;
    auto* layout = new QHBoxLayout(&window);
    auto* list = new ListView;
    auto* box = new ListBox;
    layout->addWidget(list);
    layout->addWidget(box);
    list->setColumns({"Usuarios", "Ip Virtual"}, {150, 150});
    QPixmap face(15, 15);
    face.fill(Qt::yellow);
    list->setImageList({face});
    window.resize(640, 480);
    window.show();
    QApplication::processEvents();

    std::mt19937 rng(42);
    std::vector<QString> present;
    present.reserve(size_t(n));
    for (int i = 0; i < n; ++i)
        present.push_back(QStringLiteral("usuario%1").arg(i));

    {
        Phase phase("adds", n, n);
        for (int i = 0; i < n; ++i) {
            box->addItem(present[size_t(i)]);
            const int p = list->add(present[size_t(i)], 1);
            list->setSubItem(p, 1, QStringLiteral("%1.host.example").arg(i % 997));
            if ((i + 1) % kEventsEvery == 0)
                phase.handleEvents();
        }
        phase.handleEvents();
    }

    long long sum = 0;
    {
        Phase phase("finds", n, n);
        for (int i = 0; i < n; ++i)
            sum += list->find(present[rng() % present.size()]);
    }

    {
        Phase phase("join+part, events each", n, kSingles);
        for (int i = 0; i < kSingles; ++i) {
            const QString nick = QStringLiteral("visitante%1").arg(i);
            box->addItem(nick);
            list->setSubItem(list->add(nick, 1), 1, QStringLiteral("visita.example"));
            phase.handleEvents();
            const int p = list->find(nick);
            box->removeItem(p);
            list->remove(p);
            phase.handleEvents();
        }
    }

    {
        Phase phase("removes", n, n);
        for (int i = 0; i < n; ++i) {
            const size_t k = rng() % present.size();
            const int p = list->find(present[k]);
            box->removeItem(p);
            list->remove(p);
            present[k] = present.back();
            present.pop_back();
            if ((i + 1) % kEventsEvery == 0)
                phase.handleEvents();
        }
        phase.handleEvents();
    }

    if (list->count() != 0 || box->count() != 0 || sum < 0)
        std::printf("the lists are not empty: %d, %d\n", list->count(), box->count());
}

}  // namespace

int main(int argc, char** argv)
{
    bench::offscreenWithoutDisplay();
    QApplication app(argc, argv);
    for (const int n : {100, 1000, 10000})
        run(n);
    return 0;
}
