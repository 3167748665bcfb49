#pragma once
// The original's window life: a form is loaded on first use (Form_Load runs
// once), shown modeless, hidden, and unloaded with a Cancel the form can
// set. Closing a window through its frame unloads it; an unloaded form is
// deleted and never found again.
#include <QList>
#include <QPointer>
#include <QWidget>

namespace platform {

enum WindowState : int { vbNormal = 0, vbMinimized = 1, vbMaximized = 2 };

class Form : public QWidget {
    Q_OBJECT
public:
    explicit Form(QWidget* parent = nullptr);
    ~Form() override;

    void Load();     // runs Form_Load the first time
    void Show();     // loads, shows modeless and brings forward unless minimised
    void Hide();
    // Asks Form_Unload; unless it cancels, the form goes away. Returns true
    // when it was unloaded.
    bool Unload();
    bool isLoaded() const { return loaded_ && !unloaded_; }
    bool isUnloaded() const { return unloaded_; }

    QString Caption() const { return windowTitle(); }
    void setCaption(const QString& caption) { setWindowTitle(caption); }
    int windowStateValue() const;
    void setWindowStateValue(int state);

    // Every form that is loaded now, oldest first.
    static QList<Form*> loadedForms();
    // Unloads every loaded form in turn; one that cancels stays.
    static void unloadAll();

protected:
    virtual void Form_Load() {}
    virtual void Form_Unload(qint16& Cancel) { Q_UNUSED(Cancel); }
    void closeEvent(QCloseEvent* event) override;

private:
    QByteArray handlerName(const char* handler) const;

    bool loaded_ = false;
    bool unloaded_ = false;
    bool unloading_ = false;
};

// The default instance of a form class, as touching a form of the original
// gives it: created and loaded hidden on first use, a fresh one after an
// unload.
template <class T>
class FormOf : public Form {
public:
    using Form::Form;
    static T* instance()
    {
        Form*& p = slot();
        if (!p || p->isUnloaded()) {
            p = new T;
            p->Load();
        }
        return static_cast<T*>(p);
    }
    // The default instance when one is loaded, without creating one.
    static T* loadedInstance()
    {
        Form* p = slot();
        return p && !p->isUnloaded() ? static_cast<T*>(p) : nullptr;
    }
    // T is already destroyed here: the slot is compared as a Form, never
    // cast to T.
    ~FormOf() override
    {
        if (slot() == this)
            slot() = nullptr;
    }

private:
    static Form*& slot()
    {
        static Form* p = nullptr;
        return p;
    }
};

}  // namespace platform
