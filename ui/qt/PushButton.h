#pragma once

#include <QPushButton>

namespace tavrelin::ui {

// A push button that Enter presses as well as Space while it has the keyboard focus.
class PushButton : public QPushButton {
    Q_OBJECT

public:
    using QPushButton::QPushButton;

protected:
    void keyPressEvent(QKeyEvent* event) override;
};

}  // namespace tavrelin::ui
