#pragma once
// The main window connected to a scripted server and registered, with the
// main room "#sala" and the own nick "yo". sync() returns once the client
// has handled everything the server sent before it.
#include "AppFixture.h"
#include "FakeServer.h"

class frmIRC;

class ConnectedClient : public AppFixture {
protected:
    void SetUp() override;
    void sync();
    // The status box's lines, without the answers to sync()'s PINGs.
    QStringList statusLines() const;
    // The fragments written into the main view since the window loaded.
    QStringList viewFragments() const;

    FakeServer server;
    frmIRC* irc = nullptr;
    int syncs_ = 0;
};
