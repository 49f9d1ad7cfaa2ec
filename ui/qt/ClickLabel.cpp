#include "ClickLabel.h"

#include <QMouseEvent>

namespace tavrelin::ui {

void ClickLabel::mousePressEvent(QMouseEvent* event)
{
    event->setAccepted(event->button() == Qt::LeftButton);
}

void ClickLabel::mouseDoubleClickEvent(QMouseEvent* event)
{
    const bool left = event->button() == Qt::LeftButton;
    inDoubleClick_ = left;
    event->setAccepted(left);
}

void ClickLabel::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton) {
        return;
    }
    if (inDoubleClick_) {
        inDoubleClick_ = false;
        return;
    }
    if (rect().contains(event->position().toPoint())) {
        emit clicked();
    }
}

}  // namespace tavrelin::ui
