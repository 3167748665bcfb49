#include "core/IgnoreSlots.h"

#include <algorithm>
#include <numeric>

IgnoreSlots::IgnoreSlots(int count) : slots_(size_t(count)) { clear(); }

bool IgnoreSlots::contains(const QString& nick) const
{
    // Nobody ignored, the common case: no folded copy of every sender.
    return !byNick_.isEmpty() && byNick_.contains(key(nick));
}

int IgnoreSlots::fill(const QString& nick)
{
    if (nick.isEmpty() || free_.empty())
        return -1;
    const int slot = free_.top();
    free_.pop();
    slots_[size_t(slot)] = nick;
    auto& held = byNick_[key(nick)];
    held.insert(std::lower_bound(held.begin(), held.end(), slot), slot);
    return slot;
}

int IgnoreSlots::release(const QString& nick)
{
    const auto it = byNick_.find(key(nick));
    if (it == byNick_.end())
        return -1;
    const int slot = it->front();
    it->erase(it->begin());
    if (it->isEmpty())
        byNick_.erase(it);
    slots_[size_t(slot)].clear();
    free_.push(slot);
    return slot;
}

void IgnoreSlots::clear()
{
    std::fill(slots_.begin(), slots_.end(), QString());
    byNick_.clear();
    // Slots in ascending order already form a heap.
    std::vector<int> all(slots_.size());
    std::iota(all.begin(), all.end(), 0);
    free_ = decltype(free_)(std::greater<int>(), std::move(all));
}
