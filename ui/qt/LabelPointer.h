#pragma once

#include <functional>
#include <optional>

#include <QObject>
#include <QPoint>

#include "ClickRule.h"

class QWidget;

namespace tavrelin::design {
class WindowBehaviour;
}  // namespace tavrelin::design

namespace tavrelin::ui {

// Hands the left button's presses, double-presses and releases on a widget to the window's
// behaviour, which makes clicks of them, each over the label that the widget shows at the pointer.
// A press beside every label is left to the widget's parent.
class LabelPointer : public QObject {
public:
    // The label at a point of the widget, if any.
    using LabelAt = std::function<std::optional<design::Label>(QPoint)>;

    // Watches the widget's mouse for as long as the widget lives.
    LabelPointer(design::WindowBehaviour& behaviour, QWidget* widget, LabelAt labelAt);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    design::WindowBehaviour& behaviour_;
    LabelAt labelAt_;
};

}  // namespace tavrelin::ui
