#pragma once
// A movie control that plays nothing: it records the movies it was given and
// reports what the test tells it to. FakeMovies puts it in place of the real
// one for its own lifetime.
#include "platform/MovieControl.h"

#include <QPointer>
#include <QStringList>
#include <vector>

class FakeMovie : public platform::MovieControl {
public:
    using MovieControl::MovieControl;
    void setMovie(const QString& path) override
    {
        loads << path;
        number_ = beginMovie(path);
    }
    void loaded(QSize stage, double frameRate) { reportLoaded(number_, stage, frameRate); }
    void fail(const QString& reason) { reportFailed(number_, reason); }

    QStringList loads;

private:
    quint64 number_ = 0;
};

class FakeMovies {
public:
    FakeMovies()
    {
        platform::setMovieFactory([this](QWidget* parent) {
            auto* movie = new FakeMovie(parent);
            made.emplace_back(movie);
            return movie;
        });
    }
    ~FakeMovies() { platform::setMovieFactory({}); }

    // Every control made, in order; a destroyed one is null.
    std::vector<QPointer<FakeMovie>> made;
};
