#pragma once

#include <windows.h>

#include <string>

#include "Accessibility.h"
#include "Win32Support.h"

namespace tavrelin::ui {

// The read-only rules box with its scroll bar. Escape in it does nothing, where a multi-line text
// box of a dialog would close it; Tab into it keeps its caret and scroll position. A screen reader
// calls it by what it holds.
class RulesBox : public SubclassedControl {
public:
    explicit RulesBox(Accessibility& accessibility) : accessibility_(accessibility) {}

    // Makes the box at this place of the parent, holding this text; false if Windows could not make it.
    bool Create(HWND parent, const RECT& place, HFONT font, const std::wstring& text);

    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    Accessibility& accessibility_;
};

}  // namespace tavrelin::ui
