#pragma once

#include <windows.h>

#include "Accessibility.h"
#include "Pinned.h"
#include "Win32Support.h"

namespace tavrelin::ui {

// A picture in a sunken 2-pixel border, drawn one image pixel to one screen pixel from the inner
// top-left corner and cut off at the inner edges. It takes the keyboard focus, by Tab or by a
// click, and shows a focus mark while it has it and the window shows focus marks.
class PictureBox : private design::Pinned {
public:
    // A screen reader's questions are answered with the main window's libraries.
    explicit PictureBox(Accessibility& accessibility) : accessibility_(accessibility) {}

    // False if Windows could not register the window class.
    static bool RegisterWindowClass(HINSTANCE instance);

    // Makes the box over this place of the parent's client area, showing the bitmap resource of
    // this name; false if Windows could not make the box. A picture that cannot be loaded leaves
    // the box empty.
    bool Create(HWND parent, const RECT& place, const wchar_t* resourceName);
    // The box's window, or null before it is made.
    HWND Window() const { return window_; }

    // The window procedure's work for this window.
    LRESULT HandleMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

private:
    void Paint(HWND window) const;

    Accessibility& accessibility_;
    HWND window_ = nullptr;
    BitmapHandle picture_;
};

}  // namespace tavrelin::ui
