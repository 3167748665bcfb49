#include "ListEntries.h"

#include "platform/ListView.h"

std::ostream& operator<<(std::ostream& os, const ListEntry& e)
{
    return os << '{' << e.text.toStdString() << ' ' << e.icon << " '" << e.host.toStdString() << "' "
              << e.colour.toStdString() << '}';
}

std::vector<ListEntry> listEntries(const platform::ListView& list)
{
    std::vector<ListEntry> out;
    for (int i = 0; i < list.count(); ++i) {
        const auto colour = list.foreColor(i);
        out.push_back({list.text(i), list.smallIcon(i), list.subItem(i, 1), colour ? colour->name() : QString()});
    }
    return out;
}

std::vector<QString> listTexts(const platform::ListView& list)
{
    std::vector<QString> out;
    for (int i = 0; i < list.count(); ++i)
        out.push_back(list.text(i));
    return out;
}

QStringList boxItems(const platform::ListBox& box)
{
    QStringList out;
    for (int i = 0; i < box.count(); ++i)
        out << box.item(i);
    return out;
}
