#pragma once
// A user list's entries as the tests compare them.
#include <QString>
#include <QStringList>
#include <ostream>
#include <vector>

namespace platform {
class ListBox;
class ListView;
}  // namespace platform

struct ListEntry {
    QString text;
    int icon = 0;
    QString host;    // SubItems(1)
    QString colour;  // "" for the list's own colour, else "#rrggbb"
    bool operator==(const ListEntry&) const = default;
};
std::ostream& operator<<(std::ostream& os, const ListEntry& e);

std::vector<ListEntry> listEntries(const platform::ListView& list);
// Just the texts, in order.
std::vector<QString> listTexts(const platform::ListView& list);

// A list box's items, in order.
QStringList boxItems(const platform::ListBox& box);

// The own nick's colour, &HF4B795.
inline const QString kOwnColour = QStringLiteral("#95b7f4");
