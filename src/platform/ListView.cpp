// Placeholder on QStandardItemModel: linear lookups until the indexed lists land.
#include "platform/ListView.h"

#include <QHeaderView>
#include <QMouseEvent>
#include <QStandardItemModel>

namespace platform {

struct ListView::Impl {
    QStandardItemModel model;
    QList<QPixmap> pictures;
};

ListView::ListView(QWidget* parent) : QTreeView(parent), d(new Impl)
{
    setModel(&d->model);
    setRootIsDecorated(false);
    setUniformRowHeights(true);
    setEditTriggers(NoEditTriggers);
    connect(this, &QTreeView::clicked, this, [this](const QModelIndex& i) { emit itemClicked(i.row()); });
    connect(this, &QTreeView::doubleClicked, this, [this](const QModelIndex& i) { emit itemDoubleClicked(i.row()); });
}
ListView::~ListView() = default;

void ListView::setColumns(const QStringList& headers, const QList<int>& widths)
{
    d->model.setColumnCount(int(headers.size()));
    d->model.setHorizontalHeaderLabels(headers);
    for (int i = 0; i < widths.size(); ++i)
        setColumnWidth(i, widths[i]);
}
void ListView::setImageList(const QList<QPixmap>& pictures) { d->pictures = pictures; }
int ListView::count() const { return d->model.rowCount(); }
int ListView::add(const QString& text, int smallIcon)
{
    auto* item = new QStandardItem(text);
    QList<QStandardItem*> row{item};
    for (int c = 1; c < qMax(1, d->model.columnCount()); ++c)
        row << new QStandardItem;
    d->model.appendRow(row);
    setSmallIcon(count() - 1, smallIcon);
    return count() - 1;
}
void ListView::remove(int position) { d->model.removeRow(position); }
void ListView::clear() { d->model.removeRows(0, d->model.rowCount()); }
QString ListView::text(int position) const { return d->model.item(position)->text(); }
int ListView::smallIcon(int position) const { return d->model.item(position)->data(Qt::UserRole).toInt(); }
void ListView::setSmallIcon(int position, int icon)
{
    QStandardItem* it = d->model.item(position);
    it->setData(icon, Qt::UserRole);
    it->setIcon(icon >= 1 && icon <= d->pictures.size() ? QIcon(d->pictures[icon - 1]) : QIcon());
}
QString ListView::subItem(int position, int k) const
{
    QStandardItem* it = d->model.item(position, k);
    return it ? it->text() : QString();
}
void ListView::setSubItem(int position, int k, const QString& value)
{
    if (d->model.columnCount() <= k)
        d->model.setColumnCount(k + 1);
    d->model.setItem(position, k, new QStandardItem(value));
}
std::optional<QColor> ListView::foreColor(int position) const
{
    const QVariant v = d->model.item(position)->data(Qt::ForegroundRole);
    if (!v.isValid())
        return std::nullopt;
    return v.value<QBrush>().color();
}
void ListView::setForeColor(int position, const QColor& color) { d->model.item(position)->setForeground(color); }
int ListView::find(const QString& text) const
{
    for (int i = 0; i < count(); ++i)
        if (this->text(i) == text)
            return i;
    return -1;
}
QList<int> ListView::findAll(const QString& text) const
{
    QList<int> r;
    for (int i = 0; i < count(); ++i)
        if (this->text(i) == text)
            r << i;
    return r;
}
QList<int> ListView::findBySubItem1(const QString& value) const
{
    QList<int> r;
    for (int i = 0; i < count(); ++i)
        if (subItem(i, 1) == value)
            r << i;
    return r;
}
int ListView::selectedPosition() const
{
    const QModelIndex i = currentIndex();
    return i.isValid() && selectionModel()->isSelected(i) ? i.row() : -1;
}
void ListView::select(int position) { setCurrentIndex(d->model.index(position, 0)); }
void ListView::mouseReleaseEvent(QMouseEvent* event)
{
    QTreeView::mouseReleaseEvent(event);
    emit mouseUp(event->button(), event->position().toPoint());
}

struct ListBox::Impl {
    QStandardItemModel model;
};

ListBox::ListBox(QWidget* parent) : QListView(parent), d(new Impl)
{
    setModel(&d->model);
    setEditTriggers(NoEditTriggers);
    setUniformItemSizes(true);
    connect(this, &QListView::clicked, this, [this](const QModelIndex& i) { emit itemClicked(i.row()); });
    connect(this, &QListView::doubleClicked, this, [this](const QModelIndex& i) { emit itemDoubleClicked(i.row()); });
}
ListBox::~ListBox() = default;
int ListBox::count() const { return d->model.rowCount(); }
void ListBox::addItem(const QString& text) { d->model.appendRow(new QStandardItem(text)); }
void ListBox::removeItem(int position) { d->model.removeRow(position); }
void ListBox::clear() { d->model.clear(); }
QString ListBox::item(int position) const { return d->model.item(position)->text(); }
int ListBox::listIndex() const
{
    const QModelIndex i = currentIndex();
    return i.isValid() && selectionModel()->isSelected(i) ? i.row() : -1;
}
void ListBox::setListIndex(int position) { setCurrentIndex(d->model.index(position, 0)); }
QString ListBox::selectedText() const
{
    const int i = listIndex();
    return i < 0 ? QString() : item(i);
}

}  // namespace platform
