#pragma once
// The ignore list's slots: a fixed number of them, each free ("") or
// holding one nick as it was given. Nicks compare without regard to letter
// case. The slots are the list's meaning (a nick goes into the first free
// slot, the same nick may fill two, "-" frees the first that holds it);
// an index kept in step with them answers every question without walking
// the slots, so a received line costs the same with one nick ignored or
// ten thousand.
#include <QHash>
#include <QString>
#include <QVarLengthArray>
#include <functional>
#include <queue>
#include <vector>

class IgnoreSlots {
public:
    explicit IgnoreSlots(int count);

    int count() const { return int(slots_.size()); }
    const QString& at(int slot) const { return slots_[size_t(slot)]; }
    bool contains(const QString& nick) const;
    // Puts nick into the first free slot and returns that slot; -1 when
    // none is free. An empty nick would leave its slot free: it takes none.
    int fill(const QString& nick);
    // Frees the first slot that holds nick and returns it, or -1.
    int release(const QString& nick);
    // Every slot free again.
    void clear();

private:
    static QString key(const QString& nick) { return nick.toCaseFolded(); }

    std::vector<QString> slots_;
    QHash<QString, QVarLengthArray<int, 1>> byNick_;  // folded nick -> its slots, lowest first
    std::priority_queue<int, std::vector<int>, std::greater<int>> free_;
};
