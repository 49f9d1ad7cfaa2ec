#include "PictureBox.h"

#include <utility>

#include <QPainter>
#include <QStyleOptionFocusRect>

#include "QtSupport.h"
#include "WindowDesign.h"

namespace tavrelin::ui {

PictureBox::PictureBox(QImage image, QWidget* parent) : QFrame(parent), image_(std::move(image))
{
    // A screen reader finds the box as the picture it shows, under the box's name.
    QAccessible::installFactory(AccessibleFactory<PictureBox, AccessibleAs<QAccessible::Graphic>>);
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setLineWidth(design::PICTURE1_BORDER);
    setFocusPolicy(Qt::StrongFocus);
}

void PictureBox::paintEvent(QPaintEvent* event)
{
    QFrame::paintEvent(event);
    QPainter painter(this);
    painter.setClipRect(contentsRect());
    // One pixel of the picture to one pixel of the screen, whatever the display's scale.
    image_.setDevicePixelRatio(devicePixelRatioF());
    painter.drawImage(contentsRect().topLeft(), image_);
    // The box takes the keyboard focus, and shows it.
    if (hasFocus()) {
        QStyleOptionFocusRect focus;
        focus.initFrom(this);
        focus.rect = contentsRect().adjusted(1, 1, -1, -1);
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, &painter, this);
    }
}

void PictureBox::focusInEvent(QFocusEvent* event)
{
    QFrame::focusInEvent(event);
    update();
}

void PictureBox::focusOutEvent(QFocusEvent* event)
{
    QFrame::focusOutEvent(event);
    update();
}

}  // namespace tavrelin::ui
