#pragma once

#include <windows.h>

#include <string>

#include "Accessibility.h"
#include "Win32Support.h"

namespace tavrelin::ui {

// A single-line text box that only shows: the mouse passes through it to what lies behind, and the
// focus handed to it moves on to the next control that takes the focus. A screen reader calls it by
// the caption beside it.
class Counter : public SubclassedControl {
public:
    explicit Counter(Accessibility& accessibility) : accessibility_(accessibility) {}

    // Makes the counter at this place of the parent; false if Windows could not make it.
    bool Create(HWND parent, const RECT& place, HFONT font, std::wstring name);

    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    Accessibility& accessibility_;
    std::wstring name_;
};

}  // namespace tavrelin::ui
