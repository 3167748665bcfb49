#include "platform/ListView.h"

#include "platform/Errors.h"
#include "platform/SlotList.h"

#include <QAbstractTableModel>
#include <QBrush>
#include <QMouseEvent>

namespace platform {

namespace {

constexpr int errIndexOutOfBounds = 35600;

struct Entry {
    QString text;
    int icon = 0;
    QStringList subItems;  // SubItems(k) is subItems[k - 1]
    std::optional<QColor> color;
    bool checked = false;
    QString tag;

    QString subItem1() const { return subItems.value(0); }
};

Qt::ItemFlags entryFlags(const QModelIndex& index)
{
    if (!index.isValid())
        return Qt::NoItemFlags;
    return Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemNeverHasChildren;
}

int selectedRow(const QAbstractItemView* view)
{
    const QModelIndex i = view->currentIndex();
    return i.isValid() && view->selectionModel()->isSelected(i) ? i.row() : -1;
}

// Qt would move the selection to the next row. The list box of old left
// none, and its selection is a private message's target: it must never move
// to another user by itself.
void unselectBeforeRemoving(QAbstractItemView* view, int row)
{
    if (view->currentIndex().row() == row)
        view->selectionModel()->clear();
}

}  // namespace

// Rows appended while a list is being filled reach its views in one
// insertion, announced when the filling ends, or before any other change,
// so the views never meet a row they were not told of.
template <class Model>
struct FillableModel : Model {
    virtual int storedRows() const = 0;

    int rowsShown() const { return filling ? announced : storedRows(); }
    bool shown(int row) const { return row < rowsShown(); }
    // Around storing count rows at the end.
    void beginAppend(int count)
    {
        if (!filling)
            this->beginInsertRows({}, storedRows(), storedRows() + count - 1);
    }
    void endAppend()
    {
        if (!filling)
            this->endInsertRows();
    }
    void announce()
    {
        if (!filling || announced == storedRows())
            return;
        this->beginInsertRows({}, announced, storedRows() - 1);
        announced = storedRows();
        this->endInsertRows();
    }
    void startFilling()
    {
        if (filling++ == 0)
            announced = storedRows();
    }
    void finishFilling()
    {
        announce();
        --filling;
    }
    // After rows were removed or all were reset, before the views hear of it.
    void rowsGone()
    {
        if (filling)
            announced = storedRows();
    }

    int filling = 0;    // fillings open
    int announced = 0;  // while filling: the rows the views know of
};

struct ListView::Impl final : FillableModel<QAbstractTableModel> {
    SlotList<Entry> entries;
    SlotIndex byText;
    SlotIndex bySubItem1;
    QStringList headers;
    bool checkBoxes = false;
    QList<QPixmap> pictures;
    QPixmap noPicture;  // transparent, as big as the first picture

    void check(int position) const
    {
        if (position < 0 || position >= entries.count())
            throw RuntimeError(errIndexOutOfBounds, QStringLiteral("Index out of bounds"));
    }
    const Entry& entry(int position) const
    {
        check(position);
        return entries.at(position);
    }
    Entry& entry(int position) { return const_cast<Entry&>(std::as_const(*this).entry(position)); }

    int storedRows() const override { return entries.count(); }

    int append(Entry e)
    {
        const int position = entries.count();
        beginAppend(1);
        const QString text = e.text;
        const QString key = e.subItem1();
        const int slot = entries.append(std::move(e));
        byText.insert(text, slot);
        bySubItem1.insert(key, slot);
        endAppend();
        return position;
    }

    void removeAt(int position)
    {
        announce();
        beginRemoveRows({}, position, position);
        const int slot = entries.slotAt(position);
        const Entry e = entries.take(position);
        byText.erase(e.text, slot);
        bySubItem1.erase(e.subItem1(), slot);
        rowsGone();
        endRemoveRows();
        if (entries.compact())
            reindex();
    }

    void removeAll()
    {
        beginResetModel();
        entries.clear();
        byText.clear();
        bySubItem1.clear();
        rowsGone();
        endResetModel();
    }

    void setHeaders(const QStringList& texts)
    {
        announce();
        beginResetModel();
        headers = texts;
        endResetModel();
    }

    void reindex()
    {
        byText.clear();
        bySubItem1.clear();
        entries.forEach([this](int slot, const Entry& e) {
            byText.insert(e.text, slot);
            bySubItem1.insert(e.subItem1(), slot);
        });
    }

    void setSubItem(int position, int k, const QString& value)
    {
        if (k < 1)
            throw RuntimeError(errInvalidPropertyValue, QStringLiteral("Invalid property value"));
        Entry& e = entry(position);
        if (k == 1) {
            const int slot = entries.slotAt(position);
            bySubItem1.erase(e.subItem1(), slot);
            bySubItem1.insert(value, slot);
        }
        while (e.subItems.size() < k)
            e.subItems.append(QString());
        e.subItems[k - 1] = value;
        if (k < columnCount({}) && shown(position))
            emit dataChanged(index(position, k), index(position, k));
    }

    void rowChanged(int position, int firstColumn, int lastColumn)
    {
        if (shown(position))
            emit dataChanged(index(position, firstColumn), index(position, lastColumn));
    }

    QList<int> positions(const SlotIndex::Slots& found, int limit = -1) const
    {
        const qsizetype n = limit < 0 ? found.size() : qMin(found.size(), qsizetype(limit));
        QList<int> r;
        r.reserve(n);
        for (qsizetype i = 0; i < n; ++i)
            r << entries.position(found[i]);
        return r;
    }

    int rowCount(const QModelIndex& parent) const override { return parent.isValid() ? 0 : rowsShown(); }
    int columnCount(const QModelIndex& parent) const override
    {
        return parent.isValid() ? 0 : std::max(1, int(headers.size()));
    }
    Qt::ItemFlags flags(const QModelIndex& index) const override
    {
        const Qt::ItemFlags f = entryFlags(index);
        return checkBoxes && index.column() == 0 ? f | Qt::ItemIsUserCheckable : f;
    }
    bool setData(const QModelIndex& index, const QVariant& value, int role) override
    {
        if (!checkBoxes || !index.isValid() || index.column() != 0 || role != Qt::CheckStateRole)
            return false;
        entries.at(index.row()).checked = value.toInt() == Qt::Checked;
        emit dataChanged(index, index, {Qt::CheckStateRole});
        return true;
    }
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override
    {
        if (orientation == Qt::Horizontal && role == Qt::DisplayRole)
            return headers.value(section);
        return {};
    }
    QVariant data(const QModelIndex& index, int role) const override
    {
        if (!index.isValid())
            return {};
        const Entry& e = entries.at(index.row());
        const int column = index.column();
        switch (role) {
        case Qt::DisplayRole:
            return column == 0 ? e.text : e.subItems.value(column - 1);
        case Qt::DecorationRole:
            // A pixmap, not an icon: the delegate then draws it at its own
            // size. An entry without a picture keeps the room for one, so
            // that texts line up and every row is as tall as a picture.
            if (column != 0 || pictures.isEmpty())
                return {};
            return e.icon >= 1 && e.icon <= pictures.size() ? pictures[e.icon - 1] : noPicture;
        case Qt::ForegroundRole:
            return e.color ? QVariant(QBrush(*e.color)) : QVariant();
        case Qt::CheckStateRole:
            if (!checkBoxes || column != 0)
                return {};
            return e.checked ? Qt::Checked : Qt::Unchecked;
        default:
            return {};
        }
    }
};

ListView::ListView(QWidget* parent) : QTreeView(parent), d(new Impl)
{
    setModel(d.get());
    setRootIsDecorated(false);
    setItemsExpandable(false);
    setUniformRowHeights(true);
    setAllColumnsShowFocus(true);
    setSelectionBehavior(SelectRows);
    setSelectionMode(SingleSelection);
    setEditTriggers(NoEditTriggers);
    connect(this, &QTreeView::clicked, this, [this](const QModelIndex& i) { emit itemClicked(i.row()); });
    connect(this, &QTreeView::doubleClicked, this, [this](const QModelIndex& i) { emit itemDoubleClicked(i.row()); });
}
ListView::~ListView() = default;

void ListView::setColumns(const QStringList& headers, const QList<int>& widths)
{
    d->setHeaders(headers);
    for (int i = 0; i < widths.size(); ++i)
        setColumnWidth(i, widths[i]);
}

void ListView::setImageList(const QList<QPixmap>& pictures)
{
    d->pictures = pictures;
    if (!pictures.isEmpty()) {
        d->noPicture = QPixmap(pictures.first().size());
        d->noPicture.fill(Qt::transparent);
        setIconSize(pictures.first().deviceIndependentSize().toSize());
    }
    if (d->rowsShown() > 0)
        emit d->dataChanged(d->index(0, 0), d->index(d->rowsShown() - 1, 0), {Qt::DecorationRole});
}

int ListView::count() const { return d->entries.count(); }
int ListView::add(const QString& text, int smallIcon) { return d->append(Entry{text, smallIcon, {}, {}, false, {}}); }
void ListView::remove(int position)
{
    d->check(position);
    unselectBeforeRemoving(this, position);
    d->removeAt(position);
}
void ListView::clear() { d->removeAll(); }
void ListView::startFilling() { d->startFilling(); }
void ListView::finishFilling() { d->finishFilling(); }

QString ListView::text(int position) const { return d->entry(position).text; }
int ListView::smallIcon(int position) const { return d->entry(position).icon; }
void ListView::setSmallIcon(int position, int icon)
{
    d->entry(position).icon = icon;
    d->rowChanged(position, 0, 0);
}
QString ListView::subItem(int position, int k) const
{
    if (k < 1)
        throw RuntimeError(errInvalidPropertyValue, QStringLiteral("Invalid property value"));
    return d->entry(position).subItems.value(k - 1);
}
void ListView::setSubItem(int position, int k, const QString& value) { d->setSubItem(position, k, value); }
std::optional<QColor> ListView::foreColor(int position) const { return d->entry(position).color; }
void ListView::setForeColor(int position, const QColor& color)
{
    d->entry(position).color = color;
    d->rowChanged(position, 0, d->columnCount({}) - 1);
}
QString ListView::tag(int position) const { return d->entry(position).tag; }
void ListView::setTag(int position, const QString& value) { d->entry(position).tag = value; }

void ListView::setCheckBoxes(bool on)
{
    d->checkBoxes = on;
    if (count() > 0)
        emit d->dataChanged(d->index(0, 0), d->index(count() - 1, 0));
}
bool ListView::checked(int position) const { return d->entry(position).checked; }
void ListView::setChecked(int position, bool on)
{
    d->entry(position).checked = on;
    d->rowChanged(position, 0, 0);
}

int ListView::find(const QString& text) const
{
    const int slot = d->byText.first(text);
    return slot < 0 ? -1 : d->entries.position(slot);
}
QList<int> ListView::findAll(const QString& text) const { return d->positions(d->byText.all(text)); }
QList<int> ListView::findBySubItem1(const QString& value, int limit) const
{
    return d->positions(d->bySubItem1.all(value), limit);
}

int ListView::selectedPosition() const { return selectedRow(this); }
void ListView::select(int position)
{
    if (position == -1) {
        selectionModel()->clear();
        return;
    }
    d->check(position);
    d->announce();
    setCurrentIndex(d->index(position, 0));
}

void ListView::mouseReleaseEvent(QMouseEvent* event)
{
    // The original raised MouseUp before Click.
    emit mouseUp(event->button(), event->position().toPoint());
    QTreeView::mouseReleaseEvent(event);
}

struct ListBox::Impl final : FillableModel<QAbstractListModel> {
    SlotList<QString> items;

    int storedRows() const override { return items.count(); }

    void append(const QString& text)
    {
        beginAppend(1);
        items.append(text);
        endAppend();
    }
    void removeAt(int position)
    {
        announce();
        beginRemoveRows({}, position, position);
        items.take(position);
        rowsGone();
        endRemoveRows();
        items.compact();
    }
    void removeAll()
    {
        beginResetModel();
        items.clear();
        rowsGone();
        endResetModel();
    }

    int rowCount(const QModelIndex& parent) const override { return parent.isValid() ? 0 : rowsShown(); }
    QVariant data(const QModelIndex& index, int role) const override
    {
        if (!index.isValid() || role != Qt::DisplayRole)
            return {};
        return items.at(index.row());
    }
    Qt::ItemFlags flags(const QModelIndex& index) const override { return entryFlags(index); }
};

ListBox::ListBox(QWidget* parent) : QListView(parent), d(new Impl)
{
    setModel(d.get());
    setSelectionMode(SingleSelection);
    setEditTriggers(NoEditTriggers);
    setUniformItemSizes(true);
    connect(this, &QListView::clicked, this, [this](const QModelIndex& i) { emit itemClicked(i.row()); });
    connect(this, &QListView::doubleClicked, this, [this](const QModelIndex& i) { emit itemDoubleClicked(i.row()); });
}
ListBox::~ListBox() = default;

int ListBox::count() const { return d->items.count(); }
void ListBox::addItem(const QString& text) { d->append(text); }
void ListBox::removeItem(int position)
{
    if (position < 0 || position >= count())
        throw RuntimeError(errInvalidCall);
    unselectBeforeRemoving(this, position);
    d->removeAt(position);
}
void ListBox::clear() { d->removeAll(); }
void ListBox::startFilling() { d->startFilling(); }
void ListBox::finishFilling() { d->finishFilling(); }
QString ListBox::item(int position) const
{
    return position >= 0 && position < count() ? d->items.at(position) : QString();
}
int ListBox::listIndex() const { return selectedRow(this); }
void ListBox::setListIndex(int position)
{
    if (position == -1) {
        selectionModel()->clear();
        return;
    }
    if (position < 0 || position >= count())
        throw RuntimeError(errInvalidPropertyValue, QStringLiteral("Invalid property value"));
    d->announce();
    setCurrentIndex(d->index(position, 0));
}
QString ListBox::selectedText() const
{
    const int i = listIndex();
    return i < 0 ? QString() : item(i);
}

}  // namespace platform
