#pragma once
// The list view (report view with small icons from an image list) and the
// list box. Positions count from 0 and follow the list's order: entries are
// appended at the end, and removing one moves the later ones up. Entries are
// found by exact, case-sensitive text, first match first, through indexes
// kept in step with the list, so finding, appending and removing cost the
// same in a list of ten entries and of ten thousand.
//
// A position out of range throws RuntimeError, as the original controls
// failed; the list box's item() alone answers "" instead. Removing the
// selected entry leaves nothing selected.
#include <QColor>
#include <QList>
#include <QPixmap>
#include <QString>
#include <QStringList>
#include <QTreeView>
#include <QListView>
#include <memory>
#include <optional>

namespace platform {

class ListView : public QTreeView {
    Q_OBJECT
public:
    explicit ListView(QWidget* parent = nullptr);
    ~ListView() override;

    // Column headers and widths in pixels.
    void setColumns(const QStringList& headers, const QList<int>& widths);
    // The image list: picture k is SmallIcon k (from 1), drawn at its own
    // size; 0 or a number past the pictures shows no icon.
    void setImageList(const QList<QPixmap>& pictures);

    int count() const;
    // Appends an entry and returns its position.
    int add(const QString& text, int smallIcon = 0);
    void remove(int position);
    void clear();
    // See Filling.
    void startFilling();
    void finishFilling();

    QString text(int position) const;
    int smallIcon(int position) const;
    void setSmallIcon(int position, int icon);
    // SubItems(k), k from 1.
    QString subItem(int position, int k) const;
    void setSubItem(int position, int k, const QString& value);
    std::optional<QColor> foreColor(int position) const;
    void setForeColor(int position, const QColor& color);
    // A check box before each entry's text, which the user ticks; entries
    // start unticked.
    void setCheckBoxes(bool on);
    bool checked(int position) const;
    void setChecked(int position, bool on);
    // A value the entry carries and never shows (the original's Tag).
    QString tag(int position) const;
    void setTag(int position, const QString& value);

    // First entry whose text is exactly text, or -1.
    int find(const QString& text) const;
    // Every entry whose text is exactly text, in list order.
    QList<int> findAll(const QString& text) const;
    // The entries whose SubItems(1) is exactly value, in list order: all of
    // them, or the first limit.
    QList<int> findBySubItem1(const QString& value, int limit = -1) const;

    // The selected entry, or -1.
    int selectedPosition() const;
    // Selects position; -1 selects nothing.
    void select(int position);

signals:
    void itemClicked(int position);
    void itemDoubleClicked(int position);
    // Any button released anywhere over the list, before itemClicked, with
    // the point in viewport coordinates.
    void mouseUp(Qt::MouseButton button, const QPoint& pos);

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    struct Impl;
    std::unique_ptr<Impl> d;
};

class ListBox : public QListView {
    Q_OBJECT
public:
    explicit ListBox(QWidget* parent = nullptr);
    ~ListBox() override;

    int count() const;
    void addItem(const QString& text);
    void removeItem(int position);
    void clear();
    void startFilling();  // see Filling
    void finishFilling();
    QString item(int position) const;
    // ListIndex: the selected position, or -1; Text: the selected item or "".
    int listIndex() const;
    // -1 selects nothing.
    void setListIndex(int position);
    QString selectedText() const;

signals:
    void itemClicked(int position);
    void itemDoubleClicked(int position);

private:
    struct Impl;
    std::unique_ptr<Impl> d;
};

// While one lives, the entries added to a list reach its views in one
// insertion, when it ends: a names reply of hundreds of nicks costs the
// views what one nick costs. The list itself takes each at once, so finding
// and counting go on as usual.
template <class List>
class Filling {
public:
    explicit Filling(List* list) : list_(list) { list_->startFilling(); }
    ~Filling() { list_->finishFilling(); }
    Filling(const Filling&) = delete;
    Filling& operator=(const Filling&) = delete;

private:
    List* list_;
};

}  // namespace platform
