#pragma once
// The movie control of the two movie windows. Setting the movie loads the
// file and plays it at once: looped, with sound, the whole movie shown
// inside the control with its proportions kept, its context menu on, no full
// screen, keyboard focus in the movie. Nothing else about the movie is
// asked of it.
//
// It says when the movie runs (its stage size and frame rate) and, at most
// once, why it cannot or stopped; both come queued, never inside
// setMovie(), and only for the current movie.
#include <QSize>
#include <QString>
#include <QWidget>
#include <functional>

namespace platform {

class MovieControl : public QWidget {
    Q_OBJECT
public:
    explicit MovieControl(QWidget* parent = nullptr) : QWidget(parent) {}

    // A movie file path; "" stops and empties the control.
    virtual void setMovie(const QString& path) = 0;
    QString Movie() const { return movie_; }

signals:
    void Loaded(QSize stage, double frameRate);
    void Failed(const QString& reason);

protected:
    // Each call starts a new movie: what is still queued for the one before
    // is dropped. Returns the movie's number for the reports.
    quint64 beginMovie(const QString& path);
    // Queued; dropped when the movie was replaced meanwhile, when it already
    // ran (Loaded) or already failed (both).
    void reportLoaded(quint64 movie, QSize stage, double frameRate);
    void reportFailed(quint64 movie, const QString& reason);

private:
    enum Outcome { Pending, Running, Broken };
    QString movie_;
    quint64 current_ = 0;
    Outcome outcome_ = Pending;
};

// The windows make their movie controls here; tests put their own in.
using MovieFactory = std::function<MovieControl*(QWidget* parent)>;
MovieControl* makeMovieControl(QWidget* parent);
// An empty factory restores the real control.
void setMovieFactory(MovieFactory factory);

// What the real control needs before the QApplication is made: call it first
// in main().
void prepareMovieEngine();

}  // namespace platform
