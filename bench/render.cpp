// Appends 100,000 chat fragments with colours and emoticons to the main view
// through New_msg, with the window shown and auto-scroll on; prints
// fragments per second and peak memory.
#include "common/BenchSupport.h"
#include "core/Function.h"
#include "core/frmIRC.h"
#include "platform/HtmlView.h"
#include "platform/Text.h"

#include <QApplication>

int main(int argc, char** argv)
{
    bench::offscreenWithoutDisplay();
    QApplication app(argc, argv);
    Function::ResetState();
    frmIRC* irc = frmIRC::instance();
    irc->Show();
    QCoreApplication::processEvents();

    const QString c = platform::Chr(3), b = platform::Chr(2);
    const QStringList texts = {
        QStringLiteral("hola a todos :) que tal"),
        c + QStringLiteral("04rojo") + c + QStringLiteral(" y ") + b + QStringLiteral("negrita") + b,
        QStringLiteral("jajaja :D :D ;) (h)"),
        c + QStringLiteral("12,8 azul sobre amarillo ") + c + QStringLiteral("3verde"),
        QStringLiteral("alguien de Lima? //07 //12"),
        QStringLiteral("una linea de charla corriente sin nada especial en ella, como casi todas"),
    };
    const int total = 100000;
    const double before = bench::peakMiB();
    QElapsedTimer clock;
    clock.start();
    for (int i = 0; i < total; ++i) {
        irc->New_msg(QStringLiteral("<b> nick%1 :</B>  ").arg(i % 500) + texts[i % texts.size()]);
        if (i % 100 == 99)
            QCoreApplication::processEvents();
    }
    QCoreApplication::processEvents();
    const double seconds = clock.elapsed() / 1000.0;
    std::printf("render: %d fragments in %.2f s: %.0f fragments/s; view holds %d; peak memory %.1f MiB "
                "(%.1f MiB before the first fragment)\n",
                total, seconds, total / seconds, irc->DHTMLEdit1->fragmentCount(), bench::peakMiB(), before);
    return 0;
}
