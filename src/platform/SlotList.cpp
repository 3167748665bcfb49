#include "platform/SlotList.h"

#include <algorithm>
#include <bit>

namespace platform {

namespace {
constexpr size_t kMinCapacity = 16;
}

int LiveSlots::append()
{
    const int slot = slotCount();
    alive_.push_back(true);
    ++live_;
    if (alive_.size() >= tree_.size()) {
        rebuild();
    } else {
        for (size_t i = size_t(slot) + 1; i < tree_.size(); i += i & -i)
            ++tree_[i];
    }
    return slot;
}

void LiveSlots::kill(int slot)
{
    alive_[size_t(slot)] = false;
    --live_;
    for (size_t i = size_t(slot) + 1; i < tree_.size(); i += i & -i)
        --tree_[i];
}

int LiveSlots::position(int slot) const
{
    int sum = 0;
    for (size_t i = size_t(slot); i > 0; i -= i & -i)
        sum += tree_[i];
    return sum;
}

int LiveSlots::slotAt(int position) const
{
    // Descend to the last index whose prefix holds at most `position` live
    // slots; the next slot is the wanted one.
    size_t index = 0;
    int remaining = position;
    for (size_t step = tree_.size() - 1; step > 0; step >>= 1) {
        const size_t next = index + step;
        if (next < tree_.size() && tree_[next] <= remaining) {
            index = next;
            remaining -= tree_[next];
        }
    }
    return int(index);
}

void LiveSlots::reset(int live)
{
    alive_.assign(size_t(live), true);
    live_ = live;
    rebuild();
}

void LiveSlots::rebuild()
{
    // Room to grow to twice the slots before the next rebuild.
    const size_t capacity = std::bit_ceil(std::max(kMinCapacity, 2 * alive_.size()));
    tree_.assign(capacity + 1, 0);
    for (size_t i = 1; i <= capacity; ++i) {
        if (i <= alive_.size() && alive_[i - 1])
            ++tree_[i];
        const size_t parent = i + (i & -i);
        if (parent <= capacity)
            tree_[parent] += tree_[i];
    }
}

void SlotIndex::insert(const QString& key, int slot)
{
    Slots& held = map_[key];
    // Slots come in increasing order, except when the index is rebuilt.
    if (held.isEmpty() || held.last() < slot)
        held.append(slot);
    else
        held.insert(std::lower_bound(held.begin(), held.end(), slot), slot);
}

void SlotIndex::erase(const QString& key, int slot)
{
    const auto it = map_.find(key);
    if (it == map_.end())
        return;
    const auto at = std::lower_bound(it->begin(), it->end(), slot);
    if (at != it->end() && *at == slot)
        it->erase(at);
    if (it->isEmpty())
        map_.erase(it);
}

int SlotIndex::first(const QString& key) const
{
    const auto it = map_.constFind(key);
    return it == map_.cend() ? -1 : it->first();
}

const SlotIndex::Slots& SlotIndex::all(const QString& key) const
{
    static const Slots none;
    const auto it = map_.constFind(key);
    return it == map_.cend() ? none : *it;
}

}  // namespace platform
