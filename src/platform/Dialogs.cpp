#include "platform/Dialogs.h"

#include <QAbstractButton>
#include <QApplication>
#include <QFileDialog>
#include <QInputDialog>
#include <QMessageBox>

namespace platform {

QString appTitle() { return QStringLiteral("Trovelin"); }

namespace {

QWidget* activeWindow() { return QApplication::activeWindow(); }

class QtDialogHost final : public DialogHost {
public:
    int msgBox(const QString& text, int style, const QString& title) override
    {
        QMessageBox box(activeWindow());
        box.setWindowTitle(title);
        box.setText(QString(text).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
        const int icon = style & 0x70;
        box.setIcon(icon == vbCritical ? QMessageBox::Critical
                    : icon == 32       ? QMessageBox::Question
                    : icon == 48       ? QMessageBox::Warning
                    : icon == vbInformation ? QMessageBox::Information
                                            : QMessageBox::NoIcon);
        if ((style & 0x7) == 4) {
            box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
            box.setDefaultButton(QMessageBox::Yes);
            box.button(QMessageBox::Yes)->setText(QStringLiteral("Sí"));
            return box.exec() == QMessageBox::Yes ? vbYes : vbNo;
        }
        box.setStandardButtons(QMessageBox::Ok);
        box.exec();
        return vbOK;
    }

    QString inputBox(const QString& prompt, const QString& title, const QString& defaultText) override
    {
        bool ok = false;
        const QString shown = QString(prompt).replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
        const QString answer =
            QInputDialog::getText(activeWindow(), title, shown, QLineEdit::Normal, defaultText, &ok);
        return ok ? answer : QString();
    }

    QString openFileName(const QString& filter, const QString& title, const QString& start) override
    {
        return QFileDialog::getOpenFileName(activeWindow(), title, start, filter);
    }

    QString saveFileName(const QString& filter, const QString& defaultExt, const QString& start) override
    {
        QFileDialog d(activeWindow(), QString(), start, filter);
        d.setAcceptMode(QFileDialog::AcceptSave);
        d.setDefaultSuffix(defaultExt);
        if (d.exec() != QDialog::Accepted || d.selectedFiles().isEmpty())
            return QString();
        return d.selectedFiles().first();
    }
};

QtDialogHost realHost;
DialogHost* current = &realHost;

}  // namespace

DialogHost& dialogs() { return *current; }
void setDialogHost(DialogHost* host) { current = host ? host : &realHost; }

namespace {

bool handlingLine = false;  // the innermost handler is a received line's
bool lineBoxOpen = false;   // a box a received line raised is on screen
std::function<void(const QString&)> divertedBoxSink;

// Restores a flag however the scope is left.
struct Restore {
    bool& flag;
    bool value;
    ~Restore() { flag = value; }
};

}  // namespace

int MsgBox(const QString& text, int style, const QString& title)
{
    const QString shownTitle = title.isEmpty() ? appTitle() : title;
    if (!handlingLine)
        return dialogs().msgBox(text, style, shownTitle);
    if (lineBoxOpen) {
        if (divertedBoxSink) {
            QString line = text;
            line.replace(QStringLiteral("\r\n"), QStringLiteral(" ")).replace(u'\n', u' ').replace(u'\r', u' ');
            divertedBoxSink(line);
        }
        return (style & 0x7) == 4 ? vbNo : vbOK;
    }
    const Restore box{lineBoxOpen, false};
    const Restore line{handlingLine, true};
    lineBoxOpen = true;
    handlingLine = false;
    return dialogs().msgBox(text, style, shownTitle);
}

ReceivedLineScope::ReceivedLineScope() : outer_(handlingLine) { handlingLine = true; }
ReceivedLineScope::~ReceivedLineScope() { handlingLine = outer_; }

void setDivertedBoxSink(std::function<void(const QString&)> sink) { divertedBoxSink = std::move(sink); }

}  // namespace platform
