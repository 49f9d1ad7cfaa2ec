#pragma once

#include <windows.h>

#include "ClickRule.h"
#include "LabelPointer.h"
#include "Pinned.h"
#include "WindowDesign.h"

namespace tavrelin::design {
class WindowBehaviour;
}  // namespace tavrelin::design

namespace tavrelin::ui {

// A label with no caption, all of it one background colour, whose presses and releases of the left
// button go to the window's behaviour, which makes clicks of them: the hidden switch. A screen
// reader finds nothing in it.
class ClickLabel : private design::Pinned {
public:
    // The label stands for this one of the behaviour's labels.
    ClickLabel(design::WindowBehaviour& behaviour, design::Label label);

    // False if Windows could not register the window class.
    static bool RegisterWindowClass(HINSTANCE instance);

    // Makes the label at this place of the parent, in this colour; false if Windows could not.
    bool Create(HWND parent, const RECT& place, Colour background);

    // The window procedure's work for this window.
    LRESULT HandleMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

private:
    void Paint(HWND window) const;

    LabelPointer pointer_;
    Colour background_;
};

}  // namespace tavrelin::ui
