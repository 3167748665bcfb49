#include "platform/PictureBox.h"

#include "platform/Geometry.h"

#include <QMouseEvent>
#include <QPainter>

namespace platform {

PictureBox::PictureBox(QWidget* parent) : QWidget(parent)
{
    setMouseTracking(true);
    setCursor(Qt::PointingHandCursor);
}

void PictureBox::setPicture(const QPixmap& picture)
{
    picture_ = picture;
    update();
}

void PictureBox::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.drawPixmap(0, 0, picture_);
}

void PictureBox::mouseMoveEvent(QMouseEvent* event)
{
    const QPointF at = event->position();
    emit MouseMove(event->buttons(), qRound(at.x() * 15), qRound(at.y() * 15));
}

void PictureBox::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit Click();
}

Shape::Shape(QWidget* parent, int left, int top, int width, int height)
    : QWidget(parent), left_(left), top_(top)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setGeometry(twipsRect(left, top, width, height));
}

void Shape::setLeft(int twipsLeft)
{
    left_ = twipsLeft;
    move(twips(twipsLeft), y());
}

void Shape::setTop(int twipsTop)
{
    top_ = twipsTop;
    move(x(), twips(twipsTop));
}

void Shape::paintEvent(QPaintEvent*)
{
    // Dark inside a light line: it shows on every colour it frames.
    QPainter p(this);
    p.setPen(QPen(Qt::white, 1));
    p.drawRect(rect().adjusted(0, 0, -1, -1));
    p.setPen(QPen(QColor(0x1b, 0x33, 0x52), 1));
    p.drawRect(rect().adjusted(1, 1, -2, -2));
}

}  // namespace platform
