#include "ClickLabel.h"

#include "LabelPointer.h"

namespace tavrelin::ui {

ClickLabel::ClickLabel(design::WindowBehaviour& behaviour, design::Label label, QWidget* parent) : QLabel(parent)
{
    new LabelPointer(behaviour, this, [this, label](QPoint point) {
        return rect().contains(point) ? std::optional(label) : std::nullopt;
    });
}

}  // namespace tavrelin::ui
