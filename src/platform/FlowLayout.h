#pragma once
// Lays its items out left to right in rows and starts a new row where the
// next item would not fit, so a narrow window wraps its buttons instead of
// cutting their captions. On each row the width left over goes to the items
// that expand horizontally.
#include <QLayout>
#include <QList>

namespace platform {

class FlowLayout : public QLayout {
public:
    explicit FlowLayout(QWidget* parent = nullptr);
    ~FlowLayout() override;

    void addItem(QLayoutItem* item) override;
    int count() const override { return int(items_.size()); }
    QLayoutItem* itemAt(int index) const override { return items_.value(index); }
    QLayoutItem* takeAt(int index) override;

    Qt::Orientations expandingDirections() const override { return {}; }
    bool hasHeightForWidth() const override { return true; }
    int heightForWidth(int width) const override { return arrange(QRect(0, 0, width, 0), false); }
    QSize minimumSize() const override;
    QSize sizeHint() const override;
    void setGeometry(const QRect& rect) override;

private:
    // Places the items in rect when apply is set; returns the height used.
    int arrange(const QRect& rect, bool apply) const;

    QList<QLayoutItem*> items_;
};

}  // namespace platform
