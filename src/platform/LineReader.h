#pragma once
// The lines a TcpClient receives, handed to their owner one at a time.
//
// A line's handler may wait (a message box, a timed wait) with more lines
// behind it: those are taken from inside the wait, so a PING behind a box is
// answered at once. Each line is taken once, by whoever comes first, so
// lines stay whole and in arrival order. The end of a connection (Closed,
// Error) is passed on only after every line that came before it has been
// taken. Each connection starts with an empty buffer: an unfinished line
// left by the last connection is dropped, never glued to the next one's.
#include "platform/WireText.h"

#include <QByteArray>
#include <QObject>
#include <QString>

namespace platform {

class TcpClient;

class LineReader : public QObject {
    Q_OBJECT
public:
    explicit LineReader(TcpClient* client);

signals:
    // One received line, without CR and LF.
    void LineArrival(const QByteArray& line);
    void Closed();
    void Error(int number, const QString& description);

private:
    // Hands over every complete line; false when the reader was deleted by
    // a handler meanwhile.
    bool takeLines();

    TcpClient* client_;
    LineFramer framer_;
    bool resumePosted_ = false;
};

}  // namespace platform
