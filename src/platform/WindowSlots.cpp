#include "platform/WindowSlots.h"

namespace platform {

WindowSlots::WindowSlots() { reset(); }

WindowSlots::~WindowSlots()
{
    for (int s = 0; s < count(); ++s)
        forget(s);
}

int WindowSlots::add(Form* window)
{
    const int slot = count();
    slots_.push_back({window, window->Caption(), {}, {}});
    Slot& s = slots_.back();
    byCaption_.insert(s.caption, slot);
    // The registry outlives none of these connections: forget() and the
    // destructor drop them.
    s.renamed = QObject::connect(window, &QWidget::windowTitleChanged, [this, slot](const QString& caption) {
        Slot& held = slots_[size_t(slot)];
        byCaption_.erase(held.caption, slot);
        held.caption = caption;
        byCaption_.insert(caption, slot);
    });
    s.destroyed = QObject::connect(window, &QObject::destroyed, [this, slot] { forget(slot); });
    return slot;
}

void WindowSlots::forget(int slot)
{
    Slot& s = slots_[size_t(slot)];
    QObject::disconnect(s.renamed);
    QObject::disconnect(s.destroyed);
    byCaption_.erase(s.caption, slot);
    s.caption.clear();
}

Form* WindowSlots::at(int slot) const
{
    if (slot < 0 || slot >= count())
        return nullptr;
    Form* w = slots_[size_t(slot)].window;
    return isOpen(w) ? w : nullptr;
}

Form* WindowSlots::first(const QString& caption) const
{
    for (const int slot : byCaption_.all(caption))
        if (Form* w = at(slot))
            return w;
    return nullptr;
}

void WindowSlots::reset()
{
    for (int s = 0; s < count(); ++s)
        forget(s);
    slots_.clear();
    byCaption_.clear();
    slots_.push_back({});
}

}  // namespace platform
