#include "platform/LineReader.h"

#include "platform/Dialogs.h"
#include "platform/TcpClient.h"

#include <QPointer>

namespace platform {

LineReader::LineReader(TcpClient* client) : QObject(client), client_(client)
{
    connect(client, &TcpClient::Connected, this, [this] { framer_ = LineFramer(); });
    connect(client, &TcpClient::DataArrival, this, [this] {
        framer_.feed(client_->GetData());
        takeLines();
    });
    connect(client, &TcpClient::Closed, this, [this] {
        if (takeLines())
            emit Closed();
    });
    connect(client, &TcpClient::Error, this, [this](int number, const QString& description) {
        if (takeLines())
            emit Error(number, description);
    });
}

bool LineReader::takeLines()
{
    const QPointer<LineReader> alive(this);
    while (auto line = framer_.takeLine()) {
        // Should this line's handler wait, a queued call takes the lines
        // behind it from inside the wait.
        if (framer_.hasUntaken() && !resumePosted_) {
            resumePosted_ = true;
            QMetaObject::invokeMethod(this, [this] {
                resumePosted_ = false;
                takeLines();
            }, Qt::QueuedConnection);
        }
        {
            const ReceivedLineScope scope;
            emit LineArrival(*line);
        }
        if (!alive)
            return false;  // the owner went away with its reader
    }
    return true;
}

}  // namespace platform
