#include "platform/Form.h"

#include "platform/Errors.h"
#include "platform/Skin.h"

#include <QCloseEvent>

namespace platform {

static QList<Form*>& registry()
{
    static QList<Form*> forms;
    return forms;
}

// "frmIRC.Form_Load": a caught error names the form it happened in.
QByteArray Form::handlerName(const char* handler) const
{
    return QByteArray(metaObject()->className()) + '.' + handler;
}

Form::Form(QWidget* parent) : QWidget(parent, Qt::Window)
{
    applySkin(this);
}

Form::~Form()
{
    registry().removeAll(this);
}

void Form::Load()
{
    if (loaded_)
        return;
    loaded_ = true;
    registry().append(this);
    guard(handlerName("Form_Load").constData(), [this] { Form_Load(); });
}

void Form::Show()
{
    Load();
    if (unloaded_)
        return;
    // A minimised form is shown minimised, as the original's Show left the
    // window state alone: restoring is the caller's, through the state.
    show();
    if (windowState() & Qt::WindowMinimized)
        return;
    raise();
    activateWindow();
}

void Form::Hide() { hide(); }

bool Form::Unload()
{
    if (unloaded_ || unloading_)
        return unloaded_;
    unloading_ = true;
    qint16 cancel = 0;
    guard(handlerName("Form_Unload").constData(), [&] { Form_Unload(cancel); });
    unloading_ = false;
    if (cancel != 0)
        return false;
    unloaded_ = true;
    registry().removeAll(this);
    hide();
    deleteLater();  // the form may be unloading itself from one of its own handlers
    return true;
}

int Form::windowStateValue() const
{
    if (windowState() & Qt::WindowMinimized)
        return vbMinimized;
    if (windowState() & Qt::WindowMaximized)
        return vbMaximized;
    return vbNormal;
}

void Form::setWindowStateValue(int state)
{
    setWindowState(state == vbMinimized ? Qt::WindowMinimized
                   : state == vbMaximized ? Qt::WindowMaximized
                                          : Qt::WindowNoState);
}

QList<Form*> Form::loadedForms() { return registry(); }

void Form::unloadAll()
{
    for (Form* f : loadedForms())
        f->Unload();
}

void Form::closeEvent(QCloseEvent* event)
{
    if (unloaded_) {
        event->accept();
        return;
    }
    event->ignore();  // Unload() hides and deletes the form itself
    Unload();
}

}  // namespace platform
