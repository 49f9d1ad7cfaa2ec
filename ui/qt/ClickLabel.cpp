#include "ClickLabel.h"

#include <QMouseEvent>

#include "WindowBehaviour.h"

namespace tavrelin::ui {

ClickLabel::ClickLabel(design::WindowBehaviour& behaviour, design::Label label, QWidget* parent)
    : QLabel(parent), behaviour_(behaviour), label_(label)
{
}

void ClickLabel::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton) {
        event->ignore();
        return;
    }
    behaviour_.Press(label_);
}

void ClickLabel::mouseDoubleClickEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton) {
        event->ignore();
        return;
    }
    behaviour_.DoublePress(label_);
}

void ClickLabel::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton) {
        return;
    }
    behaviour_.Release(rect().contains(event->position().toPoint()) ? std::optional(label_) : std::nullopt);
}

}  // namespace tavrelin::ui
