#include "windows/frmAlert.h"

#include "core/Function.h"
#include "platform/AppFiles.h"
#include "platform/ClickLabel.h"
#include "platform/Desktop.h"
#include "platform/Errors.h"
#include "platform/Geometry.h"
#include "platform/Handlers.h"
#include "platform/Text.h"
#include "windows/frmPrivado.h"

#include <QEventLoop>
#include <QMouseEvent>
#include <QTimer>

using namespace platform;
using namespace Function;

namespace {

constexpr int kWidth = 2910;  // twips
constexpr int kHeight = 2085;

// The address a link line opens, or "" for none. It is picked as ever (a
// line with "http://", else one with "www."), but opened only when the
// whole line is one web address: a link line comes from a server.
QString linkAddress(const QString& link)
{
    QString address;
    if (link.contains(QStringLiteral("http://")))
        address = link;
    else if (link.contains(QStringLiteral("www.")))
        address = link.startsWith(QStringLiteral("https://")) ? link : QStringLiteral("http://") + link;
    return isWebAddress(address) && !address.trimmed().contains(u' ') ? address.trimmed() : QString();
}

ClickLabel* label(QWidget* parent, const char* name, const QRect& place)
{
    auto* l = new ClickLabel(parent);
    l->setObjectName(QLatin1String(name));
    l->setGeometry(place);
    // Titles, messages and links come from other users and from a server.
    l->setTextFormat(Qt::PlainText);
    return l;
}

}  // namespace

frmAlert::frmAlert()
{
    setObjectName(QStringLiteral("frmAlert"));
    setCaption(QStringLiteral("Vexlo Team"));
    // A tool window the program places itself, above the task bar.
    setWindowFlags(Qt::Tool | Qt::FramelessWindowHint);
    setAttribute(Qt::WA_ShowWithoutActivating);
    fixedTwipsWindow(this, kWidth, kHeight);
    setProperty("role", QStringLiteral("alert"));

    Picture1 = label(this, "Picture1", twipsRect(45, 45, 2820, 1995));
    Picture1->setProperty("role", QStringLiteral("alertPanel"));
    Image1 = label(Picture1, "Image1", twipsRect(90, 90, 480, 480));
    Image1->setPixmap(QPixmap(FilesPath(QStringLiteral("Pictures/ui/trovelin.png")))
                          .scaled(twips(480), twips(480), Qt::KeepAspectRatio, Qt::SmoothTransformation));
    Label1 = label(Picture1, "Label1", twipsRect(630, 90, 2115, 480));
    Label1->setWordWrap(true);
    Label1->setProperty("role", QStringLiteral("alertTitle"));
    Label4 = label(Picture1, "Label4", twipsRect(150, 660, 2520, 855));
    Label4->setWordWrap(true);
    Label4->setProperty("role", QStringLiteral("alertText"));
    Label4->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Label2 = label(Picture1, "Label2", twipsRect(150, 1590, 2070, 300));
    Label2->setProperty("role", QStringLiteral("link"));
    Image2 = label(Picture1, "Image2", twipsRect(2310, 1500, 375, 375));
    Image2->setPixmap(QPixmap(FilesPath(QStringLiteral("Pictures/ui/user3.png")))
                          .scaled(twips(375), twips(375), Qt::KeepAspectRatio, Qt::SmoothTransformation));

    Timer1 = new QTimer(this);
    Timer1->setInterval(Tick);
    Timer2 = new QTimer(this);
    Timer2->setInterval(Tick);

    on(Timer1, &QTimer::timeout, this, "Timer1_Timer", [this] { Timer1_Timer(); });
    on(Timer2, &QTimer::timeout, this, "Timer2_Timer", [this] { Timer2_Timer(); });
    on(Picture1, &ClickLabel::clicked, this, "Picture1_Click", [this] { Picture1_Click(); });
    on(Image1, &ClickLabel::clicked, this, "Image1_Click", [this] { Image1_Click(); });
    on(Image2, &ClickLabel::clicked, this, "Picture1_Click", [this] { Picture1_Click(); });
    on(Label1, &ClickLabel::clicked, this, "Label1_Click", [this] { Label1_Click(); });
    on(Label2, &ClickLabel::clicked, this, "Label2_Click", [this] { Label2_Click(); });
    on(Label4, &ClickLabel::clicked, this, "Label4_Click", [this] { Label4_Click(); });
}

void frmAlert::Form_Load() { Velocidad = 50; }

void frmAlert::DisplayAlert(const QString& title, const QString& message, const QString& link, qint32 stay)
{
    showAlert(title, message, link, stay);
    QPointer<frmAlert> self(this);
    resumeNext("DisplayAlert wait", [this] {
        if (!isVisible() || TituloPulsado)
            return;
        QEventLoop loop;
        wait_ = &loop;
        loop.exec();
    });
    if (!self)
        return;
    waitOver_ = true;
    if (slidOut_)
        deleteLater();
}

void frmAlert::showAlert(const QString& title, const QString& message, const QString& link, qint32 stay)
{
    Load();
    resumeNext("DisplayAlert place", [this] {
        ++AlertasVisibles;
        PuestoPila = AlertasVisibles;
    });
    const QRect screen = desktop().screenArea();
    resumeNext("DisplayAlert left", [&] { Left = pixelsToTwips(screen.width() - width()); });
    Permanencia = stay;
    TituloPulsado = false;
    resumeNext("DisplayAlert top", [&] { Top = pixelsToTwips(screen.height()); });
    resumeNext("DisplayAlert labels", [&] {
        Label1->setText(title);
        Label2->setText(link);
        Label4->setText(message);
    });
    resumeNext("DisplayAlert show", [this] {
        // Topmost before the first show: changing it later would hide the
        // window under X11.
        SiempreEncima(this, true);
        place();
        show();
        Timer1->start();
    });
}

void frmAlert::place()
{
    const QRect screen = desktop().screenArea();
    move(screen.x() + twips(Left), screen.y() + twips(Top));
}

void frmAlert::Timer1_Timer()
{
    const QRect screen = desktop().screenArea();
    const QRect work = desktop().workArea();
    // Only the bottom edge of the work area tells the task bar.
    const int taskBar = pixelsToTwips(screen.y() + screen.height() - (work.y() + work.height()));
    if (Top + PuestoPila * pixelsToTwips(height()) + taskBar > pixelsToTwips(screen.height())) {
        Top -= Velocidad;
        place();
        return;
    }
    if (--Permanencia == 0) {
        Timer1->stop();
        Timer2->start();
    }
}

void frmAlert::Timer2_Timer()
{
    Top += Velocidad;
    if (Top < pixelsToTwips(desktop().screenArea().height()) && isVisible()) {
        Top += Velocidad;
        place();
        return;
    }
    Timer2->stop();
    hide();
    SiempreEncima(this, false);
    --AlertasVisibles;
    slidOut_ = true;
    if (waitOver_)
        deleteLater();
}

void frmAlert::endWait()
{
    if (wait_ && (!isVisible() || TituloPulsado))
        wait_->quit();
}

void frmAlert::hideEvent(QHideEvent* event)
{
    Form::hideEvent(event);
    endWait();
}

void frmAlert::Form_Unload(qint16& Cancel)
{
    // Closed by the user: it hides at once and gives its place back only
    // when its stay has run out.
    Cancel = 1;
    hide();
}

void frmAlert::mouseReleaseEvent(QMouseEvent* event)
{
    Form::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton)
        guard("frmAlert.Form_Click", [this] { Form_Click(); });
}

void frmAlert::Form_Click() { Abre_Priv(); }
void frmAlert::Image1_Click() { Abre_Priv(); }
void frmAlert::Label2_Click() { Abre_Priv(); }
void frmAlert::Label4_Click() { Abre_Priv(); }
void frmAlert::Picture1_Click() { Abre_Priv(); }

void frmAlert::Label1_Click()
{
    TituloPulsado = true;
    endWait();
    Abre_Priv();
}

void frmAlert::Abre_Priv()
{
    const QString link = Label2->text();
    if (link.contains(QStringLiteral("http://")) || link.contains(QStringLiteral("www."))) {
        const QString address = linkAddress(link);
        if (!address.isEmpty())
            desktop().openUrl(address);
        return;
    }
    if (!Label1->text().contains(QStringLiteral("Privado Con :")))
        return;
    if (frmPrivado* w = VentanasPrivado.first(frmPrivado::captionFor(Mid(Label1->text(), 15)))) {
        w->setWindowStateValue(vbNormal);
        w->Show();
    }
}
