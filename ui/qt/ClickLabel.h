#pragma once

#include <QLabel>

#include "WindowBehaviour.h"

namespace tavrelin::ui {

// A label whose presses and releases of the left button go to the window's behaviour, which makes
// clicks of them: the hidden switch.
class ClickLabel : public QLabel {
    Q_OBJECT

public:
    // The label stands for this one of the behaviour's labels.
    ClickLabel(design::WindowBehaviour& behaviour, design::Label label, QWidget* parent);
};

}  // namespace tavrelin::ui
