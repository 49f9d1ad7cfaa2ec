#pragma once

#include <QLabel>

#include "ClickRule.h"

namespace tavrelin::design {
class WindowBehaviour;
}  // namespace tavrelin::design

namespace tavrelin::ui {

// A label whose presses and releases of the left button go to the window's behaviour, which makes
// clicks of them: the hidden switch.
class ClickLabel : public QLabel {
    Q_OBJECT

public:
    // The label stands for this one of the behaviour's labels.
    ClickLabel(design::WindowBehaviour& behaviour, design::Label label, QWidget* parent);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    design::WindowBehaviour& behaviour_;
    design::Label label_;
};

}  // namespace tavrelin::ui
