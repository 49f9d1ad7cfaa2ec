#include "LabelPointer.h"

#include <utility>

#include <QMouseEvent>
#include <QWidget>

#include "WindowBehaviour.h"

namespace tavrelin::ui {

LabelPointer::LabelPointer(design::WindowBehaviour& behaviour, QWidget* widget, LabelAt labelAt)
    : QObject(widget), behaviour_(behaviour), labelAt_(std::move(labelAt))
{
    widget->installEventFilter(this);
}

bool LabelPointer::eventFilter(QObject* watched, QEvent* event)
{
    const QEvent::Type type = event->type();
    if (type != QEvent::MouseButtonPress && type != QEvent::MouseButtonDblClick && type != QEvent::MouseButtonRelease) {
        return QObject::eventFilter(watched, event);
    }
    const auto* mouse = static_cast<QMouseEvent*>(event);
    // A disabled widget takes no mouse; a release of another button is the widget's and no one's.
    if (!static_cast<QWidget*>(watched)->isEnabled() || mouse->button() != Qt::LeftButton) {
        return type == QEvent::MouseButtonRelease;
    }
    const std::optional<design::Label> under = labelAt_(mouse->position().toPoint());
    if (type == QEvent::MouseButtonRelease) {
        behaviour_.Release(under);
        return true;
    }
    if (!under.has_value()) {
        return false;
    }
    if (type == QEvent::MouseButtonPress) {
        behaviour_.Press(*under);
    } else {
        behaviour_.DoublePress(*under);
    }
    return true;
}

}  // namespace tavrelin::ui
