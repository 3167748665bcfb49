#pragma once
// Positions of a list that only grows at its end, in O(log n).
//
// Every entry gets a slot number when it is appended; slots only increase,
// so slot order is list order. A removed entry leaves a dead slot behind, and
// a Fenwick tree over the live slots turns a slot into its position and a
// position into its slot. When dead slots outnumber live ones the slots are
// renumbered (compact()), which is O(n) but paid for by the removals that
// made them.
#include <QHash>
#include <QList>
#include <QString>
#include <QVarLengthArray>
#include <utility>
#include <vector>

namespace platform {

class LiveSlots {
public:
    int liveCount() const { return live_; }
    int slotCount() const { return int(alive_.size()); }
    bool isLive(int slot) const { return alive_[size_t(slot)]; }

    // A new live slot after the last one.
    int append();
    void kill(int slot);
    // Live slots before slot.
    int position(int slot) const;
    // The live slot at position, which must be in [0, liveCount()).
    int slotAt(int position) const;
    // Slots 0 to live - 1, all live.
    void reset(int live);

private:
    void rebuild();

    std::vector<bool> alive_;
    std::vector<int> tree_{0};  // Fenwick tree, 1-based; capacity is a power of two
    int live_ = 0;
};

template <class T>
class SlotList {
public:
    int count() const { return slots_.liveCount(); }
    int slotCount() const { return slots_.slotCount(); }

    // Appends and returns the new entry's slot.
    int append(T item)
    {
        items_.push_back(std::move(item));
        return slots_.append();
    }
    int slotAt(int position) const { return slots_.slotAt(position); }
    int position(int slot) const { return slots_.position(slot); }
    T& at(int position) { return items_[size_t(slotAt(position))]; }
    const T& at(int position) const { return items_[size_t(slotAt(position))]; }
    const T& bySlot(int slot) const { return items_[size_t(slot)]; }

    T take(int position)
    {
        const int slot = slotAt(position);
        slots_.kill(slot);
        return std::exchange(items_[size_t(slot)], T{});
    }

    // Renumbers the slots when most of them are dead; returns whether it did,
    // so that indexes holding slots can be rebuilt.
    bool compact()
    {
        const int dead = slotCount() - count();
        if (dead < kMinDeadToCompact || dead <= count())
            return false;
        std::vector<T> live;
        live.reserve(size_t(count()));
        for (int s = 0; s < slotCount(); ++s)
            if (slots_.isLive(s))
                live.push_back(std::move(items_[size_t(s)]));
        items_ = std::move(live);
        slots_.reset(int(items_.size()));
        return true;
    }

    void clear()
    {
        items_.clear();
        slots_.reset(0);
    }

    // f(slot, item) for every live entry, in list order.
    template <class F>
    void forEach(F f) const
    {
        for (int s = 0; s < slotCount(); ++s)
            if (slots_.isLive(s))
                f(s, items_[size_t(s)]);
    }

private:
    static constexpr int kMinDeadToCompact = 64;

    std::vector<T> items_;
    LiveSlots slots_;
};

// Text -> slots of the entries holding it, in slot (list) order. Most
// texts are held by one entry, so the slots sit inline in the hash.
class SlotIndex {
public:
    using Slots = QVarLengthArray<int, 1>;

    void insert(const QString& key, int slot);
    void erase(const QString& key, int slot);
    // The first slot, or -1.
    int first(const QString& key) const;
    const Slots& all(const QString& key) const;
    void clear() { map_.clear(); }

private:
    QHash<QString, Slots> map_;
};

}  // namespace platform
