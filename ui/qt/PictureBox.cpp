#include "PictureBox.h"

#include <QPainter>

namespace tavrelin::ui {

PictureBox::PictureBox(const QString& imagePath, QWidget* parent) : QFrame(parent), image_(imagePath)
{
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setLineWidth(2);
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
}

}  // namespace tavrelin::ui
