#pragma once

#include <windows.h>

#include <string>

#include "Win32Support.h"

namespace tavrelin::ui {

// A push button that the window draws with a face of one colour, raised or pressed in, its caption
// in the system's button-text colour, and a focus mark while it has the focus and the window shows
// focus marks. Every press of it is a press, the second of a double-click too.
class PushButton : public SubclassedControl {
public:
    PushButton() = default;

    // Makes the button at this place of the parent, reporting its clicks with this command
    // identifier; false if Windows could not make it.
    bool Create(HWND parent, const std::wstring& caption, const RECT& place, HFONT font, Colour face, int id);
    // The button's face, as the parent's WM_DRAWITEM asks for it.
    void Draw(const DRAWITEMSTRUCT& item) const;

    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    std::wstring caption_;
    HFONT font_ = nullptr;
    Colour face_;
};

}  // namespace tavrelin::ui
