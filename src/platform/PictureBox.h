#pragma once
// The original's picture box: a picture shown at its own size, reporting the
// mouse in twips (15 to a pixel, whatever the screen's scale), and the
// rectangle shape that frames a part of it.
#include <QPixmap>
#include <QWidget>

namespace platform {

class PictureBox : public QWidget {
    Q_OBJECT
public:
    explicit PictureBox(QWidget* parent = nullptr);
    void setPicture(const QPixmap& picture);
    QPixmap picture() const { return picture_; }

signals:
    // x and y in twips inside the picture.
    void MouseMove(Qt::MouseButtons buttons, int x, int y);
    void Click();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    QPixmap picture_;
};

// An outline drawn over its parent; the mouse passes through it. Its place
// is kept in twips, as set.
class Shape : public QWidget {
    Q_OBJECT
public:
    Shape(QWidget* parent, int left, int top, int width, int height);
    int Left() const { return left_; }
    int Top() const { return top_; }
    void setLeft(int twipsLeft);
    void setTop(int twipsTop);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    int left_, top_;
};

}  // namespace platform
