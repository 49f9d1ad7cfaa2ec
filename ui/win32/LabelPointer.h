#pragma once

#include <windows.h>

#include <functional>
#include <optional>

#include "ClickRule.h"

namespace tavrelin::design {
class WindowBehaviour;
}  // namespace tavrelin::design

namespace tavrelin::ui {

// Hands the left button's presses, double-presses and releases on a window to the window's
// behaviour, which makes clicks of them, each over the label that the window shows at the pointer.
// A press on a label gives the window the mouse until the release, wherever the pointer goes.
class LabelPointer {
public:
    // The label at a point of the window's client area, if any.
    using LabelAt = std::function<std::optional<design::Label>(POINT)>;

    LabelPointer(design::WindowBehaviour& behaviour, LabelAt labelAt);

    // True if the message was the left button's, or the loss of the mouse, and is handled.
    bool HandleMessage(HWND window, UINT message, LPARAM lParam) const;

private:
    design::WindowBehaviour& behaviour_;
    LabelAt labelAt_;
};

}  // namespace tavrelin::ui
