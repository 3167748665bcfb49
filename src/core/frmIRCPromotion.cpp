// The promotion notice: fetched from the network's web server some time
// after start-up, and shown as a pop-up alert when the server offers one.
#include "core/Function.h"
#include "core/Hosts.h"
#include "core/frmIRC.h"
#include "platform/Errors.h"
#include "platform/Handlers.h"
#include "platform/TcpClient.h"
#include "platform/Text.h"
#include "platform/WireText.h"

#include <QTimer>

using namespace platform;
using namespace Function;

void frmIRC::Actualizaciones(qint16 esperemos)
{
    Show();
    // The wait goes on beside start-up rather than inside it: the program
    // runs normally meanwhile, as it would inside a timed wait.
    QTimer::singleShot(qMax(0, int(esperemos)) * 1000, this, [this] {
        guard("Actualizaciones", [this] {
            Winsock1->Close();
            Winsock1->Connect(ServidorPromo, PuertoPromo);
        });
    });
}

void frmIRC::Winsock1_Connect()
{
    BufferWeb.clear();
    promoRead_ = false;
    Winsock1->SendData(QByteArrayLiteral("GET /ClientePictures/PublicidadIRC.txt HTTP/1.1\r\n"
                                         "Accept: */*\r\n"
                                         "Accept: text/html\r\n"
                                         "Host: ") +
                       hosts::kPromotion.toLatin1() + "\r\n\r\n");
}

void frmIRC::Winsock1_DataArrival()
{
    // Only the first delivery counts. Data that comes while its notice is
    // on screen must not raise a second one.
    if (promoRead_)
        return;
    promoRead_ = true;
    try {
        const QString text = Winsock1->State() == TcpClient::sckConnected ? decodeLine(Winsock1->GetData()) : QString();
        BufferWeb += text;
        Verificacion(BufferWeb);
    } catch (const RuntimeError&) {
    }
    Winsock1->Close();
}

void frmIRC::Verificacion(const QString& thebuffer)
{
    if (!thebuffer.contains(QStringLiteral("HTTP/1.1 200 OK")))
        return;
    struct Pair {
        QString open, close;
        QString value;
    } pairs[] = {
        {QStringLiteral("<promo>"), QStringLiteral("</promo>"), {}},
        {QStringLiteral("<msg>"), QStringLiteral("</msg>"), {}},
        {QStringLiteral("<url>"), QStringLiteral("</url>"), {}},
    };
    for (Pair& p : pairs) {
        const int open = InStr(thebuffer, p.open);
        if (open == 0)
            continue;
        const int start = open + int(p.open.size());
        const int length = InStr(start, thebuffer, p.close) - start;
        if (length < 1)
            return;
        p.value = Mid(thebuffer, start, length);
    }
    if (!pairs[0].value.isEmpty())
        MuestraAlerta(pairs[1].value, pairs[0].value, pairs[2].value);
}
