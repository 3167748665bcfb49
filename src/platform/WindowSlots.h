#pragma once
// Windows kept in numbered slots and found by their caption, as the
// original kept its growable arrays of windows. Slots are only added, at
// the end; slot 0 starts empty. A slot whose window was closed (unloaded,
// or already destroyed) holds nothing and matches nothing, so a closed
// window is never found again.
//
// A lookup means "from slot 0 up, the open windows whose caption is
// exactly this text". It goes through an index that follows every caption
// change, so it costs the same with one window open or a thousand.
#include "platform/Form.h"
#include "platform/SlotList.h"

#include <QList>
#include <QMetaObject>
#include <QPointer>
#include <vector>

namespace platform {

class WindowSlots {
public:
    WindowSlots();
    ~WindowSlots();
    WindowSlots(const WindowSlots&) = delete;
    WindowSlots& operator=(const WindowSlots&) = delete;

    int count() const { return int(slots_.size()); }
    // Grows by one slot holding window; returns the new slot.
    int add(Form* window);
    // The open window in slot, or null.
    Form* at(int slot) const;
    // The first open window with this caption, or null.
    Form* first(const QString& caption) const;
    // Back to one empty slot; the windows themselves are left alone.
    void reset();

protected:
    // The slots indexed under caption, in slot order; some may be closed.
    const SlotIndex::Slots& slotsWith(const QString& caption) const { return byCaption_.all(caption); }

private:
    struct Slot {
        QPointer<Form> window;
        QString caption;  // what the index holds it under
        QMetaObject::Connection renamed, destroyed;
    };
    static bool isOpen(const Form* window) { return window && !window->isUnloaded(); }
    void forget(int slot);

    std::vector<Slot> slots_;
    SlotIndex byCaption_;
};

// The same for one window class.
template <class T>
class WindowSlotsOf : public WindowSlots {
public:
    T* at(int slot) const { return static_cast<T*>(WindowSlots::at(slot)); }
    T* first(const QString& caption) const { return static_cast<T*>(WindowSlots::first(caption)); }
    // Every open window with this caption, in slot order.
    QList<T*> all(const QString& caption) const
    {
        QList<T*> r;
        for (const int slot : slotsWith(caption))
            if (T* w = at(slot))
                r << w;
        return r;
    }
    // Every open window, in slot order.
    QList<T*> open() const
    {
        QList<T*> r;
        for (int slot = 0; slot < count(); ++slot)
            if (T* w = at(slot))
                r << w;
        return r;
    }
};

}  // namespace platform
