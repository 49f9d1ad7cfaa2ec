#pragma once

#include <windows.h>

#include "Win32Support.h"

namespace tavrelin::ui {

// A picture in a sunken 2-pixel border, drawn one image pixel to one screen pixel from the inner
// top-left corner and cut off at the inner edges. It takes the keyboard focus, by Tab or by a
// click, and shows a focus mark while it has it.
class PictureBox {
public:
    static void RegisterWindowClass(HINSTANCE instance);

    // Makes the box over this place of the parent's client area, showing the JPEG picture kept
    // as an RCDATA resource of this name.
    void Create(HWND parent, const RECT& place, const wchar_t* resourceName);

    // The window procedure's work for this window.
    LRESULT HandleMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

private:
    void Paint();

    HWND window_ = nullptr;
    BitmapHandle picture_;
};

}  // namespace tavrelin::ui
