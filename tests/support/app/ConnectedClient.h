#pragma once
// The main window connected to a scripted server and registered, with the
// main room "#sala" and the own nick "yo". sync() returns once the client
// has handled everything the server sent before it.
#include "AppFixture.h"
#include "FakeServer.h"

class frmIRC;
namespace platform {
class HtmlView;
}

class ConnectedClient : public AppFixture {
protected:
    void SetUp() override;
    void sync();
    // The server sends these lines; returns once the client handled them.
    void receive(const QStringList& lines);
    // Every line the client sent since the last look, in order.
    QStringList sentLines();
    // The status box's lines, without the answers to sync()'s PINGs.
    QStringList statusLines() const;
    // The fragments written into the main view since the window loaded.
    QStringList viewFragments() const;
    // The fragments written into a view.
    static QStringList fragmentsOf(const platform::HtmlView& view);

    FakeServer server;
    frmIRC* irc = nullptr;
    int syncs_ = 0;
};
